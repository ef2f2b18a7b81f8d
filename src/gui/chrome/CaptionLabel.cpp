#include "gui/chrome/CaptionLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace orbisk::gui {

namespace {

// A caption says on the screen what its button's name says to a screen
// reader: it is left out, nameless and not showing, so nothing is read twice.
class CaptionAccessible final : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        state.focusable = false;
        return state;
    }
};

QAccessibleInterface* accessibleCaption(const QString& className, QObject* object) {
    if (className == QLatin1String("orbisk::gui::CaptionLabel") && object && object->isWidgetType()) {
        return new CaptionAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleCaption);
        return true;
    }();
    Q_UNUSED(installed);
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
