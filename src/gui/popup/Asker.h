#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orbisk::gui {

/// Which button of a box has the keyboard focus when it opens: the first
/// ("OK", "Yes"), or the harmless second ("No") when the question cannot be
/// taken back, so that a key pressed in haste does no harm.
enum class FirstFocus { First, Second };

/// Asks the learner something in the program's own message box and waits for
/// the answer. Every window asks through one of these, so tests answer with a
/// fake instead of a person.
class Asker {
public:
    virtual ~Asker() = default;
    /// Shows a box titled @p title with @p message and one button ("OK") or two
    /// ("Yes", "No"), centred on @p owner, with the keyboard on the button
    /// @p focus names, and waits until it is answered.
    /// @return true for the first button, false for the second; empty when the
    /// box went without an answer (the system closed the program meanwhile).
    virtual std::optional<bool> Ask(QWidget* owner, const QString& title, const QString& message, int buttons,
                                    FirstFocus focus) = 0;
};

/// The one way the windows ask the learner: through @p asker, over @p owner.
/// @return true only when the first button ("OK", "Yes") was pressed. A box
/// that went without an answer reads as the harmless second one ("No"), and
/// so does asking without an asker, which asks nothing.
inline bool AskLearner(Asker* asker, QWidget* owner, const QString& title, const QString& message,
                       int buttons, FirstFocus focus = FirstFocus::First) {
    return asker != nullptr && asker->Ask(owner, title, message, buttons, focus).value_or(false);
}

} // namespace orbisk::gui
