#include "gui/chrome/ImageButton.h"

#include "gui/chrome/Palette.h"
#include "gui/chrome/SkinPictures.h"

#include <QKeyEvent>
#include <QPainter>

namespace orbisk::gui {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_enterPresses && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::SetPictures(Pictures pictures) {
    m_pictures = std::move(pictures);
    m_skin = nullptr;
    m_names = {};
    update();
}

void ImageButton::SetPictures(SkinPictures& skin, PictureNames names) {
    m_pictures = {skin.Get(names.off), {}, {}, {}};
    m_skin = &skin;
    m_names = std::move(names);
    fetch(m_state);
    update();
}

void ImageButton::fetch(State state) {
    if (m_skin == nullptr) {
        return;
    }
    auto take = [this](QPixmap& picture, const QString& name) {
        if (picture.isNull() && !name.isEmpty()) {
            picture = m_skin->Get(name);
        }
    };
    switch (state) {
    case State::On:
        take(m_pictures.on, m_names.on);
        break;
    case State::Pressed:
        take(m_pictures.pressed, m_names.pressed);
        break;
    case State::Disabled:
        take(m_pictures.disabled, m_names.disabled);
        break;
    case State::Off:
        break;
    }
}

void ImageButton::SetState(State state) {
    if (state != m_state) {
        m_state = state;
        fetch(state);
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
