#include "gui/chrome/ImageButton.h"

#include "gui/chrome/Palette.h"
#include "gui/chrome/SkinPictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace orbisk::gui {

namespace {

// A button, a page tab or a panel's bar, as the button says, with the tab's
// selection and the panel's state (Qt's own button interface knows neither).
class ImageButtonAccessible final : public QAccessibleWidget {
public:
    explicit ImageButtonAccessible(ImageButton* button)
        : QAccessibleWidget(button, QAccessible::PushButton) {}

    QAccessible::Role role() const override {
        return button()->kind() == ImageButton::Kind::Tab ? QAccessible::PageTab : QAccessible::PushButton;
    }
    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = button()->text().isEmpty() ? button()->toolTip() : button()->text();
        }
        return text;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        switch (button()->kind()) {
        case ImageButton::Kind::Tab:
            state.selectable = true;
            state.selected = button()->current();
            break;
        case ImageButton::Kind::PanelBar:
            state.expandable = true;
            state.expanded = button()->current();
            state.collapsed = !button()->current();
            break;
        case ImageButton::Kind::Button:
            break;
        }
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    ImageButton* button() const { return static_cast<ImageButton*>(widget()); }
};

QAccessibleInterface* accessibleImageButton(const QString& className, QObject* object) {
    if (className == QLatin1String("orbisk::gui::ImageButton") && object && object->isWidgetType()) {
        return new ImageButtonAccessible(static_cast<ImageButton*>(object));
    }
    return nullptr;
}

} // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleImageButton);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
}

void ImageButton::SetCurrent(bool current) {
    if (current == m_current) {
        return;
    }
    m_current = current;
    QAccessible::State changed;
    if (m_kind == Kind::Tab) {
        changed.selected = true;
    } else {
        changed.expanded = true;
        changed.collapsed = true;
    }
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
        // Blue dots on a white line: seen on the pale toolbar and on the title
        // bar's blue buttons alike.
        const QRect mark = rect().adjusted(1, 1, -2, -2);
        painter.setPen(QPen(Qt::white));
        painter.drawRect(mark);
        painter.setPen(palette::FocusDots());
        painter.drawRect(mark);
    }
}

} // namespace orbisk::gui
