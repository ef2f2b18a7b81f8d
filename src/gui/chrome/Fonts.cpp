#include "gui/chrome/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace orbisk::gui {

namespace {

// The families of @p wanted that this machine has, in the order given. A
// missing family first in a font's list makes the font system ask for
// substitutes of that name on every new size and weight, only to settle on
// the next family of the list: leaving it out settles there at once. With
// none of them installed the list stays whole, to fall back as it always did.
QStringList installed(const QStringList& wanted) {
    const QStringList families = QFontDatabase::families();
    QStringList present;
    for (const QString& family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive)) {
            present << family;
        }
    }
    return present.isEmpty() ? wanted : present;
}

} // namespace

QFont TitleFont() {
    static const QStringList families = installed(
        {QStringLiteral("Trebuchet MS"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QFont BodyFont(double points) {
    static const QStringList families = installed(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    return font;
}

QFont FontToFit(const QFont& font, const QString& text, int width, double smallest) {
    QFont fitted = font;
    for (double points = font.pointSizeF();
         QFontMetrics(fitted).horizontalAdvance(text) > width && points - 0.25 >= smallest;) {
        points -= 0.25;
        fitted.setPointSizeF(points);
    }
    return fitted;
}

} // namespace orbisk::gui
