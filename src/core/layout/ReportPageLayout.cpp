#include "core/layout/ReportPageLayout.h"

#include <algorithm>

namespace orbisk::layout {

namespace {

// Overall panel: five caption rows, the figures in a column right of the captions.
constexpr double kOverallTop = Twips(16);
constexpr double kOverallRow = Twips(28);
constexpr double kOverallLeft = Twips(16);
constexpr double kOverallCaptionWidth = Twips(190);
constexpr double kOverallLineHeight = Twips(20);
constexpr double kOverallGap = Twips(8);
constexpr double kOverallRightMargin = Twips(12);

// Topical panel: headings, then ten rows of a name box and two tracks.
constexpr double kTopicalMargin = Twips(8);
constexpr double kHeadingTop = Twips(6);
constexpr double kHeadingHeight = Twips(18);
constexpr double kRowsTop = Twips(28);
constexpr double kRowPitch = Twips(24);
constexpr double kRowGap = Twips(4);
constexpr double kBottomMargin = Twips(4);
constexpr double kNameWidth = Twips(128);
constexpr double kColumnGap = Twips(6);
// Inside a track: a 1 px frame and a 1 px pad round the bar; the mark label
// ("100%") right of the bar area, so a full bar never runs under its text.
constexpr double kTrackInset = Twips(2);
constexpr double kBarDrop = Twips(3);
constexpr double kMarkWidth = Twips(36);

// Trend panel: axis labels left of the plot, the caption under it.
constexpr double kAxisLeft = Twips(4);
constexpr double kAxisWidth = Twips(34);
constexpr double kAxisLabelHeight = Twips(14);
constexpr double kPlotLeft = Twips(44);
constexpr double kPlotTop = Twips(12);
constexpr double kPlotRightMargin = Twips(12);
constexpr double kCaptionGap = Twips(4);
constexpr double kCaptionHeight = Twips(18);
constexpr double kTrendBottomMargin = Twips(6);

TrackLayout layOutTrack(double left, double top, double width, double height) {
    TrackLayout t;
    t.track = {left, top, width, height};
    t.barArea = {kTrackInset, kBarDrop, std::max(0.0, width - 2 * kTrackInset - kMarkWidth),
                 std::max(0.0, height - 2 * kBarDrop)};
    t.mark = {std::max(0.0, width - kTrackInset - kMarkWidth), 0, std::min(kMarkWidth, width), height};
    return t;
}

} // namespace

ReportPanels ArrangeReportPanels(ReportPanel open, double pageWidth, double innerHeight,
                                 const std::array<double, 3>& barHeights) {
    const auto [h1, h2, h3] = barHeights;
    ReportPanels l;
    l.open = open;
    const double panelHeight = std::max(0.0, innerHeight - h1 - h2 - h3);
    l.bars[0] = {0, 0, pageWidth, h1};
    switch (open) {
    case ReportPanel::Topical:
        l.bars[1] = {0, h1, pageWidth, h2};
        l.bars[2] = {0, innerHeight - h3, pageWidth, h3};
        l.panel = {0, h1 + h2, pageWidth, panelHeight};
        break;
    case ReportPanel::Trend:
        l.bars[1] = {0, h1, pageWidth, h2};
        l.bars[2] = {0, h1 + h2, pageWidth, h3};
        l.panel = {0, h1 + h2 + h3, pageWidth, panelHeight};
        break;
    default:
        l.open = ReportPanel::Overall;
        l.bars[2] = {0, innerHeight - h3, pageWidth, h3};
        l.bars[1] = {0, innerHeight - h3 - h2, pageWidth, h2};
        l.panel = {0, h1, pageWidth, panelHeight};
        break;
    }
    return l;
}

OverallPanelLayout LayOutOverallPanel(double panelWidth) {
    OverallPanelLayout l;
    const double figureLeft = kOverallLeft + kOverallCaptionWidth + kOverallGap;
    for (std::size_t i = 0; i < l.captions.size(); ++i) {
        const double top = kOverallTop + kOverallRow * static_cast<double>(i);
        l.captions[i] = {kOverallLeft, top, kOverallCaptionWidth, kOverallLineHeight};
        l.figures[i] = {figureLeft, top, std::max(0.0, panelWidth - figureLeft - kOverallRightMargin),
                        kOverallLineHeight};
    }
    return l;
}

Rect TrackLayout::Bar(double mean) const {
    Rect bar = barArea;
    bar.width = BarWidth(barArea.width, mean);
    return bar;
}

double BarWidth(double innerWidth, double mean) {
    if (!(mean > 0)) { // also catches NaN
        return 0;
    }
    return innerWidth * std::min(mean, 100.0) / 100;
}

TopicalPanelLayout LayOutTopicalPanel(double panelWidth, double panelHeight) {
    TopicalPanelLayout l;
    const double trackWidth =
        std::max(0.0, (panelWidth - 2 * kTopicalMargin - kNameWidth - 2 * kColumnGap) / 2);
    const double firstLeft = kTopicalMargin + kNameWidth + kColumnGap;
    const double secondLeft = firstLeft + trackWidth + kColumnGap;
    l.firstHeading = {firstLeft, kHeadingTop, trackWidth, kHeadingHeight};
    l.secondHeading = {secondLeft, kHeadingTop, trackWidth, kHeadingHeight};
    const auto rowCount = static_cast<double>(l.rows.size());
    const double pitch = std::clamp((panelHeight - kRowsTop - kBottomMargin) / rowCount, 0.0, kRowPitch);
    const double height = std::max(0.0, pitch - kRowGap * pitch / kRowPitch);
    for (std::size_t i = 0; i < l.rows.size(); ++i) {
        const double top = kRowsTop + pitch * static_cast<double>(i);
        TopicRowLayout& row = l.rows[i];
        row.name = {kTopicalMargin, top, kNameWidth, height};
        row.first = layOutTrack(firstLeft, top, trackWidth, height);
        row.second = layOutTrack(secondLeft, top, trackWidth, height);
    }
    return l;
}

TrendPanelLayout LayOutTrendPanel(double panelWidth, double panelHeight) {
    TrendPanelLayout l;
    l.plot = {kPlotLeft, kPlotTop, std::max(0.0, panelWidth - kPlotLeft - kPlotRightMargin),
              std::max(0.0, panelHeight - kPlotTop - kCaptionGap - kCaptionHeight - kTrendBottomMargin)};
    for (std::size_t k = 0; k < l.axisLabels.size(); ++k) {
        const double level = l.plot.top + l.plot.height * static_cast<double>(k) / 10;
        l.axisLabels[k] = {kAxisLeft, level - kAxisLabelHeight / 2, kAxisWidth, kAxisLabelHeight};
    }
    l.caption = {l.plot.left, l.plot.bottom() + kCaptionGap, l.plot.width, kCaptionHeight};
    return l;
}

} // namespace orbisk::layout
