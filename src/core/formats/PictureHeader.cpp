#include "core/formats/PictureHeader.h"

#include "core/formats/LittleEndian.h"

#include <cstdint>

namespace orbisk::skin {

std::optional<PictureInfo> ReadPictureHeader(std::string_view bytes) {
    if (bytes.size() >= 30 && bytes.substr(0, 2) == "BM") {
        PictureInfo info{PictureFormat::Bmp};
        info.width = static_cast<std::int32_t>(static_cast<std::uint32_t>(endian::ReadLittle(bytes, 18, 4)));
        // Widened before the sign is dropped: the size of INT32_MIN does not fit 32 bits.
        const std::int64_t height =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(endian::ReadLittle(bytes, 22, 4)));
        info.height = height < 0 ? -height : height;
        info.bitsPerPixel = static_cast<int>(endian::ReadLittle(bytes, 28, 2));
        return info;
    }
    if (bytes.size() >= 10 && (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a")) {
        PictureInfo info{PictureFormat::Gif};
        info.width = static_cast<int>(endian::ReadLittle(bytes, 6, 2));
        info.height = static_cast<int>(endian::ReadLittle(bytes, 8, 2));
        return info;
    }
    if (bytes.size() >= 22 && endian::ReadLittle(bytes, 0, 2) == 0 && endian::ReadLittle(bytes, 2, 2) == 1) {
        PictureInfo info{PictureFormat::Ico};
        info.images = static_cast<int>(endian::ReadLittle(bytes, 4, 2));
        const int width = static_cast<unsigned char>(bytes[6]);
        const int height = static_cast<unsigned char>(bytes[7]);
        info.width = width == 0 ? 256 : width;
        info.height = height == 0 ? 256 : height;
        return info;
    }
    return std::nullopt;
}

bool MatchesTable(std::string_view bytes, const SkinPicture& picture) {
    const auto info = ReadPictureHeader(bytes);
    if (!info || info->format != picture.format || info->width != picture.width ||
        info->height != picture.height) {
        return false;
    }
    if (picture.format == PictureFormat::Bmp && info->bitsPerPixel != picture.bitsPerPixel) {
        return false;
    }
    return picture.format != PictureFormat::Ico || info->images == 1;
}

} // namespace orbisk::skin
