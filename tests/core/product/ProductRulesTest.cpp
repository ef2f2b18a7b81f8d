// The product's small rules: weights and total marks, answer kinds, product
// codes and the numbering of papers and topics.
#include "core/product/AnswerKinds.h"
#include "core/product/BankNumbers.h"
#include "core/product/ProductCode.h"
#include "core/product/Weights.h"

#include <gtest/gtest.h>
#include <limits>

namespace orbisk {
namespace {

struct WeightText {
    const char* name;
    const char* text;
    std::optional<weights::Decimal> expected;
};

class ParsedWeight : public ::testing::TestWithParam<WeightText> {};

TEST_P(ParsedWeight, IsReadExactly) {
    EXPECT_EQ(weights::ParseWeight(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, ParsedWeight,
    ::testing::Values(WeightText{"one", "1", weights::Decimal{1, 0}},
                      WeightText{"half", "0.5", weights::Decimal{5, 1}},
                      WeightText{"no_leading_digit", ".5", weights::Decimal{5, 1}},
                      WeightText{"two_places", " 2.25 ", weights::Decimal{225, 2}},
                      WeightText{"trailing_zero", "1.50", weights::Decimal{150, 2}},
                      WeightText{"empty", "", std::nullopt}, WeightText{"point_alone", ".", std::nullopt},
                      WeightText{"comma", "1,5", std::nullopt}, WeightText{"sign", "-1", std::nullopt},
                      WeightText{"exponent", "1e2", std::nullopt}, WeightText{"word", "one", std::nullopt},
                      WeightText{"two_points", "1.2.3", std::nullopt},
                      WeightText{"too_many_digits", "1234567890123456", std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

struct Sum {
    const char* name;
    std::vector<std::string> weights;
    long long total;
};

class TotalMarks : public ::testing::TestWithParam<Sum> {};

TEST_P(TotalMarks, AddDecimalsRoundingHalvesToEvenAfterEachWeight) {
    EXPECT_EQ(weights::TotalMarks(GetParam().weights), GetParam().total);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, TotalMarks,
    ::testing::Values(Sum{"thirty_ones", std::vector<std::string>(30, "1"), 30},
                      Sum{"one_and_a_half_rounds_to_two", {"1.5"}, 2}, Sum{"then_to_four", {"1.5", "1.5"}, 4},
                      Sum{"a_half_alone_rounds_to_zero", {"0.5"}, 0},
                      Sum{"two_and_a_half_rounds_to_two", {"2", "0.5"}, 2},
                      Sum{"each_step_rounds_so_tenths_add_nothing", {"0.1", "0.1", "0.1", "0.2"}, 0},
                      Sum{"a_true_tie_after_a_whole", {"3", "0.50"}, 4}, Sum{"just_over_half", {"0.51"}, 1},
                      Sum{"not_a_number_adds_nothing", {"1", "x", "1"}, 2}, Sum{"none", {}, 0},
                      // Once overflowed a long long (undefined behaviour) on a hostile bank.
                      Sum{"a_huge_whole_then_a_fine_fraction_stays_at_the_largest",
                          {"999999999999999", "0.000000001"},
                          std::numeric_limits<long long>::max()},
                      Sum{"huge_weights_past_the_largest_stay_there",
                          std::vector<std::string>(20000, "999999999999999"),
                          std::numeric_limits<long long>::max()}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AnswerKinds, EachLetterBehavesAsItsKindSays) {
    for (const char* kind : {"Q", "T", "L", "N", "R", "F", "X", "G", "M"}) {
        EXPECT_TRUE(kinds::IsKnown(kind)) << kind;
    }
    for (const char* kind : {"", "q", "QT", "Z", " "}) {
        EXPECT_FALSE(kinds::IsKnown(kind)) << kind;
    }
    EXPECT_TRUE(kinds::TakesOneCharacter("Q"));
    EXPECT_FALSE(kinds::TakesOneCharacter("T"));
    EXPECT_TRUE(kinds::IsSentence("L"));
    EXPECT_TRUE(kinds::ShowsInstructionPicture("F"));
    EXPECT_TRUE(kinds::ShowsInstructionPicture("X"));
    EXPECT_FALSE(kinds::ShowsInstructionPicture("R"));
    EXPECT_TRUE(kinds::UsesSpacingRule("R"));
    EXPECT_TRUE(kinds::IsGrouped("M"));
    EXPECT_FALSE(kinds::IsGrouped("Q"));
}

TEST(ProductCode, IsOneToEightCapitalLetters) {
    for (const char* code : {"ENG", "A", "ABCDEFGH"}) {
        EXPECT_TRUE(product::IsValidProductCode(code)) << code;
    }
    for (const char* code : {"", "eng", "EN1", "ABCDEFGHI", "E/N", "E N", "ÉNG"}) {
        EXPECT_FALSE(product::IsValidProductCode(code)) << code;
    }
}

TEST(BankNumbers, PapersTopicsAndSlots) {
    EXPECT_EQ(bank::PaperNumber(3, 2), 112);
    EXPECT_EQ(bank::PaperSlot(112), 12);
    EXPECT_EQ(bank::FirstSlotOfTopic(1), 1);
    EXPECT_EQ(bank::FirstSlotOfTopic(10), 46);
    EXPECT_EQ(bank::PaperNumber(10, 5), 150);
    EXPECT_EQ(bank::TopicOfPaper(110), 2);
    EXPECT_EQ(bank::TopicOfPaper(111), 3);
    EXPECT_EQ(bank::PaperInTopic(113), 3);
    EXPECT_EQ(bank::PaperInTopic(150), 5);
    EXPECT_EQ(bank::QuestionId(2, 101, 1), 15001);
    EXPECT_EQ(bank::QuestionId(2, 102, 3), 15103);
}

} // namespace
} // namespace orbisk
