#pragma once
// How a diagram cell is drawn: its geometry, its background and the white marks of its code.
#include <span>

#include "evaluation/column_states.h"

namespace ovis {

inline constexpr int kCellWidth = 8;
inline constexpr int kRowPitch = 19;        // 18 drawn, 1 gap
inline constexpr int kCellHeight = 18;
inline constexpr int kMarkTop = 9;          // the white marks fill the lower half
inline constexpr int kDiagramImageWidth = 1000;

// Height of the diagram image for `rows` rows.
inline int DiagramImageHeight(int rows) { return rows * kRowPitch + 2; }

// A horizontal range relative to the cell's left edge, end excluded.
struct MarkRange {
    int from;
    int to;
};

// The white ranges of code `code` in the lower half of the cell; none for Low throughout and for
// codes that do not occur.
std::span<const MarkRange> WhiteMarks(TColumnState code);

enum class CellBackground { Blue, LightBlue, Magenta };

struct DiagramLook {
    bool raster = false;
    bool teilungHorizontal = false;
    bool teilungVertikal = false;
};

// Background of row `row`, column `column` (both 1-based): magenta for the cursor column being
// drawn as cursor; light blue in every odd band of four rows ("Teilung horizontal") and in the
// odd bands of ten columns ("Teilung vertikal"); blue otherwise.
CellBackground BackgroundOf(int row, int column, bool asCursor, const DiagramLook& look);

// Width of the background rectangle: the raster leaves the cell's last pixel to its white line.
inline int BackgroundWidth(bool raster) { return raster ? kCellWidth - 1 : kCellWidth; }

}  // namespace ovis
