#include "core/practice/WindowLife.h"

namespace orbisk::practice {

namespace {

/// Every close but one that could not store the sheet and keeps the window
/// ends the window's life; that one leaves it where it was.
std::optional<WindowLife> close(WindowLife life, LifeEvent event) {
    switch (event) {
    case LifeEvent::CloseStored:
    case LifeEvent::ForcedCloseNotStored:
        return WindowLife::Closed;
    case LifeEvent::CloseNotStored:
        return life;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<WindowLife> Next(WindowLife life, LifeEvent event) {
    switch (life) {
    case WindowLife::Answering:
        if (event == LifeEvent::FoundMarked) {
            return WindowLife::Review;
        }
        if (event == LifeEvent::MarkConfirmed) {
            return WindowLife::Marking;
        }
        return close(life, event);
    case WindowLife::Marking:
        if (event == LifeEvent::MarkingWritten) {
            return WindowLife::Review;
        }
        if (event == LifeEvent::MarkingNotWritten) {
            return WindowLife::Answering;
        }
        return std::nullopt;
    case WindowLife::Review:
        return close(life, event);
    case WindowLife::Closed:
        return std::nullopt;
    }
    return std::nullopt;
}

bool Takes(WindowLife life, LifeEvent event) {
    return Next(life, event).has_value();
}

} // namespace orbisk::practice
