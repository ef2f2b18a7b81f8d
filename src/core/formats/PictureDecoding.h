#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orbisk::pictures {

/// A picture's pixels, row by row from the top, each 0xAARRGGBB (alpha not
/// premultiplied).
struct Pixels {
    int width = 0;
    int height = 0;
    /// The picture says some pixels may be see-through (a GIF's transparent
    /// colour, an icon's alpha), whether or not any pixel is.
    bool transparent = false;
    std::vector<std::uint32_t> argb;
};

/// True when @p bytes begin as a GIF file does ("GIF87a" or "GIF89a").
bool IsGif(std::string_view bytes);

/// The first image of a GIF file, where it fills the file's whole picture
/// area and every pixel names a colour of its table. A transparent pixel keeps
/// its colour with an alpha of 0. Empty for anything else (bytes that are no
/// GIF, are damaged or end early, a first image smaller than the area): the
/// caller then leaves the picture to a general image reader.
std::optional<Pixels> DecodeGif(std::string_view bytes);

/// The first image of an icon file, where it is an uncompressed bitmap of 32
/// bits a pixel, its alpha taken from the pixels as icon readers do for such
/// images. Empty for anything else (other depths, images stored as PNG,
/// damaged or short bytes).
std::optional<Pixels> DecodeIcon(std::string_view bytes);

} // namespace orbisk::pictures
