#include "core/layout/HomeLayout.h"

namespace orbisk::layout {

namespace {

// The toolbar runs under the title bar. The tab strip and pages are placed in
// the coordinates of the content area, which starts under the toolbar with
// room above the strip for the tabs.
constexpr double kToolbarTop = Twips(28);
constexpr double kToolbarLeft = Twips(6);
constexpr double kToolbarButtonWidth = Twips(44);
constexpr double kToolbarButtonHeight = Twips(45);
constexpr double kContentLeft = 60;
constexpr double kContentTop = kToolbarTop + kToolbarButtonHeight + 375;
constexpr double kStripTop = 60;
constexpr double kStripLeft = 2;
constexpr double kStripHeight = 90;
constexpr double kTabWidth = Twips(79);
constexpr double kBackTabHeight = Twips(26);
constexpr double kFrontTabHeight = Twips(27);
constexpr double kLogoWidth = Twips(204);
constexpr double kLogoHeight = Twips(23);
constexpr double kWindowButton = Twips(19);
constexpr double kIcon = Twips(16);

} // namespace

HomeLayout LayOutHome(const std::array<bool, bank::kMaxSections>& sectionExists, int chosenTab,
                      double titleHeight) {
    const double w = kHomeWindow.width;
    const double h = kHomeWindow.height;
    HomeLayout l;
    l.frame = ArrangeFrame(w, h);
    const double barHeight = l.frame.topLeft.height;
    l.title = {450, (barHeight - titleHeight) / 2, w - 450 - 900, titleHeight};
    l.icon = {HimetricToTwips(240), (barHeight - kIcon) / 2, kIcon, kIcon};
    l.closeButton = {w - 60 - kWindowButton, (l.frame.topRight.height - kWindowButton) / 2, kWindowButton,
                     kWindowButton};
    l.minimiseButton = {l.closeButton.left - 30 - kWindowButton, l.closeButton.top, kWindowButton,
                        kWindowButton};

    for (std::size_t i = 0; i < l.toolbar.size(); ++i) {
        l.toolbar[i] = {kToolbarLeft + kToolbarButtonWidth * static_cast<double>(i), kToolbarTop,
                        kToolbarButtonWidth, kToolbarButtonHeight};
    }

    const double innerWidth = w - l.frame.left.width - l.frame.right.width;
    l.strip = {kContentLeft + kStripLeft, kContentTop + kStripTop, innerWidth - kStripLeft, kStripHeight};
    l.stripLineTop = l.strip.bottom() - 10;

    double x = kStripLeft;
    for (int n = 1; n <= bank::kMaxSections; ++n) {
        Rect& tab = l.tabs[static_cast<std::size_t>(n - 1)];
        const double height = n == chosenTab ? kFrontTabHeight : kBackTabHeight;
        const double top = l.strip.top - height + (n == chosenTab ? 0.5 : 2.5);
        if (sectionExists[static_cast<std::size_t>(n - 1)]) {
            tab = {kContentLeft + x, top, kTabWidth, height};
            l.tabVisible[static_cast<std::size_t>(n - 1)] = true;
            x += kTabWidth - 4;
        } else {
            tab = {-kTabWidth, top, kTabWidth, height}; // out of sight, left of the window
        }
    }
    constexpr auto help = static_cast<std::size_t>(home::kHelpTab - 1);
    const bool helpChosen = chosenTab == home::kHelpTab;
    const double helpHeight = helpChosen ? kFrontTabHeight : kBackTabHeight;
    l.tabs[help] = {kContentLeft + x, l.strip.top - helpHeight + (helpChosen ? 0.5 : 2.5), kTabWidth,
                    helpHeight};
    l.tabVisible[help] = true;

    l.logo = {w - l.frame.right.width - Twips(6) - kLogoWidth,
              kToolbarTop + (kToolbarButtonHeight - kLogoHeight) / 2, kLogoWidth, kLogoHeight};
    l.body = {l.strip.left, l.strip.bottom(), l.strip.width, h - l.frame.bottom.height - l.strip.bottom()};
    return l;
}

} // namespace orbisk::layout
