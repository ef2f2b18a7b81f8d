#include "home/HomeWindow.h"

namespace orbisk::gui {

HomeWindow::HomeWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Orbisk English Practice"));
    resize(405, 492);
}

} // namespace orbisk::gui
