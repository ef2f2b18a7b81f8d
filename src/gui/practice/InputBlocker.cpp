#include "gui/practice/InputBlocker.h"

#include <QCoreApplication>
#include <QEvent>

namespace orbisk::gui {

InputBlocker::InputBlocker() {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    case QEvent::ShortcutOverride:
        // Accepted, so no shortcut fires; the key press that follows is swallowed above.
        event->accept();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace orbisk::gui
