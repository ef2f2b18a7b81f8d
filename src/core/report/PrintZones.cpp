#include "core/report/PrintZones.h"

#include <algorithm>
#include <cmath>

namespace orbisk::report {

double CountColumns(std::string_view text) {
    double columns = 0;
    for (const char c : text) {
        // Count every byte that does not continue a multi-byte character.
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++columns;
        }
    }
    return columns;
}

std::vector<ZonedItem> PlaceInZones(const std::vector<std::string>& items, const ColumnMeasure& measure) {
    std::vector<ZonedItem> placed;
    placed.reserve(items.size());
    int zone = 1;
    for (const std::string& item : items) {
        placed.push_back({zone, item});
        const double start = static_cast<double>((zone - 1) * kZoneColumns);
        const double end = start + std::max(0.0, measure(item));
        // The first boundary strictly after the end: an empty item still moves
        // the next one on by a zone.
        zone = static_cast<int>(std::floor(end / kZoneColumns)) + 2;
    }
    return placed;
}

std::string RenderZonedLine(const std::vector<ZonedItem>& items) {
    std::string line;
    double column = 0;
    for (const ZonedItem& item : items) {
        const double start = static_cast<double>((item.zone - 1) * kZoneColumns);
        if (column < start) {
            line.append(static_cast<std::size_t>(start - column), ' ');
            column = start;
        }
        line += item.text;
        column += CountColumns(item.text);
    }
    return line;
}

} // namespace orbisk::report
