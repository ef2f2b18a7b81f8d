#pragma once

#include "core/practice/PaperRequest.h"

#include <QString>

namespace orbisk::gui {

/// The practice windows as the home window sees them. Opening a paper closes
/// whichever practice window is open, so each paper opens in a fresh window,
/// then opens the one the hand-over names; closing the program closes them
/// first. Each practice window stores the answers on its sheet as it closes;
/// one that cannot keeps the paper open unless the learner lets it go.
class PracticeWindows {
public:
    virtual ~PracticeWindows() = default;
    /// Closes the first-attempt window, then the second-attempt window, without
    /// asking, even when their answers cannot be written (erasing the results).
    virtual void CloseAll() = 0;
    /// Closes them as CloseAll does, but a window whose answers cannot be
    /// written asks the learner whether to close it anyway, and stays open on No.
    /// @return whether no practice window is left open
    virtual bool CloseAllKeepingAnswers() = 0;
    /// The caption of the paper open in a practice window ("Grammar (1) - Paper 1"),
    /// or empty when none is open.
    virtual QString OpenPaperName() const = 0;
    /// Opens paper @p handOver.PaperNum in the window of attempt @p handOver.TakeNum,
    /// modeless; the window reads the rest of what it needs from the hand-over.
    virtual void Open(const practice::PaperRequest& handOver) = 0;
};

} // namespace orbisk::gui
