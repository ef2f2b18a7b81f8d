#pragma once

#include <cmath>
#include <vector>

/// Lengths and rectangles of the window layouts. The windows are laid out in
/// twips (1/1440 inch; 15 twips are one logical pixel at 96 dpi) and a few
/// physical lengths in HIMETRIC (hundredths of a millimetre).
namespace orbisk::layout {

inline constexpr int kTwipsPerPixel = 15;

/// Twips to logical pixels, rounded to the nearest pixel.
inline int Px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

/// Pixels to twips.
inline constexpr int Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

/// HIMETRIC to twips: n hundredths of a millimetre are n * 1440 / 2540 twips.
inline double HimetricToTwips(double himetric) {
    return himetric * 1440.0 / 2540.0;
}

/// A rectangle in twips; positions may be fractional, as the layout rules give them.
struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

/// A rectangle in logical pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

/// The rectangle in pixels: edges rounded, so neighbours stay edge to edge.
inline PixelRect ToPixels(const Rect& r) {
    const int x = Px(r.left);
    const int y = Px(r.top);
    return {x, y, Px(r.right()) - x, Px(r.bottom()) - y};
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

} // namespace orbisk::layout
