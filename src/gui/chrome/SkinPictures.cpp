#include "gui/chrome/SkinPictures.h"

#include "core/formats/PictureDecoding.h"
#include "core/formats/ResourceSource.h"
#include "core/io/Folders.h"
#include "core/product/ResourceIds.h"
#include "core/product/SkinTable.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <optional>
#include <string_view>

namespace orbisk::gui {

namespace {

// The bytes of picture @p name, or of its twin, in the resources; none when the resources do not hold it.
std::optional<std::string_view> bytesOf(const ResourceSource& resources, const QString& name, bool twin) {
    const skin::SkinPicture* picture = skin::FindSkinPicture(name.toStdString());
    if (picture == nullptr) {
        return std::nullopt;
    }
    return resources.Find(twin ? ids::SkinTwinId(picture->id) : picture->id);
}

// The image of decoded pixels, in @p format (one of 32 bits a pixel, 0xAARRGGBB).
QImage imageOf(const pictures::Pixels& pixels, QImage::Format format) {
    QImage image(pixels.width, pixels.height, format);
    if (image.isNull()) {
        return image; // no memory for it
    }
    const auto rowBytes = static_cast<std::size_t>(pixels.width) * sizeof(std::uint32_t);
    for (int row = 0; row < pixels.height; ++row) {
        std::memcpy(image.scanLine(row),
                    pixels.argb.data() +
                        static_cast<std::size_t>(row) * static_cast<std::size_t>(pixels.width),
                    rowBytes);
    }
    return image;
}

// The format a picture's name says: its extension.
QByteArray formatOf(const QString& name) {
    return name.section(QLatin1Char('.'), -1).toLatin1().toLower();
}

// The picture's twin from the resources, at a device pixel ratio of 2; null when there is none.
QPixmap twin(const ResourceSource& resources, const QString& name) {
    const auto bytes = bytesOf(resources, name, true);
    if (!bytes) {
        return {};
    }
    QImage image = DecodePicture(*bytes, formatOf(name));
    if (image.isNull()) {
        return {};
    }
    image.setDevicePixelRatio(2);
    return QPixmap::fromImage(image);
}

// The picture from the resources: the bytes start-up writes into the Graphics
// folder, decoded without reading the file back.
QPixmap picture(const ResourceSource& resources, const QString& name) {
    const auto bytes = bytesOf(resources, name, false);
    if (!bytes) {
        return {};
    }
    QImage image = DecodePicture(*bytes, formatOf(name));
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

} // namespace

QImage DecodePicture(std::string_view bytes, const QByteArray& format) {
    // GIF and icon files the program reads itself: Qt reads them through
    // plugins, whose loading costs more than the reading.
    QImage image;
    if (format == "gif") {
        if (const auto pixels = pictures::DecodeGif(bytes)) {
            image = imageOf(*pixels, pixels->transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        }
    } else if (format == "ico") {
        if (const auto pixels = pictures::DecodeIcon(bytes)) {
            image =
                imageOf(*pixels, QImage::Format_ARGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
    }
    if (!image.isNull()) {
        return image;
    }
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    image = reader.read();
    if (image.isNull()) {
        image = QImage::fromData(data);
    }
    return image;
}

SkinPictures::SkinPictures(std::filesystem::path graphicsFolder, const ResourceSource* resources)
    : m_folder(std::move(graphicsFolder)), m_resources(resources) {}

QPixmap SkinPictures::Get(const QString& name) {
    // The highest ratio of the screens: a window may move to any of them.
    const bool sharp = m_resources != nullptr && qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1;
    const QString key = name.toLower() + (sharp ? QStringLiteral("@2x") : QString());
    if (const auto it = m_cache.constFind(key); it != m_cache.constEnd()) {
        return *it;
    }
    QPixmap pixmap;
    if (m_resources != nullptr) {
        pixmap = sharp ? twin(*m_resources, name) : QPixmap();
        if (pixmap.isNull()) {
            pixmap = picture(*m_resources, name);
        }
    }
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
