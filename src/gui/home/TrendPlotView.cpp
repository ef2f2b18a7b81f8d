#include "gui/home/TrendPlotView.h"

#include "core/layout/Geometry.h"

#include <QPainter>
#include <cmath>

namespace orbisk::gui {

namespace {

QColor colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// The frame round the drawing area: its top edge is the 100 % level and its
// bottom edge the 0 % level.
constexpr QRgb kFrameColour = 0xA9B7C9;

/// A twips coordinate of the drawing area as the pixel it falls on. Lines one
/// pixel wide stay crisp on pixel centres, and a dot centred on one is round.
double pixel(double twips) {
    return std::round(twips / layout::kTwipsPerPixel);
}

QPointF onPixel(const layout::PlotPoint& p) {
    return {pixel(p.x), pixel(p.y)};
}

} // namespace

TrendPlotView::TrendPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RC3TrendPlot"));
    replot();
}

void TrendPlotView::PlaceArea(const QRect& area) {
    // One pixel more to the right and below: the 100 % and 0 % levels are both
    // lines of pixels, the frame's top and bottom edges.
    setGeometry(area.adjusted(-kMargin, -kMargin, kMargin + 1, kMargin + 1));
}

QRect TrendPlotView::plotArea() const {
    return rect().adjusted(kMargin, kMargin, -kMargin - 1, -kMargin - 1);
}

void TrendPlotView::SetScores(std::vector<double> scores) {
    m_scores = std::move(scores);
    replot();
    update();
}

void TrendPlotView::resizeEvent(QResizeEvent* event) {
    replot();
    QWidget::resizeEvent(event);
}

void TrendPlotView::replot() {
    const QRect area = plotArea();
    m_shape = layout::PlotTrend(layout::Twips(std::max(0, area.width())),
                                layout::Twips(std::max(0, area.height())), m_scores);
}

void TrendPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect area = plotArea();
    // Pixel n is drawn at n + 0.5, its centre.
    painter.translate(area.left() + 0.5, area.top() + 0.5);

    painter.setPen(QPen(colour(layout::kTrendGridColour), 1));
    for (const layout::PlotLine& line : m_shape.grid) {
        painter.drawLine(onPixel(line.from), onPixel(line.to));
    }
    painter.setPen(QPen(QColor(kFrameColour), 1));
    painter.drawRect(QRectF(0, 0, area.width(), area.height()));

    painter.setPen(QPen(colour(layout::kTrendStemColour), 1));
    for (const layout::PlotLine& stem : m_shape.stems) {
        painter.drawLine(onPixel(stem.from), onPixel(stem.to));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue = colour(layout::kTrendPointColour);
    painter.setPen(QPen(blue, 1));
    for (const layout::PlotLine& join : m_shape.joins) {
        painter.drawLine(onPixel(join.from), onPixel(join.to));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    const double radius = m_shape.dotRadius / layout::kTwipsPerPixel;
    for (const layout::PlotPoint& dot : m_shape.dots) {
        painter.drawEllipse(onPixel(dot), radius, radius);
    }
}

} // namespace orbisk::gui
