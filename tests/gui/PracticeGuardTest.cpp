// The question page's guard against copying, the answer boxes' refusal of
// what the answer file cannot hold, and the keyboard and accessibility of
// the practice window.
#include "PracticeFixture.h"
#include "core/practice/PracticeTexts.h"
#include "core/practice/TextSize.h"
#include "gui/chrome/CaptionLabel.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QuestionView.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;
using practice::ToolbarButton;
using results::ResultsFile;

class PracticeGuard : public PracticeFixture {
protected:
    PracticeWindow* OpenActive(int paper) {
        PracticeWindow* window = OpenPaper(paper);
        EXPECT_NE(window, nullptr);
        if (window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }
};

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool refused;
};

class GuardKeys : public PracticeGuard, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(GuardKeys, CopyAndCutSayInvalidOperationOtherKeysPass) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    Key(Qt::Key_Backtab); // from the first answer box, as a learner reaches the page
    ASSERT_EQ(QApplication::focusWidget(), window->view());
    Key(GetParam().key, GetParam().modifiers);
    if (GetParam().refused) {
        EXPECT_EQ(m_notifier.messages, orbisk::testing::Texts({"Error: Invalid operation"}));
    } else {
        EXPECT_TRUE(m_notifier.messages.isEmpty());
    }
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"))
        << "nothing of the page was copied";
}

