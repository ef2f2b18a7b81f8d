// The floor of the start benchmark (bench/start-to-mapped.sh): the least a Qt
// Widgets program does to put a window on the screen, one shown 640x480
// QWidget and the event loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
