#pragma once
// The LED table's part of the shared table editor: its fifteen columns, choosers, mask editors
// with the x0/x1 rules, new rows, change test over the table and the module parameters, checks and
// the three files saved together.
#include <cstdint>
#include <functional>
#include <string_view>

#include "led/led_picture_state.h"
#include "project/led_table.h"
#include "tables/table_plugin.h"

namespace ovis {

class ProjectStore;

inline constexpr std::int32_t kMaxLedColumnValue = 1275;
inline constexpr int kLedColumnDigits = 4;
inline constexpr std::int32_t kMaxLedDelay = 60000;
inline constexpr std::int32_t kMaxLedDelayHours = 1000;
inline constexpr const char* kLedNotRecorded = "nicht speichern";

// The largest delay a row takes: 1000 with unit "Std", else 60000.
std::int32_t LedDelayLimit(const TLedRecord& row);
// A row with delay 0 and a unit other than "Ext" is kept in "Milli".
void NormaliseLedUnit(TLedRecord& row);
// The value for text typed into x0, x1, "Umbr.", dx or "Dist.": digits only, clipped to 1275;
// any other character gives 0.
std::int32_t TypedLedColumnValue(std::string_view text);
// "Start" chooser: " x0" (0) turns an even code into the odd one below, " x1" (1) an odd code
// into the even one above; code 0 stays.
int DirectionWithStart(int richtung, std::size_t item);
// "Richt." chooser: "Links" (0), "Rechts", "Oben", "Unten" keeping the start; code 0 stays.
int DirectionWithMove(int richtung, std::size_t item);
// The "Farbe/Helligkeit" cell: palette number or "Kompo", " / ", brightness or "Kompo".
std::string ColourCellText(const TLedRecord& row);

class LedTablePlugin final : public TablePlugin<TLedRecord> {
public:
    LedTablePlugin(ProjectStore& store, LedPictureState& pictures);

    using TablePlugin::Rows;
    Table& Rows() override;
    int ColumnCount() const override;
    std::string CellText(std::size_t row, int column) const override;
    CellAction ClickAction(MouseButton button, int column) const override;
    std::vector<std::string> ChooserItems(const TLedRecord& cursorRow, int column) const override;
    void ApplyChooser(TLedRecord& row, int column, std::size_t item) const override;
    std::optional<NumberColumnLimits> NumberColumn(int column) const override;
    std::int32_t NumberValue(const TLedRecord& row, int column) const override;
    std::int32_t ShownNumber(const TLedRecord& row, int column, std::int32_t clipped) const override;
    void StoreNumber(TLedRecord& row, int column, std::int32_t value) const override;
    bool InlineEditable(int column) const override;
    std::string InlineText(const TLedRecord& row, int column) const override;
    std::string StoreInlineText(TLedRecord& row, int column, std::string_view text) const override;
    void InlineEditFinished(TLedRecord& row, int column) const override;
    TLedRecord NewRow(const TLedRecord* firstSelected, std::size_t position) const override;
    void Redrawing() override;
    void CursorMovedTo(std::size_t row, bool byUser) override;
    bool Changed() const override;
    std::optional<CheckFailure> ValidateForSave() override;
    void Write() override;
    TableLoadResult Reload() override;
    std::string FileName() const override { return kLedFileName; }
    std::string ProjectName() const override;
    void Saved() override;
    std::size_t HistoryBlankRows() const override { return Rows().Count(); }

    // Called after every change and after the cursor moved (the display panel redraws).
    void SetRedrawCallback(std::function<void()> callback) { redraw_ = std::move(callback); }
    // Called when the cursor moved to a row inside the table.
    void SetRowShownCallback(std::function<void(std::size_t row)> callback) { rowShown_ = std::move(callback); }
    // Called after every successful save.
    void SetSavedCallback(std::function<void()> callback) { saved_ = std::move(callback); }

private:
    std::size_t IndexOf(const TLedRecord& row) const;
    void WindowEdited(TLedRecord& row, int x0, int x1) const;

    ProjectStore& store_;
    LedPictureState& pictures_;
    std::function<void()> redraw_;
    std::function<void(std::size_t)> rowShown_;
    std::function<void()> saved_;
};

}  // namespace ovis
