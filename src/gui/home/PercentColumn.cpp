#include "gui/home/PercentColumn.h"

#include <QPainter>

namespace orbisk::gui {

PercentColumn::PercentColumn(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Percent1a"));
}

void PercentColumn::SetRows(QList<QRect> rows) {
    m_rows = std::move(rows);
    update();
}

void PercentColumn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    for (const QRect& row : m_rows) {
        painter.drawText(QRect(0, row.top(), width(), row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%"));
    }
}

} // namespace orbisk::gui
