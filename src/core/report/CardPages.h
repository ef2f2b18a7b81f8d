#pragma once

#include "core/report/ResultsCard.h"

#include <vector>

/// The results card cut into pages.
///
/// A page holds a fixed number of print lines. A run of lines with no blank
/// line between them (a topic's block: name, rules, headings and papers) is
/// not split between pages when it fits on one: it starts a new page instead.
/// A run longer than a page fills pages one after another. Blank lines at the
/// top of any page but the first are left out, since they would only push the
/// card down; those of the first page are kept.
namespace orbisk::report {

/// Where a print line goes.
struct LinePlace {
    int page = 1;      ///< 1-based
    int row = 0;       ///< 0-based line on the page
    bool shown = true; ///< false for a blank line left out at the top of a page

    bool operator==(const LinePlace&) const = default;
};

/// The place of each line of @p card on pages of @p linesPerPage lines (at
/// least one line a page, whatever is asked).
std::vector<LinePlace> PaginateCard(const std::vector<CardLine>& card, int linesPerPage);

/// The number of pages the shown lines run to (1 for an empty card).
int PageCount(const std::vector<LinePlace>& places);

} // namespace orbisk::report
