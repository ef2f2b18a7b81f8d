// The practice window's layout on the screen: the pass on every resize, the
// answer sheet's handle, the corner grip, maximise and restore, the sheet's
// sentence box and instruction picture, and which title bar looks active.
#include "PracticeFixture.h"
#include "core/layout/AnswerFrames.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/popup/PopUpBox.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerFrame.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QuestionView.h"
#include "gui/practice/SizeGrip.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using practice::ToolbarButton;

class PracticeLayout : public PracticeFixture {};

TEST_F(PracticeLayout, TheHandleHidesAndShowsTheSheetAndAResizeKeepsItAsItIs) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->resize(1024, 768);
    QTest::mouseClick(window->sheetHandle(), Qt::LeftButton);
    EXPECT_FALSE(window->sheetShown());
    EXPECT_FALSE(window->sheet()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->x(), 1024);
    EXPECT_EQ(window->sheetHandle()->toolTip(), QStringLiteral("Show answer sheet"));
    EXPECT_EQ(window->sheetHandle()->accessibleName(), QStringLiteral("Show answer sheet"));
    EXPECT_EQ(window->sheetHandleStrip()->geometry().right() + 1, 1024 - 4) << "against the right border";
    EXPECT_EQ(window->view()->width(), window->statusBar()->width());
    EXPECT_GT(window->view()->width(), 1000);

    window->resize(900, 700);
    EXPECT_FALSE(window->sheetShown());
    EXPECT_FALSE(window->sheet()->isVisibleTo(window)) << "the tooltip and the sheet agree after a resize";
    EXPECT_EQ(window->sheetHandle()->toolTip(), QStringLiteral("Show answer sheet"));

    QTest::mouseClick(window->sheetHandle(), Qt::LeftButton);
    EXPECT_TRUE(window->sheet()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->geometry().right() + 1, 900 - 4);
    EXPECT_EQ(window->sheetHandle()->toolTip(), QStringLiteral("Hide answer sheet"));
    EXPECT_EQ(window->sheetHandle()->accessibleName(), QStringLiteral("Hide answer sheet"));
}

/// Sends the grip a press, a drag to @p to (window pixels) a pixel at a time, and a release.
void dragGrip(PracticeWindow& window, Qt::MouseButton button, QPoint from, QPoint to) {
    SizeGrip* grip = window.sizer();
    const QPoint globalFrom = window.mapToGlobal(from);
    QMouseEvent press(QEvent::MouseButtonPress, grip->mapFromGlobal(globalFrom), globalFrom, button, button,
                      {});
    QApplication::sendEvent(grip, &press);
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int step = 1; step <= steps; ++step) {
        const QPoint at = window.mapToGlobal(from + (to - from) * step / steps);
        QMouseEvent move(QEvent::MouseMove, grip->mapFromGlobal(at), at, Qt::NoButton, button, {});
        QApplication::sendEvent(grip, &move);
    }
    const QPoint globalTo = window.mapToGlobal(to);
    QMouseEvent release(QEvent::MouseButtonRelease, grip->mapFromGlobal(globalTo), globalTo, button,
                        Qt::NoButton, {});
    QApplication::sendEvent(grip, &release);
}

struct GripRow {
    const char* name;
    Qt::MouseButton button;
    QPoint fromCorner; ///< the press, from the window's bottom-right corner
    QPoint to;         ///< where the drag ends, in the window
    QSize size;        ///< the window's size afterwards (from 800 x 600)
};

class CornerGrip : public PracticeFixture, public ::testing::WithParamInterface<GripRow> {};

TEST_P(CornerGrip, ResizesOnlyFromTheCornerAndNeverBelowTheLeastSize) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->resize(800, 600);
    const GripRow row = GetParam();
    dragGrip(*window, row.button, QPoint(800, 600) - row.fromCorner, row.to);
    EXPECT_EQ(window->size(), row.size);
    EXPECT_EQ(window->mask().boundingRect().size(), window->size());
    EXPECT_EQ(window->sizer()->geometry().bottomRight() + QPoint(1, 1),
              QPoint(window->width() - 2, window->height() - 2));
}

