#include "EmbeddedPack.h"
#include "core/formats/ResourcePack.h"
#include "core/io/Folders.h"
#include "gui/app/Notifier.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/Startup.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/HomeWindow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>

namespace {

// The skinned windows place themselves and the cursor, which Wayland does not
// allow: unless the user chose a platform, ask for X11 (XWayland).
void preferX11(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        return;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0) {
            return;
        }
    }
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

std::filesystem::path applicationFolder() {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path perUser =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return orbisk::files::ChooseApplicationFolder(program, perUser);
}

} // namespace

int main(int argc, char* argv[]) {
    preferX11(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbisk-practice"));
    QApplication::setOrganizationName(QStringLiteral("Orbisk"));
    orbisk::gui::MessageBoxNotifier notifier;
    try {
        const orbisk::ResourcePack pack(orbisk::app::EmbeddedPackBytes());
        orbisk::gui::StartupEnvironment environment{applicationFolder(), &pack, &notifier,
                                                    orbisk::gui::SystemCursor(),
                                                    &orbisk::gui::CurrentCopyStamp};
        const orbisk::gui::Started started = orbisk::gui::StartUp(environment);
        if (!started.home) {
            return 1;
        }
        started.home->show();
        return QApplication::exec();
    } catch (const orbisk::PackError& error) {
        notifier.Warn(
            nullptr, QStringLiteral("Orbisk"),
            QStringLiteral("The program's own data is damaged: %1").arg(QString::fromUtf8(error.what())));
        return 1;
    }
}
