#pragma once

#include "core/product/SkinTable.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace orbisk::skin {

/// What a picture file's header says about it.
struct PictureInfo {
    PictureFormat format;
    int width = 0;
    /// Rows; a BMP stored top-down says so with a negative height, and this is
    /// its size either way (wide enough for the size of INT32_MIN).
    std::int64_t height = 0;
    int bitsPerPixel = 0; ///< BMP only
    int images = 1;       ///< ICO: the number of images
};

/// Reads the header of a BMP, ICO or GIF file; empty when @p bytes are none of these.
std::optional<PictureInfo> ReadPictureHeader(std::string_view bytes);

/// A picture's width and height in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

/// The size a PNG, GIF or JPEG picture (the kinds question pages show) gives
/// in its header; empty when @p bytes are none of these or end before it.
std::optional<PixelSize> ReadPageImageSize(std::string_view bytes);

/// True when @p bytes are the picture the table describes: its format, pixel
/// size, bit depth (BMP) and, for an icon, a single image.
bool MatchesTable(std::string_view bytes, const SkinPicture& picture);

} // namespace orbisk::skin
