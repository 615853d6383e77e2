#pragma once
// The I/O table's part of the shared table editor: its ten columns, choosers, delay editor, new
// rows, change test, checks and files ("IO.ofd" with "IOSignale.ofd").
#include <array>
#include <functional>

#include "tables/delay_limits.h"
#include "project/io_tables.h"
#include "tables/table_plugin.h"
#include "tables/terminal_panel.h"

namespace ovis {

class ProjectStore;

// The terminal designations of all 20 module positions, kept in every undo level.
using SignalSnapshot = std::array<TIoSignalRecord, kSignalModules>;

inline constexpr const char* kNewIoRowName = "I/O - Meldung";

// The delay unit rule: "Std" limits both delays to 1000; two delays of 0 mean "Milli".
void NormaliseDelayUnit(TIoRecord& row);

class IoTablePlugin final : public TablePlugin<TIoRecord, SignalSnapshot> {
public:
    IoTablePlugin(ProjectStore& store, TerminalPanel& panel);

    using TablePlugin::Rows;
    Table& Rows() override;
    int ColumnCount() const override;
    std::string CellText(std::size_t row, int column) const override;
    CellAction ClickAction(MouseButton button, int column) const override;
    std::vector<std::string> ChooserItems(const TIoRecord& cursorRow, int column) const override;
    void ApplyChooser(TIoRecord& row, int column, std::size_t item) const override;
    std::optional<NumberColumnLimits> NumberColumn(int column) const override;
    std::int32_t NumberValue(const TIoRecord& row, int column) const override;
    std::int32_t ShownNumber(const TIoRecord& row, int column, std::int32_t clipped) const override;
    void StoreNumber(TIoRecord& row, int column, std::int32_t value) const override;
    TIoRecord NewRow(const TIoRecord* firstSelected, std::size_t position) const override;
    void Redrawing() override;
    void CursorMovedTo(std::size_t row, bool byUser) override;
    bool Changed() const override;
    bool PrintsReport() const override { return true; }  // the terminal plan
    SignalSnapshot CaptureExtra() const override;
    void RestoreExtra(const SignalSnapshot& snapshot) override;
    std::optional<CheckFailure> ValidateForSave() override;
    void Write() override;
    TableLoadResult Reload() override;
    std::string FileName() const override { return kIoFileName; }
    std::string ProjectName() const override;
    void Saved() override;

    // Called after every successful save with the row count.
    void SetSavedCallback(std::function<void(std::size_t rows)> callback) { saved_ = std::move(callback); }

    // The module type of a row's module position.
    std::optional<ModuleType> ModuleTypeOf(const TIoRecord& row) const;

private:
    ProjectStore& store_;
    TerminalPanel& panel_;
    std::function<void(std::size_t)> saved_;
};

}  // namespace ovis
