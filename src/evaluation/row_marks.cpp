#include "evaluation/row_marks.h"

#include <algorithm>

namespace ovis {

void RowMarks::Resize(int rows) {
    marks_.resize(std::size_t(std::max(rows, 0)), false);
    if (current_ > Rows()) current_ = Rows();
}

std::vector<int> RowMarks::MarkedRows() const {
    std::vector<int> rows;
    for (int r = 1; r <= Rows(); ++r)
        if (Marked(r)) rows.push_back(r);
    return rows;
}

void RowMarks::Click(int row) {
    if (row < 1 || row > Rows()) return;
    std::fill(marks_.begin(), marks_.end(), false);
    marks_[std::size_t(row - 1)] = true;
    current_ = row;
}

void RowMarks::ShiftClick(int row) {
    if (row < 1 || row > Rows()) return;
    const int anchor = current_ >= 1 ? current_ : row;
    std::fill(marks_.begin(), marks_.end(), false);
    for (int r = std::min(anchor, row); r <= std::max(anchor, row); ++r) marks_[std::size_t(r - 1)] = true;
}

void RowMarks::CtrlClick(int row) {
    if (row < 1 || row > Rows()) return;
    marks_[std::size_t(row - 1)] = !marks_[std::size_t(row - 1)];
    current_ = row;
}

void RowMarks::WheelStep(int step) {
    if (Rows() == 0 || step == 0) return;
    const int from = current_ >= 1 ? current_ : 1;
    Click(std::clamp(from + (step > 0 ? 1 : -1), 1, Rows()));
}

int TopRowShowing(int row, int topRow, int visible) {
    if (row < topRow) return row;
    if (row >= topRow + visible) return row - visible + 1;
    return topRow;
}

}  // namespace ovis
