// The home page's paper list: score placement, the try-again rule, and the
// home window's toolbar functions and page choice.
#include "core/layout/HomePage.h"

#include "core/layout/HomeLayout.h"
#include "core/layout/HomeToolbar.h"

#include <gtest/gtest.h>

namespace orbisk::layout {
namespace {

struct TryAgainCase {
    const char* name;
    const char* first;
    bool offered;
};

class TryAgain : public ::testing::TestWithParam<TryAgainCase> {};

TEST_P(TryAgain, IsOfferedForAFirstScoreNotAbove99) {
    EXPECT_EQ(TryAgainOffered(GetParam().first), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    HomePage, TryAgain,
    ::testing::Values(TryAgainCase{"full_marks", "100", false}, TryAgainCase{"ninety_nine", "99", true},
                      TryAgainCase{"just_above_99", "99.5", false},
                      TryAgainCase{"ninety_nine_point_o", "99.0", true},
                      TryAgainCase{"just_above_by_a_tenth", "99.1", false}, TryAgainCase{"zero", "0", true},
                      TryAgainCase{"no_first_attempt", "", false}, TryAgainCase{"spaces_only", "  ", false},
                      TryAgainCase{"not_a_number", "abc", false},
                      TryAgainCase{"comma_decimal", "86,7", false},
                      TryAgainCase{"stored_with_spaces", " 86.7 ", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArrangeScores, ScoresEndTwentyBeforeThePercentColumnAndEmptyOnesStandOnIt) {
    const double percent = 5000;
    const std::array<ShownScores, 5> rows{{{"100", 300, "", 0},
                                           {"99", 200, "100", 300},
                                           {"99.5", 400, "", 0},
                                           {"", 0, "", 0},
                                           {"", 0, "86.7", 420}}};
    const auto arranged = ArrangeScores(rows, percent);
    EXPECT_EQ(arranged[0], (ArrangedScores{percent - 300 - 20, percent, false}));
    EXPECT_EQ(arranged[1], (ArrangedScores{percent - 200 - 20, percent - 300 - 20, true}))
        << "a second attempt keeps try-again offered";
    EXPECT_EQ(arranged[2], (ArrangedScores{percent - 400 - 20, percent, false}));
    EXPECT_EQ(arranged[3], (ArrangedScores{percent, percent, false}));
    EXPECT_EQ(arranged[4], (ArrangedScores{percent, percent - 420 - 20, false}))
        << "a second score without a first offers nothing";
}

TEST(HomePageLayout, PapersFitThePageBesideTheTopicsInRowsThatDoNotOverlap) {
    const HomeLayout window = LayOutHome({false, true, false}, 2, 300);
    const HomePageLayout page = LayOutHomePage(window.body.width);
    double previousBottom = page.subHeading.bottom();
    for (const PaperRowLayout& paper : page.papers) {
        EXPECT_GE(paper.firstRow.top, previousBottom);
        EXPECT_EQ(paper.secondRow.top, paper.firstRow.bottom());
        previousBottom = paper.secondRow.bottom();
        EXPECT_GE(paper.name.left, page.topics[0].right()) << "right of the topic column";
        EXPECT_EQ(paper.name.top, paper.firstRow.top);
        EXPECT_LE(paper.name.right(), paper.firstCaption.left);
        EXPECT_LE(paper.firstCaption.right(), paper.firstRow.left);
        EXPECT_EQ(paper.firstRow.right(), page.percent.left) << "scores end at the % column";
        EXPECT_EQ(paper.load.left, paper.tryAgain.left);
        EXPECT_GE(paper.load.left, page.percent.right());
        EXPECT_LE(paper.load.right(), window.body.width);
        EXPECT_GE(paper.load.top, paper.firstRow.top);
        EXPECT_LE(paper.load.bottom(), paper.firstRow.bottom());
        EXPECT_GE(paper.tryAgain.top, paper.secondRow.top);
        EXPECT_LE(paper.tryAgain.bottom(), paper.secondRow.bottom());
    }
    EXPECT_EQ(page.percent.top, page.papers[0].firstRow.top);
    EXPECT_EQ(page.percent.bottom(), page.papers[4].secondRow.bottom());
    EXPECT_LE(previousBottom, window.body.height);
    EXPECT_LE(page.topics[9].bottom(), window.body.height);
}

TEST(HomeLayout, TheToolbarRunsUnderTheTitleBarWithTheLogoBesideItAboveTheTabs) {
    const HomeLayout l = LayOutHome({true, true, true}, 1, 300);
    for (std::size_t i = 0; i < l.toolbar.size(); ++i) {
        EXPECT_EQ(l.toolbar[i].top, l.frame.topLeft.bottom());
        EXPECT_GE(l.toolbar[i].left, l.frame.left.right());
        if (i > 0) {
            EXPECT_EQ(l.toolbar[i].left, l.toolbar[i - 1].right());
        }
        for (const Rect& tab : l.tabs) {
            EXPECT_LE(l.toolbar[i].bottom(), tab.top);
        }
    }
    EXPECT_GE(l.logo.left, l.toolbar[3].right());
    EXPECT_LE(l.logo.right(), l.frame.right.left);
    EXPECT_GE(l.logo.top, l.toolbar[0].top);
    EXPECT_LE(l.logo.bottom(), l.toolbar[0].bottom());
}

struct SlotCase {
    const char* name;
    int tab;
    int slot;
    ToolbarFunction function;
    PageAction action;
};

class ToolbarSlot : public ::testing::TestWithParam<SlotCase> {};

TEST_P(ToolbarSlot, ShowsItsFunctionAndActsOnIt) {
    const SlotCase& c = GetParam();
    EXPECT_EQ(ToolbarFunctionOf(c.tab, c.slot), c.function);
    EXPECT_EQ(ChoosePageAction(c.tab, c.slot), c.action);
}

INSTANTIATE_TEST_SUITE_P(
    HomeToolbar, ToolbarSlot,
    ::testing::Values(
        SlotCase{"section_home", 2, 1, {true, "Home", "Load Home page", "home"}, PageAction::LoadHome},
        SlotCase{
            "section_report", 1, 2, {true, "Report", "Load Report card", "report"}, PageAction::ShowReport},
        SlotCase{"section_print", 3, 3, {true, "Print", "Print results", "print"}, PageAction::PrintCard},
        SlotCase{"section_close", 2, 4, {true, "Close", "Close program", "close"}, PageAction::CloseProgram},
        SlotCase{"help_about", 4, 1, {true, "About", "About Orbisk", "about"}, PageAction::ShowAbout},
        SlotCase{"help_trash", 4, 2, {true, "Trash", "Trash past results", "trash"}, PageAction::ShowTrash},
        SlotCase{"help_third_slot_hidden", 4, 3, {}, PageAction::None},
        SlotCase{"help_setup", 4, 4, {true, "Setup", "Printer Setup", "setup"}, PageAction::PrinterSetup},
        SlotCase{"no_slot_pressed", 2, 0, {}, PageAction::None},
        SlotCase{"slot_out_of_range", 4, 5, {}, PageAction::None},
        SlotCase{"no_tab", 0, 1, {}, PageAction::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HomeToolbar, PictureFilesAreNamedByFamilyAndState) {
    EXPECT_EQ(Picture("home", "_pressed"), "home_pressed.bmp");
    EXPECT_EQ(Picture("setup", "_off"), "setup_off.bmp");
}

} // namespace
} // namespace orbisk::layout
