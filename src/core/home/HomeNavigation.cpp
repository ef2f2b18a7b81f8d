#include "core/home/HomeNavigation.h"

namespace orbisk::home {

std::string Picture(std::string_view family, std::string_view ending) {
    std::string name(family);
    name += ending;
    name += ".bmp";
    return name;
}

ToolbarFunction ToolbarFunctionOf(int tab, int slot) {
    // The tooltip is the caption with a fixed piece before or after it.
    auto make = [](std::string_view before, std::string caption, std::string_view after, std::string family) {
        std::string tooltip = std::string(before) + caption + std::string(after);
        return ToolbarFunction{true, std::move(caption), std::move(tooltip), std::move(family)};
    };
    if (IsSectionTab(tab)) {
        switch (slot) {
        case 1:
            return make("Load ", "Home", " page", "home");
        case 2:
            return make("Load ", "Report", " card", "report");
        case 3:
            return make("", "Print", " results", "print");
        case 4:
            return make("", "Close", " program", "close");
        default:
            return {};
        }
    }
    if (tab == kHelpTab) {
        switch (slot) {
        case 1:
            return make("", "About", " Orbisk", "about");
        case 2:
            return make("", "Trash", " past results", "trash");
        case 4:
            return make("Printer ", "Setup", "", "setup");
        default:
            return {};
        }
    }
    return {};
}

PageAction ChoosePageAction(int tabPos, int toolBarPos) {
    if (IsSectionTab(tabPos)) {
        switch (toolBarPos) {
        case 1:
            return PageAction::LoadHome;
        case 2:
            return PageAction::ShowReport;
        case 3:
            return PageAction::PrintCard;
        case 4:
            return PageAction::CloseProgram;
        default:
            return PageAction::None;
        }
    }
    if (tabPos == kHelpTab) {
        switch (toolBarPos) {
        case 1:
            return PageAction::ShowAbout;
        case 2:
            return PageAction::ShowTrash;
        case 4:
            return PageAction::PrinterSetup;
        default:
            return PageAction::None;
        }
    }
    return PageAction::None;
}

} // namespace orbisk::home
