#include "gui/chrome/SkinPictures.h"

#include "core/io/Folders.h"

#include <QImage>

namespace orbisk::gui {

SkinPictures::SkinPictures(std::filesystem::path graphicsFolder) : m_folder(std::move(graphicsFolder)) {}

QPixmap SkinPictures::Get(const QString& name) {
    const QString key = name.toLower();
    if (const auto it = m_cache.constFind(key); it != m_cache.constEnd()) {
        return *it;
    }
    QPixmap pixmap;
    if (const auto file = files::FindFileIgnoringCase(m_folder, name.toStdString())) {
        QImage image(QString::fromStdString(file->string()));
        if (!image.isNull()) {
            pixmap = QPixmap::fromImage(image);
        }
    }
    m_cache.insert(key, pixmap);
    return pixmap;
}

} // namespace orbisk::gui
