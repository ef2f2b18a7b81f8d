#pragma once

#include "core/layout/Geometry.h"

#include <QWidget>

namespace orbisk::gui {

/// Puts @p widget on a layout rectangle given in twips, its edges rounded to pixels.
inline void Place(QWidget* widget, const layout::Rect& rect) {
    const layout::PixelRect px = layout::ToPixels(rect);
    widget->setGeometry(px.x, px.y, px.width, px.height);
}

} // namespace orbisk::gui
