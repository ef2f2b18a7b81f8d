#pragma once

#include "core/layout/TrendPlot.h"

#include <QRect>
#include <QWidget>
#include <vector>

namespace orbisk::gui {

/// RC3TrendPlot: the trend of recent first-attempt scores as stems, joins and
/// dots over a light grid, drawn from the plot's shape (layout::PlotTrend).
/// The widget is a few pixels larger than the drawing area all round, so a dot
/// on the top or bottom edge (a score of 100 or 0) is drawn whole.
class TrendPlotView final : public QWidget {
    Q_OBJECT
public:
    explicit TrendPlotView(QWidget* parent = nullptr);

    /// Places the widget so that its drawing area covers @p area (pixels of the parent).
    void PlaceArea(const QRect& area);
    /// The scores to plot, in percent, oldest first (only the last 20 are drawn).
    void SetScores(std::vector<double> scores);

    /// The drawing area, in the widget's own pixels.
    QRect plotArea() const;
    /// What is drawn now, in twips of the drawing area.
    const layout::TrendPlotShape& shape() const { return m_shape; }

    /// Pixels round the drawing area.
    static constexpr int kMargin = 4;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void replot();

    std::vector<double> m_scores;
    layout::TrendPlotShape m_shape;
};

} // namespace orbisk::gui
