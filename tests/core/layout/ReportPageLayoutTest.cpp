#include "core/layout/ReportPageLayout.h"

#include "core/layout/TrendPlot.h"

#include <gtest/gtest.h>

namespace orbisk::layout {
namespace {

// ---------------------------------------------------------------- accordion

struct PanelCase {
    const char* name;
    int open;
    std::array<double, 3> barTops;
    double panelTop;
};

class Accordion : public ::testing::TestWithParam<PanelCase> {};

// A page 5000 twips high with bars 300, 330 and 360 high leaves 4010 for the panel.
TEST_P(Accordion, OpenPanelFillsTheRoomBetweenTheBars) {
    const PanelCase& c = GetParam();
    const ReportPanels l = ArrangeReportPanels(static_cast<ReportPanel>(c.open), 5900, 5000, {300, 330, 360});
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(l.bars[i].top, c.barTops[i]) << "RCBar" << i + 1;
        EXPECT_EQ(l.bars[i].left, 0);
        EXPECT_EQ(l.bars[i].width, 5900);
    }
    EXPECT_EQ(l.bars[0].height, 300);
    EXPECT_EQ(l.bars[2].height, 360);
    EXPECT_EQ(l.panel.top, c.panelTop);
    EXPECT_EQ(l.panel.height, 4010);
    EXPECT_EQ(l.panel.width, 5900);
    EXPECT_EQ(static_cast<int>(l.open), c.open < 1 || c.open > 3 ? 1 : c.open);
}

INSTANTIATE_TEST_SUITE_P(ReportPage, Accordion,
                         ::testing::Values(PanelCase{"overall", 1, {0, 4310, 4640}, 300},
                                           PanelCase{"topical", 2, {0, 300, 4640}, 630},
                                           PanelCase{"trend", 3, {0, 300, 630}, 990},
                                           PanelCase{"unknown_is_overall", 7, {0, 4310, 4640}, 300}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ReportPage, APageTooShortForTheBarsGivesAnEmptyPanel) {
    EXPECT_EQ(ArrangeReportPanels(ReportPanel::Trend, 5900, 800, {300, 330, 360}).panel.height, 0);
}

// ---------------------------------------------------------------- bars

struct BarCase {
    const char* name;
    double mean;
    double width;
};

class Bars : public ::testing::TestWithParam<BarCase> {};

TEST_P(Bars, WidthFollowsTheUnroundedMeanWithinTheTrack) {
    EXPECT_DOUBLE_EQ(BarWidth(1200, GetParam().mean), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(ReportPage, Bars,
                         ::testing::Values(BarCase{"mean_85", 85, 1020},
                                           BarCase{"unrounded_72_25", 72.25, 867}, BarCase{"full", 100, 1200},
                                           BarCase{"none", 0, 0}, BarCase{"above_100_stays_in", 120, 1200},
                                           BarCase{"negative_is_none", -5, 0}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------- panels

bool inside(const Rect& inner, double width, double height) {
    return inner.left >= 0 && inner.top >= 0 && inner.right() <= width + 1e-9 &&
           inner.bottom() <= height + 1e-9;
}

struct SizeCase {
    const char* name;
    double width;
    double height;
};

class PanelSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PanelSizes, TopicRowsStackInsideThePanelWithoutOverlapping) {
    const auto [name, width, height] = GetParam();
    const TopicalPanelLayout l = LayOutTopicalPanel(width, height);
    EXPECT_TRUE(inside(l.firstHeading, width, height));
    EXPECT_EQ(l.secondHeading.left, l.rows[0].second.track.left);
    for (std::size_t k = 0; k < l.rows.size(); ++k) {
        const TopicRowLayout& row = l.rows[k];
        EXPECT_TRUE(inside(row.name, width, height)) << k;
        EXPECT_TRUE(inside(row.second.track, width, height)) << k;
        EXPECT_LE(row.name.right(), row.first.track.left) << k;
        EXPECT_LE(row.first.track.right(), row.second.track.left) << k;
        EXPECT_GE(row.name.top, l.firstHeading.bottom()) << k;
        if (k > 0) {
            EXPECT_LE(l.rows[k - 1].name.bottom(), row.name.top) << k;
        }
        for (const TrackLayout* t : {&row.first, &row.second}) {
            EXPECT_TRUE(inside(t->barArea, t->track.width, t->track.height)) << k;
            EXPECT_TRUE(inside(t->mark, t->track.width, t->track.height)) << k;
            EXPECT_LE(t->barArea.right(), t->mark.left) << k; // a full bar never covers its mark
            EXPECT_EQ(t->Bar(100).width, t->barArea.width);
            EXPECT_EQ(t->Bar(50).left, t->barArea.left);
        }
    }
    EXPECT_EQ(l.rows[0].first.track.width, l.rows[0].second.track.width);
}

TEST_P(PanelSizes, TrendAxisLabelsSitOnTheGridLevels) {
    const auto [name, width, height] = GetParam();
    const TrendPanelLayout l = LayOutTrendPanel(width, height);
    EXPECT_TRUE(inside(l.plot, width, height));
    EXPECT_TRUE(inside(l.caption, width, height));
    EXPECT_GE(l.caption.top, l.plot.bottom());
    for (std::size_t k = 0; k < l.axisLabels.size(); ++k) {
        const Rect& label = l.axisLabels[k];
        EXPECT_DOUBLE_EQ(label.top + label.height / 2,
                         l.plot.top + l.plot.height * static_cast<double>(k) / 10);
        EXPECT_LE(label.right(), l.plot.left);
    }
}

TEST_P(PanelSizes, OverallCaptionsAndFiguresShareRows) {
    const auto [name, width, height] = GetParam();
    const OverallPanelLayout l = LayOutOverallPanel(width);
    for (std::size_t i = 0; i < l.captions.size(); ++i) {
        EXPECT_EQ(l.captions[i].top, l.figures[i].top);
        EXPECT_LT(l.captions[i].right(), l.figures[i].left);
        EXPECT_TRUE(inside(l.figures[i], width, height));
        if (i > 0) {
            EXPECT_LE(l.captions[i - 1].bottom(), l.captions[i].top);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ReportPage, PanelSizes,
                         ::testing::Values(SizeCase{"home_window", 5948, 4200}, SizeCase{"short", 5948, 2400},
                                           SizeCase{"tall_and_wide", 9000, 9000}),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------- trend plot

// A plot 2100 x 1000: dx = 100, dy = 10.
TEST(TrendPlot, GridAtEveryTenPercent) {
    const TrendPlotShape s = PlotTrend(2100, 1000, {});
    ASSERT_EQ(s.grid.size(), 9U);
    for (std::size_t i = 0; i < s.grid.size(); ++i) {
        const double y = 100.0 * static_cast<double>(i + 1);
        EXPECT_EQ(s.grid[i], (PlotLine{{0, y}, {2100, y}}));
    }
    EXPECT_TRUE(s.dots.empty());
    EXPECT_TRUE(s.stems.empty());
    EXPECT_TRUE(s.joins.empty());
    EXPECT_EQ(s.dotRadius, 30);
    EXPECT_EQ(Px(s.dotRadius), 2);
}

struct PlotCase {
    const char* name;
    std::vector<double> scores;
    std::vector<PlotPoint> dots;
};

class Plot : public ::testing::TestWithParam<PlotCase> {};

TEST_P(Plot, PointsStemsAndJoinsFromTheBottomLeftCorner) {
    const TrendPlotShape s = PlotTrend(2100, 1000, GetParam().scores);
    EXPECT_EQ(s.dots, GetParam().dots);
    ASSERT_EQ(s.stems.size(), s.dots.size());
    ASSERT_EQ(s.joins.size(), s.dots.size());
    PlotPoint previous{0, 1000};
    for (std::size_t i = 0; i < s.dots.size(); ++i) {
        EXPECT_EQ(s.stems[i], (PlotLine{{s.dots[i].x, 1000}, s.dots[i]}));
        EXPECT_EQ(s.joins[i], (PlotLine{previous, s.dots[i]}));
        previous = s.dots[i];
    }
}

std::vector<double> ramp(int first, int last) {
    std::vector<double> scores;
    for (int v = first; v <= last; ++v) {
        scores.push_back(v);
    }
    return scores;
}

std::vector<PlotPoint> rampDots(int first, int last) {
    std::vector<PlotPoint> dots;
    for (int v = first; v <= last; ++v) {
        dots.push_back({100.0 * (v - first + 1), 10.0 * (100 - v)});
    }
    return dots;
}

INSTANTIATE_TEST_SUITE_P(
    TrendPlot, Plot,
    ::testing::Values(PlotCase{"three", {50, 100, 0}, {{100, 500}, {200, 0}, {300, 1000}}},
                      PlotCase{"decimal", {86.5}, {{100, 135}}},
                      PlotCase{"twenty_fill_all_but_the_last_column", ramp(1, 20), rampDots(1, 20)},
                      PlotCase{"twenty_five_show_the_last_twenty", ramp(1, 25), rampDots(6, 25)},
                      PlotCase{"outside_0_to_100_on_the_edge", {150, -10}, {{100, 0}, {200, 1000}}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::layout
