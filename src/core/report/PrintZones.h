#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

/// Text laid out in print zones, the way the results card is printed.
///
/// A print line is a list of items. A zone is kZoneColumns character columns
/// wide, a column being the average character width of the printing font.
/// The first item starts at column 0 (zone 1); every further item starts at the
/// first zone boundary after the column where the previous item ends. So an
/// item that fits its zone leaves the next item in the following zone, an item
/// that overruns its zone (or fills it to the last column) pushes the next
/// item on to the following free zone, and an empty item still takes its zone.
/// Items never touch: at least one column stays free between two of them.
namespace orbisk::report {

inline constexpr int kZoneColumns = 14;

/// The width of a text in columns. The printer measures with its font
/// (text width / average character width); the default counts characters.
using ColumnMeasure = std::function<double(std::string_view)>;

/// The number of characters of a UTF-8 text (code points, not bytes).
double CountColumns(std::string_view text);

/// An item with its place.
struct ZonedItem {
    int zone = 1; ///< 1-based; its left edge is at column (zone - 1) * kZoneColumns
    std::string text;

    bool operator==(const ZonedItem&) const = default;
};

/// The zones of a line's items under the rule above.
std::vector<ZonedItem> PlaceInZones(const std::vector<std::string>& items,
                                    const ColumnMeasure& measure = CountColumns);

/// The line as fixed-width text: each item at column (zone - 1) * kZoneColumns,
/// spaces before it; items placed with CountColumns.
std::string RenderZonedLine(const std::vector<ZonedItem>& items);

} // namespace orbisk::report
