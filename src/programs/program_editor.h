#pragma once
// ProgramEditor: the model of the program editor window. The program grid is the shared table
// editor over the open program, with what programs add: operand cells filled from the name
// clipboard and the "Ablage" list, "(Kopie) " on pasted lines, the refusal of "Neue Meldung"
// while a line keeps the default name, the duplicate check on the next click after a name was
// edited, moving lines by their row number, and the file commands "Speichern",
// "Speichern unter...", "Öffnen..." and "Löschen...".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/trash.h"
#include "programs/name_storage.h"
#include "programs/program_menu_state.h"
#include "programs/program_table_plugin.h"
#include "tables/clipboards.h"
#include "tables/table_editor.h"

namespace ovis {

class ProjectStore;

inline constexpr int kProgramHelpContext = 7001;
inline constexpr int kProgramSelectionHelpContext = 7002;

// " Programm :  " + the program's name.
std::string ProgramCaption(std::string_view programName);

class ProgramEditor final : public TableEditorModel {
public:
    using Editor = TableEditor<TProgrammLine>;

    ProgramEditor(ProjectStore& store, Dialogs& dialogs, Trash& trash);

    // ---- the program grid (page "Programm") ----
    int ColumnCount() const override;
    std::size_t RowCount() const override;
    std::string CellText(int row, int column) const override;
    // A left press after a name was edited first runs the duplicate check: on a duplicate the
    // later line is selected, the warning shown, and InlineEditor returned (its name is being
    // edited again).
    CellAction Press(MouseButton button, int row, int column) override;
    void DragTo(int row, int column) override;
    CellAction Release(int row, int column) override;
    void MoveCursor(int row, int column, bool extend) override;
    CellAction DoubleClick(int row, int column) override;
    CellAction Enter() override;
    int CursorRow() const override;
    int CursorColumn() const override;
    CellRect Selection() const override;
    // The grid's menu state with the operand cells' name commands.
    EditorMenuState Menu() const override;
    PrintItemState PrintItem() const override;

    void NewMessage() override;
    void CopyMessages() override;
    void PasteMessages() override;
    void DeleteMessages() override;
    void CutNames() override;
    void CopyNames() override;
    void PasteNames() override;
    void EraseNames() override;
    void Undo() override;

    std::vector<std::string> ChooserItems(int column) const override;
    void ApplyChooser(int column, std::size_t item) override;
    std::optional<NumberEditorStart> BeginNumberEdit() override;
    std::string NumberTextEdited(const std::string& text) override;
    void CancelNumberEdit() override;
    void FinishNumberEdit() override;
    bool InlineEditing() const override;
    std::string InlineText() const override;
    std::string InlineTextEdited(const std::string& text) override;
    void FinishInlineEdit() override;

    // "Speichern": without a program name as "Speichern unter...".
    bool Save() override;
    // The close question names the program; "Nein" reloads it from its file.
    CloseVerdict CloseQuery(CloseInitiator initiator) override;
    // Empties the name clipboard and the "Ablage" list.
    void Closed() override;
    void Opened() override;
    bool HasUnsavedChanges() const override;
    bool UnsavedForReconfiguration() const override;

    // Moves the line dragged by its row number (with the selected block when it lies inside
    // it) to grid row `toRow`; a drop beyond the last line appends. One undo level; the block
    // is selected at its new place. False when nothing moved.
    bool MoveLines(int fromRow, int toRow);

    // ---- name clipboard from the read-only pages and the "Ablage" list ----
    // "Kopieren" on pages 1 to 7: the name of the current row of that page (record bytes).
    void CopyName(std::string_view name);
    const NameStorage& Storage() const { return storage_; }
    // Choosing an "Ablage" entry makes it the first name of the clipboard.
    void ChooseStorageEntry(std::size_t index);
    const NameClipboard& Names() const { return names_; }

    // ---- the program and its files ----
    const std::string& ProgramName() const;
    std::string Caption() const { return ProgramCaption(ProgramName()); }
    // "Speichern unter...": check, then ask for the name until one is accepted or the user
    // cancels. True when the program was written under the new name.
    bool SaveAs();
    // "Öffnen..." of a listed program: asks about unsaved changes first. True when it was
    // loaded.
    bool Open(const std::string& name);
    // "Löschen..." of the program in row `listRow` of `ProgramList()`: "Main" and the open
    // program are refused; any other is moved to the trash after the user confirmed it.
    // True when it was moved.
    bool Delete(std::size_t listRow);
    // The program list of the "Auswahl" page.
    std::vector<ProgramListEntry> ProgramList() const;
    // The list row to select after the list was rebuilt with `rowCount` rows.
    static std::size_t ListSelectionAfterDelete(std::size_t selected, std::size_t rowCount);

    // The menu state on a page; `selectedProgram` is the program selected on the "Auswahl" page.
    ProgramMenuState PageMenu(ProgramPage page, std::string_view selectedProgram) const;

    Editor& Table() { return editor_; }
    const Editor& Table() const { return editor_; }
    ProgramTablePlugin& Plugin() { return plugin_; }

private:
    bool OperandCellSelected() const;
    // Shows a failed check as a save does; false when the program is not valid.
    bool Validated();
    bool WriteAs(const std::string& name);
    std::optional<CellAction> DuplicateCheck();

    ProjectStore& store_;
    Dialogs& dialogs_;
    Trash& trash_;
    ProgramTablePlugin plugin_;
    Editor editor_;
    NameClipboard names_;
    NameStorage storage_;
};

}  // namespace ovis
