#include "programs/program_editor.h"

#include <algorithm>

#include "programs/program_columns.h"
#include "programs/program_texts.h"
#include "project/message_name.h"
#include "project/project_names.h"
#include "project/project_store.h"
#include "records/io_error.h"
#include "project/table_capacity.h"

namespace ovis {
namespace {

namespace col = program_column;

constexpr const char* kCopyPrefix = "(Kopie) ";
const NameTexts kProgramNameTexts{"Der neue Programmname ", "", ""};

PString<255>& Operand(TProgrammLine& line, int column) {
    switch (column) {
        case col::kOperandB: return line.MeldungB;
        case col::kTarget: return line.MeldungC;
        default: return line.MeldungA;
    }
}

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

}  // namespace

std::string ProgramCaption(std::string_view programName) { return " Programm :  " + std::string(programName); }

ProgramEditor::ProgramEditor(ProjectStore& store, Dialogs& dialogs, Trash& trash)
    : store_(store), dialogs_(dialogs), trash_(trash), plugin_(store), editor_(plugin_, dialogs) {
    editor_.OnFailureSelected([this] { FailureSelected(); });
}

// ---- grid ----

int ProgramEditor::ColumnCount() const { return editor_.ColumnCount(); }
std::size_t ProgramEditor::RowCount() const { return editor_.RowCount(); }
std::string ProgramEditor::CellText(int row, int column) const { return editor_.CellText(row, column); }

CellAction ProgramEditor::Press(MouseButton button, int row, int column) {
    editor_.EndEditing();
    if (plugin_.NameEdited()) {
        if (auto action = DuplicateCheck()) return *action;
    }
    return editor_.Press(button, row, column);
}

void ProgramEditor::DragTo(int row, int column) { editor_.DragTo(row, column); }
CellAction ProgramEditor::Release(int row, int column) { return editor_.Release(row, column); }
void ProgramEditor::MoveCursor(int row, int column, bool extend) { editor_.MoveCursor(row, column, extend); }
CellAction ProgramEditor::DoubleClick(int row, int column) { return editor_.DoubleClick(row, column); }
CellAction ProgramEditor::Enter() { return editor_.Enter(); }
int ProgramEditor::CursorRow() const { return editor_.CursorRow(); }
int ProgramEditor::CursorColumn() const { return editor_.CursorColumn(); }
CellRect ProgramEditor::Selection() const { return editor_.Selection(); }

EditorMenuState ProgramEditor::Menu() const {
    const EditorMenuState shared = editor_.Menu();
    const EditorMenuState grid = ComputeMenuState(
        {RowCount(), CursorRow(), Selection(), names_.Filled(), shared.pasteMessages, shared.undo});
    return WithOperandCellCommands(grid, CursorRow(), RowCount(), Selection(), names_.Filled());
}

PrintItemState ProgramEditor::PrintItem() const { return editor_.PrintItem(); }

std::optional<CellAction> ProgramEditor::DuplicateCheck() {
    ProgramTable& lines = plugin_.Rows();
    const auto names = RecordNames(lines.Rows());
    TrimNames(names);
    editor_.AfterChange();
    const auto failure = FindDuplicateName(names);
    if (!failure) {
        plugin_.ClearNameEdited();
        return std::nullopt;
    }
    editor_.MoveCursor(int(failure->row) - 1, col::kName, false);
    const CellAction action = editor_.Enter();
    dialogs_.Warning(failure->message);
    return action;
}

// ---- row commands ----

void ProgramEditor::NewMessage() {
    editor_.EndEditing();
    const ProgramTable& lines = plugin_.Rows();
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const auto name = lines.Row(i).Bezeichnung.view();
        if (name != kNewProgramLineName) continue;
        editor_.MoveCursor(int(i), col::kName, false);
        dialogs_.Warning("Bitte geben Sie zuerst der Meldung " + QuotedMessageName(name) + " in Zeile Nr. " +
                         std::to_string(i + 1) + " eine andere Bezeichnung!");
        return;
    }
    editor_.NewMessage();
}

