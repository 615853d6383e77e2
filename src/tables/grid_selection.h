#pragma once
// The cursor and the selected rectangle of a table editor's grid. Grid rows are 0-based and
// correspond to table rows; column 0 (the row number) is fixed and never selected.
#include <algorithm>
#include <cstddef>

namespace ovis {

inline constexpr int kRowNumberColumn = 0;
inline constexpr int kNameColumn = 1;
inline constexpr int kMinGridRows = 21;

struct CellRect {
    int left = kNameColumn, top = 0, right = kNameColumn, bottom = 0;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool Contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool operator==(const CellRect&) const = default;
};

// The rows of the grid for a table of `rowCount` rows: at least 21.
inline int GridRowsFor(std::size_t rowCount) { return std::max<int>(kMinGridRows, int(rowCount)); }

class GridSelection {
public:
    explicit GridSelection(int columnCount = 2) : columns_(columnCount) {}

    void SetColumnCount(int columns) { columns_ = columns; }
    int CursorRow() const { return cursorRow_; }
    int CursorColumn() const { return cursorColumn_; }
    CellRect Rect() const {
        return {std::min(cursorColumn_, anchorColumn_), std::min(cursorRow_, anchorRow_),
                std::max(cursorColumn_, anchorColumn_), std::max(cursorRow_, anchorRow_)};
    }

    // A single cell becomes the cursor and the whole selection.
    void Select(int row, int column) {
        cursorRow_ = anchorRow_ = std::max(row, 0);
        cursorColumn_ = anchorColumn_ = ClampColumn(column);
    }

    // Drags or extends the selection to a cell; a range is only allowed while the cursor row
    // lies inside the table.
    void ExtendTo(int row, int column, std::size_t tableRows) {
        if (cursorRow_ >= int(tableRows)) return;
        anchorRow_ = std::max(row, 0);
        anchorColumn_ = ClampColumn(column);
    }

private:
    int ClampColumn(int column) const { return std::clamp(column, kNameColumn, std::max(kNameColumn, columns_ - 1)); }

    int columns_;
    int cursorRow_ = 0, cursorColumn_ = kNameColumn;
    int anchorRow_ = 0, anchorColumn_ = kNameColumn;
};

}  // namespace ovis
