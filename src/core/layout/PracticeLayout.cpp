#include "core/layout/PracticeLayout.h"

#include "core/practice/PracticeTexts.h"

#include <algorithm>

namespace orbisk::layout {

namespace {

double atLeastZero(double length) {
    return std::max(0.0, length);
}

} // namespace

PracticeTitleBar PlacePracticeTitleBar(double titleHeight, const PracticeSizes& s) {
    PracticeTitleBar bar;
    bar.topLeft = {0, 0, s.frame.topLeftWidth, s.frame.topLeftHeight};
    bar.topCentre = {bar.topLeft.right(), 0, s.titleBarCentreWidth, s.frame.topLeftHeight};
    bar.title = {HimetricToTwips(800), (bar.topLeft.height - titleHeight) / 2, 0, titleHeight};
    bar.icon = {HimetricToTwips(240), (bar.topLeft.height - s.icon) / 2, s.icon, s.icon};
    return bar;
}

SheetToggle ToggleAnswerSheet(bool shownNow, double w, const PracticeSizes& s) {
    SheetToggle t;
    t.shown = !shownNow;
    if (t.shown) {
        t.sheetLeft = w - s.sheetWidth - s.frame.rightWidth;
        t.handleLeft = t.sheetLeft - s.handleWidth;
        t.viewWidth = w - s.sheetWidth - s.handleWidth - s.frame.leftWidth - s.frame.rightWidth;
        t.tooltip = practice::texts::kHideSheetTooltip;
    } else {
        t.sheetLeft = w;
        t.handleLeft = t.sheetLeft - s.handleWidth - s.frame.rightWidth;
        t.viewWidth = w - s.handleWidth - s.frame.leftWidth - s.frame.rightWidth;
        t.tooltip = practice::texts::kShowSheetTooltip;
    }
    t.viewWidth = atLeastZero(t.viewWidth);
    t.statusWidth = t.viewWidth;
    return t;
}

bool CanLayOutPractice(double w, double h, const PracticeSizes& s) {
    const double fixedHeight = s.frame.topLeftHeight + s.stripHeight + s.statusHeight + s.frame.bottomHeight;
    const double fixedWidth = s.sheetWidth + s.handleWidth + s.frame.leftWidth + s.frame.rightWidth;
    return h >= fixedHeight && w >= fixedWidth;
}

PixelRect PlacePracticeWindow(const PixelRect& screen) {
    return {screen.x + screen.width / 10, screen.y + screen.height / 10, screen.width * 8 / 10,
            screen.height * 8 / 10};
}

PracticeStatusLayout LayOutPracticeStatusBar() {
    // Each cell is 25 px high; its text 16 px high from 5 px down.
    const auto cell = [](int left, int width) {
        return Rect{double(Twips(left)), 0, double(Twips(width)), double(Twips(25))};
    };
    const auto text = [](int left, int width) {
        return Rect{double(Twips(left)), double(Twips(5)), double(Twips(width)), double(Twips(16))};
    };
    PracticeStatusLayout l;
    l.clockCell = cell(0, 64);
    l.dateCell = cell(64, 64);
    l.attemptCell = cell(0, 128);
    l.countCell = cell(128, 64);
    l.remainingCell = cell(192, 120);
    l.markingPanel = cell(312, 200);
    l.clock = text(8, 54);
    l.date = text(4, 58);
    l.attempt = text(8, 112);
    l.answered = text(2, 25);
    l.slash = text(28, 7);
    l.total = text(36, 26);
    l.remainingCaption = text(4, 52);
    l.remainingList = {double(Twips(56)), double(Twips(3)), double(Twips(60)), double(Twips(19))};
    return l;
}

Rect PlaceProgressBar(int n, double width, double height) {
    return {double(Twips(3 + (n - 1) * 11)), double(Twips(3)), width, height};
}

PracticeLayout LayOutPractice(double w, double h, bool sheetShown, const PracticeSizes& s) {
    PracticeLayout l;
    // 1. The frame; BTopCentre keeps its fixed width under BTopRight.
    l.frame = ArrangeFrame(w, h, s.frame, s.titleBarCentreWidth);
    // 2. The grip, 60 HIMETRIC in from the corner.
    l.sizer = {w - s.sizer - HimetricToTwips(60), h - s.sizer - HimetricToTwips(60), s.sizer, s.sizer};
    // 3. The window buttons from the right, centred on the title bar's right end.
    const double buttonTop = (l.frame.topRight.height - s.windowButton) / 2;
    l.closeButton = {w - s.windowButton - HimetricToTwips(120), buttonTop, s.windowButton, s.windowButton};
    l.maxButton = {l.closeButton.left - s.windowButton - HimetricToTwips(60), buttonTop, s.windowButton,
                   s.windowButton};
    l.minButton = {l.maxButton.left - s.windowButton - HimetricToTwips(60), buttonTop, s.windowButton,
                   s.windowButton};
    // 4. The toolbar strip between the side borders, under the title bar.
    l.toolStrip = {s.frame.leftWidth, l.frame.topLeft.bottom(),
                   atLeastZero(w - s.frame.rightWidth - s.frame.leftWidth), s.stripHeight};
    // 5. Save, Mark, Print, Close from the left; Back and Next at the right end.
    double x = s.toolButtonGap;
    for (std::size_t n = 0; n < 4; ++n) {
        l.toolButtons[n] = {x, s.toolButtonTop, s.toolButtonWidth, s.toolButtonHeight};
        x += s.toolButtonWidth + s.toolButtonGap;
    }
    l.toolButtons[5] = {l.toolStrip.width - s.toolButtonWidth - s.toolButtonGap, s.toolButtonTop,
                        s.toolButtonWidth, s.toolButtonHeight};
    l.toolButtons[4] = {l.toolButtons[5].left - s.toolButtonWidth - s.toolButtonGap, s.toolButtonTop,
                        s.toolButtonWidth, s.toolButtonHeight};
    // 6. The score panel: the window's width less the sheet's, in the strip's twips.
    l.paperSum = {w - s.sheetWidth, s.paperSumTop, s.paperSumWidth, s.paperSumHeight};
    // The count of right answers just left of it, never over Close: a window
    // too narrow for it narrows it.
    const double countLeft = std::min(l.paperSum.left, std::max(l.paperSum.left - s.rightCountWidth,
                                                                l.toolButtons[3].right() + s.toolButtonGap));
    l.rightCount = {countLeft, s.paperSumTop, atLeastZero(l.paperSum.left - countLeft), s.paperSumHeight};
    // 7, 8. The sheet and its handle, from under the strip down to the bottom border.
    const double bodyTop = l.toolStrip.bottom();
    const double bodyHeight = atLeastZero(h - bodyTop - s.frame.bottomHeight);
    const SheetToggle sheet = ToggleAnswerSheet(!sheetShown, w, s);
    l.answerSheet = {sheet.sheetLeft, bodyTop, s.sheetWidth, bodyHeight};
    l.sheetHandle = {sheet.handleLeft, bodyTop, s.handleWidth, bodyHeight};
    // 9. The question view fills the rest above the status bar.
    l.questionView = {s.frame.leftWidth, bodyTop, sheet.viewWidth, atLeastZero(bodyHeight - s.statusHeight)};
    // 10. The question title strip over the view's top, 8 px from the left.
    l.questionTitle = {s.questionTitleLeft, l.questionView.top + HimetricToTwips(120),
                       atLeastZero(l.questionView.width - HimetricToTwips(640)), s.questionTitleHeight};
    l.questionTitleText = {0, 0, atLeastZero(l.questionTitle.width - Twips(8)),
                           s.questionTitleHeight - Twips(6)};
    // 11. The status bar under the view, as wide.
    l.statusBar = {s.frame.leftWidth, l.questionView.bottom(), l.questionView.width, s.statusHeight};
    // 12. The instruction picture on the bottom of the sheet.
    l.instruction = {s.instructionLeft, l.answerSheet.height - s.instructionHeight, s.instructionWidth,
                     s.instructionHeight};
    return l;
}

} // namespace orbisk::layout
