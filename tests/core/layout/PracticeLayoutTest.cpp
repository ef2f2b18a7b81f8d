#include "core/layout/PracticeLayout.h"

#include "core/layout/AnswerFrames.h"
#include "core/layout/CornerResize.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace orbisk::layout {
namespace {

constexpr double kW = 1024 * 15.0; // a window of 1024 x 768 px, in twips
constexpr double kH = 768 * 15.0;

struct SizeCase {
    const char* name;
    double width;
    double height;
};

class WindowSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(WindowSizes, AreasMeetEdgeToEdgeAndTheStripDoesNotCrowd) {
    const double w = GetParam().width;
    const double h = GetParam().height;
    ASSERT_TRUE(CanLayOutPractice(w, h));
    const PracticeLayout l = LayOutPractice(w, h);
    EXPECT_EQ(l.questionView.top, l.toolStrip.bottom());
    EXPECT_EQ(l.answerSheet.top, l.toolStrip.bottom());
    EXPECT_EQ(l.questionView.right(), l.sheetHandle.left);
    EXPECT_EQ(l.sheetHandle.right(), l.answerSheet.left);
    EXPECT_EQ(l.answerSheet.right(), l.frame.right.left);
    EXPECT_EQ(l.statusBar.top, l.questionView.bottom());
    EXPECT_EQ(l.statusBar.bottom(), l.frame.bottom.top);
    EXPECT_EQ(l.answerSheet.bottom(), l.frame.bottom.top);
    EXPECT_EQ(l.statusBar.width, l.questionView.width);
    EXPECT_GE(l.instruction.top, 0);
    // The score panel sits between Close and Back, which stay apart.
    EXPECT_LT(l.toolButtons[3].right(), l.paperSum.left);
    EXPECT_LT(l.paperSum.right(), l.toolButtons[4].left);
    // The right answers' count stands between Close and the score panel.
    EXPECT_LT(l.toolButtons[3].right(), l.rightCount.left);
    EXPECT_EQ(l.rightCount.right(), l.paperSum.left);
    EXPECT_LE(l.toolButtons[5].right(), l.toolStrip.width);
    EXPECT_LT(l.minButton.right(), l.maxButton.left);
    EXPECT_LT(l.maxButton.right(), l.closeButton.left);
}

INSTANTIATE_TEST_SUITE_P(PracticeLayout, WindowSizes,
                         ::testing::Values(SizeCase{"screen_1024x768", kW, kH},
                                           SizeCase{"corner_drag_minimum", kMinResizeWidth, kMinResizeHeight},
                                           SizeCase{"full_hd_maximised", 1920 * 15.0, 1080 * 15.0},
                                           SizeCase{"wide_and_short", 30000, 5001}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(PracticeLayout, AMinimisedWindowIsSkippedAndNeverGivesNegativeSizes) {
    for (const auto& [w, h] : std::vector<std::pair<double, double>>{{0, 0}, {4000, 9000}, {9000, 1500}}) {
        EXPECT_FALSE(CanLayOutPractice(w, h)) << w << " x " << h;
        const PracticeLayout l = LayOutPractice(w, h);
        for (const Rect& r :
             {l.toolStrip, l.answerSheet, l.sheetHandle, l.questionView, l.questionTitle, l.statusBar}) {
            EXPECT_GE(r.width, 0) << w << " x " << h;
            EXPECT_GE(r.height, 0) << w << " x " << h;
        }
    }
    EXPECT_TRUE(CanLayOutPractice(4315, 1620)); // 273 px + handle + borders; 28 + 51 + 25 + 4 px
    EXPECT_FALSE(CanLayOutPractice(4314, 1620));
    EXPECT_FALSE(CanLayOutPractice(4315, 1619));
}

TEST(PracticeLayout, TheHandleHidesAndShowsTheSheet) {
    const SheetToggle hidden = ToggleAnswerSheet(true, kW);
    EXPECT_FALSE(hidden.shown);
    EXPECT_EQ(hidden.sheetLeft, kW);
    EXPECT_EQ(hidden.handleLeft, kW - 100 - 60);
    EXPECT_EQ(hidden.viewWidth, kW - 100 - 120);
    EXPECT_EQ(hidden.statusWidth, hidden.viewWidth);
    EXPECT_EQ(hidden.tooltip, "Show answer sheet");
    const SheetToggle shown = ToggleAnswerSheet(false, kW);
    const PracticeLayout l = LayOutPractice(kW, kH);
    EXPECT_TRUE(shown.shown);
    EXPECT_EQ(shown.sheetLeft, l.answerSheet.left);
    EXPECT_EQ(shown.handleLeft, l.sheetHandle.left);
    EXPECT_EQ(shown.viewWidth, l.questionView.width);
    EXPECT_EQ(shown.tooltip, "Hide answer sheet");
    // A resize that keeps a hidden sheet hidden places it as the handle did.
    const PracticeLayout keptHidden = LayOutPractice(kW, kH, false);
    EXPECT_EQ(keptHidden.answerSheet.left, hidden.sheetLeft);
    EXPECT_EQ(keptHidden.sheetHandle.left, hidden.handleLeft);
    EXPECT_EQ(keptHidden.statusBar.width, hidden.viewWidth);
}

TEST(PracticeLayout, TitleBarAtLoad) {
    const PracticeTitleBar bar = PlacePracticeTitleBar(300);
    EXPECT_EQ(bar.topCentre.left, 720);
    EXPECT_EQ(bar.topCentre.width, 30000);
    EXPECT_NEAR(bar.title.left, 453.54, 0.01);
    EXPECT_EQ(bar.title.top, 60);
    EXPECT_NEAR(bar.icon.left, 136.06, 0.01);
    EXPECT_EQ(bar.icon.top, 90);
}

struct StackCase {
    const char* name;
    int count;
    bool sentence;
    std::array<double, 4> tops; // frames 1, 2, 3 and 20
};

class Stacking : public ::testing::TestWithParam<StackCase> {};

TEST_P(Stacking, PlacesAllTwentyFramesOneUnderAnother) {
    const auto frames = StackAnswerFrames(GetParam().count, GetParam().sentence);
    EXPECT_EQ(frames[0].top, GetParam().tops[0]);
    EXPECT_EQ(frames[1].top, GetParam().tops[1]);
    EXPECT_EQ(frames[2].top, GetParam().tops[2]);
    EXPECT_EQ(frames[19].top, GetParam().tops[3]);
    EXPECT_EQ(frames[0].height, GetParam().sentence ? 2100 : 375);
    EXPECT_EQ(frames[1].height, 375);
}

INSTANTIATE_TEST_SUITE_P(
    AnswerFrames, Stacking,
    ::testing::Values(StackCase{"one_slot", 1, false, {50, 530, 1010, 9170}},
                      StackCase{"fifteen_slots_105_apart", 15, false, {50, 530, 1010, 9170}},
                      StackCase{"sixteen_slots_overlap", 16, false, {50, 415, 780, 6985}},
                      StackCase{"twenty_slots_overlap", 20, false, {50, 415, 780, 6985}},
                      StackCase{"sentence_frame_enlarged", 1, true, {50, 2255, 2735, 10895}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AnswerFrames, OneLineAndSentenceLayouts) {
    const AnswerFrameLayout line = LayOutAnswerFrame(false);
    EXPECT_EQ(line.frame.height, 375);
    EXPECT_EQ(line.answerBox.left, 360);
    EXPECT_EQ(line.answerBox.width, 1575);
    EXPECT_EQ(line.firstVerdict.left, 2040);
    EXPECT_EQ(line.secondVerdict.left, 2040);
    EXPECT_EQ(line.keyBox.left, 2400);
    EXPECT_EQ(line.keyBox.width, 1455);
    EXPECT_LE(line.keyBox.right(), line.frame.width);
    const AnswerFrameLayout sentence = LayOutAnswerFrame(true);
    EXPECT_EQ(sentence.frame.height, 2100);
    EXPECT_EQ(sentence.answerBox.width, 3975 - 1000);
    EXPECT_EQ(sentence.answerBox.height, 1000);
    EXPECT_EQ(sentence.firstVerdict.left, sentence.answerBox.right() + 100);
    EXPECT_EQ(sentence.keyBox.top, sentence.answerBox.bottom() + 100);
    EXPECT_EQ(sentence.keyBox.width, 3975 - 500);
}

// Larger text: the one-line box widens as much, into the hidden key box's room,
// and shares that room when the key box shows; the verdict and the key box
// still follow it inside the frame.
TEST(AnswerFrames, AOneLineBoxWidensWithItsTextIntoTheRoomTheKeyBoxLeaves) {
    const double grow = 1.5;
    const AnswerFrameLayout usual = LayOutAnswerFrame(false);
    const AnswerFrameLayout hidden = LayOutAnswerFrame(false, kAnswerFrameWidth, grow);
    EXPECT_DOUBLE_EQ(hidden.answerBox.width, usual.answerBox.width * grow);
    EXPECT_GE(hidden.firstVerdict.left, hidden.answerBox.right());
    EXPECT_LE(hidden.firstVerdict.right(), hidden.frame.width);
}

// A key box stays beside its answer box while its key fits there, and goes
// under it, as wide as the frame allows, when it does not: at the usual text
// size as at a larger one.
class KeyBoxPlace : public ::testing::TestWithParam<double> {};

TEST_P(KeyBoxPlace, StaysBesideWhileItsKeyFitsAndGoesUnderWhenItDoesNot) {
    const double grow = GetParam();
    const AnswerFrameLayout beside =
        LayOutAnswerFrame(false, kAnswerFrameWidth, grow, {.keyShown = true, .keyWidth = 300});
    EXPECT_GE(beside.keyBox.left, beside.firstVerdict.right());
    EXPECT_GE(beside.keyBox.width, 300);
    const double tooWide = beside.keyBox.width + 15;
    const AnswerFrameLayout under =
        LayOutAnswerFrame(false, kAnswerFrameWidth, grow, {.keyShown = true, .keyWidth = tooWide});
    EXPECT_GE(under.keyBox.top, under.answerBox.bottom());
    EXPECT_GE(under.keyBox.width, tooWide);
    EXPECT_LE(under.keyBox.right(), under.frame.width);
    EXPECT_LE(under.keyBox.bottom(), under.frame.height);
    EXPECT_GT(under.frame.height, beside.frame.height);
}

INSTANTIATE_TEST_SUITE_P(AnswerFrames, KeyBoxPlace, ::testing::Values(1.0, 2.0));

// An answer longer than its box: the box widens to show it whole, and a
// shown key box makes the room by going under it.
class LongAnswer : public ::testing::TestWithParam<double> {};

TEST_P(LongAnswer, WidensItsBoxAndPutsTheKeyBoxUnderIt) {
    const double grow = GetParam();
    const double longer = LayOutAnswerFrame(false, kAnswerFrameWidth, grow).answerBox.width + 300;
    const AnswerFrameLayout alone =
        LayOutAnswerFrame(false, kAnswerFrameWidth, grow, {.answerWidth = longer});
    EXPECT_GE(alone.answerBox.width, longer);
    EXPECT_LE(alone.firstVerdict.right(), alone.frame.width);
    const AnswerFrameLayout withKey = LayOutAnswerFrame(
        false, kAnswerFrameWidth, grow, {.keyShown = true, .keyWidth = 300, .answerWidth = longer});
    EXPECT_GE(withKey.answerBox.width, longer);
    EXPECT_GE(withKey.keyBox.top, withKey.answerBox.bottom());
}

INSTANTIATE_TEST_SUITE_P(AnswerFrames, LongAnswer, ::testing::Values(1.0, 1.25));

class ExplanationRoom : public ::testing::TestWithParam<std::tuple<bool, double>> {};

TEST_P(ExplanationRoom, LiesUnderTheBoxesInsideItsFrameAndPushesTheNextFrameDown) {
    const auto [sentence, grow] = GetParam();
    const AnswerFrameLayout plain = LayOutAnswerFrame(sentence, 3000, grow, {.keyShown = true});
    const AnswerFrameContent withKey{.keyShown = true, .explanationHeight = 600};
    const AnswerFrameLayout f = LayOutAnswerFrame(sentence, 3000, grow, withKey);
    EXPECT_EQ(f.explanation.height, 600);
    EXPECT_GT(f.explanation.top, std::max(f.answerBox.bottom(), f.keyBox.bottom()));
    EXPECT_EQ(f.explanation.left, f.answerBox.left);
    EXPECT_LE(f.explanation.right(), 3000 - 120);
    EXPECT_LT(f.explanation.bottom(), f.frame.height);
    EXPECT_LE(f.frame.height, plain.frame.height + 600 + 3 * kExplanationGap) << "no more room than it needs";

    AnswerFrameContents contents{};
    contents[0] = withKey;
    const auto frames = StackAnswerFrames(3, sentence, grow, contents);
    const auto without = StackAnswerFrames(3, sentence, grow);
    EXPECT_EQ(frames[0].height, LayOutAnswerFrame(sentence, kAnswerFrameWidth, grow, withKey).frame.height);
    EXPECT_EQ(frames[1].top - without[1].top, frames[0].height - without[0].height);
    EXPECT_EQ(frames[1].height, without[1].height) << "a frame without an explanation keeps its height";
}

INSTANTIATE_TEST_SUITE_P(AnswerFrames, ExplanationRoom,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(1.0, 2.0)));

class HiddenKeyBox : public ::testing::TestWithParam<bool> {};

TEST_P(HiddenKeyBox, LeavesNoGapAboveTheExplanation) {
    const AnswerFrameLayout f =
        LayOutAnswerFrame(GetParam(), kAnswerFrameWidth, 1, {.explanationHeight = 600});
    EXPECT_EQ(f.explanation.top, f.answerBox.bottom() + kExplanationGap);
}

INSTANTIATE_TEST_SUITE_P(AnswerFrames, HiddenKeyBox, ::testing::Bool());

TEST(AnswerFrames, ASentenceBoxIsAsTallAsItsWrappedText) {
    const AnswerFrameLayout f = LayOutAnswerFrame(
        true, kAnswerFrameWidth, 2, {.keyShown = true, .answerHeight = 3500, .keyHeight = 2800});
    EXPECT_EQ(f.answerBox.height, 3500);
    EXPECT_EQ(f.keyBox.height, 2800);
    EXPECT_GE(f.keyBox.top, f.answerBox.bottom());
    EXPECT_GE(f.frame.height, f.keyBox.bottom() - 40);
}

TEST(AnswerFrames, ASentenceBoxTakesTheVerdictsPlaceForAWordThatWouldNotFitBesideThem) {
    const double grow = 2.4;
    const AnswerFrameLayout beside = LayOutAnswerFrame(true, kAnswerFrameWidth, grow);
    EXPECT_LE(beside.firstVerdict.right(), kAnswerFrameWidth - 120) << "the verdict stays inside the frame";
    const AnswerFrameLayout f =
        LayOutAnswerFrame(true, kAnswerFrameWidth, grow, {.widestWord = beside.answerBox.width + 300});
    EXPECT_GE(f.answerBox.width, beside.answerBox.width + 300);
    EXPECT_LE(f.answerBox.right(), kAnswerFrameWidth - 120);
    EXPECT_GE(f.firstVerdict.top, f.answerBox.bottom());
    EXPECT_LE(f.firstVerdict.right(), f.answerBox.right());
    EXPECT_GE(f.keyBox.top, f.firstVerdict.bottom());
}

struct BorderCase {
    const char* name;
    int style;
    Colour colour;
};

class Borders : public ::testing::TestWithParam<BorderCase> {};

TEST_P(Borders, FrameTheBoxWithTheStylesColour) {
    const Colour white{255, 255, 255};
    const Border b = DrawBorder({360, 40, 1575, 255}, GetParam().style, white);
    EXPECT_EQ(b.top, 10);
    EXPECT_EQ(b.left, 330);
    EXPECT_EQ(b.bottom, 310);
    EXPECT_EQ(b.right, 1950);
    EXPECT_EQ(b.lines[0], (BorderLine{330, 10, 1950, 10}));
    EXPECT_EQ(b.lines[1], (BorderLine{330, 10, 330, 310}));
    EXPECT_EQ(b.lines[2], (BorderLine{330, 310, 1965, 310}));
    EXPECT_EQ(b.lines[3], (BorderLine{1950, 10, 1950, 325}));
    EXPECT_EQ(b.colour, GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(AnswerFrames, Borders,
                         ::testing::Values(BorderCase{"style_0_light_blue", 0, {178, 217, 246}},
                                           BorderCase{"style_2_erases", 2, {255, 255, 255}},
                                           BorderCase{"other_style_grey", 1, {192, 192, 192}}),
                         [](const auto& test) { return std::string(test.param.name); });

struct DragCase {
    const char* name;
    ResizeZones zones;
    double dx, dy;
    WindowSize before, after;
};

class CornerDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(CornerDrag, FollowsTheCursorAboveTheMinimum) {
    const DragCase& c = GetParam();
    EXPECT_EQ(DragCorner(c.zones, c.dx, c.dy, c.before, 90, 90), c.after);
}

constexpr ResizeZones kCorner{false, false, true, true};

INSTANTIATE_TEST_SUITE_P(
    CornerResize, CornerDrag,
    ::testing::Values(
        DragCase{"grows", kCorner, 12000, 9000, {10000, 8000}, {12000, 9000}},
        DragCase{"shrinks_above_the_limits", kCorner, 7301, 5001, {10000, 8000}, {7301, 5001}},
        DragCase{"stops_at_the_limits", kCorner, 7300, 5000, {7400, 5100}, {7400, 5100}},
        DragCase{"one_dimension_below", kCorner, 8000, 4000, {10000, 8000}, {8000, 8000}},
        DragCase{"right_edge_alone_does_not_resize",
                 {false, false, true, false},
                 9000,
                 9000,
                 {10000, 8000},
                 {10000, 8000}},
        DragCase{"cursor_inside_twice_the_edge", kCorner, 150, 150, {10000, 8000}, {10000, 8000}},
        DragCase{"small_window_waits_for_a_drag_above", kCorner, 7000, 6000, {6000, 4000}, {6000, 6000}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CornerResize, OnlyTheGripsLowerRightPartGrabsTheCorner) {
    const double w = 10000, h = 8000, e = 90;
    EXPECT_TRUE(GrabZones(w - 30, h - 30, w, h, e, e).ResizesCorner());
    EXPECT_FALSE(GrabZones(w - 120, h - 120, w, h, e, e).Any()); // the grip's upper-left part
    EXPECT_EQ(GrabZones(10, 4000, w, h, e, e), (ResizeZones{true, false, false, false}));
    EXPECT_EQ(CursorOnGrabbedEdge(GrabZones(w - 30, h - 30, w, h, e, e), w - 30, h - 30, w, h),
              (EdgePoint{w - 30, h}));
    EXPECT_EQ(CursorOnGrabbedEdge({true, false, false, false}, 10, 4000, w, h), (EdgePoint{0, 4000}));
    EXPECT_FALSE(CursorOnGrabbedEdge({}, 500, 500, w, h).has_value());
}

struct CursorCase {
    const char* name;
    double x, y;
    bool held;
    std::optional<CursorShape> shape;
};

class Cursor : public ::testing::TestWithParam<CursorCase> {};

TEST_P(Cursor, ShowsTheSizingShapeNearTheEdges) {
    EXPECT_EQ(CursorFor(GetParam().x, GetParam().y, 800, 600, 6, GetParam().held), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(
    CornerResize, Cursor,
    ::testing::Values(CursorCase{"middle", 400, 300, false, CursorShape::Default},
                      CursorCase{"middle_while_held_keeps_it", 400, 300, true, std::nullopt},
                      CursorCase{"right_edge", 797, 300, false, CursorShape::SizeWestEast},
                      CursorCase{"bottom_edge_held", 400, 597, true, CursorShape::SizeNorthSouth},
                      CursorCase{"bottom_right", 797, 597, false, CursorShape::SizeNorthWestSouthEast},
                      CursorCase{"top_left", 2, 2, false, CursorShape::SizeNorthWestSouthEast},
                      CursorCase{"top_right", 797, 2, false, CursorShape::SizeNorthEastSouthWest},
                      CursorCase{"bottom_left", 2, 597, false, CursorShape::SizeNorthEastSouthWest}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::layout
