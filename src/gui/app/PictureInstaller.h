#pragma once

#include "core/formats/ResourceSource.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <filesystem>

namespace orbisk::gui {

class Notifier;

/// Writes the skin pictures into the application folder's Graphics folder once
/// the home window has painted, so that a first start does not keep the learner
/// waiting for 89 files that nothing on the screen reads (the windows decode
/// their pictures from the program's resources). Pictures that cannot be
/// written are named in a message then. Should the window not paint within a
/// second (started minimised), the pictures are written anyway.
class PictureInstaller final : public QObject {
public:
    PictureInstaller(std::filesystem::path appFolder, const ResourceSource& resources, Notifier& notifier,
                     QString title, QWidget* window);

    /// Writes the pictures now, unless they have been; tells the learner of
    /// pictures that could not be written, once no other message is open.
    void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tell(const QString& message, const QString& details);

    std::filesystem::path m_appFolder;
    const ResourceSource& m_resources;
    Notifier& m_notifier;
    QString m_title;
    QPointer<QWidget> m_window;
    bool m_installed = false;
};

} // namespace orbisk::gui
