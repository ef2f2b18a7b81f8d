#include "gui/home/CardPainter.h"

#include "core/report/CardPages.h"
#include "gui/chrome/QtText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orbisk::gui {

namespace {

/// Smaller than this the card is hard to read; past it a too-wide line is cut instead.
constexpr double kSmallestPointSize = 6.0;

CardLayout measure(const std::vector<report::CardLine>& card, const QFont& font, QPaintDevice* device) {
    CardLayout layout;
    layout.font = font;
    const QFontMetricsF metrics(font, device);
    layout.column = std::max(metrics.averageCharWidth(), 1.0);
    layout.lineSpacing = metrics.lineSpacing();
    layout.ascent = metrics.ascent();
    const double column = layout.column;
    layout.lines = report::ZoneResultsCard(card, [&metrics, column](std::string_view text) {
        return metrics.horizontalAdvance(ToQString(text)) / column;
    });
    for (const std::vector<report::ZonedItem>& line : layout.lines) {
        for (const report::ZonedItem& item : line) {
            const double right = (item.zone - 1) * report::kZoneColumns * column +
                                 metrics.horizontalAdvance(ToQString(item.text));
            layout.widest = std::max(layout.widest, right);
        }
    }
    return layout;
}

} // namespace

CardLayout LayOutCard(const std::vector<report::CardLine>& card, const QFont& font, QPaintDevice* device,
                      double width) {
    QFont sized = font;
    if (sized.pointSizeF() <= 0) {
        sized.setPointSizeF(QFontInfo(font).pointSizeF());
    }
    CardLayout layout = measure(card, sized, device);
    // Hinting keeps widths from scaling exactly with the size, so shrink until it fits.
    for (int attempt = 0; attempt < 8 && layout.widest > width && width > 0; ++attempt) {
        const double size = sized.pointSizeF();
        const double smaller =
            std::max(kSmallestPointSize, std::min(size * width / layout.widest, size * 0.99));
        if (smaller >= size) {
            break;
        }
        sized.setPointSizeF(smaller);
        layout = measure(card, sized, device);
    }
    return layout;
}

Painting PaintResultsCard(QPagedPaintDevice& device, const std::vector<report::CardLine>& card) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return {false, 0, QStringLiteral("the printer could not be started")};
    }
    const QRectF page(0, 0, device.width(), device.height());
    const CardLayout layout = LayOutCard(card, painter.font(), &device, page.width());
    painter.setFont(layout.font);
    painter.setPen(Qt::black);
    painter.setClipRect(page);
    const double zoneWidth = report::kZoneColumns * layout.column;
    const auto linesPerPage = static_cast<int>(std::floor(page.height() / layout.lineSpacing));
    const std::vector<report::LinePlace> places = report::PaginateCard(card, linesPerPage);

    Painting painting{true, 1, {}};
    for (std::size_t i = 0; i < places.size() && painting.painted; ++i) {
        const report::LinePlace& place = places[i];
        if (!place.shown || layout.lines[i].empty()) {
            continue;
        }
        while (painting.pages < place.page) {
            if (!device.newPage()) {
                painting = {false, painting.pages, QStringLiteral("the printer could not start a new page")};
                break;
            }
            ++painting.pages;
        }
        const double baseline = place.row * layout.lineSpacing + layout.ascent;
        for (const report::ZonedItem& item : layout.lines[i]) {
            painter.drawText(QPointF((item.zone - 1) * zoneWidth, baseline), ToQString(item.text));
        }
    }
    if (!painter.end() && painting.painted) {
        painting = {false, painting.pages, QStringLiteral("the printer could not finish the card")};
    }
    return painting;
}

} // namespace orbisk::gui
