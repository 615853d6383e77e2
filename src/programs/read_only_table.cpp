#include "programs/read_only_table.h"

#include <algorithm>

namespace ovis {

ReadOnlyTable::ReadOnlyTable(int columnCount, RowCountFunction rowCount, CellTextFunction cellText)
    : columnCount_(columnCount), rowCount_(std::move(rowCount)), cellText_(std::move(cellText)), selection_(columnCount) {}

std::optional<std::string> ReadOnlyTable::CurrentName() const {
    if (!InsideTable(selection_.CursorRow())) return std::nullopt;
    return cellText_(std::size_t(selection_.CursorRow()), kNameColumn);
}

std::string ReadOnlyTable::CellText(int row, int column) const {
    if (column == kRowNumberColumn) return RowNumberText(row);
    if (!InsideTable(row) || column >= columnCount_) return {};
    return cellText_(std::size_t(row), column);
}

CellAction ReadOnlyTable::Press(MouseButton button, int row, int column) {
    if (column == kRowNumberColumn) return CellAction::None;
    MoveCursor(row, column, false);
    return button == MouseButton::Right && InsideTable(row) ? CellAction::ContextMenu : CellAction::None;
}

CellAction ReadOnlyTable::Release(int row, int column) {
    (void)row, (void)column;
    return CellAction::None;
}

void ReadOnlyTable::MoveCursor(int row, int column, bool extend) {
    (void)extend;  // one cell at a time: only the current row's name is copied
    selection_.Select(std::clamp(row, 0, GridRows() - 1), column);
}

EditorMenuState ReadOnlyTable::Menu() const {
    EditorMenuState state;
    state.copyNames = InsideTable(selection_.CursorRow());
    return state;
}

}  // namespace ovis
