#pragma once

#include <string>

namespace orbisk::gui {

/// What the home window knows between its handlers and hands to the practice
/// windows: the chosen section, tab, topic and paper.
struct HomeState {
    int LChose = 0;          ///< the current section, 1 to 3
    std::string lblCOD;      ///< the product code, part of every results file name
    int TtPapersCon = 0;     ///< paper count of the current section
    int TopicCount = 1;      ///< first paper slot of the chosen topic: 1, 6, ..., 46
    std::string SubH1;       ///< the chosen topic's name, the practice window's caption
    int PaperNum = 0;        ///< the paper handed over, 101 to 150 (0 before the first)
    int TakeNum = 0;         ///< the attempt handed over: 1 first, 2 second (0 before the first)
    bool RefreshLog = false; ///< true while RefreshContents redraws the page
    int txtTabPos = 0;       ///< the current tab: 1 to 3 sections, 4 Help
    int txtToolBarPos = 1;   ///< the last toolbar slot pressed
    int txtReportPos = 1;    ///< the open report panel
};

} // namespace orbisk::gui
