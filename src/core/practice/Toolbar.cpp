#include "core/practice/Toolbar.h"

namespace orbisk::practice {

bool ToolbarEnabled::Of(ToolbarButton button) const {
    switch (button) {
    case ToolbarButton::Save:
        return save;
    case ToolbarButton::Mark:
        return mark;
    case ToolbarButton::Print:
        return print;
    case ToolbarButton::Close:
        return close;
    case ToolbarButton::Back:
        return back;
    case ToolbarButton::Next:
        return next;
    }
    return false;
}

ToolbarEnabled ToolbarStates(WindowLife life, int question, int questionCount) {
    ToolbarEnabled enabled;
    enabled.save = life == WindowLife::Answering || life == WindowLife::Marking;
    enabled.mark = enabled.save;
    // Beyond the bounds too (which a move never reaches), the button leading further out is off.
    enabled.back = question > 1;
    enabled.next = question < questionCount;
    return enabled;
}

} // namespace orbisk::practice
