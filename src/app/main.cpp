#include "EmbeddedPack.h"
#include "FontsWarmUp.h"
#include "core/Errors.h"
#include "core/io/Folders.h"
#include "gui/app/Notifier.h"
#include "gui/app/Startup.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/HomeWindow.h"

#include <QApplication>
#include <QScopeGuard>
#include <QStandardPaths>
#include <cstring>
#include <exception>

namespace {

const QString kTitle = QStringLiteral("Orbisk");
const QString kCannotGoOn =
    QStringLiteral("Orbisk met a problem it cannot get past and has to close. Your results were saved "
                   "as they stood before it; nothing was written half-way.");

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

QString describe(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

// An exception that escapes a window's handler ends the program with a message
// instead of without a word.
class OrbiskApplication final : public QApplication {
public:
    OrbiskApplication(int& argc, char** argv, orbisk::gui::Notifier& notifier)
        : QApplication(argc, argv), m_notifier(notifier) {}

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            fail(describe(error));
        } catch (...) {
            fail(QStringLiteral("an unknown failure"));
        }
        return false;
    }

private:
    void fail(const QString& details) {
        if (!m_failed) {
            m_failed = true;
            m_notifier.Warn(nullptr, kTitle, kCannotGoOn, details);
        }
        exit(1);
    }

    orbisk::gui::Notifier& m_notifier;
    bool m_failed = false;
};

} // namespace

int main(int argc, char* argv[]) {
    preferX11(argc, argv);
    orbisk::app::FontsWarmUp fonts; // now: it runs beside everything up to the home window
    orbisk::gui::MessageBoxNotifier notifier;
    OrbiskApplication app(argc, argv, notifier);
    fonts.ApplicationReady();
    const auto fontsDone = qScopeGuard([&fonts] { fonts.Wait(); }); // before the application goes
    QApplication::setApplicationName(QStringLiteral("orbisk-practice"));
    QApplication::setOrganizationName(QStringLiteral("Orbisk"));
    try {
        const orbisk::app::EmbeddedPackSource pack;
        // The folder's own bytes: a name that is not UTF-8 would not survive a
        // trip through QString, and the files would be kept somewhere else.
        const std::filesystem::path program = orbisk::files::RunningProgramFolder().value_or(
            QCoreApplication::applicationDirPath().toStdString());
        orbisk::gui::StartupEnvironment environment;
        environment.programFolder = program;
        environment.perUserFolder =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
        environment.installed = orbisk::files::IsInstalledLayout(program);
        environment.resources = &pack;
        environment.printingModule = orbisk::app::EmbeddedPrintingModule();
        environment.notifier = &notifier;
        environment.cursor = orbisk::gui::SystemCursor();
        environment.copyStamp = &orbisk::gui::CurrentCopyStamp;
        environment.beforeFirstText = [&fonts] { fonts.Wait(); };
        const orbisk::gui::Started started = orbisk::gui::StartUp(environment);
        if (!started.home) {
            return 1;
        }
        started.home->show();
        started.home->activateWindow(); // the keys go to it, with or without a window manager
        return QApplication::exec();
    } catch (const orbisk::PackError& error) {
        notifier.Warn(nullptr, kTitle,
                      QStringLiteral("The program's own data is damaged, so it cannot start. Installing the "
                                     "program again should put this right."),
                      describe(error));
    } catch (const std::exception& error) {
        notifier.Warn(nullptr, kTitle, kCannotGoOn, describe(error));
    } catch (...) {
        notifier.Warn(nullptr, kTitle, kCannotGoOn, QStringLiteral("an unknown failure"));
    }
    return 1;
}
