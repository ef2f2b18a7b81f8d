// The text size of the practice windows: its steps, the file that keeps it,
// and the answer frames that grow with it.
#include "core/practice/TextSize.h"

#include "TempFolder.h"
#include "core/layout/AnswerFrames.h"

#include <gtest/gtest.h>

namespace orbisk::practice {
namespace {

using orbisk::testing::TempFolder;
using orbisk::testing::WriteBytes;

struct StepCase {
    int from;
    int larger;
    int smaller;
};

class TextSizeSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(TextSizeSteps, GoUpAndDownWithinTheLimits) {
    EXPECT_EQ(LargerTextSize(GetParam().from), GetParam().larger);
    EXPECT_EQ(SmallerTextSize(GetParam().from), GetParam().smaller);
}

INSTANTIATE_TEST_SUITE_P(TextSize, TextSizeSteps,
                         ::testing::Values(StepCase{100, 110, 90}, StepCase{80, 90, 80},
                                           StepCase{200, 200, 175}, StepCase{137, 150, 125}));

TEST(TextSize, TheAnswersAreNeverSmallerThanThePagesBodyText) {
    for (const int percent : kTextSizes) {
        EXPECT_GE(AnswerPoints(percent), kPageBodyPoints * percent / 100) << percent;
    }
}

TEST(TextSize, IsKeptInTheApplicationFolder) {
    TempFolder folder;
    EXPECT_EQ(ReadTextSize(folder.path()), kDefaultTextSize) << "no file yet";
    WriteTextSize(folder.path(), 150);
    EXPECT_EQ(ReadTextSize(folder.path()), 150);
}

class DamagedTextSize : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedTextSize, ReadsAsTheUsualSize) {
    TempFolder folder;
    WriteBytes(folder / std::string(kTextSizeFileName), GetParam());
    EXPECT_EQ(ReadTextSize(folder.path()), kDefaultTextSize);
}

INSTANTIATE_TEST_SUITE_P(TextSize, DamagedTextSize,
                         ::testing::Values("#TXS#>abc\r\n", "#TXS#>137\r\n", "#TXS#>1500\r\n", "#TXS#>\r\n",
                                           "#TXS#>150x\r\n", "\x89PNG garbage", ""));

TEST(AnswerFrames, TallerTextGrowsTheBoxesAndKeepsThemApart) {
    EXPECT_EQ(layout::AnswerFrameGrowth(100), 1) << "a short line keeps the usual frame";
    const double grow = layout::AnswerFrameGrowth(510);
    EXPECT_EQ(grow, 2);
    for (const bool sentence : {false, true}) {
        const auto frame = layout::LayOutAnswerFrame(sentence, layout::kAnswerFrameWidth, grow);
        const auto usual = layout::LayOutAnswerFrame(sentence);
        EXPECT_EQ(frame.answerBox.height, 2 * usual.answerBox.height) << sentence;
        EXPECT_GE(frame.frame.height, frame.answerBox.bottom()) << sentence;
        // The part letter and the verdict widen with their text, and nothing overlaps.
        EXPECT_EQ(frame.partLetter.width, 2 * usual.partLetter.width) << sentence;
        EXPECT_EQ(frame.firstVerdict.width, 2 * usual.firstVerdict.width) << sentence;
        EXPECT_LE(frame.partLetter.right(), frame.answerBox.left) << sentence;
        EXPECT_LE(frame.answerBox.right(), frame.firstVerdict.left) << sentence;
        EXPECT_LE(frame.keyBox.right(), layout::kAnswerFrameWidth) << sentence;
        if (!sentence) {
            EXPECT_GT(frame.answerBox.width, usual.answerBox.width) << "the hidden key box's room";
            EXPECT_LE(frame.firstVerdict.right(), frame.keyBox.left);
        }
    }
    for (const int count : {3, 20}) {
        const auto frames = layout::StackAnswerFrames(count, true, grow);
        for (std::size_t n = 1; n < frames.size(); ++n) {
            const auto box = layout::LayOutAnswerFrame(n == 1, layout::kAnswerFrameWidth, grow).answerBox;
            EXPECT_LE(frames[n - 1].top + box.bottom(), frames[n].top + box.top) << count << " frame " << n;
        }
    }
}

} // namespace
} // namespace orbisk::practice
