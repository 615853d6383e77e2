#pragma once
// TableEditor: the editing behaviour that all table editors share, over one RecordTable and a
// TablePlugin for the table's own columns and rules: selection, menu state, row commands, name
// clipboard, choosers, number editor, inline editing, undo, saving, closing.
#include <algorithm>
#include <charconv>
#include <span>
#include <vector>

#include "platform/dialogs.h"
#include "records/io_error.h"
#include "tables/clipboards.h"
#include "project/table_capacity.h"
#include "tables/table_plugin.h"
#include "tables/undo_history.h"

namespace ovis {

template <FileRecord Record, typename Extra = NoExtra>
class TableEditor final : public TableEditorModel {
public:
    using Plugin = TablePlugin<Record, Extra>;

    TableEditor(Plugin& plugin, Dialogs& dialogs)
        : plugin_(plugin), dialogs_(dialogs), selection_(plugin.ColumnCount()) {}

    // ---- grid ----
    int ColumnCount() const override { return plugin_.ColumnCount(); }
    std::size_t RowCount() const override { return Table().Count(); }

    std::string CellText(int row, int column) const override {
        if (column == kRowNumberColumn) return RowNumberText(row);
        if (row < 0 || std::size_t(row) >= RowCount()) return {};
        if (numberEdit_ && column == numberEdit_->column && row >= numberEdit_->first &&
            row < numberEdit_->first + int(numberEdit_->shown.size()))
            return std::to_string(numberEdit_->shown[std::size_t(row - numberEdit_->first)]);
        return plugin_.CellText(std::size_t(row), column);
    }

    // ---- selection ----
    CellAction Press(MouseButton button, int row, int column) override {
        EndEditing();
        if (column == kRowNumberColumn) return CellAction::None;
        if (button == MouseButton::Left || !selection_.Rect().Contains(row, column)) SelectCell(row, column);
        return button == MouseButton::Right ? ActionAt(button, row, column) : CellAction::None;
    }
    void DragTo(int row, int column) override { selection_.ExtendTo(row, column, RowCount()); }
    CellAction Release(int row, int column) override {
        lastReleaseColumn_ = column;
        if (column != selection_.CursorColumn()) return CellAction::None;
        (void)row;
        return ActionAt(MouseButton::Left, selection_.CursorRow(), column);
    }
    void MoveCursor(int row, int column, bool extend) override {
        EndEditing();
        row = std::clamp(row, 0, GridRows() - 1);
        if (extend)
            selection_.ExtendTo(row, column, RowCount());
        else
            SelectCell(row, column);
    }
    CellAction DoubleClick(int row, int column) override {
        if (lastReleaseColumn_ == kRowNumberColumn || column == kRowNumberColumn) return CellAction::None;
        if (!InsideTable(row) || !plugin_.InlineEditable(column)) return CellAction::None;
        SelectCell(row, column);
        return BeginInlineEdit() ? CellAction::InlineEditor : CellAction::None;
    }
    CellAction Enter() override {
        const CellRect rect = selection_.Rect();
        const int column = selection_.CursorColumn();
        if (!InsideTable(selection_.CursorRow())) return CellAction::None;
        if (plugin_.NumberColumn(column)) return CellAction::NumberEditor;
        if (rect.Width() == 1 && rect.Height() == 1 && column == kNameColumn)
            return BeginInlineEdit() ? CellAction::InlineEditor : CellAction::None;
        return CellAction::None;
    }
    int CursorRow() const override { return selection_.CursorRow(); }
    int CursorColumn() const override { return selection_.CursorColumn(); }
    CellRect Selection() const override { return selection_.Rect(); }

    PrintItemState PrintItem() const override { return ComputePrintItem(plugin_.PrintsReport()); }
    EditorMenuState Menu() const override {
        return ComputeMenuState({RowCount(), selection_.CursorRow(), selection_.Rect(), names_.Filled(),
                                 messages_.Filled(), history_.CanUndo()});
    }

    // ---- row commands ----
    void NewMessage() override {
        EndEditing();
        if (Table().Full()) {
            dialogs_.Warning(TableFullMessage(RowCount(), 1));
            return;
        }
        TakeSnapshot();
        const std::size_t count = RowCount();
        const int cursor = selection_.CursorRow();
        const std::size_t position = (count > 0 && std::size_t(cursor) + 1 < count) ? std::size_t(cursor) + 1 : count;
        const auto rows = SelectedRows();
        const Record* first = rows.empty() ? nullptr : &Table().Row(rows.first);
        const Record row = plugin_.NewRow(first, position);
        Table().InsertRows(position, std::span<const Record>(&row, 1));
        AfterChange();
        selection_.Select(int(position), kNameColumn);
        CursorMoved();
    }

