#include "core/product/SkinTable.h"

#include "core/product/ResourceIds.h"
#include "core/text/TextForms.h"

#include <array>

namespace orbisk::skin {

namespace {

constexpr std::array<SkinPicture, 89> kPictures{{
    {1, "about_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {2, "about_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {3, "about_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {4, "back_disabled.bmp", PictureFormat::Bmp, 44, 45, 24},
    {5, "back_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {6, "back_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {7, "back_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {8, "close_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {9, "close_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {10, "close_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {11, "forward_disabled.bmp", PictureFormat::Bmp, 44, 45, 24},
    {12, "forward_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {13, "forward_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {14, "forward_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {15, "home_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {16, "home_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {17, "home_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {18, "mark_disabled.bmp", PictureFormat::Bmp, 44, 45, 24},
    {19, "mark_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {20, "mark_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {21, "mark_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {22, "print_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {23, "print_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {24, "print_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {25, "report_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {26, "report_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {27, "report_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {28, "save_disabled.bmp", PictureFormat::Bmp, 44, 45, 24},
    {29, "save_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {30, "save_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {31, "save_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {32, "setup_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {33, "setup_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {34, "setup_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {35, "trash_off.bmp", PictureFormat::Bmp, 44, 45, 24},
    {36, "trash_on.bmp", PictureFormat::Bmp, 44, 45, 24},
    {37, "trash_pressed.bmp", PictureFormat::Bmp, 44, 45, 24},
    {41, "tabs_back_off.bmp", PictureFormat::Bmp, 79, 26, 8},
    {42, "tabs_back_on.bmp", PictureFormat::Bmp, 79, 26, 8},
    {43, "tabs_front_off.bmp", PictureFormat::Bmp, 79, 27, 8},
    {44, "tabs_front_on.bmp", PictureFormat::Bmp, 79, 27, 8},
    {45, "border_bot.bmp", PictureFormat::Bmp, 2, 4, 8},
    {46, "border_left.bmp", PictureFormat::Bmp, 4, 2, 8},
    {47, "border_left_corners.bmp", PictureFormat::Bmp, 6, 4, 8},
    {48, "border_right.bmp", PictureFormat::Bmp, 4, 2, 8},
    {49, "border_right_corners.bmp", PictureFormat::Bmp, 6, 4, 8},
    {50, "border_top_center.bmp", PictureFormat::Bmp, 2, 28, 24},
    {51, "border_top_left.bmp", PictureFormat::Bmp, 48, 28, 24},
    {52, "border_top_right.bmp", PictureFormat::Bmp, 48, 28, 24},
    {53, "border_white_top_center.bmp", PictureFormat::Bmp, 1, 28, 24},
    {54, "border_white_top_left.bmp", PictureFormat::Bmp, 48, 28, 24},
    {55, "border_white_top_right.bmp", PictureFormat::Bmp, 48, 28, 24},
    {56, "prog_blue_close.bmp", PictureFormat::Bmp, 19, 19, 24},
    {57, "prog_blue_max.bmp", PictureFormat::Bmp, 19, 19, 24},
    {58, "prog_blue_min.bmp", PictureFormat::Bmp, 19, 19, 24},
    {59, "prog_blue_norm.bmp", PictureFormat::Bmp, 19, 19, 24},
    {60, "prog_blueoff_close.bmp", PictureFormat::Bmp, 19, 19, 24},
    {61, "prog_blueoff_max.bmp", PictureFormat::Bmp, 19, 19, 24},
    {62, "prog_blueoff_min.bmp", PictureFormat::Bmp, 19, 19, 24},
    {63, "prog_blueoff_norm.bmp", PictureFormat::Bmp, 19, 19, 24},
    {64, "prog_white_close.bmp", PictureFormat::Bmp, 19, 19, 24},
    {65, "prog_white_max.bmp", PictureFormat::Bmp, 19, 19, 24},
    {66, "prog_white_min.bmp", PictureFormat::Bmp, 19, 19, 24},
    {67, "prog_white_norm.bmp", PictureFormat::Bmp, 19, 19, 24},
    {68, "loadbutton_on.bmp", PictureFormat::Bmp, 35, 14, 8},
    {69, "loadbutton_off.bmp", PictureFormat::Bmp, 35, 14, 8},
    {70, "button_off.bmp", PictureFormat::Bmp, 80, 25, 8},
    {71, "button_on.bmp", PictureFormat::Bmp, 80, 25, 8},
    {72, "button_pressed.bmp", PictureFormat::Bmp, 80, 25, 8},
    {73, "bottombg1.bmp", PictureFormat::Bmp, 128, 25, 8},
    {74, "bottombg2.bmp", PictureFormat::Bmp, 120, 25, 8},
    {75, "bottombg3.bmp", PictureFormat::Bmp, 64, 25, 8},
    {76, "bottombg4.bmp", PictureFormat::Bmp, 200, 25, 8},
    {77, "columnhead1.bmp", PictureFormat::Bmp, 167, 24, 8},
    {78, "columnhead2.bmp", PictureFormat::Bmp, 233, 24, 8},
    {79, "progressbar.bmp", PictureFormat::Bmp, 11, 19, 8},
    {80, "statusgrabber.bmp", PictureFormat::Bmp, 8, 8, 8},
    {81, "bullet.bmp", PictureFormat::Bmp, 13, 11, 8},
    {82, "Handle.bmp", PictureFormat::Bmp, 6, 40, 8},
    {83, "pen.bmp", PictureFormat::Bmp, 117, 41, 24},
    {84, "bar.bmp", PictureFormat::Bmp, 401, 17, 8},
    {85, "QZicon.ico", PictureFormat::Ico, 16, 16, 0},
    {86, "pencil.ico", PictureFormat::Ico, 16, 16, 0},
    {87, "hand.ico", PictureFormat::Ico, 32, 32, 0},
    {88, "info_mark.gif", PictureFormat::Gif, 32, 27, 0},
    {89, "Logo.gif", PictureFormat::Gif, 204, 23, 0},
    {90, "instruction.gif", PictureFormat::Gif, 237, 85, 0},
    {91, "Border_bot_left.gif", PictureFormat::Gif, 6, 7, 0},
    {92, "Border_bot_right.gif", PictureFormat::Gif, 6, 7, 0},
}};

} // namespace

std::span<const SkinPicture> SkinPictures() {
    return kPictures;
}

const SkinPicture* FindSkinPicture(int id) {
    for (const SkinPicture& picture : kPictures) {
        if (picture.id == id) {
            return &picture;
        }
    }
    return nullptr;
}

const SkinPicture* FindSkinPicture(std::string_view name) {
    for (const SkinPicture& picture : kPictures) {
        if (SameFileName(picture.name, name)) {
            return &picture;
        }
    }
    return nullptr;
}

std::string TwinFileName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    const std::size_t stem = dot == std::string_view::npos ? name.size() : dot;
    return std::string(name.substr(0, stem)) + "@2x" + std::string(name.substr(stem));
}

SkinPicture Twin(const SkinPicture& picture) {
    SkinPicture twin = picture;
    twin.id = ids::SkinTwinId(picture.id);
    twin.width *= 2;
    twin.height *= 2;
    return twin;
}

bool SameFileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (text::LowerAscii(a[i]) != text::LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace orbisk::skin
