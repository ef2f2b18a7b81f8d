#pragma once

#include "core/home/HomeNavigation.h"
#include "core/layout/Geometry.h"

#include <QObject>
#include <array>

class QWidget;

namespace orbisk::gui {

class HoverPoller;
class ImageButton;
class SkinPictures;

/// The home window's four toolbar buttons (ToolBar01 to ToolBar04). Each shows
/// the function its slot has in the current tab: caption, tooltip, accessible
/// name and picture family; a pressed button shows its pressed picture while
/// the cursor is on it.
class HomeToolbar final : public QObject {
    Q_OBJECT
public:
    HomeToolbar(SkinPictures& pictures, HoverPoller& poller,
                const std::array<layout::Rect, home::kToolbarSlots>& places, QWidget* window);

    /// Gives the slots the functions they have in tab @p tab (1 to home::kHelpTab).
    void Show(int tab);

    ImageButton* button(int slot) const { return m_buttons.at(static_cast<std::size_t>(slot - 1)); }

signals:
    void slotClicked(int slot);

private:
    SkinPictures& m_pictures;
    std::array<ImageButton*, home::kToolbarSlots> m_buttons{};
    int m_tab = 0;
};

} // namespace orbisk::gui
