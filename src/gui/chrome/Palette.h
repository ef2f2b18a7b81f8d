#pragma once

#include <QColor>

/// The colours the windows are painted with, beside their skin pictures.
namespace orbisk::gui::palette {

/// The pale ground of every window: the home window's tab strip, the practice
/// window's toolbar, status bar and frame, the pop-up box.
inline constexpr QColor kWindow(244, 245, 235);

} // namespace orbisk::gui::palette
