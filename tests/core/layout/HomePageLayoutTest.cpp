// Where the home page's papers and the home window's toolbar go.
#include "core/layout/HomePageLayout.h"

#include "core/layout/HomeLayout.h"

#include <gtest/gtest.h>

namespace orbisk::layout {
namespace {

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

} // namespace
} // namespace orbisk::layout
