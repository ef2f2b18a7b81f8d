#include "gui/chrome/Fonts.h"

#include <QStringList>

namespace orbisk::gui {

QFont TitleFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Trebuchet MS"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QFont BodyFont(double points) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    return font;
}

} // namespace orbisk::gui
