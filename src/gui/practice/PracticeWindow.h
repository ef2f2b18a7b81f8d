#pragma once

#include "core/layout/PracticeLayout.h"
#include "core/practice/OpenPaper.h"
#include "core/practice/TextSize.h"
#include "core/practice/Toolbar.h"
#include "core/practice/WindowLife.h"
#include "gui/practice/PracticeServices.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbisk::gui {

class AnswerSheetPanel;
class HoverPoller;
class ImageButton;
class PracticeStatusBar;
class PracticeToolbar;
class QuestionView;
class SizeGrip;
class SkinnedFrame;

/// A practice window: one attempt of one paper, shown a question at a time
/// beside its answer sheet. The first attempt's window is Test1, the second's
/// Test2; they are this one window, differing where the attempts differ
/// (the second has no clock or date, carries right first answers over, and
/// shows a key box by each answer still wrong once marked).
///
/// The window is a view over the OpenPaper it is given: it paints what the
/// paper says and hands the learner's actions to it. Where it stands is one
/// value, life(), moved on only by practice::Next (see README.md). Every way of
/// closing it stores the answers on the sheet first and tells the learner
/// what could not be stored.
class PracticeWindow final : public QWidget {
    Q_OBJECT
public:
    /// Loads the window over @p paper (opened and not yet clocked): places it
    /// on the screen, shows question 1, the stored answers and the remaining
    /// questions, starts in review for a marked attempt and starts the clock.
    /// Show it afterwards.
    PracticeWindow(PracticeServices services, practice::OpenPaper paper);
    /// A window destroyed without being closed closes as the program's end
    /// closes it (Unload): nothing confirmed or typed is dropped unannounced.
    ~PracticeWindow() override;

    const practice::OpenPaper& paper() const { return m_paper; }
    bool secondAttempt() const { return m_paper.attempt() == practice::Attempt::Second; }

    // The learner's operations, as the toolbar, the title bar and the list run them.
    void SavePaper();
    void MarkPaper();
    void PrintQuestion();
    /// Asks "Confirm?"; on Yes stores the answers and unloads.
    void ClosePaper();
    void NextQuestion();
    void PreviousQuestion();
    /// A pick from the remaining-questions list.
    void ChooseQuestion(int question);
    /// ImgHandle: hides a shown answer sheet, shows a hidden one.
    void ToggleAnswerSheet();
    /// Timer1's tick: toolbar states and pictures, clock, answered count, window buttons.
    void Tick();
    /// Ctrl+Plus, Ctrl+Minus and Ctrl+0: the question page and the answer boxes
    /// at @p percent (one of practice::kTextSizes), kept for the next paper and start.
    void SetTextSize(int percent);
    int textSize() const { return m_textSize; }

    /// Stores the answers and unloads without asking (the results are being
    /// erased, or the program ends), even when the answers cannot be written.
    /// A marking under way completes first.
    void Unload();
    /// As Unload, for the home window opening another paper or closing: when the
    /// answers cannot be written the learner is told and asked whether to close
    /// the paper anyway; on No the window stays open with them.
    /// @return whether the window closed
    bool UnloadKeepingAnswers();
    practice::WindowLife life() const { return m_life; }

    // What the window shows, by the names the learner's controls have.
    PracticeToolbar* toolbar() const { return m_toolbar; }
    QuestionView* view() const { return m_view; }
    AnswerSheetPanel* sheet() const { return m_sheet; }
    PracticeStatusBar* statusBar() const { return m_status; }
    QLabel* questionTitle() const { return m_questionTitle; }
    QWidget* sheetHandleStrip() const { return m_handleStrip; }
    ImageButton* sheetHandle() const { return m_handle; }
    SizeGrip* sizer() const { return m_sizer; }
    SkinnedFrame& frame() const { return *m_frame; }
    HoverPoller& poller() const { return *m_poller; }
    bool sheetShown() const { return m_sheetShown; }

signals:
    /// The window has stored its answers and removed its page file; it closes now.
    void unloading(PracticeWindow* window);
    /// The paper's marking has been written to the results files.
    void marked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void build();
    void placeTitleBar();
    void setTabOrder();
    void LayOut();
    /// Minimised and taken off the screen (a minimised window that a window
    /// system left on the screen is still laid out and maximised).
    bool offTheScreen() const;
    void toggleMaximised();
    /// The question page a page down (@p down) or up.
    void scrollPage(bool down);
    void runToolbar(practice::ToolbarButton which);

    void showQuestion();
    void showPage();
    void showState();
    void applyToolbarStates();
    void showAnsweredCount();
    void afterMove(const practice::MoveOutcome& outcome);
    void storeWithoutMoving();
    void showReview();
    /// Each answer box's description gains the part of the page it answers.
    void speakParts();
    /// Says the score to a screen reader: in the description of the answer
    /// box that holds the keyboard (the first box when none does).
    void speakScore();
    void completeMarking();
    /// Moves the window's life on by @p event; false (and nothing changes) when it refuses it.
    bool enter(practice::LifeEvent event);
    /// Who closes the window: the learner (a failed store keeps it open) or the
    /// home window and the program's end (it goes all the same).
    enum class CloseRoute { Learner, Home, Forced };
    /// Stores the sheet and moves the life on by what that did; once Closed,
    /// stops the clock, removes the page file and says it is unloading.
    /// @returns true when the window is now Closed.
    bool leave(CloseRoute route);
    std::vector<std::string> sheetTexts() const;
    void tellNotWritten(const practice::FileFailure& failure, std::string_view what);
    void tellMoveNotSaved(const std::optional<practice::FileFailure>& failure);

    PracticeServices m_services;
    practice::OpenPaper m_paper;
    HoverPoller* m_poller = nullptr;
    SkinnedFrame* m_frame = nullptr;
    PracticeToolbar* m_toolbar = nullptr;
    QuestionView* m_view = nullptr;
    QLabel* m_questionTitleStrip = nullptr;
    QLabel* m_questionTitle = nullptr;
    AnswerSheetPanel* m_sheet = nullptr;
    QWidget* m_handleStrip = nullptr;
    ImageButton* m_handle = nullptr;
    PracticeStatusBar* m_status = nullptr;
    SizeGrip* m_sizer = nullptr;
    QTimer m_timer;
    practice::WindowLife m_life = practice::WindowLife::Answering;
    bool m_sheetShown = true;
    /// A move could not store the answers and said so: the next moves do
    /// not say it again until the answers are stored once more.
    bool m_toldMovesNotSaved = false;
    int m_textSize = practice::kDefaultTextSize;
};

} // namespace orbisk::gui
