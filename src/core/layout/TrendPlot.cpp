#include "core/layout/TrendPlot.h"

#include <algorithm>

namespace orbisk::layout {

namespace {

constexpr int kColumns = 21; // 20 points and a free column on the right
constexpr int kLevels = 100;
constexpr int kGridStep = 10;

double onThePlot(double score) {
    if (!(score > 0)) { // also catches NaN
        return 0;
    }
    return std::min(score, static_cast<double>(kLevels));
}

} // namespace

TrendPlotShape PlotTrend(double width, double height, const std::vector<double>& scores) {
    TrendPlotShape s;
    s.dx = width / kColumns;
    s.dy = height / kLevels;
    for (int g = kGridStep; g < kLevels; g += kGridStep) {
        s.grid.push_back({{0, g * s.dy}, {width, g * s.dy}});
    }
    const std::size_t shown = std::min(scores.size(), static_cast<std::size_t>(report::kTrendPoints));
    PlotPoint previous{0, height};
    for (std::size_t i = 0; i < shown; ++i) {
        const double score = onThePlot(scores[scores.size() - shown + i]);
        const PlotPoint point{static_cast<double>(i + 1) * s.dx, (kLevels - score) * s.dy};
        s.stems.push_back({{point.x, height}, point});
        s.joins.push_back({previous, point});
        s.dots.push_back(point);
        previous = point;
    }
    return s;
}

} // namespace orbisk::layout
