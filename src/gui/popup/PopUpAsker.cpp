#include "gui/popup/PopUpAsker.h"

#include "gui/popup/PopUpBox.h"

namespace orbisk::gui {

PopUpAsker::PopUpAsker(SkinPictures& pictures, CursorSource cursor)
    : m_pictures(pictures), m_cursor(std::move(cursor)) {}

std::optional<bool> PopUpAsker::Ask(QWidget* owner, const QString& title, const QString& message, int buttons,
                                    FirstFocus focus) {
    // Every use loads a new box, so each starts from its first state.
    PopUpBox box(m_pictures, m_cursor, owner);
    box.CallPop(title, message, buttons, owner, focus);
    box.exec();
    return box.answer();
}

} // namespace orbisk::gui
