#include "gui/app/Startup.h"

#include "core/setup/FolderSetup.h"
#include "gui/app/Notifier.h"
#include "gui/app/SingleInstance.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/home/HomeWindow.h"

#include <QDateTime>
#include <QStringList>

namespace orbisk::gui {

namespace {

const QString kTitle = QStringLiteral("Orbisk");

QString fileName(const std::filesystem::path& path) {
    return QString::fromStdString(path.filename().string());
}

QString describeResults(const results::EnsureReport& report) {
    QStringList lines;
    for (const results::RepairedFile& repaired : report.repaired) {
        lines << QStringLiteral(
                     "The results file %1 could not be read (%2). It was kept as %3 and started afresh.")
                     .arg(fileName(repaired.file), QString::fromStdString(repaired.problem),
                          fileName(repaired.copy));
    }
    for (const results::FileProblem& failed : report.failed) {
        lines << QStringLiteral("The results file %1 could not be put right: %2.")
                     .arg(fileName(failed.file), QString::fromStdString(failed.problem));
    }
    return lines.join(QStringLiteral("\n\n"));
}

} // namespace

std::string CurrentCopyStamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
}

Started StartUp(const StartupEnvironment& environment) {
    Started started;
    started.instance = std::make_unique<SingleInstance>(environment.appFolder);
    if (!started.instance->acquired()) {
        environment.notifier->Warn(nullptr, kTitle,
                                   QStringLiteral("Orbisk is already running with its files in %1. "
                                                  "Use the copy that is open; this one will close.")
                                       .arg(QString::fromStdString(environment.appFolder.string())));
        started.instance.reset();
        return started;
    }
    const setup::StartupFiles files = setup::PrepareApplicationFolder(
        environment.appFolder, *environment.resources, environment.copyStamp());
    if (!files.config) {
        environment.notifier->Warn(nullptr, kTitle,
                                   QStringLiteral("The program's configuration could not be read: %1. "
                                                  "The program cannot start.")
                                       .arg(QString::fromStdString(files.configProblem)));
        return started;
    }
    started.pictures = std::make_unique<SkinPictures>(setup::GraphicsFolder(environment.appFolder));
    HomeWindow::Services services{environment.appFolder, started.pictures.get(), environment.notifier,
                                  environment.cursor};
    started.home = std::make_unique<HomeWindow>(services, *files.config);
    if (const QString message = describeResults(files.results); !message.isEmpty()) {
        environment.notifier->Warn(started.home.get(), QString::fromStdString(files.config->name), message);
    }
    return started;
}

} // namespace orbisk::gui
