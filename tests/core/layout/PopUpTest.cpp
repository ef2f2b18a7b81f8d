#include "core/layout/PopUp.h"

#include <gtest/gtest.h>

namespace orbisk::layout {
namespace {

struct ButtonsCase {
    const char* name;
    int buttons;
    PopUpButtons expected;
};

class PopUpButtonRow : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(PopUpButtonRow, StandsWhereItsCountSays) {
    EXPECT_EQ(PlacePopUpButtons(GetParam().buttons, LayOutPopUp(270)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PopUp, PopUpButtonRow,
                         ::testing::Values(ButtonsCase{"no_buttons_changes_nothing", 0, {}},
                                           ButtonsCase{"three_changes_nothing", 3, {}},
                                           ButtonsCase{"negative_changes_nothing", -1, {}}),
                         [](const auto& test) { return std::string(test.param.name); });

struct MessageCase {
    const char* name;
    const char* message;
    int topPixels;
};

class MessageTop : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageTop, DependsOnTheLengthInCharacters) {
    const PopUpLayout layout = LayOutPopUp(270);
    EXPECT_EQ(Px(PopUpMessageTop(GetParam().message, layout)), GetParam().topPixels);
    // The message reaches down to just above the buttons, whatever its top.
    const PixelRect area = ToPixels(PopUpMessageArea(GetParam().message, layout));
    EXPECT_EQ(area, (PixelRect{58, GetParam().topPixels, 192, 105 - GetParam().topPixels}));
}

INSTANTIATE_TEST_SUITE_P(
    PopUp, MessageTop,
    ::testing::Values(MessageCase{"confirm", "Confirm?", 51},
                      MessageCase{"thirty_two", "12345678901234567890123456789012", 51},
                      MessageCase{"thirty_three", "123456789012345678901234567890123", 44},
                      MessageCase{"empty", "", 51},
                      // 32 characters, 64 bytes: counted as characters, not bytes.
                      MessageCase{"accented_thirty_two",
                                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
                                  51},
                      MessageCase{"marking_question", "Do you want to mark your practice now?", 44}),
    [](const auto& test) { return std::string(test.param.name); });

struct CentreCase {
    const char* name;
    PixelRect owner;
    Point expected;
};

class Centred : public ::testing::TestWithParam<CentreCase> {};

TEST_P(Centred, OnItsOwnerEvenOffTheScreen) {
    EXPECT_EQ(CentreOn(GetParam().owner, 265, 150), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PopUp, Centred,
    ::testing::Values(CentreCase{"home_window", {4, 4, 405, 492}, {74, 175}},
                      CentreCase{"owner_smaller_than_the_box", {0, 0, 100, 50}, {-82, -50}},
                      CentreCase{"owner_partly_off_screen", {-300, 900, 800, 600}, {-33, 1125}}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace orbisk::layout
