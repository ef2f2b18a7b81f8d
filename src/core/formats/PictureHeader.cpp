#include "core/formats/PictureHeader.h"

#include "core/formats/LittleEndian.h"
#include "core/formats/PictureDecoding.h"

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
    if (bytes.size() >= 10 && pictures::IsGif(bytes)) {
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

namespace {

std::uint32_t readBig(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

// The JPEG's frame header (any SOF marker but DHT, JPG and DAC), found by
// walking the segments before the picture's data.
std::optional<PixelSize> jpegSize(std::string_view bytes) {
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) != 0xFF) {
            return std::nullopt;
        }
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        const std::uint32_t length = readBig(bytes, at + 2, 2);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (at + 9 > bytes.size()) {
                return std::nullopt;
            }
            return PixelSize{static_cast<int>(readBig(bytes, at + 7, 2)),
                             static_cast<int>(readBig(bytes, at + 5, 2))};
        }
        if (marker == 0xDA || length < 2) {
            return std::nullopt; // the picture's data starts with no frame header before it
        }
        at += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<PixelSize> ReadPageImageSize(std::string_view bytes) {
    if (bytes.size() >= 24 && bytes.substr(0, 8) == "\x89PNG\r\n\x1a\n" && bytes.substr(12, 4) == "IHDR") {
        return PixelSize{static_cast<int>(readBig(bytes, 16, 4) & 0x7FFFFFFF),
                         static_cast<int>(readBig(bytes, 20, 4) & 0x7FFFFFFF)};
    }
    if (bytes.size() >= 10 && pictures::IsGif(bytes)) {
        return PixelSize{static_cast<int>(endian::ReadLittle(bytes, 6, 2)),
                         static_cast<int>(endian::ReadLittle(bytes, 8, 2))};
    }
    if (bytes.size() >= 4 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8) {
        return jpegSize(bytes);
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
