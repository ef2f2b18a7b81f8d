#include "gui/chrome/CaptionLabel.h"

#include <QMouseEvent>

namespace orbisk::gui {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    // Taken here, so the button underneath is not pressed.
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        emit clicked();
    }
}

} // namespace orbisk::gui
