#include "home/HomeWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orbisk::gui::HomeWindow home;
    home.show();
    return QApplication::exec();
}