void ProgramEditor::CopyMessages() { editor_.CopyMessages(); }

void ProgramEditor::PasteMessages() {
    ProgramTable& lines = plugin_.Rows();
    const std::size_t before = lines.Count();
    editor_.PasteMessages();
    const std::size_t pasted = lines.Count() - before;
    if (pasted == 0) return;
    const auto first = std::size_t(CursorRow());
    for (std::size_t i = first; i < first + pasted; ++i) {
        PString<255>& name = lines.Row(i).Bezeichnung;
        name = kCopyPrefix + name.str();
    }
    editor_.AfterChange();
}

void ProgramEditor::DeleteMessages() { editor_.DeleteMessages(); }

bool ProgramEditor::OperandCellSelected() const {
    const CellRect rect = Selection();
    const int row = CursorRow();
    return row >= 0 && std::size_t(row) < RowCount() && rect.Width() == 1 && rect.Height() == 1 &&
           col::IsOperandColumn(rect.left);
}

void ProgramEditor::CopyNames() {
    editor_.EndEditing();
    const auto rows = editor_.SelectedRows();
    const CellRect rect = Selection();
    if (rows.empty()) return;
    std::vector<PString<255>> names;
    if (OperandCellSelected()) {
        names.push_back(Operand(plugin_.Rows().Row(rows.first), rect.left));
    } else if (rect.Width() == 1 && rect.left == col::kName) {
        for (std::size_t r = rows.first; r <= rows.last; ++r) names.push_back(plugin_.Rows().Row(r).Bezeichnung);
    } else {
        return;
    }
    names_.Fill(names);
    if (!names.front().empty()) storage_.Add(names.front().view());
}

void ProgramEditor::EraseNames() {
    editor_.EndEditing();
    const auto rows = editor_.SelectedRows();
    const CellRect rect = Selection();
    if (rows.empty()) return;
    const bool operand = OperandCellSelected();
    if (!operand && !(rect.Width() == 1 && rect.left == col::kName)) return;
    editor_.TakeSnapshot();
    if (operand) {
        Operand(plugin_.Rows().Row(rows.first), rect.left) = "";
    } else {
        for (std::size_t r = rows.first; r <= rows.last; ++r) plugin_.Rows().Row(r).Bezeichnung = "";
    }
    editor_.AfterChange();
}

void ProgramEditor::CutNames() {
    editor_.EndEditing();
    const CellRect rect = Selection();
    if (editor_.SelectedRows().empty() || !(OperandCellSelected() || (rect.Width() == 1 && rect.left == col::kName)))
        return;
    CopyNames();
    EraseNames();
}

void ProgramEditor::PasteNames() {
    editor_.EndEditing();
    const auto names = names_.Names();
    const int cursor = CursorRow();
    const CellRect rect = Selection();
    if (!names_.Filled() || names.empty() || cursor < 0 || std::size_t(cursor) >= RowCount()) return;
    ProgramTable& lines = plugin_.Rows();
    if (col::IsOperandColumn(rect.left) && rect.Width() == 1) {
        editor_.TakeSnapshot();
        Operand(lines.Row(std::size_t(rect.top)), rect.left) = names.front().view();
        editor_.AfterChange();
        return;
    }
    if (rect.Width() != 1 || rect.left != col::kName) return;
    editor_.TakeSnapshot();
    // More names than lines: one name only; never past the last line.
    const std::size_t count = RowCount();
    const std::size_t n = count < names.size() ? 1 : std::min(names.size(), count - std::size_t(cursor));
    for (std::size_t i = 0; i < n; ++i) lines.Row(std::size_t(cursor) + i).Bezeichnung = names[i];
    editor_.AfterChange();
}

void ProgramEditor::Undo() { editor_.Undo(); }

// ---- choosers and editors ----

