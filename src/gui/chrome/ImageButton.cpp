#include "gui/chrome/ImageButton.h"

#include <QPainter>

namespace orbisk::gui {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::SetPictures(Pictures pictures) {
    m_pictures = std::move(pictures);
    update();
}

void ImageButton::SetState(State state) {
    if (state != m_state) {
        m_state = state;
        update();
    }
}

void ImageButton::SetCaption(const QString& caption) {
    if (caption != text()) {
        setText(caption);
        setAccessibleName(caption);
        update();
    }
}

QSize ImageButton::sizeHint() const {
    return m_pictures.off.isNull() ? QSize(16, 16) : m_pictures.off.size();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap* picture = &m_pictures.off;
    switch (m_state) {
    case State::On:
        picture = &m_pictures.on;
        break;
    case State::Pressed:
        picture = &m_pictures.pressed;
        break;
    case State::Disabled:
        picture = &m_pictures.disabled;
        break;
    case State::Off:
        break;
    }
    if (picture->isNull()) {
        picture = &m_pictures.off;
    }
    if (!picture->isNull()) {
        painter.drawPixmap(rect(), *picture);
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        QPen pen(QColor(47, 111, 181));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

} // namespace orbisk::gui
