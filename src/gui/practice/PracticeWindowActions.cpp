// What the practice window does when the learner saves, marks, prints,
// closes or moves, and how it unloads: each a call on the open paper, then a
// repaint of what changed. Marking and closing move the window's life on
// through practice::Next, and only through it.
#include "core/practice/PracticeTexts.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/popup/Asker.h"
#include "gui/practice/AnswerBox.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/PracticeWindow.h"
#include "gui/practice/QuestionView.h"

#include <QApplication>
#include <QLabel>
#include <optional>
#include <system_error>

namespace orbisk::gui {

std::vector<std::string> PracticeWindow::sheetTexts() const {
    return m_sheet->Texts();
}

void PracticeWindow::tellNotWritten(const practice::FileFailure& failure, std::string_view what) {
    m_services.notifier->Warn(this, windowTitle(), ToQString(what).arg(PathText(failure.path)),
                              ToQString(failure.problem));
}

// ---- Showing the paper ----------------------------------------------------

void PracticeWindow::showQuestion() {
    m_questionTitle->setText(ToQString(m_paper.QuestionTitle()));
    m_sheet->Show(m_paper.Sheet());
    showPage();
    speakParts();
    m_status->ShowQuestions(m_paper.ListedQuestions());
    applyToolbarStates();
}

void PracticeWindow::showPage() {
    const practice::PageOutcome& page = m_paper.Page();
    if (page.ok()) {
        m_view->Navigate(page.path, page.question);
        return;
    }
    m_view->ShowErrorPage(page.question, ToQString(practice::texts::kPageNotWritten)
                                             .arg(PathText(m_services.appFolder),
                                                  ToQString(std::generic_category().message(page.error))));
}

void PracticeWindow::showState() {
    m_toolbar->ShowScore(ToQString(m_paper.PScoring()), ToQString(m_paper.RightOutOf()));
    m_status->ShowReview(m_life == practice::WindowLife::Review, ToQString(m_paper.LTime()),
                         ToQString(m_paper.ETime()));
}

// ---- Moving ------------------------------------------------------------------

void PracticeWindow::NextQuestion() {
    afterMove(m_paper.NextQuestion(sheetTexts()));
}

void PracticeWindow::PreviousQuestion() {
    afterMove(m_paper.PreviousQuestion(sheetTexts()));
}

void PracticeWindow::ChooseQuestion(int question) {
    afterMove(m_paper.ChooseQuestion(question, sheetTexts()));
}

void PracticeWindow::afterMove(const practice::MoveOutcome& outcome) {
    if (!outcome.moved) {
        applyToolbarStates();
        return;
    }
    // The buttons follow the new question at once, so a second click cannot pass the ends.
    showQuestion();
    // Whatever moved (a button, a key, a pick from the list), the next keys typed answer.
    m_sheet->FocusStart();
    tellMoveNotSaved(outcome.answersNotWritten);
}

// Once, not on every move while the file stays unwritable: the answers are
// kept in the window, and Save and Close still say it each time.
void PracticeWindow::tellMoveNotSaved(const std::optional<practice::FileFailure>& failure) {
    if (failure && !m_toldMovesNotSaved) {
        tellNotWritten(*failure, practice::texts::kAnswersNotSaved);
    }
    m_toldMovesNotSaved = failure.has_value();
}

// Enter past the last box of the last question: the answers are stored as a
// move stores them and counted at once; the question and the focus stay.
void PracticeWindow::storeWithoutMoving() {
    tellMoveNotSaved(m_paper.SavePaper(sheetTexts()));
    showAnsweredCount();
    m_status->ShowQuestions(m_paper.ListedQuestions());
}

// ---- Save, print, close -------------------------------------------------------

void PracticeWindow::SavePaper() {
    const auto failure = m_paper.SavePaper(sheetTexts());
    m_toldMovesNotSaved = failure.has_value();
    if (failure) {
        tellNotWritten(*failure, practice::texts::kAnswersNotSaved);
        return;
    }
    AskLearner(m_services.asker, this, ToQString(practice::texts::kSavedTitle),
               ToQString(practice::texts::kSavedMessage), 1);
}

void PracticeWindow::PrintQuestion() {
    m_view->PrintPage(windowTitle());
}

void PracticeWindow::ClosePaper() {
    using practice::LifeEvent;
    if (!practice::Takes(m_life, LifeEvent::CloseStored)) {
        return; // the marking plays, or the window has gone
    }
    if (!AskLearner(m_services.asker, this, ToQString(practice::texts::kCloseTitle),
                    ToQString(practice::texts::kCloseQuestion), 2)) {
        return;
    }
    if (leave(CloseRoute::Learner)) {
        close();
    }
}

void PracticeWindow::Unload() {
    // A marking the learner confirmed is completed, not dropped.
    m_status->marking()->Finish();
    if (leave(CloseRoute::Forced)) {
        close();
    }
}

bool PracticeWindow::UnloadKeepingAnswers() {
    m_status->marking()->Finish();
    if (!leave(CloseRoute::Home)) {
        return m_life == practice::WindowLife::Closed;
    }
    close();
    return true;
}

bool PracticeWindow::enter(practice::LifeEvent event) {
    const std::optional<practice::WindowLife> next = practice::Next(m_life, event);
    if (next) {
        m_life = *next;
    }
    return next.has_value();
}

bool PracticeWindow::leave(CloseRoute route) {
    using practice::LifeEvent;
    if (!practice::Takes(m_life, LifeEvent::CloseStored)) {
        return false;
    }
    LifeEvent event = LifeEvent::CloseStored;
    if (const auto failure = m_paper.SavePaper(sheetTexts())) {
        if (route == CloseRoute::Learner) {
            tellNotWritten(*failure, practice::texts::kAnswersNotSavedOnClose);
            event = LifeEvent::CloseNotStored;
        } else {
            tellNotWritten(*failure, practice::texts::kLatestAnswersNotSaved);
            const bool anyway =
                route == CloseRoute::Forced ||
                AskLearner(m_services.asker, this, ToQString(practice::texts::kCloseTitle),
                           ToQString(practice::texts::kCloseAnywayQuestion), 2, FirstFocus::Second);
            event = anyway ? LifeEvent::ForcedCloseNotStored : LifeEvent::CloseNotStored;
        }
    }
    if (!enter(event) || m_life != practice::WindowLife::Closed) {
        return false;
    }
    m_timer.stop();
    m_paper.ClosePage();
    emit unloading(this);
    return true;
}

// ---- Marking -----------------------------------------------------------------------

void PracticeWindow::MarkPaper() {
    using practice::LifeEvent;
    if (!practice::Takes(m_life, LifeEvent::MarkConfirmed)) {
        return; // a marking plays, the paper is in review, or the window has gone
    }
    const practice::MarkingStart start = m_paper.BeginMarking(sheetTexts());
    switch (start.next) {
    case practice::MarkingStart::Next::ReviewMode:
        enter(LifeEvent::FoundMarked);
        showReview();
        return;
    case practice::MarkingStart::Next::Stop:
        tellNotWritten(*start.failure, practice::texts::kNotMarkedAnswersNotSaved);
        return;
    case practice::MarkingStart::Next::Confirm:
        break;
    }
    if (!AskLearner(m_services.asker, this, ToQString(practice::texts::kMarkingTitle),
                    ToQString(start.question), 2,
                    start.offerNoFirst ? FirstFocus::Second : FirstFocus::First) ||
        !enter(LifeEvent::MarkConfirmed)) {
        return;
    }
    repaint();
    m_status->marking()->Start(); // completeMarking follows when it has played
}

void PracticeWindow::completeMarking() {
    using practice::LifeEvent;
    if (!practice::Takes(m_life, LifeEvent::MarkingWritten)) {
        return;
    }
    const practice::MarkingOutcome outcome =
        m_paper.CompleteMarking(m_services.now(), ToUtf8(m_services.today()));
    if (!outcome.marked) {
        enter(LifeEvent::MarkingNotWritten);
        tellNotWritten(*outcome.failure, outcome.earlierMarkingWaits
                                             ? practice::texts::kNotMarkedEarlierMarkingWaits
                                             : practice::texts::kNotMarkedFileNotWritten);
        applyToolbarStates();
        return;
    }
    enter(LifeEvent::MarkingWritten);
    showReview();
    emit marked();
}

void PracticeWindow::speakParts() {
    m_sheet->SpeakParts([this](int answer) { return m_view->SpokenPart(answer); });
}

void PracticeWindow::showReview() {
    m_sheet->Show(m_paper.Sheet());
    speakParts();
    m_status->ShowQuestions(m_paper.ListedQuestions());
    showState();
    applyToolbarStates();
    speakScore();
}

void PracticeWindow::speakScore() {
    // The score panel is drawn, not focused, and this Qt has no announcements:
    // the box the keyboard is in tells it, until the next move.
    auto* box = qobject_cast<AnswerBox*>(QApplication::focusWidget());
    if (box == nullptr || !isAncestorOf(box)) {
        m_sheet->FocusStart();
        box = qobject_cast<AnswerBox*>(focusWidget());
    }
    if (box != nullptr) {
        box->setAccessibleDescription(m_toolbar->score()->accessibleName() + QStringLiteral(". ") +
                                      m_toolbar->rightCount()->accessibleName() + QStringLiteral(". ") +
                                      box->accessibleDescription());
    }
}

} // namespace orbisk::gui
