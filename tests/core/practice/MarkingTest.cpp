#include "core/practice/Marking.h"

#include "core/product/AnswerKinds.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace orbisk::practice {
namespace {

struct AnswerCase {
    const char* name;
    const char* kind;
    const char* key;
    const char* answer;
    const char* verdict;
};

class MarkOneAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(MarkOneAnswer, GivesTheKindsVerdict) {
    const AnswerCase& c = GetParam();
    EXPECT_EQ(MarkAnswer(c.answer, c.key, c.kind), c.verdict);
}

const char* const kSentence = "Jane cut the watermelon with a knife.";

INSTANTIATE_TEST_SUITE_P(
    Marking, MarkOneAnswer,
    ::testing::Values(
        AnswerCase{"choice_exact", "Q", "2", "2", "Y"}, AnswerCase{"choice_spaced", "Q", "2", " 2 ", "Y"},
        AnswerCase{"choice_other_option", "Q", "2", "3", "N"}, AnswerCase{"choice_empty", "Q", "2", "", "N"},
        AnswerCase{"word_capitalised", "T", "grew", "Grew", "Y"},
        AnswerCase{"word_shouted_with_space", "T", "grew", "GREW ", "Y"},
        AnswerCase{"word_misspelt", "T", "grew", "grow", "N"},
        AnswerCase{"word_inner_space_matters", "T", "ice cream", "ice  cream", "N"},
        AnswerCase{"sentence_in_capitals", "L", kSentence, "JANE CUT THE WATERMELON WITH A KNIFE.", "Y"},
        AnswerCase{"sentence_without_full_stop", "L", kSentence, "Jane cut the watermelon with a knife", "N"},
        AnswerCase{"number_with_decimals", "N", "12", "12.0", "Y"},
        AnswerCase{"number_in_words", "N", "12", "twelve", "N"},
        AnswerCase{"number_with_exponent", "N", "100", "1e2", "Y"},
        AnswerCase{"number_negative", "N", "-3", " -3 ", "Y"},
        AnswerCase{"number_with_plus", "N", "12", "+12", "Y"},
        AnswerCase{"number_trailing_zero", "N", "1.5", "1.50", "Y"},
        AnswerCase{"number_point_five", "N", "0.5", ".5", "Y"},
        AnswerCase{"number_comma_decimal", "N", "12", "12,0", "N"},
        AnswerCase{"number_hexadecimal", "N", "16", "0x10", "N"},
        AnswerCase{"number_empty", "N", "0", "", "N"}, AnswerCase{"number_two_signs", "N", "-3", "+-3", "N"},
        AnswerCase{"number_infinity", "N", "1", "inf", "N"},
        AnswerCase{"number_wrong_value", "N", "12", "13", "N"},
        AnswerCase{"number_key_not_a_number", "N", "twelve", "12", "N"},
        AnswerCase{"spacing_exact", "R", "ab cd", "ab cd", "Y"},
        AnswerCase{"spacing_surrounded", "R", "ab cd", "  ab cd ", "Y"},
        AnswerCase{"spacing_two_spaces", "R", "ab cd", "ab  cd", "Y"},
        AnswerCase{"spacing_space_moved", "R", "ab cd", "a bcd", "N"},
        AnswerCase{"spacing_no_space", "R", "ab cd", "abcd", "N"},
        AnswerCase{"spacing_letter_case_matters", "R", "ab cd", "AB CD", "N"},
        AnswerCase{"spacing_key_with_two_spaces_never_matches", "R", "a b c", "a b c", "N"},
        AnswerCase{"spacing_kind_F", "F", "big cat", "big   cat", "Y"},
        AnswerCase{"spacing_kind_X", "X", "red hat", "re dhat", "N"},
        AnswerCase{"spacing_key_without_space", "X", "hat", " h a t ", "Y"},
        AnswerCase{"grouped_kind_has_no_single_rule", "G", ";red;blue", "red", ""},
        AnswerCase{"unknown_kind", "Z", "2", "2", ""},
        AnswerCase{"lower_case_kind_is_unknown", "q", "2", "2", ""}),
    [](const auto& test) { return std::string(test.param.name); });

struct GroupCase {
    const char* name;
    std::vector<std::string> keys;
    std::vector<std::string> answers;
    std::vector<std::string> verdicts;
};

class MarkGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(MarkGroup, UsesEachAlternativeOncePerGroup) {
    const GroupCase& c = GetParam();
    std::vector<std::string> verdicts;
    for (int slot = 1; slot <= static_cast<int>(c.keys.size()); ++slot) {
        verdicts.push_back(MarkGroupedAnswer(c.answers, c.keys, slot));
    }
    EXPECT_EQ(verdicts, c.verdicts);
}

const std::vector<std::string> kColours{";red;blue;green", " ", " "};

INSTANTIATE_TEST_SUITE_P(
    Marking, MarkGroup,
    ::testing::Values(
        GroupCase{"blue_red_blue", kColours, {"blue", "red", "blue"}, {"Y", "Y", "N"}},
        GroupCase{"red_red_green", kColours, {"red", "red", "green"}, {"Y", "N", "Y"}},
        GroupCase{"empty_second", kColours, {"red", "", "green"}, {"Y", "N", "Y"}},
        GroupCase{"any_case_and_spaces", kColours, {" RED", "Blue ", "gReEn"}, {"Y", "Y", "Y"}},
        GroupCase{"none_answered", kColours, {"", "", ""}, {"N", "N", "N"}},
        GroupCase{"wrong_first_leaves_all_for_the_rest", kColours, {"pink", "green", "red"}, {"N", "Y", "Y"}},
        GroupCase{"single_slot_group", {";Mars;Venus"}, {"venus"}, {"Y"}},
        GroupCase{"empty_alternative_never_matches", {";red;;blue", " "}, {"", ""}, {"N", "N"}},
        GroupCase{"continuation_without_key_slot", {" ", " "}, {"red", "red"}, {"N", "N"}},
        GroupCase{"next_group_starts_afresh",
                  {";a;b", " ", ";a;b", " "},
                  {"a", "b", "b", "a"},
                  {"Y", "Y", "Y", "Y"}},
        GroupCase{"key_without_alternatives", {"red", " "}, {"red", "red"}, {"N", "N"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Marking, AGroupSlotOutsideTheListIsAProgrammingError) {
    EXPECT_THROW(MarkGroupedAnswer({"a"}, {";a"}, 2), std::out_of_range);
    EXPECT_THROW(ShowGroupedKey({"a"}, {";a"}, 0), std::out_of_range);
}

struct KeyCase {
    const char* name;
    std::vector<std::string> keys;
    std::vector<std::string> answers;
    std::vector<std::string> shown; // per slot; checked for the wrong slots only
};

class ShowGroupKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ShowGroupKey, GivesEachWrongSlotAnAlternativeNobodyGave) {
    const KeyCase& c = GetParam();
    for (int slot = 1; slot <= static_cast<int>(c.keys.size()); ++slot) {
        if (MarkGroupedAnswer(c.answers, c.keys, slot) == kWrong) {
            EXPECT_EQ(ShowGroupedKey(c.answers, c.keys, slot), c.shown[static_cast<std::size_t>(slot - 1)])
                << "slot " << slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Marking, ShowGroupKey,
    ::testing::Values(
        KeyCase{"third_left_empty", kColours, {"blue", "red", ""}, {"", "", "green"}},
        KeyCase{"all_wrong_in_key_order", kColours, {"x", "y", "z"}, {"red", "blue", "green"}},
        KeyCase{"repeated_wrong_answers_get_different_keys",
                kColours,
                {"red", "red", "red"},
                {"", "blue", "green"}},
        KeyCase{"empty_key_slot_after_others_gave_answers", kColours, {"", "red", "blue"}, {"green", "", ""}},
        KeyCase{"more_slots_than_alternatives", {";a;b", " ", " "}, {"a", "b", ""}, {"", "", ""}},
        KeyCase{"single_slot_group", {";Mars;Venus"}, {"Pluto"}, {"Mars"}},
        KeyCase{"second_group_unaffected_by_first",
                {";a;b", " ", ";c;d", " "},
                {"c", "x", "a", "y"},
                {"a", "b", "c", "d"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Marking, AlternativesAndTheKindMKey) {
    EXPECT_EQ(kinds::SplitAlternatives(";red;blue;green"),
              (std::vector<std::string>{"red", "blue", "green"}));
    EXPECT_EQ(kinds::SplitAlternatives(";cat"), (std::vector<std::string>{"cat"}));
    EXPECT_TRUE(kinds::SplitAlternatives("cat").empty());
    EXPECT_EQ(FirstAlternative(";cat;dog;rabbit"), "cat");
    EXPECT_EQ(FirstAlternative(";cat"), "cat");
    EXPECT_EQ(FirstAlternative("cat"), "cat");
}

struct PercentCase {
    const char* name;
    long long raw;
    long long total;
    const char* text;
};

class PercentageOfScore : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentageOfScore, IsExactWithHalvesToEven) {
    EXPECT_EQ(ScorePercentage(GetParam().raw, GetParam().total), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Marking, PercentageOfScore,
    ::testing::Values(PercentCase{"26_of_30", 26, 30, "86.7"}, PercentCase{"27_of_30", 27, 30, "90"},
                      PercentCase{"29_of_30", 29, 30, "96.7"}, PercentCase{"39_of_40", 39, 40, "97.5"},
                      PercentCase{"40_of_40", 40, 40, "100"}, PercentCase{"none", 0, 30, "0"},
                      PercentCase{"1_of_8", 1, 8, "12.5"},
                      PercentCase{"1_of_16_tie_to_even_down", 1, 16, "6.2"},
                      PercentCase{"3_of_16_tie_to_even_up", 3, 16, "18.8"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Marking, NoPercentageOfAPaperWorthNothing) {
    EXPECT_THROW(ScorePercentage(0, 0), std::invalid_argument);
}

struct ScoreCase {
    const char* name;
    std::vector<std::string> verdicts;
    std::vector<std::string> weights;
    long long raw;
};

class Score : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(Score, AddsWeightsOfRightSlotsRoundingEachSumHalfToEven) {
    EXPECT_EQ(RawScore(GetParam().verdicts, GetParam().weights), GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(
    Marking, Score,
    ::testing::Values(ScoreCase{"ones", {"Y", "N", "Y", ""}, {"1", "1", "1", "1"}, 2},
                      // 0 + 1.5 = 1.5 -> 2; 2 + 1.5 = 3.5 -> 4; 4 + 0.5 = 4.5 -> 4.
                      ScoreCase{"running_halves", {"Y", "Y", "N", "Y"}, {"1.5", "1.5", "2", "0.5"}, 4},
                      ScoreCase{"half_alone_rounds_to_zero", {"Y"}, {"0.5"}, 0},
                      ScoreCase{"weight_not_a_number_adds_nothing", {"Y", "Y"}, {"x", "3"}, 3},
                      ScoreCase{"lower_case_y_is_not_right", {"y"}, {"1"}, 0}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::practice
