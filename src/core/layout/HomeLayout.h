#pragma once

#include "core/home/HomeNavigation.h"
#include "core/layout/Frame.h"
#include "core/layout/Geometry.h"
#include "core/product/BankNumbers.h"

#include <array>

namespace orbisk::layout {

/// The home window's fixed size and place on the screen, in twips.
inline constexpr Rect kHomeWindow{60, 60, 6070, 7380};

/// Where the home window's controls go, in twips of the client area.
struct HomeLayout {
    FrameRects frame;
    Rect icon;
    Rect title; ///< left and top of the title text; height as given
    Rect closeButton;
    Rect minimiseButton;
    std::array<Rect, home::kToolbarSlots> toolbar; ///< ToolBar01 to ToolBar04, in a row under the title bar
    Rect strip;                                    ///< the tab strip under the tabs
    double stripLineTop = 0;                ///< the black line across the strip, 10 twips above its bottom
    std::array<Rect, home::kTabCount> tabs; ///< the sections' tabs, then the Help tab
    std::array<bool, home::kTabCount> tabVisible{};
    Rect logo; ///< at the right of the toolbar row
    Rect body; ///< where the pages go: directly below the strip
};

/// Lays out the home window for the sections that exist (index 0 for section
/// 1) with @p chosenTab (1 to home::kHelpTab) in front. The toolbar runs
/// under the title bar with the logo at its right; the tabs stand on the strip
/// below it. A missing section's tab moves out of sight; the Help tab follows
/// the last section's tab; tabs overlap their neighbour by 4 twips.
HomeLayout LayOutHome(const std::array<bool, bank::kMaxSections>& sectionExists, int chosenTab,
                      double titleHeight);

} // namespace orbisk::layout
