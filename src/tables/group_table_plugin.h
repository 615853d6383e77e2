#pragma once
// The group table's part of the shared table editor: its nine columns, choosers, delay editors
// with their limits, new rows, change test, checks and file ("Gruppen.ofd").
#include <cstdint>
#include <functional>
#include <string_view>

#include "project/message_tables.h"
#include "tables/table_plugin.h"

namespace ovis {

class ProjectStore;

inline constexpr const char* kNewGroupRowName = "Gruppen - Meldung";
inline constexpr std::int32_t kMaxGroupDelayMinutes = 60000;
inline constexpr std::int32_t kMaxGroupDelayHours = 1000;

// The largest delay a row takes: 1000 with unit "Std", else 60000.
std::int32_t GroupDelayLimit(const TGruppeRecord& row);
// The delay for text typed into the delay cell: digits only, clipped to `limit`; any other
// character gives 1, no text 0.
std::int32_t TypedGroupDelay(std::string_view text, std::int32_t limit);
// A delay of 0 is always kept in minutes.
void NormaliseGroupUnit(TGruppeRecord& row);

class GroupTablePlugin final : public TablePlugin<TGruppeRecord> {
public:
    explicit GroupTablePlugin(ProjectStore& store);

    using TablePlugin::Rows;
    Table& Rows() override;
    int ColumnCount() const override;
    std::string CellText(std::size_t row, int column) const override;
    CellAction ClickAction(MouseButton button, int column) const override;
    std::vector<std::string> ChooserItems(const TGruppeRecord& cursorRow, int column) const override;
    void ApplyChooser(TGruppeRecord& row, int column, std::size_t item) const override;
    std::optional<NumberColumnLimits> NumberColumn(int column) const override;
    std::int32_t NumberValue(const TGruppeRecord& row, int column) const override;
    std::int32_t ShownNumber(const TGruppeRecord& row, int column, std::int32_t clipped) const override;
    void StoreNumber(TGruppeRecord& row, int column, std::int32_t value) const override;
    bool InlineEditable(int column) const override;
    std::string InlineText(const TGruppeRecord& row, int column) const override;
    std::string StoreInlineText(TGruppeRecord& row, int column, std::string_view text) const override;
    void InlineEditFinished(TGruppeRecord& row, int column) const override;
    TGruppeRecord NewRow(const TGruppeRecord* firstSelected, std::size_t position) const override;
    bool Changed() const override;
    std::optional<CheckFailure> ValidateForSave() override;
    void Write() override;
    TableLoadResult Reload() override;
    std::string FileName() const override { return kGroupFileName; }
    std::string ProjectName() const override;
    void Saved() override;

    // Called after every successful save (the program editor refreshes its list of groups).
    void SetSavedCallback(std::function<void()> callback) { saved_ = std::move(callback); }

private:
    // The name of the I/O row whose number is the row's first member; empty without one.
    std::string FirstMemberName(const TGruppeRecord& row) const;

    ProjectStore& store_;
    std::function<void()> saved_;
};

}  // namespace ovis
