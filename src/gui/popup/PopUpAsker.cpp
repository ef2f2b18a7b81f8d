#include "gui/popup/PopUpAsker.h"

#include "gui/chrome/FrameActivation.h"
#include "gui/popup/PopUpBox.h"

#include <QPointer>

namespace orbisk::gui {

PopUpAsker::PopUpAsker(SkinPictures& pictures, CursorSource cursor)
    : m_pictures(pictures), m_cursor(std::move(cursor)) {}

std::optional<bool> PopUpAsker::Ask(QWidget* owner, const QString& title, const QString& message, int buttons,
                                    FirstFocus focus) {
    // Every use loads a new box, so each starts from its first state.
    QPointer<QWidget> asking = owner;
    PopUpBox box(m_pictures, m_cursor, owner);
    box.CallPop(title, message, buttons, owner, focus);
    box.exec();
    ReturnKeysTo(asking);
    return box.answer();
}

} // namespace orbisk::gui
