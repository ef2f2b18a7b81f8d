#pragma once

#include "core/layout/Frame.h"
#include "core/layout/Geometry.h"

#include <string>
#include <string_view>

/// The pop-up message box: a 265 x 150 px skinned box with a title, an
/// information icon, a message of up to two lines and one button ("OK") or
/// two ("Yes", "No"). Lengths are in twips unless a name says otherwise.
namespace orbisk::layout {

/// The box's client area, never resized.
inline constexpr double kPopUpWidth = Twips(265);
inline constexpr double kPopUpHeight = Twips(150);

/// The frame pieces of the box: its bottom corners are the 6 x 7 px pictures.
FramePieceSizes PopUpFrameSizes();

/// Where the box's controls stand when it loads.
struct PopUpLayout {
    FrameRects frame;
    Rect title;   ///< lblTitle: left 240, centred on the title bar's right end
    Rect info;    ///< ImgInfo: under the title bar by 240, at the title's left
    Rect message; ///< lblMessage: 150 right of the icon, level with its top
    Rect button1; ///< But1: 240 above the bottom edge, at 32 px until PlacePopUpButtons moves it
    Rect button2; ///< But2: on But1's row, at 128 px
};

/// Lays out the box for a title text @p titleHeight twips high.
PopUpLayout LayOutPopUp(double titleHeight);

/// The button row for a box with @p buttons buttons.
struct PopUpButtons {
    bool valid = false; ///< false for a count other than 1 or 2: nothing changes
    bool secondVisible = false;
    double firstLeft = 0;
    double secondLeft = 0;
    std::string firstCaption;  ///< "OK" or "Yes"
    std::string secondCaption; ///< "No", or empty with one button
    bool operator==(const PopUpButtons&) const = default;
};

/// One button: "OK" centred on the box. Two: "Yes" under the message's left
/// edge, "No" 10 px right of it.
PopUpButtons PlacePopUpButtons(int buttons, const PopUpLayout& layout);

/// The message's top: level with the icon's top when the message is longer
/// than 32 characters (two lines), else 7 px lower, so one line stands level
/// with the middle of the icon. Characters are counted in @p utf8 as code points.
double PopUpMessageTop(std::string_view utf8, const PopUpLayout& layout);

/// Where the message stands: at PopUpMessageTop, as wide as the message label,
/// and reaching down to 4 px above the buttons. A message that wraps to more
/// than two lines is shown whole instead of being cut off after the second
/// (the box's longest question needs three).
Rect PopUpMessageArea(std::string_view utf8, const PopUpLayout& layout);

/// The top-left corner, in pixels, that centres a box of @p width x @p height
/// pixels on @p owner. The box is not kept inside the screen.
Point CentreOn(const PixelRect& owner, int width, int height);

} // namespace orbisk::layout
