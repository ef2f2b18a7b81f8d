// What the practice window does when the learner saves, marks, prints,
// closes or moves, and how it unloads: each a call on the open paper, then a
// repaint of what changed.
#include "core/practice/PracticeTexts.h"
#include "gui/app/Notifier.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/popup/Asker.h"
#include "gui/practice/AnswerSheetPanel.h"
#include "gui/practice/MarkingPanel.h"
#include "gui/practice/PracticeStatusBar.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/PracticeWindow.h"
#include "gui/practice/QuestionView.h"

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
    m_status->ShowRemaining(m_paper.RemainingQuestions());
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
    m_toolbar->ShowScore(ToQString(m_paper.PScoring()));
    m_status->ShowReview(m_paper.IsMarked(), ToQString(m_paper.LTime()), ToQString(m_paper.ETime()));
}

// ---- Moving ------------------------------------------------------------------

void PracticeWindow::NextQuestion() {
    afterMove(m_paper.NextQuestion(sheetTexts()), true);
}

void PracticeWindow::PreviousQuestion() {
    afterMove(m_paper.PreviousQuestion(sheetTexts()), true);
}

void PracticeWindow::ChooseQuestion(int question) {
    afterMove(m_paper.ChooseQuestion(question, sheetTexts()), false);
}

void PracticeWindow::afterMove(const practice::MoveOutcome& outcome, bool focusFirstAnswer) {
    if (!outcome.moved) {
        applyToolbarStates();
        return;
    }
    // The buttons follow the new question at once, so a second click cannot pass the ends.
    showQuestion();
    if (focusFirstAnswer) {
        m_sheet->FocusFirst();
    }
    if (outcome.answersNotWritten) {
        tellNotWritten(*outcome.answersNotWritten, practice::texts::kAnswersNotSaved);
    }
}

// ---- Save, print, close -------------------------------------------------------

void PracticeWindow::SavePaper() {
    if (const auto failure = m_paper.SavePaper(sheetTexts())) {
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
    if (m_unloaded || m_status->marking()->running()) {
        return;
    }
    if (!AskLearner(m_services.asker, this, ToQString(practice::texts::kCloseTitle),
                    ToQString(practice::texts::kCloseQuestion), 2)) {
        return;
    }
    if (release(true)) {
        close();
    }
}

void PracticeWindow::Unload() {
    if (m_unloaded) {
        return;
    }
    // A marking the learner confirmed is completed, not dropped.
    m_status->marking()->Finish();
    release(false);
    close();
}

bool PracticeWindow::release(bool learnerCloses) {
    if (m_unloaded) {
        return true;
    }
    if (const auto failure = m_paper.SavePaper(sheetTexts())) {
        if (learnerCloses) {
            tellNotWritten(*failure, practice::texts::kAnswersNotSavedOnClose);
            return false;
        }
        tellNotWritten(*failure, practice::texts::kLatestAnswersNotSaved);
    }
    m_unloaded = true;
    m_timer.stop();
    m_paper.ClosePage();
    emit unloading(this);
    return true;
}

// ---- Marking -----------------------------------------------------------------------

void PracticeWindow::MarkPaper() {
    if (m_status->marking()->running()) {
        return;
    }
    const practice::MarkingStart start = m_paper.BeginMarking(sheetTexts());
    switch (start.next) {
    case practice::MarkingStart::Next::ReviewMode:
        enterReviewMode();
        return;
    case practice::MarkingStart::Next::Stop:
        tellNotWritten(*start.failure, practice::texts::kNotMarkedAnswersNotSaved);
        return;
    case practice::MarkingStart::Next::Confirm:
        break;
    }
    if (!AskLearner(m_services.asker, this, ToQString(practice::texts::kMarkingTitle),
                    ToQString(start.question), 2)) {
        return;
    }
    repaint();
    m_status->marking()->Start(); // completeMarking follows when it has played
}

void PracticeWindow::completeMarking() {
    const practice::MarkingOutcome outcome =
        m_paper.CompleteMarking(m_services.now(), ToUtf8(m_services.today()));
    if (!outcome.marked) {
        tellNotWritten(*outcome.failure, practice::texts::kNotMarkedFileNotWritten);
        applyToolbarStates();
        return;
    }
    enterReviewMode();
}

void PracticeWindow::enterReviewMode() {
    m_sheet->Show(m_paper.Sheet());
    showState();
    applyToolbarStates();
}

} // namespace orbisk::gui
