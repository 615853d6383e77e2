#pragma once
// IoEditor: the model of the I/O editor window: the shared table editor over the I/O table,
// and the terminal panel with its own commands (levels, terminal row, designations).
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "tables/io_table_plugin.h"
#include "tables/table_editor.h"
#include "tables/terminal_panel.h"

namespace ovis {

class ProjectStore;

inline constexpr int kIoHelpContext = 3001;
inline constexpr int kIoEditMenuHelpContext = 3003;

class IoEditor {
public:
    using Editor = TableEditor<TIoRecord, SignalSnapshot>;

    IoEditor(ProjectStore& store, Dialogs& dialogs);

    Editor& Table() { return editor_; }
    const Editor& Table() const { return editor_; }
    const TerminalPanel& Panel() const { return panel_; }
    TerminalPanel& Panel() { return panel_; }

    // Called after every successful save with the row count of the table.
    void SetSavedCallback(std::function<void(std::size_t rows)> callback);

    // The row under the grid's cursor; nothing outside the table.
    const TIoRecord* CurrentRow() const;

    // The panel's scroll bar.
    void ScrollPanelTo(int position);

    // The level chooser of terminal line 1..18; empty where the line sets no level.
    std::vector<std::string> LevelChooserItems(int line) const;
    // Writes the chosen level (or "  X") into the line's entry of every selected row.
    void ChooseLevel(int line, std::size_t item);

    // The arrow button that switches the terminal row of the selected rows.
    enum class RowSwitch { None, ToLower, ToUpper };
    RowSwitch RowSwitchOffered() const;
    void SwitchTerminalRow();

    // In-place editing of a designation of the shown module; the first change of an edit takes
    // one undo level, so that undo restores the text from before the edit.
    void EditDesignation(int line, const std::string& text);
    void FinishDesignationEdit();
    // Dragging line `from` onto line `to`.
    void MoveDesignation(int from, int to);

    // The hidden "&I/O" menu: "Reset  Meldungen" and "Reset  Signale".
    void ResetRows();
    void ResetSignals();

private:
    TerminalPanel panel_;
    IoTablePlugin plugin_;
    Editor editor_;
    ProjectStore& store_;
    bool designationEdited_ = false;
};

}  // namespace ovis