INSTANTIATE_TEST_SUITE_P(QuestionView, GuardKeys,
                         ::testing::Values(KeyRow{"ctrl_c", Qt::Key_C, Qt::ControlModifier, true},
                                           KeyRow{"ctrl_x", Qt::Key_X, Qt::ControlModifier, true},
                                           KeyRow{"ctrl_shift_c", Qt::Key_C,
                                                  Qt::ControlModifier | Qt::ShiftModifier, true},
                                           KeyRow{"ctrl_insert", Qt::Key_Insert, Qt::ControlModifier, true},
                                           KeyRow{"ctrl_v", Qt::Key_V, Qt::ControlModifier, false},
                                           KeyRow{"ctrl_a", Qt::Key_A, Qt::ControlModifier, false},
                                           KeyRow{"plain_c", Qt::Key_C, Qt::NoModifier, false},
                                           KeyRow{"page_down", Qt::Key_PageDown, Qt::NoModifier, false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeGuard, ARightClickIsRefusedOncePerPressAndOpensNoMenuALeftClickPasses) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QWidget* page = window->view()->viewport();
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(40, 60));
    QTest::mouseClick(page, Qt::MiddleButton, {}, QPoint(40, 60));
    EXPECT_TRUE(m_notifier.messages.isEmpty());
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(40, 60));
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(50, 60));
    EXPECT_EQ(m_notifier.messages,
              orbisk::testing::Texts({"Error: Invalid operation", "Error: Invalid operation"}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(PracticeGuard, AQuickSecondRightClickArrivingAsADoubleClickIsRefusedLikeTheFirst) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QWidget* page = window->view()->viewport();
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(40, 60));
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(40, 60), page->mapToGlobal(QPointF(40, 60)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(page, &twice);
    EXPECT_EQ(m_notifier.messages,
              orbisk::testing::Texts({"Error: Invalid operation", "Error: Invalid operation"}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(PracticeGuard, NothingOfThePageCanBeSelectedDraggedOrCopied) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QuestionView* view = window->view();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(5, 60));
    QTest::mouseMove(view->viewport(), QPoint(300, 120));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(300, 120));
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(view->textCursor().hasSelection());
    view->selectAll(); // even a selection made by the program gives nothing away
    view->copy();
    EXPECT_NE(QApplication::clipboard()->text(), view->toPlainText());
    if (QApplication::clipboard()->supportsSelection()) {
        EXPECT_TRUE(QApplication::clipboard()->text(QClipboard::Selection).isEmpty());
    }
}

TEST_F(PracticeGuard, TheGuardWatchesTheNewPageAfterAMoveAndNotTheAnswerBoxes) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    window->NextQuestion();
    QTest::keyClick(window->view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(m_notifier.messages.size(), 1);
    AnswerBox* box = window->sheet()->answerBox(1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::mouseClick(box->viewport(), Qt::RightButton);
    EXPECT_EQ(m_notifier.messages.size(), 1);
}

TEST_F(PracticeGuard, ThePageScrollsByKeysAndFromTheAnswerBoxes) {
    PracticeWindow* window = OpenActive(146); // a reading passage with five questions under it
    ASSERT_NE(window, nullptr);
    window->resize(600, 400);
    QScrollBar* bar = window->view()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    window->view()->setFocus();
    QTest::keyClick(window->view(), Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(window->view(), Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(window->view(), Qt::Key_Down);
    EXPECT_GT(bar->value(), 0);
    bar->setValue(0);
    AnswerBox* box = window->sheet()->answerBox(1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(window->paper().QSCount(), 1) << "scrolling never leaves the question";
}

TEST_F(PracticeGuard, WithTheSheetHiddenPageDownAtTheToolbarScrollsThePage) {
    PracticeWindow* window = OpenActive(146);
    ASSERT_NE(window, nullptr);
    window->resize(600, 400);
    window->ToggleAnswerSheet();
    QScrollBar* bar = window->view()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QWidget* next = window->toolbar()->button(ToolbarButton::Next);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(window->paper().QSCount(), 1);
}

struct RefusalRow {
    const char* name;
    const char* typed;  ///< typed key by key (empty: pasted instead)
    const char* pasted; ///< put on the clipboard and pasted
    const char* kept;
    const char* hint;
};

class AnswerRefusal : public PracticeGuard, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(AnswerRefusal, RefusesWhatTheAnswerFileCannotHoldWithAHint) {
    PracticeWindow* window = OpenActive(141); // word order: a sentence box
    ASSERT_NE(window, nullptr);
    AnswerBox* box = window->sheet()->answerBox(1);
    box->setFocus();
    const RefusalRow row = GetParam();
    if (*row.typed != '\0') {
        QTest::keyClicks(box, QString::fromUtf8(row.typed));
    } else {
        QApplication::clipboard()->setText(QString::fromUtf8(row.pasted));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(box->text(), QString::fromUtf8(row.kept));
    EXPECT_EQ(box->lastHint(), QString::fromUtf8(row.hint));
    if (*row.hint != '\0') {
        // Said whole, inside the window, whatever its length.
        QWidget* message = Named(window, QString::fromUtf8(row.hint));
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(window->rect().contains(QRect(message->mapTo(window, QPoint()), message->size())));
        EXPECT_GE(message->height(), message->heightForWidth(message->width()));
    }
    window->NextQuestion();
    EXPECT_EQ(Values(ResultsFile::First, 141, 40)[0], row.kept);
}

const char* const kCharacterHint = practice::texts::kRefusedCharacterHint.data();
const char* const kLineHint = practice::texts::kLineBreakHint.data();

INSTANTIATE_TEST_SUITE_P(
    AnswerBox, AnswerRefusal,
    ::testing::Values(RefusalRow{"typed_greater_than", "a>b", "", "ab", kCharacterHint},
                      RefusalRow{"typed_hash", "#1", "", "1", kCharacterHint},
                      RefusalRow{"pasted_lines", "", "Jane cut\nthe cake.", "Jane cut the cake.", kLineHint},
                      RefusalRow{"pasted_windows_lines", "", "one\r\ntwo", "one two", kLineHint},
                      RefusalRow{"pasted_markers", "", "a>b#c", "abc", kCharacterHint},
                      RefusalRow{"plain_sentence", "My cat sleeps.", "", "My cat sleeps.", ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeGuard, AChoiceBoxTakesOneCharacterTypedOrPasted) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    AnswerBox* box = window->sheet()->answerBox(1);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("23"));
    EXPECT_EQ(box->text(), QStringLiteral("2"));
    box->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("41"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("4"));
}

struct ShortcutRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int question; ///< the question on show after it, from question 2
};

class MoveShortcut : public PracticeGuard, public ::testing::WithParamInterface<ShortcutRow> {};

TEST_P(MoveShortcut, MovesLikeItsButtonWhereverTheKeyboardIs) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    window->NextQuestion();
    Put(*window, 1, QStringLiteral("3"));
    QTest::keyClick(window->sheet()->answerBox(1), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(window->paper().QSCount(), GetParam().question);
    EXPECT_EQ(Values(ResultsFile::First, 101, 30)[1], "3");
}

INSTANTIATE_TEST_SUITE_P(
    PracticeWindow, MoveShortcut,
    ::testing::Values(ShortcutRow{"alt_right", Qt::Key_Right, Qt::AltModifier, 3},
                      ShortcutRow{"ctrl_page_down", Qt::Key_PageDown, Qt::ControlModifier, 3},
                      ShortcutRow{"alt_left", Qt::Key_Left, Qt::AltModifier, 1},
                      ShortcutRow{"ctrl_page_up", Qt::Key_PageUp, Qt::ControlModifier, 1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PracticeGuard, TheMoveShortcutsWorkFromThePageToo) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    window->view()->setFocus();
    QTest::keyClick(window->view(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(window->paper().QSCount(), 2);
    window->view()->setFocus();
    QTest::keyClick(window->view(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(window->paper().QSCount(), 1);
}

TEST_F(PracticeGuard, CtrlPPrintsCtrlMMarksAndTheTooltipsNameTheShortcuts) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_printer.printed.size(), 1);
    m_asker.answers.push_back(false);
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(m_asker.asked.size(), 1);
    EXPECT_TRUE(m_asker.asked.value(0).startsWith(QStringLiteral("Marking: ")));
    PracticeToolbar* toolbar = window->toolbar();
    EXPECT_EQ(toolbar->button(ToolbarButton::Save)->toolTip(), QStringLiteral("Save paper (Ctrl+S)"));
    EXPECT_EQ(toolbar->button(ToolbarButton::Print)->toolTip(), QStringLiteral("Print question (Ctrl+P)"));
    EXPECT_EQ(toolbar->button(ToolbarButton::Back)->toolTip(),
              QStringLiteral("Previous question (Alt+Left, Ctrl+PgUp)"));
    EXPECT_EQ(toolbar->button(ToolbarButton::Next)->toolTip(),
              QStringLiteral("Next question (Alt+Right, Ctrl+PgDown)"));
    EXPECT_EQ(toolbar->button(ToolbarButton::Mark)->toolTip(), QStringLiteral("Mark paper (Ctrl+M)"));
    EXPECT_EQ(toolbar->button(ToolbarButton::Close)->toolTip(), QStringLiteral("Close paper"));
}

TEST_F(PracticeGuard, EveryControlHasAnAccessibleName) {
    PracticeWindow* window = OpenActive(128);
    ASSERT_NE(window, nullptr);
    const char* captions[] = {"Save", "Mark", "Print", "Close", "Back", "Next"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window->toolbar()->button(static_cast<ToolbarButton>(i))->accessibleName(),
                  QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(window->statusBar()->clock()->accessibleName(),
              QStringLiteral("Clock: ") + window->statusBar()->clock()->text());
    EXPECT_FALSE(window->statusBar()->remaining()->accessibleName().isEmpty());
    EXPECT_EQ(window->sheetHandle()->accessibleName(), QStringLiteral("Hide answer sheet"));
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(window) &&
            widget->parentWidget() != window->statusBar()->remaining()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(PracticeGuard, TabGoesFromTheAnswersToTheToolbarListHandleTitleBarAndPageEachShowingAFocusMark) {
    PracticeWindow* window = OpenActive(128); // ten answer boxes
    ASSERT_NE(window, nullptr);
    QList<QWidget*> stops;
    for (int n = 1; n <= 10; ++n) {
        stops << window->sheet()->answerBox(n);
    }
    for (const ToolbarButton button :
         {ToolbarButton::Save, ToolbarButton::Mark, ToolbarButton::Print, ToolbarButton::Close,
          ToolbarButton::Next}) { // Back is off on question 1
        stops << window->toolbar()->button(button);
    }
    stops << window->statusBar()->remaining() << window->sheetHandle() << window->frame().minimiseButton()
          << window->frame().maximiseButton() << window->frame().closeButton() << window->view();
    ASSERT_EQ(QApplication::focusWidget(), stops.front());
    const auto look = [window](QWidget* stop) {
        const QRect around = QRect(stop->mapTo(window, QPoint()), stop->size()).adjusted(-3, -3, 3, 3);
        return window->grab(around).toImage();
    };
    for (qsizetype i = 0; i < stops.size(); ++i) {
        QWidget* stop = stops[i];
        ASSERT_EQ(QApplication::focusWidget(), stop)
            << "stop " << i << ": " << stop->objectName().toStdString();
        const QImage focused = look(stop);
        Key(Qt::Key_Tab);
        EXPECT_NE(look(stop), focused) << stop->objectName().toStdString() << " shows no focus mark";
    }
    EXPECT_EQ(QApplication::focusWidget(), stops.front()) << "Tab comes round to the first answer";
    // Space on a focused toolbar button runs it.
    window->toolbar()->button(ToolbarButton::Next)->setFocus();
    Key(Qt::Key_Space);
    EXPECT_EQ(window->paper().QSCount(), 2);
}

TEST_F(PracticeGuard, TheFocusMarkStandsOutOnTheTitleBarsBlue) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    QWidget* button = window->frame().minimiseButton();
    const QImage plain = button->grab().toImage();
    button->setFocus();
    const QImage focused = button->grab().toImage();
    ASSERT_EQ(focused.size(), plain.size());
    int strongest = 0; // the largest change of brightness the mark makes
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            strongest = std::max(strongest, std::abs(qGray(focused.pixel(x, y)) - qGray(plain.pixel(x, y))));
        }
    }
    EXPECT_GE(strongest, 128);
}

TEST_F(PracticeGuard, PressingOnACaptionShowsTheHoverPictureAndStillRunsTheButton) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    ImageButton* save = window->toolbar()->button(ToolbarButton::Save);
    m_cursor = save->mapToGlobal(QPoint(20, 35));
    QWidget* caption = window->toolbar()->caption(ToolbarButton::Save);
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(20, 7));
    window->Tick();
    EXPECT_EQ(save->state(), ImageButton::State::On);
    m_asker.answers.push_back(true);
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(20, 7));
    EXPECT_EQ(m_asker.asked, orbisk::testing::Texts({"Orbisk: Paper saved (1)"}));
    // Pressing on the picture itself shows the pressed picture.
    m_cursor = save->mapToGlobal(QPoint(20, 10));
    QTest::mousePress(save, Qt::LeftButton, {}, QPoint(20, 10));
    window->Tick();
    EXPECT_EQ(save->state(), ImageButton::State::Pressed);
    QTest::mouseRelease(save, Qt::LeftButton, {}, QPoint(20, 10));
}

TEST_F(PracticeGuard, AScreenReaderHearsEachValueOfTheStatusBarAfterWhatItIs) {
    StoreRecord(results::ResultsFile::First, 101, std::vector<std::string>(30, "1"));
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    PracticeStatusBar* status = window->statusBar();
    const auto heard = [](QLabel* label) { return label->toolTip() + QStringLiteral(": ") + label->text(); };
    for (QLabel* value : {status->clock(), status->date(), status->answered(), status->total()}) {
        EXPECT_EQ(value->accessibleName(), heard(value)) << value->objectName().toStdString();
    }
    EXPECT_EQ(status->answered()->accessibleName(), QStringLiteral("Number of questions answered: 30"));
    Mark(*window);
    for (QLabel* value : {status->timeTaken(), status->dateCompleted()}) {
        EXPECT_EQ(value->accessibleName(), heard(value)) << value->objectName().toStdString();
    }
}

TEST_F(PracticeGuard, AScreenReaderReadsThePagesWordsWhereTheKeyboardReachesIt) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    const QString description = window->view()->accessibleDescription();
    EXPECT_TRUE(description.contains(QStringLiteral("Question 1"))) << description.toStdString();
    for (const QChar inner : {QChar(0xfdd0), QChar(0xfdd1), QChar(QChar::ParagraphSeparator),
                              QChar(QChar::ObjectReplacementCharacter)}) {
        EXPECT_FALSE(description.contains(inner)) << "the document's own marks are not read out";
    }
    window->NextQuestion();
    EXPECT_TRUE(window->view()->accessibleDescription().contains(QStringLiteral("Question 2")));
}

// The test bank's comprehension items read "Item 146.1.3: ..." with options "answer N to 146.1.3".
TEST_F(PracticeGuard, EachAnswerBoxOfAManyPartQuestionTellsItsOwnPartAndOptions) {
    PracticeWindow* window = OpenActive(146);
    ASSERT_NE(window, nullptr);
    const QString third = window->sheet()->answerBox(3)->accessibleDescription();
    EXPECT_TRUE(third.contains(QStringLiteral("Item 146.1.3"))) << third.toStdString();
    EXPECT_TRUE(third.contains(QStringLiteral("2 answer 2 to 146.1.3"))) << third.toStdString();
    EXPECT_FALSE(window->sheet()->answerBox(2)->accessibleDescription().contains(QStringLiteral("146.1.3")));
    window->NextQuestion();
    EXPECT_TRUE(
        window->sheet()->answerBox(3)->accessibleDescription().contains(QStringLiteral("Item 146.2.3")));
}

// Set, not left to the tooltip, which a screen reader is never told has changed.
TEST_F(PracticeGuard, TheSheetHandleDescribesWhatAPressNowDoes) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    window->ToggleAnswerSheet();
    EXPECT_FALSE(window->sheetHandle()->accessibleDescription().isEmpty());
    EXPECT_EQ(window->sheetHandle()->accessibleDescription(), window->sheetHandle()->toolTip());
}

TEST_F(PracticeGuard, AClickOnThePageReachedByTabGivesTheKeyboardBackToTheAnswers) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    Key(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), window->view());
    QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {},
                      window->view()->viewport()->rect().bottomLeft() + QPoint(20, -20));
    Type(QStringLiteral("3"));
    EXPECT_EQ(Sheet(*window).front(), "3");
}

TEST_F(PracticeGuard, CtrlWithTheWheelOverThePageSetsTheProgramsTextSize) {
    PracticeWindow* window = OpenActive(101);
    ASSERT_NE(window, nullptr);
    const int before = window->view()->textSize();
    const QFont font = window->view()->font();
    QWidget* page = window->view()->viewport();
    const QPoint at = page->rect().center();
    for (int part = 0; part < 8; ++part) { // a touchpad's notch, in eighths
        QWheelEvent turn(at, page->mapToGlobal(at), {}, QPoint(0, 15), Qt::NoButton, Qt::ControlModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &turn);
    }
    EXPECT_EQ(window->view()->textSize(), practice::LargerTextSize(before));
    EXPECT_EQ(window->view()->font(), font) << "the view's own zoom stays out of it";
}

} // namespace
} // namespace orbisk::gui
