#include "gui/chrome/SkinPictures.h"

#include "core/formats/ResourceSource.h"
#include "core/io/Folders.h"
#include "core/product/ResourceIds.h"
#include "core/product/SkinTable.h"

#include <QGuiApplication>
#include <QImage>

namespace orbisk::gui {

namespace {

// The picture's twin from the resources, at a device pixel ratio of 2; null when there is none.
QPixmap twin(const ResourceSource& resources, const QString& name) {
    const skin::SkinPicture* picture = skin::FindSkinPicture(name.toStdString());
    if (picture == nullptr) {
        return {};
    }
    const auto bytes = resources.Find(ids::SkinTwinId(picture->id));
    if (!bytes) {
        return {};
    }
    QImage image = QImage::fromData(QByteArrayView(bytes->data(), static_cast<qsizetype>(bytes->size())));
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(2);
    return QPixmap::fromImage(image);
}

} // namespace

SkinPictures::SkinPictures(std::filesystem::path graphicsFolder, const ResourceSource* resources)
    : m_folder(std::move(graphicsFolder)), m_resources(resources) {}

QPixmap SkinPictures::Get(const QString& name) {
    // The highest ratio of the screens: a window may move to any of them.
    const bool sharp = m_resources != nullptr && qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1;
    const QString key = name.toLower() + (sharp ? QStringLiteral("@2x") : QString());
    if (const auto it = m_cache.constFind(key); it != m_cache.constEnd()) {
        return *it;
    }
    QPixmap pixmap = sharp ? twin(*m_resources, name) : QPixmap();
    if (pixmap.isNull()) {
        if (const auto file = files::FindFileIgnoringCase(m_folder, name.toStdString())) {
            QImage image(QString::fromStdString(file->string()));
            if (!image.isNull()) {
                pixmap = QPixmap::fromImage(image);
            }
        }
    }
    m_cache.insert(key, pixmap);
    return pixmap;
}

} // namespace orbisk::gui
