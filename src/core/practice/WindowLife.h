#pragma once

#include <optional>

/// The life of a practice window as one value, and the one transition
/// function that moves it on. The window holds a WindowLife and nothing else
/// about where it stands: it asks Next before it acts and stores what Next
/// gives (gui/practice/README.md draws the states).
namespace orbisk::practice {

enum class WindowLife {
    Answering, ///< the learner types, moves and saves; Mark and Close take clicks
    Marking,   ///< the learner confirmed a marking: the animation plays, no input, no close
    Review,    ///< the attempt is marked: boxes locked, verdicts and score shown
    Closed,    ///< the sheet is stored (or could not be, and the window went all the same)
};

/// What happens to a window.
enum class LifeEvent {
    FoundMarked,       ///< the paper the window opened is marked on disk
    MarkConfirmed,     ///< the learner said Yes to marking
    MarkingWritten,    ///< the animation ended and every file of the marking was written
    MarkingNotWritten, ///< the animation ended and a file of the marking could not be written
    CloseStored,       ///< a close stored the sheet (a marked attempt has nothing to store)
    /// A close could not store the sheet and the window stays open with the
    /// answers: the learner's own close (Close, the title bar, the window
    /// system), or the home window's (opening another paper, closing) when the
    /// learner chose to keep the paper open.
    CloseNotStored,
    /// A close could not store the sheet and the window goes all the same:
    /// erasing the results, the program's end, or the learner chose to close
    /// the paper anyway.
    ForcedCloseNotStored,
};

/// The state @p event leads to from @p life, or nothing when @p life refuses it
/// (the window then does nothing at all). Answering takes a marking and every
/// close; Marking takes only its end, so a window whose marking plays cannot be
/// closed by the learner (the home window and the program's end finish the
/// marking first); Review takes every close; Closed takes nothing.
std::optional<WindowLife> Next(WindowLife life, LifeEvent event);

/// True when Next(@p life, @p event) leads somewhere: ask it before acting.
bool Takes(WindowLife life, LifeEvent event);

} // namespace orbisk::practice
