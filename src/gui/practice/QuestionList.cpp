#include "gui/practice/QuestionList.h"

#include "gui/chrome/Palette.h"

#include <QKeyEvent>
#include <QPainter>

namespace orbisk::gui {

QuestionList::QuestionList(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void QuestionList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (event->modifiers() == Qt::NoModifier) {
            event->accept();
            showPopup();
            return;
        }
        break;
    default:
        if (!event->text().isEmpty() && event->text().at(0).isPrint() && event->key() != Qt::Key_Space) {
            event->ignore(); // no jump to the question whose number starts so
            return;
        }
    }
    QComboBox::keyPressEvent(event); // Alt+Down, F4 and Space open the list
}

void QuestionList::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void QuestionList::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setPen(QPen(palette::kFocusMark, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

} // namespace orbisk::gui
