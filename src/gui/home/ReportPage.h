#pragma once

#include "core/layout/ReportPageLayout.h"
#include "core/report/ReportFigures.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace orbisk::gui {

class ImageButton;
class SkinPictures;
class TopicTrack;
class TrendPlotView;

/// The report page (Body_Report): three bars stacked like an accordion, each
/// opening its panel: RCBar1 the overall results (RC1Summary), RCBar2 the
/// results per topic (RC2Topical), RCBar3 the trend of recent papers
/// (RC3Trend). It shows the figures the home window gives it and reports bar
/// clicks; the window keeps which panel is open (txtReportPos).
///
/// Bars and figures cannot be read by a screen reader from their lengths, so
/// each topic row's tracks and the trend plot carry the figures as their
/// accessible description too.
class ReportPage final : public QWidget {
    Q_OBJECT
public:
    /// Builds the page at @p at (twips of @p parent), every panel empty.
    ReportPage(SkinPictures& pictures, const layout::Rect& at, QWidget* parent);

    /// Fills the three panels with @p figures.
    void BuildReport(const report::ReportFigures& figures);
    /// Stacks the bars for open panel @p txtReportPos (1 to 3; anything else
    /// opens the first) and shows that panel between them, the others hidden.
    void ArrangeReportPanels(int txtReportPos);

    ImageButton* bar(int n) const { return m_bars.at(static_cast<std::size_t>(n - 1)); }
    QLabel* barLabel(int n) const { return m_barLabels.at(static_cast<std::size_t>(n - 1)); }
    QWidget* panel(int n) const { return m_panels.at(static_cast<std::size_t>(n - 1)); }
    /// The bars and open panel as last arranged, in twips of the page.
    const layout::ReportPanels& arrangement() const { return m_arrangement; }
    /// The bars' heights, in twips.
    std::array<double, 3> barHeights() const;
    /// Row @p k's track for attempt @p attempt (1 first, 2 second).
    TopicTrack* track(int k, int attempt) const;
    QLabel* topicName(int k) const { return m_topicNames.at(static_cast<std::size_t>(k - 1)); }
    TrendPlotView* trendPlot() const { return m_plot; }
    /// The note that lists stored scores left out of the figures; hidden when there are none.
    QLabel* unreadableNote() const { return m_unreadable; }

signals:
    /// Bar @p n (1 to 3), or its label, was clicked or pressed from the keyboard.
    void barClicked(int n);

private:
    QWidget* makePanel(const char* name);
    QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name, const layout::Rect& at,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    void buildBars(SkinPictures& pictures);
    void buildOverall(double width);
    void buildTopical(double width, double height);
    void buildTrend(double width, double height);
    /// Row @p k (1 to 10) of the topical panel: the topic's name and its two tracks.
    void FillTopicRow(int k, const report::TopicFigures& topic);
    void showUnreadable(const report::ReportFigures& figures);

    layout::ReportPanels m_arrangement;
    std::array<ImageButton*, 3> m_bars{};
    std::array<QLabel*, 3> m_barLabels{};
    std::array<QWidget*, 3> m_panels{};
    std::array<QLabel*, 5> m_overallFigures{};
    std::array<QString, 5> m_overallCaptions;
    QLabel* m_unreadable = nullptr;
    std::array<QLabel*, 10> m_topicNames{};
    std::array<TopicTrack*, 10> m_firstTracks{};
    std::array<TopicTrack*, 10> m_secondTracks{};
    TrendPlotView* m_plot = nullptr;
};

} // namespace orbisk::gui
