#pragma once

#include <string>
#include <string_view>

/// The home window's four toolbar slots and what pressing one does. The slots
/// change function with the tab: a section tab (1 to 3) has Home, Report,
/// Print and Close; the Help tab (4) has About, Trash, nothing, and Setup.
namespace orbisk::layout {

inline constexpr int kHelpTab = 4;
inline constexpr int kToolbarSlots = 4;

/// What a toolbar slot shows in a tab.
struct ToolbarFunction {
    bool visible = false;
    std::string caption; ///< e.g. "Home"
    std::string tooltip; ///< e.g. "Load Home page"
    /// The picture family: "home" gives "home_off.bmp", "home_on.bmp" and "home_pressed.bmp".
    std::string family;
    bool operator==(const ToolbarFunction&) const = default;
};

/// The function of toolbar @p slot (1 to 4) in tab @p tab (1 to 4); a slot
/// outside 1 to 4 has none (not visible).
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

} // namespace orbisk::layout
