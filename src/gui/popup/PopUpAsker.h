#pragma once

#include "gui/chrome/HoverPoller.h"
#include "gui/popup/Asker.h"

namespace orbisk::gui {

class SkinPictures;

/// Asks in a fresh PopUpBox each time, shown modally over its owner.
class PopUpAsker final : public Asker {
public:
    PopUpAsker(SkinPictures& pictures, CursorSource cursor);
    std::optional<bool> Ask(QWidget* owner, const QString& title, const QString& message, int buttons,
                            FirstFocus focus) override;

private:
    SkinPictures& m_pictures;
    CursorSource m_cursor;
};

} // namespace orbisk::gui