std::vector<std::string> ProgramEditor::ChooserItems(int column) const { return editor_.ChooserItems(column); }
void ProgramEditor::ApplyChooser(int column, std::size_t item) { editor_.ApplyChooser(column, item); }
std::optional<NumberEditorStart> ProgramEditor::BeginNumberEdit() { return editor_.BeginNumberEdit(); }
std::string ProgramEditor::NumberTextEdited(const std::string& text) { return editor_.NumberTextEdited(text); }
void ProgramEditor::CancelNumberEdit() { editor_.CancelNumberEdit(); }
void ProgramEditor::FinishNumberEdit() { editor_.FinishNumberEdit(); }
bool ProgramEditor::InlineEditing() const { return editor_.InlineEditing(); }
std::string ProgramEditor::InlineText() const { return editor_.InlineText(); }
std::string ProgramEditor::InlineTextEdited(const std::string& text) { return editor_.InlineTextEdited(text); }
void ProgramEditor::FinishInlineEdit() { editor_.FinishInlineEdit(); }

// ---- moving lines ----

bool ProgramEditor::MoveLines(int fromRow, int toRow) {
    editor_.EndEditing();
    ProgramTable& lines = plugin_.Rows();
    const int count = int(lines.Count());
    if (fromRow < 0 || fromRow >= count || toRow < 0) return false;
    int first = fromRow, last = fromRow;
    const auto selected = editor_.SelectedRows();
    if (!selected.empty() && std::size_t(fromRow) >= selected.first && std::size_t(fromRow) <= selected.last) {
        first = int(selected.first);
        last = int(selected.last);
    }
    const int to = std::min(toRow, count - 1);  // a drop beyond the last line appends
    if (to >= first && to <= last) return false;
    editor_.TakeSnapshot();
    auto rows = lines.Rows();
    const int size = last - first + 1;
    int top = 0;
    if (to > last) {
        std::rotate(rows.begin() + first, rows.begin() + last + 1, rows.begin() + to + 1);
        top = to - size + 1;
    } else {
        std::rotate(rows.begin() + to, rows.begin() + first, rows.begin() + last + 1);
        top = to;
    }
    editor_.AfterChange();
    editor_.MoveCursor(top, col::kName, false);
    editor_.MoveCursor(top + size - 1, col::kName, true);
    return true;
}

// ---- name clipboard from other pages ----

void ProgramEditor::CopyName(std::string_view name) {
    PString<255> copied;
    copied = name;
    names_.Fill(std::span<const PString<255>>(&copied, 1));
    if (!name.empty()) storage_.Add(copied.view());
}

void ProgramEditor::ChooseStorageEntry(std::size_t index) {
    storage_.Choose(index);
    if (!storage_.Chosen()) return;
    std::vector<PString<255>> names(names_.Names().begin(), names_.Names().end());
    if (names.empty()) names.emplace_back();
    names.front() = storage_.Entries()[*storage_.Chosen()];
    names_.Fill(names);
}

// ---- saving, closing and the program files ----

const std::string& ProgramEditor::ProgramName() const { return store_.Tables().program.name; }

bool ProgramEditor::Save() {
    if (ProgramName().empty()) return SaveAs();
    return editor_.Save();
}

bool ProgramEditor::Validated() {
    editor_.EndEditing();
    const auto failure = plugin_.ValidateForSave();
    editor_.AfterChange();
    if (!failure) return true;
    editor_.MoveCursor(int(failure->row) - 1, failure->column, false);
    FailureSelected();
    dialogs_.Warning(failure->message);
    return false;
}