INSTANTIATE_TEST_SUITE_P(
    PracticeWindow, CornerGrip,
    ::testing::Values(
        // The grip's lower-right part lies within 6 px of both edges: the corner follows the mouse.
        GripRow{"corner_follows", Qt::LeftButton, QPoint(3, 3), QPoint(700, 500), QSize(700, 500)},
        // Dragged far up and left it stops just above 7300 x 5000 twips (487 x 334 px).
        GripRow{"stops_above_the_least_size", Qt::LeftButton, QPoint(3, 3), QPoint(100, 50), QSize(487, 334)},
        GripRow{"right_button_does_nothing", Qt::RightButton, QPoint(3, 3), QPoint(700, 500),
                QSize(800, 600)},
        // The grip's upper-left part lies outside the zones: no resize, whatever the drag.
        GripRow{"upper_left_of_the_grip", Qt::LeftButton, QPoint(9, 9), QPoint(700, 500), QSize(800, 600)}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeLayout, TheCursorShowsTheSizingShapeNearAnEdgeOfTheWindowsOwnSurface) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->resize(800, 600);
    auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, window->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(window, &move);
        return window->cursor().shape();
    };
    EXPECT_EQ(moveTo(QPoint(798, 300)), Qt::SizeHorCursor);
    EXPECT_EQ(moveTo(QPoint(400, 598)), Qt::SizeVerCursor);
    EXPECT_EQ(moveTo(QPoint(798, 598)), Qt::SizeFDiagCursor);
    EXPECT_EQ(moveTo(QPoint(2, 598)), Qt::SizeBDiagCursor);
    EXPECT_EQ(moveTo(QPoint(400, 300)), Qt::ArrowCursor);
}

TEST_F(PracticeLayout, MaximiseAndRestoreLayTheWindowOutAgainWithItsOutline) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->resize(700, 500);
    // Its tooltip is always "Restore"; a screen reader hears what it does, and
    // nothing that says otherwise.
    EXPECT_EQ(window->frame().maximiseButton()->accessibleName(), QStringLiteral("Maximize"));
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(window->frame().maximiseButton())
                     ->text(QAccessible::Description)
                     .contains(QStringLiteral("Restore")));
    QTest::mouseClick(window->frame().maximiseButton(), Qt::LeftButton);
    EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] { return window->isMaximized(); }));
    EXPECT_EQ(window->frame().maximiseButton()->accessibleName(), QStringLiteral("Restore"));
    EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] { return window->width() > 700; }));
    EXPECT_EQ(window->mask().boundingRect().size(), window->size());
    EXPECT_EQ(window->sheet()->geometry().right() + 1, window->width() - 4);
    QTest::mouseClick(window->frame().maximiseButton(), Qt::LeftButton);
    EXPECT_TRUE(orbisk::testing::EventuallyTrue([&] { return window->size() == QSize(700, 500); }));
    EXPECT_EQ(window->mask().boundingRect().size(), QSize(700, 500));
    EXPECT_EQ(window->sheet()->geometry().right() + 1, 700 - 4);
}

TEST_F(PracticeLayout, AWindowManagerMakesTheWindowNoSmallerThanItsGripCan) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->resize(100, 100); // as a window manager's own resize may ask
    EXPECT_GE(layout::Twips(window->width()), layout::kMinResizeWidth - 15);
    EXPECT_GE(layout::Twips(window->height()), layout::kMinResizeHeight - 15);
}

TEST_F(PracticeLayout, AMinimisedWindowThatStaysOnTheScreenIsStillLaidOut) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->frame().minimiseButton(), Qt::LeftButton);
    ASSERT_TRUE(orbisk::testing::EventuallyTrue([&] { return window->isMinimized(); }));
    // With no window manager to take it off the screen (as here), the learner
    // goes on using it, and resizes it by its grip.
    ASSERT_TRUE(window->windowHandle()->isExposed());
    window->resize(900, 700);
    EXPECT_EQ(window->sheet()->geometry().right() + 1, 900 - 4);
}

