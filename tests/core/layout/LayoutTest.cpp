#include "core/layout/Frame.h"
#include "core/layout/HomeLayout.h"

#include <gtest/gtest.h>

namespace orbisk::layout {
namespace {

TEST(Outline, PopUpBoxCutsItsBottomCornersDeeper) {
    EXPECT_EQ(WindowOutline(265, 150, OutlineKind::PopUp), (std::vector<Point>{{0, 5},
                                                                               {1, 3},
                                                                               {2, 2},
                                                                               {3, 1},
                                                                               {5, 0},
                                                                               {260, 0},
                                                                               {262, 1},
                                                                               {263, 2},
                                                                               {264, 3},
                                                                               {265, 5},
                                                                               {265, 143},
                                                                               {263, 147},
                                                                               {262, 148},
                                                                               {258, 150},
                                                                               {7, 150},
                                                                               {3, 148},
                                                                               {2, 147},
                                                                               {0, 143}}));
}

TEST(Outline, MainWindowsKeepSquareBottomCorners) {
    const auto points = WindowOutline(800, 600, OutlineKind::MainWindow);
    ASSERT_EQ(points.size(), 12U);
    EXPECT_EQ(std::vector<Point>(points.begin() + 5, points.begin() + 10),
              (std::vector<Point>{{795, 0}, {797, 1}, {798, 2}, {799, 3}, {800, 5}}));
    EXPECT_EQ(points[10], (Point{800, 600}));
    EXPECT_EQ(points[11], (Point{0, 600}));
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
    [](const auto& info) { return std::string(info.param.name); });

TEST(HomeLayout, WindowAndTitleBarPieces) {
    EXPECT_EQ(ToPixels(kHomeWindow), (PixelRect{4, 4, 405, 492}));
    const HomeLayout l = LayOutHome({false, true, false}, 2, 300);
    EXPECT_EQ(l.title.left, 450);
    EXPECT_EQ(l.title.top, (420 - 300) / 2.0);
    EXPECT_NEAR(l.icon.left, 136.06, 0.01);
    EXPECT_EQ(l.closeButton.right(), 6070 - 60);
    EXPECT_EQ(l.minimiseButton.right(), l.closeButton.left - 30);
    EXPECT_EQ(l.closeButton.top, (420 - 285) / 2.0);
}

} // namespace
} // namespace orbisk::layout
