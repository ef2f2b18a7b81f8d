// A second, informative floor of the start benchmark (bench/start-to-mapped.sh):
// an empty Qt Widgets window that also shows one line of text, laid out before
// the window is shown, as every real window's first text is. The difference
// from empty_window is what a program pays for text at all (the font
// configuration, the font database and the first font engine).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    auto* line = new QLabel(QStringLiteral("A window with one line of text"), &window);
    line->move(10, 10);
    line->adjustSize();
    window.show();
    return QApplication::exec();
}
