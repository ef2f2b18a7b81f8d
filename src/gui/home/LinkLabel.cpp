#include "gui/home/LinkLabel.h"

#include <QKeyEvent>
#include <QPainter>

namespace orbisk::gui {

namespace {
const QColor kLinkColour(0, 0, 204);
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QSize LinkLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 4, metrics.height() + 4};
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(kLinkColour);
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        QPen pen(kLinkColour);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    // A link opens on Enter as well as Space.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace orbisk::gui
