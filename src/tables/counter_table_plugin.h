#pragma once
// The counter table's part of the shared table editor: its ten columns, choosers, start and
// comparison value editors with their limits, new rows, change test, checks and file
// ("Counter.ofd").
#include <cstdint>
#include <functional>
#include <string_view>

#include "project/message_tables.h"
#include "tables/table_plugin.h"

namespace ovis {

class ProjectStore;
struct ProjectTables;

inline constexpr const char* kNewCounterRowName = "Counter - Meldung";
inline constexpr const char* kNoCounterDisplay = "keine Anzeige";
// A new row's status: stored in this case, which no status cell shows.
inline constexpr const char* kNewCounterStatus = "Disable";
inline constexpr std::int32_t kMaxCounterMaskValue = 16777215;
inline constexpr int kCounterMaskDigits = 8;
inline constexpr std::int32_t kMaxCounterTypedValue = 100000;

// The value for text typed into a start or comparison cell: any character other than a digit
// gives 1, six or more digits 100000, no text 0.
std::int32_t TypedCounterValue(std::string_view text);

// The messages a counter may count, record bytes: every I/O, group, LED, counter and timer
// message, each table in row order.
std::size_t CountableMessageCount(const ProjectTables& tables);
std::string_view CountableMessageName(const ProjectTables& tables, std::size_t index);

class CounterTablePlugin final : public TablePlugin<TCounterRecord> {
public:
    explicit CounterTablePlugin(ProjectStore& store);

    using TablePlugin::Rows;
    Table& Rows() override;
    int ColumnCount() const override;
    std::string CellText(std::size_t row, int column) const override;
    CellAction ClickAction(MouseButton button, int column) const override;
    std::vector<std::string> ChooserItems(const TCounterRecord& cursorRow, int column) const override;
    void ApplyChooser(TCounterRecord& row, int column, std::size_t item) const override;
    std::optional<NumberColumnLimits> NumberColumn(int column) const override;
    std::int32_t NumberValue(const TCounterRecord& row, int column) const override;
    void StoreNumber(TCounterRecord& row, int column, std::int32_t value) const override;
    bool InlineEditable(int column) const override;
    std::string InlineText(const TCounterRecord& row, int column) const override;
    std::string StoreInlineText(TCounterRecord& row, int column, std::string_view text) const override;
    TCounterRecord NewRow(const TCounterRecord* firstSelected, std::size_t position) const override;
    bool Changed() const override;
    std::optional<CheckFailure> ValidateForSave() override;
    void Write() override;
    TableLoadResult Reload() override;
    std::string FileName() const override { return kCounterFileName; }
    std::string ProjectName() const override;
    void Saved() override;

    // Called after every successful save (the program editor refreshes its list of counters).
    void SetSavedCallback(std::function<void()> callback) { saved_ = std::move(callback); }

private:
    ProjectStore& store_;
    std::function<void()> saved_;
};

}  // namespace ovis
