#pragma once
// The titles above a grid: each stands centred over its columns, and no two overlap. A title
// wider than its columns may reach over its neighbours' columns where their titles leave room;
// where there is none, a title wider than its columns gets a wider last column.
#include <vector>

namespace ovis {

struct GridTitleSpan {
    int firstColumn = 0;
    int lastColumn = 0;
    int textWidth = 0;  // the title's text with its margin, in pixels
};

struct GridTitlePlace {
    int x = 0;  // from the left edge of column 0
    int width = 0;
};

struct GridTitleLayout {
    std::vector<int> columnWidths;      // the given widths, widened where titles needed room
    std::vector<GridTitlePlace> places;  // one per title, in the given order
};

// `titles` are ordered from left to right and do not share columns.
GridTitleLayout LayOutGridTitles(std::vector<int> columnWidths, const std::vector<GridTitleSpan>& titles);

}  // namespace ovis
