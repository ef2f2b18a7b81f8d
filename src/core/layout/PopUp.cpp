#include "core/layout/PopUp.h"

namespace orbisk::layout {

namespace {

constexpr double kInfoWidth = Twips(32);
constexpr double kInfoHeight = 405;
constexpr double kMessageWidth = 2880;
constexpr double kMessageHeight = 420;
constexpr double kButtonWidth = 1200;
constexpr double kButtonHeight = 375;
constexpr double kButtonGap = Twips(10);
constexpr double kOneLineDrop = Twips(7);
constexpr double kMessageGap = Twips(4);
constexpr std::size_t kOneLineCharacters = 32;

std::size_t codePoints(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        // Continuation bytes (10xxxxxx) do not start a character.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

} // namespace

FramePieceSizes PopUpFrameSizes() {
    FramePieceSizes sizes;
    sizes.bottomLeftHeight = Twips(7);
    sizes.bottomRightHeight = Twips(7);
    return sizes;
}

PopUpLayout LayOutPopUp(double titleHeight) {
    PopUpLayout l;
    l.frame = ArrangeFrame(kPopUpWidth, kPopUpHeight, PopUpFrameSizes());
    const Rect& barEnd = l.frame.topRight;
    l.title = {240, (barEnd.height - titleHeight) / 2, kPopUpWidth - 240 - Twips(8), titleHeight};
    l.info = {l.title.left, barEnd.top + barEnd.height + 240, kInfoWidth, kInfoHeight};
    l.message = {l.info.left + l.info.width + 150, l.info.top, kMessageWidth, kMessageHeight};
    const double buttonTop = kPopUpHeight - kButtonHeight - 240;
    // Where the buttons stand before a box is filled (a count other than 1 or 2 leaves them there).
    l.button1 = {480, buttonTop, kButtonWidth, kButtonHeight};
    l.button2 = {1920, buttonTop, kButtonWidth, kButtonHeight};
    return l;
}

PopUpButtons PlacePopUpButtons(int buttons, const PopUpLayout& layout) {
    PopUpButtons row;
    if (buttons == 1) {
        row.valid = true;
        row.firstLeft = (kPopUpWidth - layout.button1.width) / 2;
        row.firstCaption = "OK";
    } else if (buttons == 2) {
        row.valid = true;
        row.secondVisible = true;
        row.firstLeft = layout.message.left;
        row.secondLeft = row.firstLeft + layout.button1.width + kButtonGap;
        row.firstCaption = "Yes";
        row.secondCaption = "No";
    }
    return row;
}

double PopUpMessageTop(std::string_view utf8, const PopUpLayout& layout) {
    return codePoints(utf8) > kOneLineCharacters ? layout.info.top : layout.info.top + kOneLineDrop;
}

Rect PopUpMessageArea(std::string_view utf8, const PopUpLayout& layout) {
    Rect area = layout.message;
    area.top = PopUpMessageTop(utf8, layout);
    area.height = layout.button1.top - kMessageGap - area.top;
    return area;
}

Point CentreOn(const PixelRect& owner, int width, int height) {
    return {owner.x + (owner.width - width) / 2, owner.y + (owner.height - height) / 2};
}

} // namespace orbisk::layout