TEST_F(PracticeLayout, MinimisedAndRestoredEveryPieceKeepsItsPlaceAndSize) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->resize(900, 700);
    const auto pieces = [window] {
        std::vector<QRect> rects{window->mask().boundingRect()};
        for (const QWidget* piece : window->findChildren<QWidget*>()) {
            rects.push_back(piece->geometry());
        }
        return rects;
    };
    const std::vector<QRect> before = pieces();
    QTest::mouseClick(window->frame().minimiseButton(), Qt::LeftButton);
    ASSERT_TRUE(orbisk::testing::EventuallyTrue([&] { return window->isMinimized(); }));
    window->setMinimumSize(0, 0); // as a window system may size an iconified window,
    window->resize(1, 1);         // whatever the window's least size
    EXPECT_EQ(pieces(), before) << "a minimised window keeps its layout; nothing shrinks to nothing";
    window->showNormal();
    window->resize(900, 700);
    ASSERT_TRUE(orbisk::testing::EventuallyTrue([&] { return !window->isMinimized(); }));
    EXPECT_EQ(window->size(), QSize(900, 700));
    EXPECT_EQ(pieces(), before) << "laid out as before, at once";
}

TEST_F(PracticeLayout, ASentenceEnlargesTheFirstFrameAndAChoiceShrinksItAgain) {
    PracticeWindow* window = OpenPaper(102, 1, 3); // numbers, spacing, F, X, then a sentence
    ASSERT_NE(window, nullptr);
    // The frames at the height the answers' text needs (layout::AnswerFrameGrowth).
    const double grow = window->sheet()->frameGrowth();
    const auto line = layout::LayOutAnswerFrame(false, layout::kAnswerFrameWidth, grow);
    const auto sentence = layout::LayOutAnswerFrame(true, layout::kAnswerFrameWidth, grow);
    const int lineFrame = layout::ToPixels(layout::StackAnswerFrames(1, false, grow)[0]).height;
    const int sentenceFrame = layout::ToPixels(layout::StackAnswerFrames(1, true, grow)[0]).height;
    EXPECT_EQ(window->sheet()->frame(1)->height(), lineFrame);
    EXPECT_FALSE(window->sheet()->instruction()->isVisibleTo(window));
    window->ChooseQuestion(3); // kind F
    EXPECT_TRUE(window->sheet()->instruction()->isVisibleTo(window));
    EXPECT_EQ(window->sheet()->instruction()->geometry().bottom() + 1, window->sheet()->height());
    window->ChooseQuestion(5); // kind L
    EXPECT_FALSE(window->sheet()->instruction()->isVisibleTo(window));
    AnswerFrame* frame = window->sheet()->frame(1);
    EXPECT_EQ(frame->height(), sentenceFrame);
    EXPECT_EQ(frame->answerBox()->height(), layout::ToPixels(sentence.answerBox).height);
    EXPECT_GT(frame->answerBox()->height(), 3 * QFontMetrics(frame->answerBox()->font()).lineSpacing());
    EXPECT_EQ(frame->answerBox()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    window->ChooseQuestion(1);
    EXPECT_EQ(frame->height(), lineFrame);
    EXPECT_EQ(frame->answerBox()->height(), layout::ToPixels(line.answerBox).height);
    EXPECT_EQ(frame->answerBox()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(PracticeLayout, TheTitleBarLooksInactiveWhileAnotherOfTheProgramsWindowsIsActive) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(window->frame().active());
    m_home->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_home.get()));
    EXPECT_FALSE(window->frame().active());
    // While inactive, the title-bar buttons keep their inactive pictures under the cursor.
    const QPixmap inactive = window->frame().closeButton()->shownPicture();
    m_cursor = window->frame().closeButton()->mapToGlobal(QPoint(5, 5));
    window->Tick();
    EXPECT_EQ(window->frame().closeButton()->shownPicture().cacheKey(), inactive.cacheKey());
}

// ---- which title bar looks active, however the learner comes back

enum class Comeback { Home, Practice, PopUpBox };

struct ActivationCase {
    const char* name;
    bool fromPractice;    ///< the practice window was active before (else the home window)
    bool viaOtherProgram; ///< another program was active in between
    Comeback comesBackTo;
};

class Activation : public PracticeFixture, public ::testing::WithParamInterface<ActivationCase> {};

