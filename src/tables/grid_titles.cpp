#include "tables/grid_titles.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace ovis {
namespace {

int ColumnsWidth(const std::vector<int>& widths, int first, int last) {
    return std::accumulate(widths.begin() + first, widths.begin() + last + 1, 0);
}

// Centres every title over its columns, then moves titles apart: first to the right of their
// left neighbour, then back to the left of their right neighbour. Returns the index of the
// first title that still overlaps its left neighbour, or -1.
int Place(const std::vector<int>& widths, const std::vector<GridTitleSpan>& titles,
          std::vector<GridTitlePlace>& places) {
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    places.assign(titles.size(), {});
    int previousEnd = 0;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const int start = ColumnsWidth(widths, 0, titles[i].firstColumn) - widths[std::size_t(titles[i].firstColumn)];
        const int span = ColumnsWidth(widths, titles[i].firstColumn, titles[i].lastColumn);
        const int width = std::max(span, titles[i].textWidth);
        const int x = std::max(start + (span - width) / 2, previousEnd);
        places[i] = {x, width};
        previousEnd = x + width;
    }
    int nextStart = total;
    for (std::size_t i = titles.size(); i-- > 0;) {
        places[i].x = std::max(0, std::min(places[i].x, nextStart - places[i].width));
        nextStart = places[i].x;
    }
    for (std::size_t i = 1; i < titles.size(); ++i)
        if (places[i].x < places[i - 1].x + places[i - 1].width) return int(i);
    if (!titles.empty() && places.back().x + places.back().width > total) return int(titles.size()) - 1;
    return -1;
}

}  // namespace

GridTitleLayout LayOutGridTitles(std::vector<int> columnWidths, const std::vector<GridTitleSpan>& titles) {
    GridTitleLayout layout;
    auto overflow = [&](std::size_t t) {
        return std::max(0, titles[t].textWidth - ColumnsWidth(columnWidths, titles[t].firstColumn, titles[t].lastColumn));
    };
    int crowded = Place(columnWidths, titles, layout.places);
    while (crowded >= 0) {
        // Not enough room around the crowded pair: the title nearest to it that is wider than
        // its columns gets a wider last column. Every step takes at least one pixel of some
        // title's overflow, so the loop ends.
        const auto i = std::size_t(crowded);
        const int end = i > 0 ? layout.places[i - 1].x + layout.places[i - 1].width : 0;
        const int missing = std::max(1, end - layout.places[i].x);
        std::optional<std::size_t> widened;
        for (std::size_t distance = 0; distance <= titles.size() && !widened; ++distance) {
            for (std::size_t t : {i + distance, i - 1 - distance}) {
                if (t < titles.size() && overflow(t) > 0) {
                    widened = t;
                    break;
                }
            }
        }
        if (!widened) break;  // no title is wider than its columns: nothing overlaps
        columnWidths[std::size_t(titles[*widened].lastColumn)] += std::min(missing, overflow(*widened));
        crowded = Place(columnWidths, titles, layout.places);
    }
    layout.columnWidths = std::move(columnWidths);
    return layout;
}

}  // namespace ovis
