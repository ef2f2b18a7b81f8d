#pragma once

#include "core/report/Trend.h"

#include <cstdint>
#include <vector>

/// The trend plot's drawing, in twips of the plot's drawing area, origin at its
/// top-left, y growing downwards.
///
/// The area is split into 21 columns and 100 levels: dx = W / 21, dy = H / 100.
/// Score i (1..20, oldest first) stands at x = i dx, y = (100 - score) dy, so
/// 100 lies on the top edge and 0 on the bottom edge, and the right-most column
/// stays free. Each point has a black stem from the bottom edge up to it and a
/// blue dot, and a blue line joins it to the previous point; the first point is
/// joined to the bottom-left corner (0, H). Light grey grid lines cross the
/// whole width at every 10 %.
namespace orbisk::layout {

/// The dot's radius: 30 twips, 2 px. Draw it filled and antialiased.
inline constexpr double kTrendDotRadius = 30;
/// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kTrendGridColour = 0xE0E0E0;  ///< light grey
inline constexpr std::uint32_t kTrendStemColour = 0x000000;  ///< black
inline constexpr std::uint32_t kTrendPointColour = 0x0000FF; ///< blue: the dots and the joins

struct PlotPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PlotPoint&) const = default;
};

struct PlotLine {
    PlotPoint from;
    PlotPoint to;
    bool operator==(const PlotLine&) const = default;
};

/// What to draw, in drawing order: grid, stems, joins, dots.
struct TrendPlotShape {
    double dx = 0;
    double dy = 0;
    /// Nine lines, for 90 % down to 10 %: line g (g = 10..90) at y = g dy, from x = 0 to W.
    std::vector<PlotLine> grid;
    std::vector<PlotLine> stems; ///< one per point, from (x, H) up to the point
    std::vector<PlotLine> joins; ///< one per point, from the previous point, or (0, H), to it
    std::vector<PlotPoint> dots; ///< the points' centres, oldest first
    double dotRadius = kTrendDotRadius;
};

/// The plot of @p scores (in percent, oldest first) in an area of @p width x
/// @p height twips. Only the last report::kTrendPoints scores are drawn; a score
/// outside 0..100 is drawn on the nearer edge. No scores give the grid alone.
TrendPlotShape PlotTrend(double width, double height, const std::vector<double>& scores);

} // namespace orbisk::layout
