#pragma once
// The program table's part of the shared table editor: the nine columns, the logic, unit and
// order choosers, the delay editor with its limits, new lines, the rename of operands that follows
// a line's new name, change test, check and the file of the open program.
#include <cstdint>
#include <string_view>

#include "project/program_files.h"
#include "tables/table_plugin.h"

namespace ovis {

class ProjectStore;

class ProgramTablePlugin final : public TablePlugin<TProgrammLine> {
public:
    explicit ProgramTablePlugin(ProjectStore& store);

    using TablePlugin::Rows;
    Table& Rows() override;
    int ColumnCount() const override;
    std::string CellText(std::size_t row, int column) const override;
    CellAction ClickAction(MouseButton button, int column) const override;
    std::vector<std::string> ChooserItems(const TProgrammLine& cursorRow, int column) const override;
    void ApplyChooser(TProgrammLine& row, int column, std::size_t item) const override;
    std::optional<NumberColumnLimits> NumberColumn(int column) const override;
    std::int32_t NumberValue(const TProgrammLine& row, int column) const override;
    std::int32_t ShownNumber(const TProgrammLine& row, int column, std::int32_t clipped) const override;
    void StoreNumber(TProgrammLine& row, int column, std::int32_t value) const override;
    bool PrintsReport() const override { return true; }
    bool InlineEditable(int column) const override;
    std::string InlineText(const TProgrammLine& row, int column) const override;
    std::string StoreInlineText(TProgrammLine& row, int column, std::string_view text) const override;
    void InlineEditChanged(std::size_t row, int column, const TProgrammLine& entry) override;
    TProgrammLine NewRow(const TProgrammLine* firstSelected, std::size_t position) const override;
    bool Changed() const override;
    std::optional<CheckFailure> ValidateForSave() override;
    void Write() override;
    TableLoadResult Reload() override;
    std::string FileName() const override;
    // The program's name, as the close question names it.
    std::string ProjectName() const override;
    std::size_t HistoryBlankRows() const override;

    // Whether a line's name was changed by inline editing since the last duplicate check.
    bool NameEdited() const { return nameEdited_; }
    void ClearNameEdited() { nameEdited_ = false; }

private:
    ProjectStore& store_;
    bool nameEdited_ = false;
};

// Replaces every operand (`MeldungA`, `MeldungB`, `MeldungC`) equal to `oldName` (case-sensitive)
// by `newName`.
void RenameOperands(std::span<TProgrammLine> lines, std::string_view oldName, std::string_view newName);

}  // namespace ovis
