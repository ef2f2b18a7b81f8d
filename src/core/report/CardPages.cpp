#include "core/report/CardPages.h"

#include <algorithm>

namespace orbisk::report {

std::vector<LinePlace> PaginateCard(const std::vector<CardLine>& card, int linesPerPage) {
    const int perPage = std::max(1, linesPerPage);
    std::vector<LinePlace> places;
    places.reserve(card.size());
    int page = 1;
    int row = 0;
    for (std::size_t i = 0; i < card.size(); ++i) {
        if (card[i].empty()) {
            if (row >= perPage) {
                ++page;
                row = 0;
            }
            if (row == 0 && page > 1) {
                places.push_back({page, 0, false});
            } else {
                places.push_back({page, row, true});
                ++row;
            }
            continue;
        }
        const bool runStarts = i == 0 || card[i - 1].empty();
        std::size_t end = i;
        while (end < card.size() && !card[end].empty()) {
            ++end;
        }
        const auto run = static_cast<int>(end - i);
        const bool pageFull = row >= perPage;
        const bool runMoves = runStarts && run <= perPage && row + run > perPage;
        if (row > 0 && (pageFull || runMoves)) {
            ++page;
            row = 0;
        }
        places.push_back({page, row, true});
        ++row;
    }
    return places;
}

int PageCount(const std::vector<LinePlace>& places) {
    int pages = 1;
    for (const LinePlace& place : places) {
        if (place.shown) {
            pages = std::max(pages, place.page);
        }
    }
    return pages;
}

} // namespace orbisk::report
