#pragma once

#include <QFont>
#include <QString>

namespace orbisk::gui {

/// "Trebuchet MS" where it is installed, else Liberation Sans or DejaVu Sans.
QFont TitleFont();
/// "Arial" where it is installed, else Liberation Sans or DejaVu Sans.
QFont BodyFont(double points);
/// @p font, made smaller in quarter points as far as @p smallest points, until
/// @p text fits in @p width pixels on one line: a cell of fixed width showing
/// a text whose length the system decides (a date in its short format, say)
/// shows it whole. Returns @p font when the text fits as it is.
QFont FontToFit(const QFont& font, const QString& text, int width, double smallest);

} // namespace orbisk::gui