TEST_P(Activation, OnlyTheActiveWindowOfTheProgramShowsTheActiveTitleBar) {
    const ActivationCase& c = GetParam();
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    PopUpBox box(
        *m_pictures, [this] { return m_cursor; }, window);
    box.CallPop(QStringLiteral("Orbisk"), QStringLiteral("Paper saved"), 1, window);
    QApplication::setActiveWindow(c.fromPractice ? static_cast<QWidget*>(window) : m_home.get());
    if (c.viaOtherProgram) {
        QApplication::setActiveWindow(nullptr);
    }
    QWidget* back = c.comesBackTo == Comeback::Home       ? static_cast<QWidget*>(m_home.get())
                    : c.comesBackTo == Comeback::Practice ? static_cast<QWidget*>(window)
                                                          : &box;
    if (back == &box) {
        box.show();
    }
    QApplication::setActiveWindow(back);
    ASSERT_EQ(QApplication::activeWindow(), back);
    EXPECT_EQ(m_home->frame().active(), back == m_home.get());
    EXPECT_EQ(window->frame().active(), back == window);
    EXPECT_EQ(window->frame().title()->palette().color(QPalette::WindowText),
              back == window ? QColor(Qt::white) : QColor(128, 128, 128));
}

INSTANTIATE_TEST_SUITE_P(
    PracticeLayout, Activation,
    ::testing::Values(ActivationCase{"practice_to_home", true, false, Comeback::Home},
                      ActivationCase{"home_to_practice", false, false, Comeback::Practice},
                      ActivationCase{"practice_other_program_home", true, true, Comeback::Home},
                      ActivationCase{"home_other_program_practice", false, true, Comeback::Practice},
                      ActivationCase{"practice_other_program_pop_up_box", true, true, Comeback::PopUpBox}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeLayout, ASheetShownAgainInASmallerWindowHasNothingToScroll) {
    PracticeWindow* window = OpenPaper(101); // one answer box
    ASSERT_NE(window, nullptr);
    window->resize(1024, 819);
    window->ToggleAnswerSheet();
    window->resize(layout::Px(layout::kMinResizeWidth), layout::Px(layout::kMinResizeHeight));
    window->ToggleAnswerSheet();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->sheet()->scrollArea()->verticalScrollBar()->maximum(), 0);
}

// With no window manager to choose the next window, the keys go back to the home window.
TEST_F(PracticeLayout, ClosingThePaperGivesTheKeyboardBackToTheHomeWindow) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    m_asker.answers.push_back(true);
    window->ClosePaper();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_home.get()));
}

TEST_F(PracticeLayout, SwitchingToAnotherProgramLeavesBothTitleBarsAsTheyWere) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(window->frame().active());
    ASSERT_FALSE(m_home->frame().active());
    QApplication::setActiveWindow(nullptr);
    EXPECT_TRUE(window->frame().active());
    EXPECT_FALSE(m_home->frame().active());
}

TEST_F(PracticeLayout, BackFromAnotherProgramByTheHomeWindowThePracticeButtonsDoNotLightUpUnderTheCursor) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(m_home.get());
    m_cursor = window->frame().closeButton()->mapToGlobal(QPoint(5, 5));
    window->Tick();
    EXPECT_EQ(window->frame().closeButton()->shownPicture().cacheKey(),
              Picture("prog_white_close.bmp").cacheKey());
}

// The date cell holds the system's short date whatever its format: a long one
// ("10 Dec 2026" where no language is set) is written smaller rather than cut
// off at the cell's edge, and a short one keeps the status bar's font.
class DateCell : public PracticeFixture, public ::testing::WithParamInterface<const char*> {};

void expectWhole(const QLabel* cell, const QFont& statusFont, const QString& date) {
    EXPECT_EQ(cell->text(), date);
    const int room = cell->contentsRect().width();
    EXPECT_LE(QFontMetrics(cell->font()).horizontalAdvance(date), room);
    if (QFontMetrics(statusFont).horizontalAdvance(date) <= room) {
        EXPECT_EQ(cell->font(), statusFont) << "a date that fits is not made smaller";
    }
}

TEST_P(DateCell, ShowsTheWholeDateWhileAnsweringAndAfterMarking) {
    m_today = QString::fromUtf8(GetParam());
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const PracticeStatusBar* status = window->statusBar();
    expectWhole(status->date(), status->font(), m_today);
    Mark(*window);
    ASSERT_TRUE(status->dateCompleted()->isVisibleTo(window));
    expectWhole(status->dateCompleted(), status->font(), m_today);
}

INSTANTIATE_TEST_SUITE_P(PracticeWindow, DateCell,
                         ::testing::Values("08/12/2026", "10 Dec 2026", "12/10/26"));

} // namespace
} // namespace orbisk::gui
