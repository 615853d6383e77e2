#pragma once
// TablePlugin: what one table contributes to the shared TableEditor: its columns, choosers,
// number columns, new rows, change test, checks and files.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/name_check.h"
#include "project/record_table.h"
#include "tables/table_editor_model.h"
#include "tables/undo_history.h"

namespace ovis {

struct NumberColumnLimits {
    int maxDigits = 5;
    std::int32_t maximum = 0;  // typed values are clipped to it
    // Leaving the editor with several rows selected stores the editor's value into every one,
    // even when nothing was typed.
    bool fillsSelection = false;
};

template <FileRecord Record, typename Extra = NoExtra>
class TablePlugin {
public:
    using Table = RecordTable<Record>;
    virtual ~TablePlugin() = default;

    virtual Table& Rows() = 0;
    const Table& Rows() const { return const_cast<TablePlugin*>(this)->Rows(); }

    virtual int ColumnCount() const = 0;
    // Text of a column of a row inside the table (record bytes); column 0 is never asked.
    virtual std::string CellText(std::size_t row, int column) const = 0;

    // What a click on a cell of a row inside the table opens.
    virtual CellAction ClickAction(MouseButton button, int column) const = 0;

    virtual std::vector<std::string> ChooserItems(const Record& cursorRow, int column) const {
        (void)cursorRow, (void)column;
        return {};
    }
    virtual void ApplyChooser(Record& row, int column, std::size_t item) const { (void)row, (void)column, (void)item; }

    virtual std::optional<NumberColumnLimits> NumberColumn(int column) const {
        (void)column;
        return std::nullopt;
    }
    virtual std::int32_t NumberValue(const Record& row, int column) const {
        (void)row, (void)column;
        return 0;
    }
    // The value a row shows for a typed value already clipped to the column maximum.
    virtual std::int32_t ShownNumber(const Record& row, int column, std::int32_t clipped) const {
        (void)row, (void)column;
        return clipped;
    }
    virtual void StoreNumber(Record& row, int column, std::int32_t value) const { (void)row, (void)column, (void)value; }

    // Whether the table has a printed report ("Drucken..." in the editor's menu).
    virtual bool PrintsReport() const { return false; }
    virtual bool InlineEditable(int column) const { return column == kNameColumn; }
    virtual std::string InlineText(const Record& row, int column) const {
        (void)column;
        return row.Bezeichnung.str();
    }
    // Stores typed text; returns the text the cell shows for it.
    virtual std::string StoreInlineText(Record& row, int column, std::string_view text) const {
        (void)column;
        row.Bezeichnung = text;
        return row.Bezeichnung.str();
    }
    // Called when an inline edit that changed the row ends, before the grid is rebuilt.
    virtual void InlineEditFinished(Record& row, int column) const { (void)row, (void)column; }
    // Called after InlineEditFinished, with the row as it was when the edit began.
    virtual void InlineEditChanged(std::size_t row, int column, const Record& entry) {
        (void)row, (void)column, (void)entry;
    }

    // A new row at 0-based `position`, from the first selected row when there is one.
    virtual Record NewRow(const Record* firstSelected, std::size_t position) const = 0;
    virtual Record BlankRow() const { return Record{}; }

    // Called after every change, before the grid is rebuilt.
    virtual void Redrawing() {}
    // Called when the cursor moved to a row inside the table; `byUser` for a click or a key,
    // false when a command or the opening of the window put it there.
    virtual void CursorMovedTo(std::size_t row, bool byUser) { (void)row, (void)byUser; }

    // Whether the table (and its extra state) differs from what was last loaded or saved.
    virtual bool Changed() const = 0;
    virtual Extra CaptureExtra() const { return {}; }
    virtual void RestoreExtra(const Extra& extra) { (void)extra; }

    // The check before saving (names and the table's own checks).
    virtual std::optional<CheckFailure> ValidateForSave() = 0;
    // Writes the table's files and takes the saved image; IoError on failure.
    virtual void Write() = 0;
    // Reloads the table's files; IoError on failure.
    virtual TableLoadResult Reload() = 0;
    virtual std::string FileName() const = 0;
    virtual std::string ProjectName() const = 0;
    // After a successful save.
    virtual void Saved() {}
    // Rows per level that clearing the history blanks.
    virtual std::size_t HistoryBlankRows() const { return kMaxTableRows; }
};

}  // namespace ovis
