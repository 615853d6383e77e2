#include "programs/program_table_plugin.h"

#include "programs/program_check.h"
#include "programs/program_columns.h"
#include "programs/program_texts.h"
#include "project/project_store.h"

namespace ovis {
namespace {

namespace col = program_column;

template <std::size_t N>
std::vector<std::string> ChooserTexts(const std::array<const char*, N>& values) {
    std::vector<std::string> items;
    for (const char* value : values) items.push_back(std::string("  ") + value);
    return items;
}

}  // namespace

void RenameOperands(std::span<TProgrammLine> lines, std::string_view oldName, std::string_view newName) {
    const std::string from(oldName);  // `oldName` may be one of the renamed fields
    for (TProgrammLine& line : lines) {
        for (PString<255>* operand : {&line.MeldungA, &line.MeldungB, &line.MeldungC})
            if (operand->view() == from) *operand = newName;
    }
}

ProgramTablePlugin::ProgramTablePlugin(ProjectStore& store) : store_(store) {}

ProgramTablePlugin::Table& ProgramTablePlugin::Rows() { return store_.Tables().program.lines; }

int ProgramTablePlugin::ColumnCount() const { return col::kCount; }

std::string ProgramTablePlugin::CellText(std::size_t row, int column) const {
    return ProgramCellText(Rows().Row(row), column);
}

CellAction ProgramTablePlugin::ClickAction(MouseButton button, int column) const {
    if (button == MouseButton::Left) return CellAction::None;
    switch (column) {
        case col::kLogic:
        case col::kUnit:
        case col::kOrder: return CellAction::Chooser;
        case col::kDelay: return CellAction::NumberEditor;
        case col::kName:
        case col::kOperandA:
        case col::kOperandB:
        case col::kTarget: return CellAction::ContextMenu;
        default: return CellAction::None;
    }
}

std::vector<std::string> ProgramTablePlugin::ChooserItems(const TProgrammLine& cursorRow, int column) const {
    (void)cursorRow;
    switch (column) {
        case col::kLogic: return ChooserTexts(kOfferedLogic);
        case col::kUnit: return ChooserTexts(kDelayUnits);
        case col::kOrder: return ChooserTexts(kOfferedOrders);
        default: return {};
    }
}

void ProgramTablePlugin::ApplyChooser(TProgrammLine& row, int column, std::size_t item) const {
    switch (column) {
        case col::kLogic: row.Logik = kOfferedLogic.at(item); break;
        case col::kUnit: SetDelayUnit(row, kDelayUnits.at(item)); break;
        case col::kOrder: row.Order = kOfferedOrders.at(item); break;
        default: break;
    }
}

std::optional<NumberColumnLimits> ProgramTablePlugin::NumberColumn(int column) const {
    if (column == col::kDelay) return NumberColumnLimits{kDelayDigits, kMaxDelay, true};
    return std::nullopt;
}

std::int32_t ProgramTablePlugin::NumberValue(const TProgrammLine& row, int column) const {
    (void)column;
    return row.Wert;
}

std::int32_t ProgramTablePlugin::ShownNumber(const TProgrammLine& row, int column, std::int32_t clipped) const {
    (void)column;
    return std::min(clipped, MaxDelayFor(row.Einheit.view()));
}

void ProgramTablePlugin::StoreNumber(TProgrammLine& row, int column, std::int32_t value) const {
    (void)column;
    SetDelay(row, value);
}

bool ProgramTablePlugin::InlineEditable(int column) const { return column == col::kName || column == col::kDelay; }

std::string ProgramTablePlugin::InlineText(const TProgrammLine& row, int column) const {
    return column == col::kDelay ? std::to_string(row.Wert) : row.Bezeichnung.str();
}

std::string ProgramTablePlugin::StoreInlineText(TProgrammLine& row, int column, std::string_view text) const {
    if (column != col::kDelay) return TablePlugin::StoreInlineText(row, column, text);
    const std::string digits = DelayDigits(text);
    const std::int32_t value = TypedDelay(digits, row.Einheit.view());
    SetDelay(row, value);
    // Digits stay as typed (leading zeros go when the cell is left); a clipped value shows the limit.
    const bool clipped = !digits.empty() && std::stol(digits) > value;
    return clipped ? std::to_string(value) : digits;
}

void ProgramTablePlugin::InlineEditChanged(std::size_t row, int column, const TProgrammLine& entry) {
    if (column != col::kName) return;
    nameEdited_ = true;
    if (entry.Bezeichnung.view() == kNewProgramLineName) return;
    RenameOperands(Rows().Rows(), entry.Bezeichnung.view(), Rows().Row(row).Bezeichnung.view());
}

TProgrammLine ProgramTablePlugin::NewRow(const TProgrammLine* firstSelected, std::size_t position) const {
    (void)firstSelected;
    return NewProgramLine(position);
}

bool ProgramTablePlugin::Changed() const {
    const ProgramTable& table = Rows();
    if (table.Count() != table.SavedCount()) return true;
    for (std::size_t i = 0; i < table.Count(); ++i)
        if (!ProgramLinesEqual(table.Row(i), table.SavedRow(i))) return true;
    return false;
}

std::optional<CheckFailure> ProgramTablePlugin::ValidateForSave() {
    return CheckProgramForSave(store_.Tables(), store_.ProjectDirectory());
}

void ProgramTablePlugin::Write() { store_.Tables().program.Save(store_.ProjectDirectory()); }

TableLoadResult ProgramTablePlugin::Reload() {
    CurrentProgram& program = store_.Tables().program;
    return program.Load(store_.ProjectDirectory(), program.name);
}

std::string ProgramTablePlugin::FileName() const { return store_.Tables().program.name + kProgramExtension; }

std::string ProgramTablePlugin::ProjectName() const { return store_.Tables().program.name; }

std::size_t ProgramTablePlugin::HistoryBlankRows() const { return Rows().Count(); }

}  // namespace ovis
