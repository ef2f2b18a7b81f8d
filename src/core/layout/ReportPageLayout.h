#pragma once

#include "core/layout/Geometry.h"

#include <array>

/// Where the report page's controls go, in twips. The page (Body_Report) holds
/// three bars stacked like an accordion, RCBar1 "Overall Results", RCBar2
/// "Topical Results" and RCBar3 "Trend Analysis", and under the open bar its
/// panel: RC1Summary, RC2Topical or RC3Trend. Each rectangle is in the
/// coordinates of its parent, named on the field.
namespace orbisk::layout {

/// The panel that is open; the numbers are those txtReportPos holds.
enum class ReportPanel : int { Overall = 1, Topical = 2, Trend = 3 };

/// The bars and the open panel, in page coordinates.
struct ReportPanels {
    ReportPanel open = ReportPanel::Overall;
    std::array<Rect, 3> bars; ///< RCBar1..RCBar3, each as wide as the page
    Rect panel;               ///< the open panel, as wide as the page
};

/// The accordion. RCBar1 is always at the top. The open bar and the bars
/// above it stack down from the top, the bars below it stack up from the
/// bottom, and the open panel fills the room between: its height is the
/// page's inner height less the three bars' heights (never below 0).
/// Overall: RCBar2 and RCBar3 at the bottom. Topical: RCBar2 under RCBar1,
/// RCBar3 at the bottom. Trend: all three bars at the top, the panel under
/// RCBar3. The page then raises the open panel and after it RCBar1, RCBar2,
/// RCBar3 in this order, so no bar is ever covered; the closed panels are
/// hidden or stay behind the open one.
/// An @p open value outside 1..3 is taken as Overall.
ReportPanels ArrangeReportPanels(ReportPanel open, double pageWidth, double innerHeight,
                                 const std::array<double, 3>& barHeights);

/// The overall panel RC1Summary, in panel coordinates: five rows, each a
/// caption (kOverallCaptions) and, to its right, its figure (OScore1, OScore2,
/// PCNum, WT, ST).
struct OverallPanelLayout {
    std::array<Rect, 5> captions;
    std::array<Rect, 5> figures;
};

OverallPanelLayout LayOutOverallPanel(double panelWidth);

/// One attempt's track (TBack<k>A or TBack<k>B) with its bar and mark label.
struct TrackLayout {
    Rect track; ///< in panel coordinates
    /// In track coordinates: where a 100 % bar reaches, the track's inner
    /// width less the mark's room, so that no bar covers its mark.
    Rect barArea;
    Rect mark; ///< the mark label (TMark<k>A/B), in track coordinates, right of the bar area

    /// The bar for an unrounded mean in percent: the bar area cut to
    /// BarWidth(barArea.width, mean).
    Rect Bar(double mean) const;
};

/// One topic row: the name box TopLab<k> and the two tracks.
struct TopicRowLayout {
    Rect name; ///< in panel coordinates
    TrackLayout first;
    TrackLayout second;
};

/// The topical panel RC2Topical, in panel coordinates: the two column headings
/// over the tracks, then the ten topic rows, each row 24 px apart, closer
/// when the panel is too short to hold ten such rows.
struct TopicalPanelLayout {
    Rect firstHeading;  ///< "First Attempt results", over the first-attempt tracks
    Rect secondHeading; ///< "Second Attempt Score", over the second-attempt tracks
    std::array<TopicRowLayout, 10> rows;
};

TopicalPanelLayout LayOutTopicalPanel(double panelWidth, double panelHeight);

/// A bar's width for a mean: @p innerWidth x mean / 100, kept within 0 and
/// @p innerWidth (a mean outside 0..100 never overruns its track).
double BarWidth(double innerWidth, double mean);

/// The trend panel RC3Trend, in panel coordinates.
struct TrendPanelLayout {
    Rect plot; ///< RC3TrendPlot's drawing area: PlotTrend(plot.width, plot.height, ...)
    /// The axis labels kTrendAxisLabels ("100%" down to "0%"), right-aligned,
    /// each centred on its level: label k on plot.top + k x plot.height / 10.
    std::array<Rect, 11> axisLabels;
    Rect caption; ///< "Recent Papers Attempted", centred under the plot
};

TrendPanelLayout LayOutTrendPanel(double panelWidth, double panelHeight);

} // namespace orbisk::layout
