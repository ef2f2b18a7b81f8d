#include "gui/app/PictureInstaller.h"

#include "core/setup/FolderSetup.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/QtText.h"

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>

namespace orbisk::gui {

namespace {

constexpr int kLatestMilliseconds = 1000; // when the window has not painted by then
constexpr int kRetellMilliseconds = 200;  // how often a message waits for another to close

} // namespace

PictureInstaller::PictureInstaller(std::filesystem::path appFolder, const ResourceSource& resources,
                                   Notifier& notifier, QString title, QWidget* window)
    : m_appFolder(std::move(appFolder)), m_resources(resources), m_notifier(notifier),
      m_title(std::move(title)), m_window(window) {
    if (window != nullptr) {
        window->installEventFilter(this);
    }
    QTimer::singleShot(kLatestMilliseconds, this, &PictureInstaller::Install);
}

bool PictureInstaller::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == m_window) {
        watched->removeEventFilter(this);
        // After the paint has reached the screen: the next turn of the event loop.
        QTimer::singleShot(0, this, &PictureInstaller::Install);
    }
    return QObject::eventFilter(watched, event);
}

void PictureInstaller::Install() {
    if (m_installed) {
        return;
    }
    m_installed = true;
    if (m_window) {
        m_window->removeEventFilter(this);
    }
    const setup::GraphicsReport report = setup::InstallGraphics(m_appFolder, m_resources);
    if (report.failed.empty()) {
        return;
    }
    QStringList details;
    for (const setup::PictureProblem& picture : report.failed) {
        details << ToQString(picture.name) + QStringLiteral(": ") + ToQString(picture.problem);
    }
    tell(QStringLiteral("Some of the program's pictures could not be put in %1. The windows "
                        "show them all the same; the next start tries again.")
             .arg(PathText(setup::GraphicsFolder(m_appFolder))),
         details.join(QLatin1Char('\n')));
}

void PictureInstaller::tell(const QString& message, const QString& details) {
    // Not over a message start-up is still showing (a full disk gives one of
    // each): after it, when the learner has read it.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kRetellMilliseconds, this, [this, message, details] { tell(message, details); });
        return;
    }
    m_notifier.Warn(m_window, m_title, message, details);
}

} // namespace orbisk::gui
