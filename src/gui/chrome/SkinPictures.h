#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <filesystem>

namespace orbisk::gui {

/// The skin pictures of the Graphics folder, found by name without regard to
/// letter case and decoded once: the folder is written only at start-up.
class SkinPictures final {
public:
    explicit SkinPictures(std::filesystem::path graphicsFolder);

    /// The picture, or a null pixmap when the file is missing or unreadable
    /// (the control then shows nothing).
    QPixmap Get(const QString& name);

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    QHash<QString, QPixmap> m_cache;
};

} // namespace orbisk::gui
