#include "gui/home/DesktopBrowserLauncher.h"

#include "core/desktop/DesktopEntry.h"
#include "core/io/FileIO.h"
#include "gui/chrome/QtText.h"

#include <QProcess>

namespace orbisk::gui {

namespace {

// xdg-mime is a shell script that asks the desktop; it answers at once or not at all.
constexpr int kAnswerWaitMs = 5000;

std::string environment(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

} // namespace

DesktopBrowserLauncher::DesktopBrowserLauncher(QString xdgMime, std::vector<std::filesystem::path> folders)
    : m_xdgMime(std::move(xdgMime)), m_folders(std::move(folders)) {}

BrowserLauncher::Lookup DesktopBrowserLauncher::FindHtmlHandler() {
    QProcess query;
    query.start(m_xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForStarted(kAnswerWaitMs)) {
        return {{}, m_xdgMime + QStringLiteral(" could not be run: ") + query.errorString()};
    }
    if (!query.waitForFinished(kAnswerWaitMs)) {
        query.kill();
        query.waitForFinished(kAnswerWaitMs);
        return {{}, m_xdgMime + QStringLiteral(" gave no answer in time")};
    }
    const std::string answer = query.readAllStandardOutput().toStdString();
    const std::vector<std::string> ids = desktop::DesktopIds(answer);
    if (ids.empty()) {
        return {{}, QStringLiteral("the desktop names no default program for text/html")};
    }
    const std::vector<std::filesystem::path> folders =
        m_folders.empty() ? desktop::ApplicationFolders(environment("XDG_DATA_HOME"),
                                                        environment("XDG_DATA_DIRS"), environment("HOME"))
                          : m_folders;
    QStringList looked;
    for (const std::string& id : ids) {
        bool seen = false;
        for (const std::filesystem::path& folder : folders) {
            for (const std::filesystem::path& candidate : desktop::DesktopFileCandidates(folder, id)) {
                std::error_code ec;
                if (!std::filesystem::is_regular_file(candidate, ec)) {
                    continue;
                }
                seen = true;
                try {
                    if (auto exec = desktop::ExecLine(files::ReadWholeFile(candidate))) {
                        return {std::move(*exec), PathText(candidate)};
                    }
                    looked << PathText(candidate) + QStringLiteral(" has no Exec line");
                } catch (const std::exception& error) {
                    looked << QString::fromUtf8(error.what());
                }
            }
        }
        if (!seen) {
            looked << QString::fromStdString(id) + QStringLiteral(" is in none of the applications folders");
        }
    }
    return {{}, looked.join(QStringLiteral("; "))};
}

bool DesktopBrowserLauncher::Start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace orbisk::gui
