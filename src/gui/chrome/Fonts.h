#pragma once

#include <QFont>
#include <QString>

namespace orbisk::gui {

/// "Trebuchet MS" where it is installed, else Liberation Sans or DejaVu Sans.
QFont TitleFont();
/// "Arial" where it is installed, else Liberation Sans or DejaVu Sans.
QFont BodyFont(double points);

} // namespace orbisk::gui
