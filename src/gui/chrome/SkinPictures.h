#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <filesystem>
#include <string_view>

namespace orbisk {
class ResourceSource;
}

namespace orbisk::gui {

/// The skin pictures, found by name without regard to letter case and decoded
/// once. Given the program's resources, a picture is decoded from the bytes
/// start-up writes into the Graphics folder, so no file is read back; without
/// them, or for a name the resources do not hold, from the Graphics folder.
///
/// Where a screen's device pixel ratio is above 1, a picture comes from its
/// twin with twice the pixels each way, which the program's resources carry
/// (ids::SkinTwinId) and the Graphics folder does not: the pixmap then has a
/// device pixel ratio of 2 and the same size in the window's pixels, so
/// nothing moves and edges and text stay sharp. A picture without a twin is
/// the picture itself.
class SkinPictures final {
public:
    /// @param resources the program's resources, for the pictures and their twins; none: every picture is
    /// the folder's.
    explicit SkinPictures(std::filesystem::path graphicsFolder, const ResourceSource* resources = nullptr);

    /// The picture, or a null pixmap when neither the resources nor the folder
    /// hold it readably (the control then shows nothing).
    QPixmap Get(const QString& name);

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    const ResourceSource* m_resources;
    QHash<QString, QPixmap> m_cache;
};

/// The picture in @p bytes, read by the decoder of @p format (a lower-case
/// image format name, "bmp", "gif", "png"), or a null image. Only that
/// decoder is asked: an image reader left to guess loads every image plugin
/// on the system (and the JPEG library behind one) before it reads a bitmap
/// or a PNG, which Qt decodes itself. GIF and icon files the program reads
/// itself (pictures::DecodeGif, pictures::DecodeIcon) to the image Qt's
/// plugins give, so no plugin need be loaded for them. Bytes in another
/// format than @p format are still decoded by whatever reads them.
QImage DecodePicture(std::string_view bytes, const QByteArray& format);

/// The size a picture takes in a window, in the window's pixels (a twin's is half its own).
inline QSize PictureSize(const QPixmap& picture) {
    return picture.deviceIndependentSize().toSize();
}

} // namespace orbisk::gui
