#pragma once

#include "core/report/ResultsCard.h"
#include "gui/print/PrinterAccess.h"

#include <QFont>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;

namespace orbisk::gui {

/// The card's lines placed for a font on a paint device, in device units.
struct CardLayout {
    QFont font;             ///< the printing font, made smaller if the card is wider than the page
    double column = 0;      ///< one character column: the font's average character width
    double lineSpacing = 0; ///< from one print line to the next
    double ascent = 0;      ///< from a line's top to its baseline
    double widest = 0;      ///< the right edge of the widest line
    std::vector<std::vector<report::ZonedItem>> lines;
};

/// Places @p card in print zones measured with @p font on @p device. When a
/// line reaches past @p width (the 128-hyphen rule can, on a narrow page or
/// with a large font), the font is made smaller until every line fits, down to
/// a smallest readable size; anything still wider is cut at the margin.
CardLayout LayOutCard(const std::vector<report::CardLine>& card, const QFont& font, QPaintDevice* device,
                      double width);

/// Paints @p card on @p device with the device's own font: one print line
/// after another at the font's line spacing, each item at its zone, on pages
/// cut as PaginateCard does (a topic's block is not split between pages).
Painting PaintResultsCard(QPagedPaintDevice& device, const std::vector<report::CardLine>& card);

} // namespace orbisk::gui
