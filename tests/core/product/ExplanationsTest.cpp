// The explanations of a question's answers: what the bank compiler composes,
// the practice window reads back slot by slot.
#include "core/product/Explanations.h"

#include "core/Errors.h"
#include "core/formats/ResourceSource.h"
#include "core/product/ResourceIds.h"

#include <gtest/gtest.h>

namespace orbisk::explain {
namespace {

using Texts = std::vector<std::string>;

TEST(Explanations, ReadBackSlotBySlotWithEmptySlotsKept) {
    MapResourceSource source;
    source.Set(ids::ExplanationId(15002), ComposeExplanations({"Past tense.", "", "Swam > swimmed."}));
    EXPECT_EQ(ReadExplanations(source, 15002, 4), (Texts{"Past tense.", "", "Swam > swimmed.", ""}))
        << "a slot past the lines has none";
    EXPECT_EQ(ReadExplanations(source, 15002, 2), (Texts{"Past tense.", ""})) << "lines past the slots";
    EXPECT_EQ(ReadExplanations(source, 15001, 2), (Texts{"", ""})) << "another question has none";
}

TEST(Explanations, ALineBreakInAnExplanationIsNotComposed) {
    EXPECT_THROW(ComposeExplanations({"one", "two\nthree"}), DataError);
    EXPECT_THROW(ComposeExplanations({"one\r"}), DataError);
}

struct OddText {
    const char* name;
    std::string text;
    int slots;
    Texts expected;
};

class OddExplanations : public ::testing::TestWithParam<OddText> {};

TEST_P(OddExplanations, AreReadWithoutFailing) {
    EXPECT_EQ(ParseExplanations(GetParam().text, GetParam().slots), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Explanations, OddExplanations,
    ::testing::Values(
        OddText{"carriage_returns_at_line_ends", "a\r\nb\r", 2, {"a", "b"}},
        OddText{"a_carriage_return_inside_a_line_stays", "a\rb", 1, {"a\rb"}},
        OddText{"empty_text", "", 2, {"", ""}}, OddText{"only_line_breaks", "\n\n\n", 2, {"", ""}},
        OddText{"bytes_that_are_not_utf8", std::string("\xFE\x00x", 3), 1, {std::string("\xFE\x00x", 3)}},
        OddText{"no_slots", "a\nb", 0, {}}, OddText{"a_negative_slot_count", "a", -1, {}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::explain