    void CopyMessages() override {
        EndEditing();
        const auto rows = SelectedRows();
        if (!InsideTable(selection_.CursorRow()) || rows.empty()) return;
        messages_.Fill(std::span<const Record>(&Table().Row(rows.first), rows.size()));
    }

    void PasteMessages() override {
        EndEditing();
        if (!messages_.Filled() || messages_.Records().empty()) return;
        const auto records = messages_.Records();
        if (records.size() > kMaxTableRows - RowCount()) {
            dialogs_.Warning(TableFullMessage(RowCount(), records.size()));
            return;
        }
        TakeSnapshot();
        const std::size_t count = RowCount();
        const int cursor = selection_.CursorRow();
        const std::size_t position = std::size_t(cursor) + 1 < count ? std::size_t(cursor) + 1 : count;
        Table().InsertRows(position, records);
        AfterChange();
        selection_.Select(int(position), selection_.CursorColumn());
        CursorMoved();
    }

    void DeleteMessages() override {
        EndEditing();
        TakeSnapshot();
        const auto rows = SelectedRows();
        if (rows.empty()) return;
        Table().RemoveRows(rows.first, rows.size(), plugin_.BlankRow());
        AfterChange();
        const std::size_t count = RowCount();
        selection_.Select(int(count == 0 ? 0 : std::min(rows.first, count - 1)), selection_.CursorColumn());
        CursorMoved();
    }

    // ---- name clipboard ----
    void CopyNames() override {
        EndEditing();
        const auto rows = SelectedRows();
        if (rows.empty()) return;
        std::vector<PString<255>> names;
        for (std::size_t r = rows.first; r <= rows.last; ++r) names.push_back(Table().Row(r).Bezeichnung);
        names_.Fill(names);
    }
    void CutNames() override {
        EndEditing();
        if (SelectedRows().empty()) return;
        TakeSnapshot();
        CopyNames();
        EmptySelectedNames();
    }
    void EraseNames() override {
        EndEditing();
        if (SelectedRows().empty()) return;
        TakeSnapshot();
        EmptySelectedNames();
    }
    void PasteNames() override {
        EndEditing();
        const auto names = names_.Names();
        const std::size_t count = RowCount();
        const int cursor = selection_.CursorRow();
        if (!names_.Filled() || names.empty() || !InsideTable(cursor)) return;
        TakeSnapshot();
        // More names than rows: one name only; never past the last row.
        std::size_t n = count < names.size() ? 1 : std::min(names.size(), count - std::size_t(cursor));
        for (std::size_t i = 0; i < n; ++i) Table().Row(std::size_t(cursor) + i).Bezeichnung = names[i];
        AfterChange();
    }

    // ---- undo ----
    void Undo() override {
        EndEditing();
        const int top = selection_.Rect().top;
        Extra extra = plugin_.CaptureExtra();
        const auto result = history_.Undo(Table(), extra);
        if (!result.undone) return;
        plugin_.RestoreExtra(extra);
        AfterChange();
        const int count = int(RowCount());
        int row = top;
        if (result.toEmptyTable) row = 0;
        else if (row >= count) row = std::max(count - 1, 0);
        selection_.Select(row, selection_.CursorColumn());
        CursorMoved();
    }

    // Takes an undo level of the rows and the extra state, before a change.
    void TakeSnapshot() {
        history_.Snapshot(Table().Rows(), plugin_.CaptureExtra());
        historyGeneration_ = Table().LoadGeneration();
    }
    int UndoLevels() const { return history_.Levels(); }
    UndoHistory<Record, Extra>& History() { return history_; }

    // ---- choosers ----
    std::vector<std::string> ChooserItems(int column) const override {
        if (!InsideTable(selection_.CursorRow())) return {};
        return plugin_.ChooserItems(Table().Row(std::size_t(selection_.CursorRow())), column);
    }
    void ApplyChooser(int column, std::size_t item) override {
        EndEditing();
        const auto rows = SelectedRows();
        if (rows.empty() || item >= ChooserItems(column).size()) return;
        TakeSnapshot();
        for (std::size_t r = rows.first; r <= rows.last; ++r) plugin_.ApplyChooser(Table().Row(r), column, item);
        AfterChange();
    }

