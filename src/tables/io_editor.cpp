#include "tables/io_editor.h"

#include "project/project_store.h"

namespace ovis {
namespace {

constexpr std::array<const char*, 3> kLevelItems{"  High", "  Low", "  X"};

const char* LevelValue(std::size_t item) { return item == 2 ? kLevelUnused : kLevelItems.at(item) + 2; }

}  // namespace

IoEditor::IoEditor(ProjectStore& store, Dialogs& dialogs)
    : panel_(store.Tables().parameters, store.Tables().signalNames),
      plugin_(store, panel_),
      editor_(plugin_, dialogs),
      store_(store) {}

void IoEditor::SetSavedCallback(std::function<void(std::size_t rows)> callback) {
    plugin_.SetSavedCallback(std::move(callback));
}

const TIoRecord* IoEditor::CurrentRow() const {
    const int row = editor_.CursorRow();
    if (row < 0 || std::size_t(row) >= editor_.RowCount()) return nullptr;
    return &store_.Tables().io.Row(std::size_t(row));
}

void IoEditor::ScrollPanelTo(int position) { panel_.ScrollTo(position, CurrentRow()); }

std::vector<std::string> IoEditor::LevelChooserItems(int line) const {
    if (!panel_.LineAt(line, CurrentRow()).levelEditable) return {};
    return {kLevelItems.begin(), kLevelItems.end()};
}

void IoEditor::ChooseLevel(int line, std::size_t item) {
    const auto type = panel_.ShownType();
    const auto level = type ? LevelLineOf(*type, line) : std::nullopt;
    const auto rows = editor_.SelectedRows();
    if (!level || rows.empty() || item >= kLevelItems.size() || LevelChooserItems(line).empty()) return;
    editor_.EndEditing();
    editor_.TakeSnapshot();
    for (std::size_t r = rows.first; r <= rows.last; ++r) {
        TIoRecord& row = store_.Tables().io.Row(r);
        if (SingleTerminalType(*type))
            for (auto& entry : row.Pegel) entry = kLevelUnused;
        row.Pegel[level->entry - 1] = LevelValue(item);
    }
    editor_.AfterChange();
}

IoEditor::RowSwitch IoEditor::RowSwitchOffered() const {
    const TIoRecord* row = CurrentRow();
    if (!row || plugin_.ModuleTypeOf(*row) == ModuleType::Relais6) return RowSwitch::None;
    return IsLowerRow(*row) ? RowSwitch::ToUpper : RowSwitch::ToLower;
}

void IoEditor::SwitchTerminalRow() {
    const RowSwitch offered = RowSwitchOffered();
    const auto rows = editor_.SelectedRows();
    if (offered == RowSwitch::None || rows.empty()) return;
    editor_.EndEditing();
    editor_.TakeSnapshot();
    const char* target = offered == RowSwitch::ToLower ? kLowerRow : kUpperRow;
    for (std::size_t r = rows.first; r <= rows.last; ++r) store_.Tables().io.Row(r).Klemmreihe = target;
    editor_.AfterChange();
}

void IoEditor::EditDesignation(int line, const std::string& text) {
    if (line < 1 || line > kTerminalLines) return;
    auto& signal = store_.Tables().signalNames.Module(panel_.ShownModule()).Signal[line - 1];
    if (signal.view() == text) return;
    if (!designationEdited_) {
        editor_.TakeSnapshot();
        designationEdited_ = true;
    }
    signal = text;
}

void IoEditor::FinishDesignationEdit() { designationEdited_ = false; }

void IoEditor::MoveDesignation(int from, int to) {
    if (from == to || from < 1 || to < 1 || from > kTerminalLines || to > kTerminalLines) return;
    editor_.EndEditing();
    editor_.TakeSnapshot();
    MoveSignal(store_.Tables().signalNames.Module(panel_.ShownModule()), from, to);
    editor_.AfterChange();
}

void IoEditor::ResetRows() {
    editor_.EndEditing();
    editor_.TakeSnapshot();
    ResetIoRows(store_.Tables().io);
    editor_.AfterChange();
    if (const TIoRecord* row = CurrentRow()) panel_.ShowModuleOf(*row);
}

void IoEditor::ResetSignals() {
    editor_.EndEditing();
    editor_.TakeSnapshot();
    store_.Tables().signalNames.ResetSignals();
    editor_.AfterChange();
}

}  // namespace ovis
