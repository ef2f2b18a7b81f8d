#include "core/layout/Frame.h"
#include "core/layout/HomeLayout.h"

#include <gtest/gtest.h>

namespace orbisk::layout {
namespace {

TEST(Outline, MainWindowsKeepSquareBottomCorners) {
    const auto points = WindowOutline(800, 600, OutlineKind::MainWindow);
    ASSERT_GE(points.size(), 2U);
    EXPECT_EQ(points[points.size() - 2], (Point{800, 600}));
    EXPECT_EQ(points.back(), (Point{0, 600}));
}

TEST(Frame, PiecesMeetEdgeToEdge) {
    const FrameRects f = ArrangeFrame(6070, 7380);
    EXPECT_EQ(f.topCentre.left, f.topLeft.right());
    EXPECT_EQ(f.topCentre.right(), f.topRight.left);
    EXPECT_EQ(f.topRight.right(), 6070);
    EXPECT_EQ(f.left.top, f.topLeft.bottom());
    EXPECT_EQ(f.left.bottom(), f.bottomLeft.top);
    EXPECT_EQ(f.right.bottom(), f.bottomRight.top);
    EXPECT_EQ(f.bottom.left, f.bottomLeft.right());
    EXPECT_EQ(f.bottom.right(), f.bottomRight.left);
    EXPECT_EQ(f.bottomRight.bottom(), 7380);
    EXPECT_EQ(ArrangeFrame(12000, 9000, {}, 30000).topCentre.width, 30000);
}

TEST(Frame, AFixedCentreLeavesNoGapInTheTitleBarOfAWindowWiderThanIt) {
    const FrameRects f = ArrangeFrame(40000, 9000, {}, 30000);
    EXPECT_GE(f.topCentre.right(), f.topRight.left);
}

struct TabCase {
    const char* name;
    std::array<bool, 3> sections;
    std::array<bool, 4> visible;
    int helpAfter; // the section tab the Help tab follows
};

class Tabs : public ::testing::TestWithParam<TabCase> {};

TEST_P(Tabs, StandSideBySideOverlappingByFourWithHelpLast) {
    const TabCase& c = GetParam();
    int chosen = 1;
    while (!c.sections[static_cast<std::size_t>(chosen - 1)]) {
        ++chosen;
    }
    const HomeLayout l = LayOutHome(c.sections, chosen, 300);
    EXPECT_EQ(l.tabVisible, c.visible);
    double x = l.strip.left;
    for (int n = 1; n <= 3; ++n) {
        const Rect& tab = l.tabs[static_cast<std::size_t>(n - 1)];
        if (c.sections[static_cast<std::size_t>(n - 1)]) {
            EXPECT_EQ(tab.left, x) << n;
            x += tab.width - 4;
        } else {
            EXPECT_LE(tab.right(), 0) << n << " is in sight";
        }
    }
    EXPECT_EQ(l.tabs[3].left, l.tabs[static_cast<std::size_t>(c.helpAfter - 1)].right() - 4);
    // The chosen tab stands 2 twips higher; all rest on the strip.
    EXPECT_EQ(l.tabs[static_cast<std::size_t>(chosen - 1)].bottom(), l.strip.top + 0.5);
    EXPECT_EQ(l.tabs[3].bottom(), l.strip.top + 2.5);
    EXPECT_EQ(l.body.top, l.strip.bottom());
    EXPECT_EQ(l.stripLineTop, l.strip.bottom() - 10);
}

INSTANTIATE_TEST_SUITE_P(
    HomeLayout, Tabs,
    ::testing::Values(TabCase{"section_2_only", {false, true, false}, {false, true, false, true}, 2},
                      TabCase{"all_three", {true, true, true}, {true, true, true, true}, 3},
                      TabCase{"sections_2_and_3", {false, true, true}, {false, true, true, true}, 3},
                      TabCase{"section_1_only", {true, false, false}, {true, false, false, true}, 1}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::layout