    // ---- number editor ----
    std::optional<NumberEditorStart> BeginNumberEdit() override {
        EndEditing();
        const int column = selection_.CursorColumn();
        const auto format = plugin_.NumberColumn(column);
        const auto rows = SelectedRows();
        if (!format || rows.empty() || !InsideTable(selection_.CursorRow())) return std::nullopt;
        const auto value = plugin_.NumberValue(Table().Row(std::size_t(selection_.CursorRow())), column);
        const bool fill = format->fillsSelection && rows.first != rows.last;
        NumberEdit edit{column, int(rows.first), *format, {}, fill};
        for (std::size_t r = rows.first; r <= rows.last; ++r) {
            const Record& row = Table().Row(r);
            edit.shown.push_back(fill ? plugin_.ShownNumber(row, column, value) : plugin_.NumberValue(row, column));
        }
        numberEdit_ = edit;
        return NumberEditorStart{format->maxDigits, std::to_string(value)};
    }
    std::string NumberTextEdited(const std::string& text) override {
        if (!numberEdit_) return text;
        std::string digits;
        for (char c : text)
            if (c >= '0' && c <= '9' && int(digits.size()) < numberEdit_->format.maxDigits) digits += c;
        std::int64_t typed = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), typed);
        const std::int32_t clipped = std::int32_t(std::min<std::int64_t>(typed, numberEdit_->format.maximum));
        for (std::size_t i = 0; i < numberEdit_->shown.size(); ++i) {
            const Record& row = Table().Row(std::size_t(numberEdit_->first) + i);
            numberEdit_->shown[i] = plugin_.ShownNumber(row, numberEdit_->column, clipped);
        }
        return typed > numberEdit_->format.maximum ? std::to_string(numberEdit_->format.maximum) : digits;
    }
    void CancelNumberEdit() override { numberEdit_.reset(); }
    void FinishNumberEdit() override {
        if (!numberEdit_) return;
        const NumberEdit edit = *numberEdit_;
        numberEdit_.reset();
        bool changed = false;
        for (std::size_t i = 0; i < edit.shown.size(); ++i)
            changed |= plugin_.NumberValue(Table().Row(std::size_t(edit.first) + i), edit.column) != edit.shown[i];
        if (!changed && !edit.fillsSelection) return;
        TakeSnapshot();
        for (std::size_t i = 0; i < edit.shown.size(); ++i)
            plugin_.StoreNumber(Table().Row(std::size_t(edit.first) + i), edit.column, edit.shown[i]);
        AfterChange();
    }
    bool NumberEditing() const { return numberEdit_.has_value(); }

    // ---- inline editing ----
    bool InlineEditing() const override { return inlineEdit_.has_value(); }
    std::string InlineText() const override {
        if (!inlineEdit_) return {};
        return plugin_.InlineText(Table().Row(inlineEdit_->row), inlineEdit_->column);
    }
    std::string InlineTextEdited(const std::string& text) override {
        if (!inlineEdit_) return text;
        return plugin_.StoreInlineText(Table().Row(inlineEdit_->row), inlineEdit_->column, text);
    }
    void FinishInlineEdit() override {
        if (!inlineEdit_) return;
        const InlineEdit edit = *inlineEdit_;
        inlineEdit_.reset();
        const Record& now = Table().Row(edit.row);
        if (plugin_.InlineText(now, edit.column) == plugin_.InlineText(edit.entry, edit.column)) return;
        TakeSnapshot();
        history_.PatchNewestRow(edit.row, edit.entry);
        plugin_.InlineEditFinished(Table().Row(edit.row), edit.column);
        plugin_.InlineEditChanged(edit.row, edit.column, edit.entry);
        AfterChange();
    }

    // ---- saving and closing ----
    bool Save() override {
        EndEditing();
        if (auto failure = plugin_.ValidateForSave()) {
            selection_.Select(int(failure->row) - 1, failure->column);
            CursorMoved();
            plugin_.Redrawing();
            FailureSelected();
            dialogs_.Warning(failure->message);
            saveFailed_ = true;
            return false;
        }
        try {
            plugin_.Write();
        } catch (const IoError& e) {
            dialogs_.Error(e.what());
            saveFailed_ = true;
            return false;
        }
        saveFailed_ = false;
        unsavedForReconfiguration_ = false;
        ClearHistory();
        plugin_.Redrawing();
        plugin_.Saved();
        return true;
    }

    CloseVerdict CloseQuery(CloseInitiator initiator) override {
        EndEditing();
        saveFailed_ = false;
        unsavedForReconfiguration_ = false;
        if (!plugin_.Changed()) return CloseVerdict::Close;
        if (initiator == CloseInitiator::Reconfiguration) {
            unsavedForReconfiguration_ = true;
            return CloseVerdict::Unsaved;
        }
        const Answer answer =
            dialogs_.Show(BoxKind::Warning, "Möchten Sie die Änderungen in \"" + plugin_.ProjectName() + "\" speichern?",
                          Buttons::YesNoCancel);
        switch (answer) {
            case Answer::Yes: return Save() ? CloseVerdict::Close : CloseVerdict::StayOpen;
            case Answer::No: return Revert() ? CloseVerdict::Close : CloseVerdict::StayOpen;
            case Answer::Ok:
            case Answer::Cancel: break;
        }
        return CloseVerdict::StayOpen;
    }

    void Closed() override {
        EndEditing();
        names_.Empty();
        unsavedForReconfiguration_ = false;
        selection_.Select(0, kNameColumn);
    }

    void Opened() override {
        // A history taken before the table was loaded anew (another project) must not be undone
        // into it.
        if (history_.CanUndo() && historyGeneration_ != Table().LoadGeneration()) ClearHistory();
        selection_.Select(0, kNameColumn);
        plugin_.Redrawing();
        CursorMoved();
    }

    bool HasUnsavedChanges() const override { return plugin_.Changed(); }
    bool UnsavedForReconfiguration() const override { return unsavedForReconfiguration_; }
    bool SaveFailed() const { return saveFailed_; }

    // Reloads the table's files and clears the history ("No" in the save question). False
    // when the files could not be read (the error was shown; the table keeps its rows).
    bool Revert() {
        try {
            const TableLoadResult result = plugin_.Reload();
            if (auto message = LoadOverflowMessage(plugin_.FileName(), result)) dialogs_.Information(*message);
        } catch (const IoError& e) {
            dialogs_.Error(e.what());
            return false;
        }
        ClearHistory();
        plugin_.Redrawing();
        return true;
    }

    // ---- for table-specific commands ----
    struct RowRange {
        std::size_t first = 0, last = 0;
        bool isEmpty = true;
        bool empty() const { return isEmpty; }
        std::size_t size() const { return isEmpty ? 0 : last - first + 1; }
    };
    // The selected rows, the bottom clamped to the last row.
    RowRange SelectedRows() const {
        const CellRect rect = selection_.Rect();
        const std::size_t count = RowCount();
        if (count == 0 || std::size_t(rect.top) >= count) return {};
        return {std::size_t(rect.top), std::min(std::size_t(rect.bottom), count - 1), false};
    }
    void AfterChange() { plugin_.Redrawing(); }
    // The user selects a cell (click or key).
    void SelectCell(int row, int column) {
        selection_.Select(std::clamp(row, 0, std::max(GridRows() - 1, 0)), column);
        CursorMoved(true);
    }
    void EndEditing() {
        FinishInlineEdit();
        FinishNumberEdit();
    }

