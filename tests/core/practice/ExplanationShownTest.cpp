// Which explanations the answer sheet shows: only where the answer is already known.
#include "PracticeFolder.h"
#include "core/practice/AnswerSheet.h"

#include <gtest/gtest.h>

namespace orbisk::practice {
namespace {

using namespace orbisk::practice::testing;

struct ShownCase {
    const char* name;
    Attempt attempt;
    bool marked;
    const char* verdict;
    const char* firstScore;
    bool secondMarked;
    bool shown;
};

class ExplanationRule : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ExplanationRule, ShowsOnlyWhereTheAnswerIsKnown) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(ExplanationShows(c.attempt, c.marked, c.verdict, c.firstScore, c.secondMarked), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerSheet, ExplanationRule,
    ::testing::Values(ShownCase{"first_answering", Attempt::First, false, "", "", false, false},
                      ShownCase{"second_answering_carried_over", Attempt::Second, false, "Y", "80", false,
                                false},
                      ShownCase{"first_marked_right", Attempt::First, true, "Y", "80", false, true},
                      ShownCase{"first_marked_wrong", Attempt::First, true, "N", "80", false, false},
                      ShownCase{"first_marked_no_verdict", Attempt::First, true, "", "80", false, false},
                      ShownCase{"first_wrong_at_99", Attempt::First, true, "N", "99", false, false},
                      ShownCase{"first_wrong_above_99", Attempt::First, true, "N", "99.5", false, true},
                      ShownCase{"first_wrong_second_marked", Attempt::First, true, "N", "80", true, true},
                      ShownCase{"second_marked_wrong", Attempt::Second, true, "N", "80", false, true},
                      ShownCase{"second_marked_right", Attempt::Second, true, "Y", "80", false, true}),
    [](const auto& test) { return std::string(test.param.name); });

/// Which frames of the sheet show an explanation, and the texts they show.
std::vector<std::string> shownExplanations(const OpenPaper& paper) {
    std::vector<std::string> shown;
    for (const SheetFrame& frame : paper.Sheet().frames) {
        shown.push_back(frame.explanationShown ? frame.explanation : "-");
    }
    return shown;
}

TEST(OpenPaper, TheSheetShowsEachSlotsOwnExplanationOnceItsAnswerIsKnown) {
    PracticeFolder folder;
    // Paper 146, question 2: five items (slots 6-10), items 1, 3 and 5 explained; item 3 answered wrong.
    const auto answers = [](const OpenPaper& paper) {
        return [&paper](int slot) {
            const std::string& key = paper.keys()[static_cast<std::size_t>(slot - 1)];
            return slot == 8 ? WrongOption(key) : key;
        };
    };
    const std::vector<std::string> none(5, "-");
    OpenPaper first = folder.Open(2, 146);
    AnswerEveryQuestion(first, answers(first));
    first.ChooseQuestion(2, SheetOf(first, 3, answers(first)));
    EXPECT_EQ(shownExplanations(first), none) << "none while answering";
    ASSERT_EQ(first.BeginMarking(SheetOf(first, 2, answers(first))).next, MarkingStart::Next::Confirm);
    ASSERT_TRUE(first.CompleteMarking(Instant{}, "01/01/2030").marked);
    EXPECT_EQ(shownExplanations(first),
              (std::vector<std::string>{"Why 146.2.1: the passage says so.", "-", "-", "-",
                                        "Why 146.2.5: the passage says so."}));
    first.NextQuestion({});
    EXPECT_EQ(shownExplanations(first), none) << "question 3 has none";

    OpenPaper second = folder.Open(2, 146, Attempt::Second);
    second.ChooseQuestion(2, {});
    EXPECT_EQ(shownExplanations(second), none) << "none while answering, carried-over answers too";
    ASSERT_FALSE(second.BeginMarking(SheetOf(second, 2, answers(second))).failure.has_value());
    ASSERT_TRUE(second.CompleteMarking(Instant{}, "").marked);
    EXPECT_EQ(shownExplanations(second), (std::vector<std::string>{"Why 146.2.1: the passage says so.", "-",
                                                                   "Why 146.2.3: the passage says so.", "-",
                                                                   "Why 146.2.5: the passage says so."}));
    OpenPaper again = folder.Open(2, 146);
    again.ChooseQuestion(2, {});
    EXPECT_EQ(shownExplanations(again), shownExplanations(second)) << "the first attempt, no try left";
}

} // namespace
} // namespace orbisk::practice
