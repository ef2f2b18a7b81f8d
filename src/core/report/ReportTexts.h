#pragma once

#include <array>
#include <string_view>

/// The fixed texts of the report page, in one place for the page and its tests.
namespace orbisk::report {

/// Captions of the three bars RCBar1..RCBar3 (their labels lblRCBar1..3).
inline constexpr std::array<std::string_view, 3> kReportBarCaptions{"Overall Results", "Topical Results",
                                                                    "Trend Analysis"};
/// Tooltips of the three bars (and of their labels).
inline constexpr std::array<std::string_view, 3> kReportBarTooltips{
    "Click to show overall results", "Click to show topical results", "Click to show past trends"};

/// Captions of the overall panel, in the order of their figures OScore1,
/// OScore2, PCNum, WT, ST (ReportFigures).
inline constexpr std::array<std::string_view, 5> kOverallCaptions{
    "First Attempt Average Score:", "Second Attempt Average Score:", "Number of Papers Completed:",
    "Weakest Topic:", "Strongest Topic:"};

/// Column headings of the topical panel, over the first- and second-attempt tracks.
inline constexpr std::string_view kFirstAttemptHeading = "First Attempt results";
inline constexpr std::string_view kSecondAttemptHeading = "Second Attempt Score";

/// The vertical axis of the trend plot, top to bottom, one label per 10 %.
inline constexpr std::array<std::string_view, 11> kTrendAxisLabels{"100%", "90%", "80%", "70%", "60%", "50%",
                                                                   "40%",  "30%", "20%", "10%", "0%"};
/// The caption under the trend plot.
inline constexpr std::string_view kTrendCaption = "Recent Papers Attempted";

} // namespace orbisk::report
