#pragma once

namespace orbisk::layout {

/// A colour as the layout rules give it: red, green and blue, 0 to 255.
struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

} // namespace orbisk::layout
