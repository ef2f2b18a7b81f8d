#pragma once

#include <span>
#include <string>
#include <string_view>

/// The skin: the 89 pictures every window is drawn from. They are resources 1
/// to 37 and 41 to 92, written into the "Graphics" folder on every start.
namespace orbisk::skin {

enum class PictureFormat { Bmp, Ico, Gif };

struct SkinPicture {
    int id;                ///< resource number
    std::string_view name; ///< file name in the Graphics folder
    PictureFormat format;
    int width;        ///< pixels
    int height;       ///< pixels
    int bitsPerPixel; ///< BMP only: 8 (palette) or 24; 0 for ICO and GIF
};

/// All pictures, in ascending resource number.
std::span<const SkinPicture> SkinPictures();

/// The picture with resource number @p id, or nullptr.
const SkinPicture* FindSkinPicture(int id);

/// The picture whose file name is @p name without regard to letter case, or nullptr.
const SkinPicture* FindSkinPicture(std::string_view name);

/// The file name of a picture's twin, the same picture with twice the pixels
/// each way for screens with a device pixel ratio above 1: "@2x" before the
/// extension ("about_off@2x.bmp").
std::string TwinFileName(std::string_view name);

/// What the twin of @p picture is: resource ids::SkinTwinId(id), the same
/// format and bit depth, twice the width and height (its name stays the
/// picture's; TwinFileName gives the file's).
SkinPicture Twin(const SkinPicture& picture);

/// True when two file names are the same without regard to letter case (ASCII).
bool SameFileName(std::string_view a, std::string_view b);

} // namespace orbisk::skin
