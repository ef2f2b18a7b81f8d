#pragma once

#include "core/layout/Frame.h"
#include "core/layout/Geometry.h"

#include <array>
#include <string_view>

/// The practice window's layout, in twips (15 to a pixel at 96 dpi). From top
/// to bottom: the title bar (28 px), the toolbar strip `ScnTabBG` (51 px), the
/// question view `brwWebBrowser` with the question title strip `QnTitleBG`
/// over its top, and the status bar `RemQnsBG` (25 px); on the right the answer
/// sheet `AnsBox` (273 px wide) with the handle strip `PicHideAns` between it
/// and the question view. Rectangles are in the window's client coordinates
/// unless a field says otherwise.
namespace orbisk::layout {

/// The sizes the controls keep from design, in twips.
struct PracticeSizes {
    FramePieceSizes frame;
    double titleBarCentreWidth = 30000; ///< BTopCentre's fixed width; BTopRight lies over its right end
    double icon = 240;                  ///< ImgIco, 16 x 16 px
    double windowButton = 285;          ///< imgProgClose, imgProgMax, imgProgMin: 19 x 19 px
    double sizer = 120;                 ///< the grip `Sizer`, 8 x 8 px
    double stripHeight = 765;           ///< ScnTabBG
    double toolButtonWidth = 660, toolButtonHeight = 675, toolButtonTop = 65, toolButtonGap = 120;
    double paperSumWidth = 1755, paperSumHeight = 615, paperSumTop = 65;
    double rightCountWidth = 1500; ///< the right answers out of all ("22 / 30"), left of the score panel
    double sheetWidth = 4095;      ///< AnsBox
    double handleWidth = 100;      ///< PicHideAns
    double statusHeight = 375;     ///< RemQnsBG
    double questionTitleLeft = 120, questionTitleHeight = 375;
    double instructionLeft = 30, instructionWidth = 3975, instructionHeight = 1335;
    /// The page starts this far down the view, under the question's title strip over its top.
    double pageTopMargin = 480;
    /// A tool button's caption, in the button: on the band its pictures leave plain.
    Rect toolCaption{0, 420, 660, 255};
    /// The score and its "%" in the score panel, right of the pen the panel shows.
    Rect score{600, 0, 780, 615};
    Rect scorePercent{1395, 0, 300, 615};
};

/// The title bar, placed once when the window loads.
struct PracticeTitleBar {
    Rect topLeft;   ///< BTopLeft at (0, 0)
    Rect topCentre; ///< BTopCentre: right of BTopLeft, 30000 wide
    Rect title;     ///< Title: left 800 HIMETRIC, centred on BTopLeft's height; width 0 = its own
    Rect icon;      ///< ImgIco: left 240 HIMETRIC, centred on BTopLeft's height
};

PracticeTitleBar PlacePracticeTitleBar(double titleHeight, const PracticeSizes& sizes = {});

/// Everything one layout pass places.
struct PracticeLayout {
    FrameRects frame; ///< step 1 (BTopLeft and BTopCentre as PlacePracticeTitleBar put them)
    Rect sizer;       ///< step 2: 60 HIMETRIC in from the bottom-right corner
    Rect closeButton; ///< step 3, each centred on BTopRight's height
    Rect maxButton;
    Rect minButton;
    Rect toolStrip;                  ///< step 4: ScnTabBG
    std::array<Rect, 6> toolButtons; ///< step 5: ToolBar01..06, in the strip's coordinates
    Rect paperSum;                   ///< step 6: the score panel, in the strip's coordinates
    Rect rightCount;                 ///< the right answers out of all, just left of the score panel
    Rect answerSheet;                ///< step 7: AnsBox
    Rect sheetHandle;                ///< step 8: PicHideAns
    Rect questionView;               ///< step 9: brwWebBrowser
    Rect questionTitle;              ///< step 10: QnTitleBG
    Rect questionTitleText;          ///< QnTitle in QnTitleBG: 8 px narrower, 6 px lower than its strip
    Rect statusBar;                  ///< step 11: RemQnsBG
    Rect instruction;                ///< step 12: PicInstruction, in AnsBox's coordinates, on its bottom
    // Step 13, the window outline, is WindowOutline(W px, H px, OutlineKind::MainWindow).
};

/// The layout pass for a client area of @p width x @p height twips. With
/// @p sheetShown false the sheet and handle are placed as the handle's hide
/// puts them (ToggleAnswerSheet), so a resize keeps a hidden sheet hidden; the
/// window that wants the sheet laid out as shown on every resize passes true.
/// No size comes out negative: on an area too small (CanLayOutPractice false,
/// a minimised window) skip the pass.
PracticeLayout LayOutPractice(double width, double height, bool sheetShown = true,
                              const PracticeSizes& sizes = {});

/// True when the area holds the fixed pieces: the title bar, strip, status bar
/// and bottom border in height (108 px), the sheet, handle and side borders in width.
bool CanLayOutPractice(double width, double height, const PracticeSizes& sizes = {});

/// Where a practice window opens: 10 % of the screen in from its left and top,
/// 80 % of its width and height (in the screen's pixels).
PixelRect PlacePracticeWindow(const PixelRect& screen);

/// The status bar `RemQnsBG` (25 px high): its cells in the bar's coordinates,
/// each text in its cell's, in twips.
struct PracticeStatusLayout {
    Rect clockCell;        ///< Bot1 of a first attempt
    Rect dateCell;         ///< Bot2
    Rect attemptCell;      ///< Bot1 of a second attempt, as wide as Bot1 and Bot2 together
    Rect countCell;        ///< Bot3
    Rect remainingCell;    ///< TxtRem
    Rect markingPanel;     ///< fmeMark, right of the cells
    Rect clock;            ///< lblClock and LTime in Bot1
    Rect date;             ///< lblDate and ETime in Bot2
    Rect attempt;          ///< Label1 ("Second Attempt") in the second attempt's Bot1
    Rect answered;         ///< lblAnsweredQ in Bot3
    Rect slash;            ///< the "/" between the counts
    Rect total;            ///< lblTotalQ
    Rect remainingCaption; ///< TxtRemlbl in TxtRem
    Rect remainingList;    ///< RemQns in TxtRem
};

PracticeStatusLayout LayOutPracticeStatusBar();

/// Progress bar `imgBar` @p n (1..15) of a picture @p width x @p height in the
/// marking panel: the bars stand 11 px apart from 3 px in, 3 px down.
Rect PlaceProgressBar(int n, double width, double height);

/// What a click on the handle `ImgHandle` changes.
struct SheetToggle {
    bool shown = true;        ///< the sheet-shown flag afterwards
    double sheetLeft = 0;     ///< AnsBox.left (the client width when hidden: out of sight)
    double handleLeft = 0;    ///< PicHideAns.left
    double viewWidth = 0;     ///< brwWebBrowser.width
    double statusWidth = 0;   ///< RemQnsBG.width, the same
    std::string_view tooltip; ///< ImgHandle's tooltip afterwards
};

/// A click on the handle: a shown sheet hides (it moves past the right edge,
/// the handle against the right border, the question view widens), a hidden
/// one shows. @p shownNow is the sheet-shown flag, not what a resize laid out.
SheetToggle ToggleAnswerSheet(bool shownNow, double width, const PracticeSizes& sizes = {});

} // namespace orbisk::layout
