#pragma once
// ReadOnlyTable: another table shown read-only on a page of the program editor. The rows and
// their cell texts come from the owning editor's columns; a click selects, nothing edits, and
// "Kopieren" takes the name of the current row.
#include <functional>
#include <optional>

#include "tables/table_editor_model.h"

namespace ovis {

class ReadOnlyTable final : public TableEditorModel {
public:
    using RowCountFunction = std::function<std::size_t()>;
    // Text of a column (1 and beyond) of a row inside the table, record bytes.
    using CellTextFunction = std::function<std::string(std::size_t row, int column)>;

    ReadOnlyTable(int columnCount, RowCountFunction rowCount, CellTextFunction cellText);

    // The shared editor's columns of a table (its TablePlugin, or anything with ColumnCount,
    // Rows().Count() and CellText).
    template <class Columns>
    static ReadOnlyTable Of(Columns& columns) {
        return ReadOnlyTable(
            columns.ColumnCount(), [&columns] { return columns.Rows().Count(); },
            [&columns](std::size_t row, int column) { return columns.CellText(row, column); });
    }

    // The name (column 1) of the current row; nothing outside the table.
    std::optional<std::string> CurrentName() const;

    int ColumnCount() const override { return columnCount_; }
    std::size_t RowCount() const override { return rowCount_(); }
    std::string CellText(int row, int column) const override;

    CellAction Press(MouseButton button, int row, int column) override;
    void DragTo(int row, int column) override { (void)row, (void)column; }
    CellAction Release(int row, int column) override;
    void MoveCursor(int row, int column, bool extend) override;
    CellAction DoubleClick(int row, int column) override { (void)row, (void)column; return CellAction::None; }
    CellAction Enter() override { return CellAction::None; }
    int CursorRow() const override { return selection_.CursorRow(); }
    int CursorColumn() const override { return selection_.CursorColumn(); }
    CellRect Selection() const override { return selection_.Rect(); }
    // Only "Kopieren", while the current row lies inside the table.
    EditorMenuState Menu() const override;
    PrintItemState PrintItem() const override { return {}; }

    void NewMessage() override {}
    void CopyMessages() override {}
    void PasteMessages() override {}
    void DeleteMessages() override {}
    void CutNames() override {}
    void CopyNames() override {}
    void PasteNames() override {}
    void EraseNames() override {}
    void Undo() override {}

    std::vector<std::string> ChooserItems(int column) const override { (void)column; return {}; }
    void ApplyChooser(int column, std::size_t item) override { (void)column, (void)item; }
    std::optional<NumberEditorStart> BeginNumberEdit() override { return std::nullopt; }
    std::string NumberTextEdited(const std::string& text) override { return text; }
    void CancelNumberEdit() override {}
    void FinishNumberEdit() override {}
    bool InlineEditing() const override { return false; }
    std::string InlineText() const override { return {}; }
    std::string InlineTextEdited(const std::string& text) override { return text; }
    void FinishInlineEdit() override {}

    bool Save() override { return true; }
    CloseVerdict CloseQuery(CloseInitiator initiator) override { (void)initiator; return CloseVerdict::Close; }
    void Closed() override { selection_.Select(0, kNameColumn); }
    void Opened() override { selection_.Select(0, kNameColumn); }
    bool HasUnsavedChanges() const override { return false; }
    bool UnsavedForReconfiguration() const override { return false; }

private:
    bool InsideTable(int row) const { return row >= 0 && std::size_t(row) < RowCount(); }

    int columnCount_;
    RowCountFunction rowCount_;
    CellTextFunction cellText_;
    GridSelection selection_;
};

}  // namespace ovis