private:
    struct NumberEdit {
        int column = 0;
        int first = 0;
        NumberColumnLimits format;
        std::vector<std::int32_t> shown;  // per selected row
        bool fillsSelection = false;      // several rows get the value even without typing
    };
    struct InlineEdit {
        std::size_t row = 0;
        int column = 0;
        Record entry;  // the row as it was when the edit began
    };

    RecordTable<Record>& Table() { return plugin_.Rows(); }
    const RecordTable<Record>& Table() const { return plugin_.Rows(); }
    bool InsideTable(int row) const { return row >= 0 && std::size_t(row) < RowCount(); }

    CellAction ActionAt(MouseButton button, int row, int column) const {
        if (column == kRowNumberColumn || !InsideTable(row)) return CellAction::None;
        const CellAction action = plugin_.ClickAction(button, column);
        if (action == CellAction::Chooser && ChooserItems(column).empty()) return CellAction::None;
        return action;
    }

    bool BeginInlineEdit() {
        const int row = selection_.CursorRow();
        const int column = selection_.CursorColumn();
        if (!InsideTable(row) || !plugin_.InlineEditable(column)) return false;
        inlineEdit_ = InlineEdit{std::size_t(row), column, Table().Row(std::size_t(row))};
        return true;
    }

    void EmptySelectedNames() {
        const auto rows = SelectedRows();
        for (std::size_t r = rows.first; r <= rows.last; ++r) Table().Row(r).Bezeichnung = "";
        AfterChange();
    }

    void ClearHistory() {
        history_.Clear(plugin_.HistoryBlankRows());
        historyGeneration_ = Table().LoadGeneration();
    }

    void CursorMoved(bool byUser = false) {
        if (InsideTable(selection_.CursorRow())) plugin_.CursorMovedTo(std::size_t(selection_.CursorRow()), byUser);
    }

    Plugin& plugin_;
    Dialogs& dialogs_;
    GridSelection selection_;
    UndoHistory<Record, Extra> history_;
    std::uint64_t historyGeneration_ = 0;
    MessageClipboard<Record> messages_;
    NameClipboard names_;
    std::optional<NumberEdit> numberEdit_;
    std::optional<InlineEdit> inlineEdit_;
    int lastReleaseColumn_ = kNameColumn;
    bool saveFailed_ = false;
    bool unsavedForReconfiguration_ = false;
};

}  // namespace ovis
