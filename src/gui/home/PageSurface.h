#pragma once

#include "core/layout/Geometry.h"
#include "gui/chrome/Place.h"

#include <QPalette>
#include <QString>
#include <QWidget>

namespace orbisk::gui {

/// Makes @p page one of the home window's pages: named @p name, placed at @p at
/// (twips of the window) where every page stands, black text on white.
inline void SetUpHomePage(QWidget& page, const QString& name, const layout::Rect& at) {
    page.setObjectName(name);
    Place(&page, at);
    page.setAutoFillBackground(true);
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    page.setPalette(palette);
}

} // namespace orbisk::gui
