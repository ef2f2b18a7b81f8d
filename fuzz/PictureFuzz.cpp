// The GIF and icon readers on any bytes: they read a picture whole or leave
// it, and what they read holds a pixel for every place of its size.
#include "FuzzSupport.h"
#include "core/formats/PictureDecoding.h"

namespace {

namespace pictures = orbisk::pictures;

void check(const std::optional<pictures::Pixels>& pixels) {
    if (pixels && (pixels->width <= 0 || pixels->height <= 0 ||
                   pixels->argb.size() !=
                       static_cast<std::size_t>(pixels->width) * static_cast<std::size_t>(pixels->height))) {
        orbisk::fuzzing::Broken("a picture was read with pixels that do not fill its size");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = orbisk::fuzzing::AsText(data, size);
    check(pictures::DecodeGif(bytes));
    check(pictures::DecodeIcon(bytes));
    return 0;
}
