#include "EmbeddedPack.h"
#include "data/ResourcePack.h"
#include "home/HomeWindow.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    try {
        const orbisk::ResourcePack pack(orbisk::app::EmbeddedPackBytes());
        orbisk::gui::HomeWindow home;
        home.show();
        return QApplication::exec();
    } catch (const orbisk::PackError& error) {
        QMessageBox::critical(
            nullptr, QStringLiteral("Orbisk"),
            QStringLiteral("The program's own data is damaged: %1").arg(QString::fromUtf8(error.what())));
        return 1;
    }
}
