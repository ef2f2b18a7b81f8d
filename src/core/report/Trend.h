#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

/// The trend of first-attempt scores: the trend file's one record lists every
/// first-attempt percentage in the order the papers were marked; the report
/// plots the most recent of them.
namespace orbisk::report {

/// The most scores the trend plot shows.
inline constexpr int kTrendPoints = 20;

/// One plotted score.
struct TrendPoint {
    double score = 0; ///< in percent, as stored (the plot keeps it within 0..100)
    std::string text; ///< the stored text, e.g. "86.7"

    bool operator==(const TrendPoint&) const = default;
};

/// The last kTrendPoints readable scores of a trend record line
/// ("#TRD#>80>92.5>..."), oldest first. Values that are empty or not a number
/// are left out; a line without the trend key, or without values, gives none.
/// A record longer than the section's papers (possible when erasing could not
/// rewrite the trend file) still gives its last scores.
std::vector<TrendPoint> TrendFromRecord(std::string_view recordLine);

/// The trend of a section's trend file. A file that is missing or unreadable,
/// or holds no trend record, gives an empty trend: the plot then shows its grid
/// alone and the rest of the report is unaffected.
std::vector<TrendPoint> ReadTrend(const std::filesystem::path& trendFile);

/// The scores alone, for PlotTrend (core/layout/TrendPlot.h).
std::vector<double> TrendScores(const std::vector<TrendPoint>& trend);

} // namespace orbisk::report
