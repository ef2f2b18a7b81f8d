#include "gui/chrome/CaptionLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace orbisk::gui {

namespace {

class SpokenElsewhereAccessible final : public QAccessibleWidget {
public:
    explicit SpokenElsewhereAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
};

// Asked for each class from the object's own up, so it serves CaptionLabel too.
QAccessibleInterface* accessibleSpokenElsewhere(const QString& className, QObject* object) {
    if (className == QLatin1String("orbisk::gui::SpokenElsewhereLabel") && object && object->isWidgetType()) {
        return new SpokenElsewhereAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

SpokenElsewhereLabel::SpokenElsewhereLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleSpokenElsewhere);
        return true;
    }();
    Q_UNUSED(installed);
}

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : SpokenElsewhereLabel(text, parent) {
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
