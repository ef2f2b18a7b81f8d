#include "core/practice/Toolbar.h"

#include "core/practice/AnswerSheet.h"
#include "core/practice/MarkingProgress.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace orbisk::practice {
namespace {

using namespace std::chrono_literals;

struct EnableCase {
    const char* name;
    WindowLife life;
    int question, questions;
    ToolbarEnabled enabled;
};

class Enabling : public ::testing::TestWithParam<EnableCase> {};

TEST_P(Enabling, FollowsStatusAndTheQuestionOnShow) {
    const EnableCase& c = GetParam();
    const ToolbarEnabled enabled = ToolbarStates(c.life, c.question, c.questions);
    EXPECT_EQ(enabled, c.enabled);
    for (const ToolbarEntry& entry : kToolbar) {
        if (!entry.canBeDisabled) {
            EXPECT_TRUE(enabled.Of(entry.button)) << entry.caption;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Toolbar, Enabling,
    ::testing::Values(
        EnableCase{"first_of_five", WindowLife::Answering, 1, 5, {true, true, true, true, false, true}},
        EnableCase{"second_of_five", WindowLife::Answering, 2, 5, {true, true, true, true, true, true}},
        EnableCase{"last_of_five", WindowLife::Answering, 5, 5, {true, true, true, true, true, false}},
        EnableCase{"only_question", WindowLife::Answering, 1, 1, {true, true, true, true, false, false}},
        EnableCase{"marked", WindowLife::Review, 3, 5, {false, false, true, true, true, true}}),
    [](const auto& test) { return std::string(test.param.name); });

struct ProgressCase {
    const char* name;
    std::chrono::milliseconds elapsed;
    int bars;
    bool over;
    std::chrono::milliseconds untilNext;
};

class Progress : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(Progress, ShowsABarEveryFifthOfASecondForThreeSeconds) {
    const ProgressCase& c = GetParam();
    EXPECT_EQ(ProgressBarsShown(c.elapsed), c.bars);
    EXPECT_EQ(ProgressOver(c.elapsed), c.over);
    EXPECT_EQ(UntilNextProgressStep(c.elapsed), c.untilNext);
}

INSTANTIATE_TEST_SUITE_P(Marking, Progress,
                         ::testing::Values(ProgressCase{"panel_alone", 0ms, 0, false, 200ms},
                                           ProgressCase{"just_before_the_first", 199ms, 0, false, 1ms},
                                           ProgressCase{"first_bar", 200ms, 1, false, 200ms},
                                           ProgressCase{"one_second", 1000ms, 5, false, 200ms},
                                           ProgressCase{"fourteen", 2999ms, 14, false, 1ms},
                                           ProgressCase{"all_and_over", 3000ms, 15, true, 0ms},
                                           ProgressCase{"long_after", 86400000ms, 15, true, 0ms},
                                           ProgressCase{"clock_went_back", -5000ms, 0, false, 5200ms}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(AnswerSheet, PartLettersAndRefusedCharacters) {
    EXPECT_EQ(PartLetter(1), "(a)");
    EXPECT_EQ(PartLetter(20), "(t)");
    EXPECT_THROW(PartLetter(21), std::out_of_range);
    EXPECT_EQ(StorableAnswer("a>b#c\r\nd é"), "abcd é");
    EXPECT_EQ(StorableAnswer("abc 1.;,-"), "abc 1.;,-");
}

} // namespace
} // namespace orbisk::practice
