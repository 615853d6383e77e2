#pragma once
// The analyser's marked rows, which the edit commands act on, and how clicks, Shift and Ctrl
// clicks and the mouse wheel in the name list change them.
#include <vector>

namespace ovis {

class RowMarks {
public:
    explicit RowMarks(int rows = 0) { Resize(rows); }

    // Rows 1..rows; marks beyond them are dropped.
    void Resize(int rows);
    int Rows() const { return int(marks_.size()); }

    bool Marked(int row) const { return row >= 1 && row <= Rows() && marks_[std::size_t(row - 1)]; }
    std::vector<int> MarkedRows() const;
    // The row last clicked or moved to (the grid's current row); 0 before any.
    int Current() const { return current_; }

    // A click marks only that row.
    void Click(int row);
    // Shift+click marks the range from the current row to this one (only those).
    void ShiftClick(int row);
    // Ctrl+click toggles one row.
    void CtrlClick(int row);
    // A wheel step moves the single mark one row down (step > 0) or up; the mark stays within the rows.
    void WheelStep(int step);

private:
    std::vector<bool> marks_;
    int current_ = 0;
};

// The first visible row after `row` became current, so that it stays within `visible` rows.
int TopRowShowing(int row, int topRow, int visible);

}  // namespace ovis
