// Where the keyboard and a click on an option go on the answer sheet, and
// what an empty box says it takes.
#include "PracticeFolder.h"
#include "core/practice/AnswerSheet.h"

#include <gtest/gtest.h>

namespace orbisk::practice {
namespace {

using namespace orbisk::practice::testing;

/// A question of @p frames choice boxes showing four options each, those in
/// @p locked read-only.
AnswerSheet sheetOf(int frames, std::vector<int> locked = {}, bool last = false) {
    AnswerSheet sheet;
    sheet.answerCount = frames;
    sheet.lastQuestion = last;
    for (int n = 1; n <= frames; ++n) {
        SheetFrame frame;
        frame.frame = n;
        frame.kind = "Q";
        frame.options = 4;
        frame.locked = std::find(locked.begin(), locked.end(), n) != locked.end();
        sheet.frames.push_back(frame);
    }
    return sheet;
}

struct FocusCase {
    const char* name;
    int frames;
    std::vector<int> locked;
    int focused;
};

class StartingBox : public ::testing::TestWithParam<FocusCase> {};

TEST_P(StartingBox, IsTheFirstThatTakesTyping) {
    EXPECT_EQ(FrameToFocus(sheetOf(GetParam().frames, GetParam().locked)), GetParam().focused);
}

INSTANTIATE_TEST_SUITE_P(AnswerSheet, StartingBox,
                         ::testing::Values(FocusCase{"first_open", 3, {}, 1},
                                           FocusCase{"first_carried_over", 3, {1, 2}, 3},
                                           FocusCase{"all_locked_still_the_first", 2, {1, 2}, 1},
                                           FocusCase{"no_frame", 0, {}, 0}),
                         [](const auto& test) { return std::string(test.param.name); });

struct EnterCase {
    const char* name;
    std::vector<int> locked;
    bool lastQuestion;
    int from;
    EnterMove::To to;
    int frame;
};

class EnterKey : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterKey, GoesOnToTheNextBoxThatTakesTypingThenTheNextQuestion) {
    const EnterCase& c = GetParam();
    const EnterMove move = AfterEnter(sheetOf(3, c.locked, c.lastQuestion), c.from);
    EXPECT_EQ(move.to, c.to);
    EXPECT_EQ(move.frame, c.frame);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerSheet, EnterKey,
    ::testing::Values(EnterCase{"next_box", {}, false, 1, EnterMove::To::Frame, 2},
                      EnterCase{"past_a_locked_box", {2}, false, 1, EnterMove::To::Frame, 3},
                      EnterCase{"last_box_next_question", {}, false, 3, EnterMove::To::NextQuestion, 0},
                      EnterCase{"only_locked_boxes_left", {3}, false, 2, EnterMove::To::NextQuestion, 0},
                      EnterCase{"last_question_stays", {}, true, 3, EnterMove::To::Stay, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AnswerSheet, UpAndDownStepToTheNeighbouringBoxAndStopAtTheEnds) {
    const AnswerSheet sheet = sheetOf(3, {2});
    EXPECT_EQ(FrameAfterArrow(sheet, 1, true), 2) << "a locked box can be read";
    EXPECT_EQ(FrameAfterArrow(sheet, 3, false), 2);
    EXPECT_EQ(FrameAfterArrow(sheet, 1, false), 1);
    EXPECT_EQ(FrameAfterArrow(sheet, 3, true), 3);
}

struct OptionCase {
    const char* name;
    int answer;
    int option;
    std::function<void(AnswerSheet&)> change;
    std::optional<int> frame;
};

class ClickedOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ClickedOption, FillsItsAnswersBoxOnlyWhenTheBoxTakesIt) {
    AnswerSheet sheet = sheetOf(2);
    GetParam().change(sheet);
    EXPECT_EQ(FrameForOption(sheet, GetParam().answer, GetParam().option), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerSheet, ClickedOption,
    ::testing::Values(
        OptionCase{"second_answer", 2, 4, [](AnswerSheet&) {}, 2},
        OptionCase{"option_not_shown", 1, 5, [](AnswerSheet&) {}, std::nullopt},
        OptionCase{"answer_not_on_the_sheet", 3, 1, [](AnswerSheet&) {}, std::nullopt},
        OptionCase{"locked_box", 1, 2, [](AnswerSheet& s) { s.frames[0].locked = true; }, std::nullopt},
        OptionCase{"review_mode", 1, 2, [](AnswerSheet& s) { s.reviewMode = true; }, std::nullopt},
        OptionCase{"typed_answer", 1, 2, [](AnswerSheet& s) { s.frames[0].kind = "T"; }, std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

struct HintCase {
    const char* name;
    const char* kind;
    int options;
    const char* key;
    const char* hint;
};

class BoxHint : public ::testing::TestWithParam<HintCase> {};

TEST_P(BoxHint, SaysWhatTheBoxTakes) {
    EXPECT_EQ(AnswerHint(GetParam().kind, GetParam().options, GetParam().key), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(AnswerSheet, BoxHint,
                         ::testing::Values(HintCase{"four_options", "Q", 4, "2",
                                                    "1\xE2\x80\x93"
                                                    "4"},
                                           HintCase{"three_options", "Q", 3, "3",
                                                    "1\xE2\x80\x93"
                                                    "3"},
                                           HintCase{"a_word", "T", 0, "went", "one word"},
                                           HintCase{"a_phrase", "T", 0, "ice cream", "a few words"},
                                           HintCase{"a_sentence", "L", 0, "Jane cut the cake.",
                                                    "the whole sentence"},
                                           HintCase{"a_number", "N", 0, "12", "a number"},
                                           HintCase{"unknown_kind", "Z", 0, "x", ""}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(OpenPaper, EachBoxHintsAtTheOptionsItsPageShowsAndALockedBoxAtNothing) {
    PracticeFolder folder;
    OpenPaper paper = folder.Open(3, 101);
    paper.ChooseQuestion(3, {});
    const SheetFrame choice = paper.Sheet().frames.front();
    EXPECT_EQ(choice.options, 3);
    EXPECT_EQ(choice.hint, AnswerHint("Q", 3, "3"));
    paper.ChooseQuestion(1, {});
    EXPECT_EQ(paper.Sheet().frames.front().options, 0) << "a cloze gap shows no options";
    ASSERT_FALSE(paper.BeginMarking({}).failure.has_value());
    ASSERT_TRUE(paper.CompleteMarking(Instant{}, "01/01/2030").marked);
    EXPECT_EQ(paper.Sheet().frames.front().hint, "");
}

} // namespace
} // namespace orbisk::practice
