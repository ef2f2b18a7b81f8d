#include "gui/practice/QuestionList.h"

#include "gui/chrome/Palette.h"

#include <QAbstractItemView>
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

void QuestionList::showPopup() {
    QComboBox::showPopup();
    // The closed list shows no question; open, it marks the first, so that Enter
    // chooses what the learner sees marked and Down goes to the second.
    if (currentIndex() < 0 && count() > 0) {
        view()->setCurrentIndex(model()->index(0, modelColumn()));
    }
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