bool ProgramEditor::SaveAs() {
    if (!Validated()) return false;
    const std::filesystem::path dir = store_.ProjectDirectory();
    for (;;) {
        const auto entered = dialogs_.Input("Programm speichern unter...", "Programmname eintragen:", ProgramName());
        if (!entered) return false;
        const NameCheck check = CheckName(*entered, kProgramNameTexts, [](const std::string&) { return false; });
        if (check.verdict == NameVerdict::Empty) continue;
        if (check.verdict != NameVerdict::Accepted) {
            dialogs_.Warning(check.message);
            continue;
        }
        if (ProgramFileExists(dir, check.name) &&
            dialogs_.Show(BoxKind::Warning,
                          "Wollen Sie die bereits existierende Datei " + Quoted(check.name) + " überschreiben?",
                          Buttons::YesNo) != Answer::Yes)
            continue;
        return WriteAs(check.name);
    }
}

bool ProgramEditor::WriteAs(const std::string& name) {
    CurrentProgram& program = store_.Tables().program;
    const std::string previous = program.name;
    program.name = name;
    if (editor_.Save()) return true;
    program.name = previous;
    return false;
}

bool ProgramEditor::Open(const std::string& name) {
    editor_.EndEditing();
    if (plugin_.Changed()) {
        switch (dialogs_.Show(BoxKind::Warning, "Möchten Sie die Änderungen in " + Quoted(ProgramName()) + " speichern?",
                              Buttons::YesNoCancel)) {
            case Answer::Yes:
                if (!Save()) return false;
                break;
            case Answer::No: break;
            case Answer::Ok:
            case Answer::Cancel: return false;
        }
    }
    CurrentProgram& program = store_.Tables().program;
    try {
        const TableLoadResult result = program.Load(store_.ProjectDirectory(), name);
        if (auto message = LoadOverflowMessage(plugin_.FileName(), result)) dialogs_.Information(*message);
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
        return false;
    }
    plugin_.ClearNameEdited();
    editor_.Opened();
    return true;
}

std::vector<ProgramListEntry> ProgramEditor::ProgramList() const { return ovis::ProgramList(store_.ProjectDirectory()); }

bool ProgramEditor::Delete(std::size_t listRow) {
    const std::filesystem::path dir = store_.ProjectDirectory();
    const std::vector<std::string> names = ProgramNames(dir);
    if (listRow >= names.size()) return false;
    if (listRow == 0) {
        dialogs_.Information("Das Main - Programm kann nicht gelöscht werden!!!");
        return false;
    }
    const std::string& name = names[listRow];
    if (NamesEqual(name, ProgramName())) {
        dialogs_.Warning("Die Datei kann nicht gelöscht werden, da sie zur Zeit geöffnet ist!!!");
        return false;
    }
    const std::string fileName = Quoted(name + kProgramExtension);
    if (dialogs_.Show(BoxKind::Question, "Soll die Datei " + fileName + " in den Papierkorb verschoben werden?",
                      Buttons::YesNo) != Answer::Yes)
        return false;
    if (!trash_.MoveToTrash(ProgramFilePath(dir, name))) {
        dialogs_.Error("Die Datei " + fileName + " kann nicht in den Papierkorb verschoben werden.");
        return false;
    }
    return true;
}

std::size_t ProgramEditor::ListSelectionAfterDelete(std::size_t selected, std::size_t rowCount) {
    return rowCount == 0 ? 0 : std::min(selected, rowCount - 1);
}

CloseVerdict ProgramEditor::CloseQuery(CloseInitiator initiator) { return editor_.CloseQuery(initiator); }

void ProgramEditor::Closed() {
    editor_.Closed();
    names_.Empty();
    storage_.Clear();
    plugin_.ClearNameEdited();
}

void ProgramEditor::Opened() { editor_.Opened(); }
bool ProgramEditor::HasUnsavedChanges() const { return editor_.HasUnsavedChanges(); }
bool ProgramEditor::UnsavedForReconfiguration() const { return editor_.UnsavedForReconfiguration(); }

ProgramMenuState ProgramEditor::PageMenu(ProgramPage page, std::string_view selectedProgram) const {
    return ComputeProgramMenuState({page, Menu(), ProgramFileExists(store_.ProjectDirectory(), kMainProgram),
                                    NamesEqual(selectedProgram, ProgramName())});
}

}  // namespace ovis
