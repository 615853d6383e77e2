#include "evaluation/condition_column.h"

namespace ovis {

const std::string& ConditionColumn::Cell(int row) const {
    static const std::string kNone;
    return row >= 1 && row <= int(cells_.size()) ? cells_[std::size_t(row - 1)] : kNone;
}

void ConditionColumn::Choose(int row, const std::string& listEntry) {
    if (row < 1 || row > int(cells_.size())) return;
    const auto text = listEntry.find_first_not_of(' ');
    if (text == std::string::npos) return;
    cells_[std::size_t(row - 1)] = listEntry.substr(text);
}

SearchConditions ConditionColumn::Conditions(const AnalyserRows& rows) const {
    SearchConditions conditions;
    for (int row = 1; row <= int(cells_.size()) && row <= rows.Count(); ++row)
        conditions.Set(rows.Message(row), ConditionOfCell(cells_[std::size_t(row - 1)]));
    return conditions;
}

}  // namespace ovis
