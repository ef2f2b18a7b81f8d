#include "gui/chrome/ImageButton.h"

#include "gui/chrome/Palette.h"
#include "gui/chrome/SkinPictures.h"

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

void ImageButton::SetCaptionBand(int height) {
    m_captionBand = height;
    update();
}

QSize ImageButton::sizeHint() const {
    return m_pictures.off.isNull() ? QSize(16, 16) : PictureSize(m_pictures.off);
}

const QPixmap& ImageButton::shownPicture() const {
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
    return picture->isNull() ? m_pictures.off : *picture;
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const QPixmap& picture = shownPicture(); !picture.isNull()) {
        painter.drawPixmap(rect(), picture);
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::ButtonText));
        QRect area = rect();
        if (m_captionBand > 0) {
            area.setTop(area.bottom() + 1 - m_captionBand);
        }
        painter.drawText(area, Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        QPen pen(palette::kFocusMark);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

} // namespace orbisk::gui
