#pragma once

#include "core/product/BankNumbers.h"

#include <string>
#include <string_view>

/// The home window's tabs and its four toolbar slots, and what pressing one
/// does. Tabs 1 to bank::kMaxSections choose a section; the Help tab follows
/// them. The slots change function with the tab: a section tab has Home,
/// Report, Print and Close; the Help tab has About, Trash, nothing, and Setup.
namespace orbisk::home {

inline constexpr int kHelpTab = bank::kMaxSections + 1;
/// The tabs: the sections' and the Help tab.
inline constexpr int kTabCount = kHelpTab;
inline constexpr int kToolbarSlots = 4;

/// True for the tab of a section (1 to bank::kMaxSections), whether or not it exists.
constexpr bool IsSectionTab(int tab) {
    return tab >= 1 && tab <= bank::kMaxSections;
}

/// What a toolbar slot shows in a tab.
struct ToolbarFunction {
    bool visible = false;
    std::string caption; ///< e.g. "Home"
    std::string tooltip; ///< e.g. "Load Home page"
    /// The picture family: "home" gives "home_off.bmp", "home_on.bmp" and "home_pressed.bmp".
    std::string family;
    bool operator==(const ToolbarFunction&) const = default;
};

/// The function of toolbar @p slot (1 to kToolbarSlots) in tab @p tab (1 to
/// kHelpTab); a slot outside 1 to kToolbarSlots has none (not visible).
ToolbarFunction ToolbarFunctionOf(int tab, int slot);

/// The picture file of a family in a state: Picture("home", "_on") is "home_on.bmp".
std::string Picture(std::string_view family, std::string_view ending);

/// What the page switch does for the current tab and the last slot pressed.
enum class PageAction {
    None,         ///< any other combination
    LoadHome,     ///< reload the section's results and show its home page (topic 1)
    ShowReport,   ///< rebuild the report and show it
    PrintCard,    ///< print the results card; the page stays
    CloseProgram, ///< close the practice windows, then the program
    ShowAbout,    ///< show the About page
    ShowTrash,    ///< show the erase page in its first state
    PrinterSetup, ///< show the printer set-up; the page stays
};

/// The action of slot @p toolBarPos in tab @p tabPos: Home, Report, Print and
/// Close in a section tab, About, Trash and Setup in the Help tab.
PageAction ChoosePageAction(int tabPos, int toolBarPos);

} // namespace orbisk::home
