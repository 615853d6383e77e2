#pragma once
// TableEditorModel: what a table editor window asks of its model. The window forwards every
// click, key and command here and redraws from the answers; the model holds every rule. The
// texts of cells and chooser items are record bytes (code page 1252); message texts are UTF-8.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tables/editor_menu_state.h"
#include "tables/grid_selection.h"

namespace ovis {

enum class MouseButton { Left, Right };

// What a click or key on a cell opens. `Dialog` is a dialog of the table's own, which the
// editor's window opens for the cursor row.
enum class CellAction { None, ContextMenu, Chooser, NumberEditor, InlineEditor, Dialog };

// Who asks the editor to close: the user (close button, "Schließen") or the reconfiguration of
// the Interface, which only wants to know whether input is unsaved.
enum class CloseInitiator { User, Reconfiguration };
enum class CloseVerdict { Close, StayOpen, Unsaved };

struct NumberEditorStart {
    int maxDigits = 5;
    std::string text;  // the current row's value
};

class TableEditorModel {
public:
    virtual ~TableEditorModel() = default;

    // Grid contents.
    virtual int ColumnCount() const = 0;
    virtual std::size_t RowCount() const = 0;
    int GridRows() const { return GridRowsFor(RowCount()); }
    virtual std::string CellText(int row, int column) const = 0;

    // Selection. Press, drag and release come from the mouse, MoveCursor from the keys. A right
    // press may open something at once; a left click opens it when the button is released, so
    // that a range selected by dragging is what it applies to.
    virtual CellAction Press(MouseButton button, int row, int column) = 0;
    virtual void DragTo(int row, int column) = 0;
    virtual CellAction Release(int row, int column) = 0;
    virtual void MoveCursor(int row, int column, bool extend) = 0;
    virtual CellAction DoubleClick(int row, int column) = 0;
    virtual CellAction Enter() = 0;
    virtual int CursorRow() const = 0;
    virtual int CursorColumn() const = 0;
    virtual CellRect Selection() const = 0;
    virtual EditorMenuState Menu() const = 0;
    virtual PrintItemState PrintItem() const = 0;

    // Row commands and the name clipboard.
    virtual void NewMessage() = 0;      // "Neue Meldung"
    virtual void CopyMessages() = 0;    // "Meldung kopieren"
    virtual void PasteMessages() = 0;   // "Meldung einfügen"
    virtual void DeleteMessages() = 0;  // "Meldung löschen"
    virtual void CutNames() = 0;        // "Ausschneiden"
    virtual void CopyNames() = 0;       // "Kopieren"
    virtual void PasteNames() = 0;      // "Einfügen"
    virtual void EraseNames() = 0;      // "Löschen"
    virtual void Undo() = 0;            // "Rückgängig"

    // Choosers apply to every selected row.
    virtual std::vector<std::string> ChooserItems(int column) const = 0;
    virtual void ApplyChooser(int column, std::size_t item) = 0;

    // The number editor over a cell of the cursor row; its typed values show in every selected
    // row until it is finished (stored, one undo level) or cancelled (nothing stored).
    virtual std::optional<NumberEditorStart> BeginNumberEdit() = 0;
    // Returns the text the field shows after the input (a value above the maximum is reset).
    virtual std::string NumberTextEdited(const std::string& text) = 0;
    virtual void CancelNumberEdit() = 0;
    virtual void FinishNumberEdit() = 0;

    // Inline editing of a text cell of the cursor row; every edit is stored at once.
    virtual bool InlineEditing() const = 0;
    virtual std::string InlineText() const = 0;
    // Returns the text the field shows after the input (a column may correct what was typed).
    virtual std::string InlineTextEdited(const std::string& text) = 0;
    virtual void FinishInlineEdit() = 0;

    // Saving and closing. Save shows the check's message or the file error itself.
    virtual bool Save() = 0;
    virtual CloseVerdict CloseQuery(CloseInitiator initiator) = 0;
    virtual void Closed() = 0;
    virtual void Opened() = 0;
    virtual bool HasUnsavedChanges() const = 0;
    virtual bool UnsavedForReconfiguration() const = 0;

    // Runs when a failed check has selected the offending cell, before its message is shown,
    // so that the window shows the selection first.
    void OnFailureSelected(std::function<void()> callback) { failureSelected_ = std::move(callback); }

protected:
    void FailureSelected() const {
        if (failureSelected_) failureSelected_();
    }

private:
    std::function<void()> failureSelected_;
};

// Column 0 of grid row `row`: the last three digits of the row number + 1000.
std::string RowNumberText(int row);

}  // namespace ovis
