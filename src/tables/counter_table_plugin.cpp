#include "tables/counter_table_plugin.h"

#include <algorithm>
#include <array>

#include "project/project_store.h"
#include "tables/counter_columns.h"
#include "tables/table_save_checks.h"

namespace ovis {
namespace {

namespace col = counter_column;

constexpr std::array<const char*, 2> kModes{"Ereignis", "Millisek."};
constexpr std::array<const char*, 2> kStatusChoices{"DISABLE", "ENABLE"};
constexpr std::array<const char*, 4> kShownStatus{"DISABLE", "ENABLE", "DIS+RST", "EN+RST"};
constexpr const char* kAutoDisableOff = " OFF";
constexpr const char* kAutoDisableOn = " ON";
constexpr const char* kCountUp = "+dx";
constexpr const char* kCountDown = "-dx";

template <std::size_t N>
std::vector<std::string> Items(const std::array<const char*, N>& values) {
    std::vector<std::string> items;
    for (const char* value : values) items.push_back(std::string(" ") + value);
    return items;
}

bool RowsEqual(const TCounterRecord& a, const TCounterRecord& b) {
    return a.Bezeichnung.view() == b.Bezeichnung.view() && a.Zaehlung.view() == b.Zaehlung.view() &&
           a.Zaehlart.view() == b.Zaehlart.view() && a.Stand == b.Stand && a.Ende == b.Ende &&
           bool(a.AutoDis) == bool(b.AutoDis) && a.Status.view() == b.Status.view() &&
           a.Anzeige.view() == b.Anzeige.view() && bool(a.DxNegativ) == bool(b.DxNegativ);
}

bool IsValueColumn(int column) { return column == col::kStart || column == col::kEnd; }

}  // namespace

std::int32_t TypedCounterValue(std::string_view text) {
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return 1;
    if (text.size() >= 6) return kMaxCounterTypedValue;
    std::int32_t value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

std::size_t CountableMessageCount(const ProjectTables& tables) {
    return tables.io.Count() + tables.groups.Count() + tables.led.Count() + tables.counters.Count() +
           tables.timers.Count();
}

std::string_view CountableMessageName(const ProjectTables& tables, std::size_t index) {
    auto from = [&index](const auto& table) -> const PString<255>* {
        if (index < table.Count()) return &table.Row(index).Bezeichnung;
        index -= table.Count();
        return nullptr;
    };
    const PString<255>* name = from(tables.io);
    if (!name) name = from(tables.groups);
    if (!name) name = from(tables.led);
    if (!name) name = from(tables.counters);
    if (!name) name = from(tables.timers);
    return name ? name->view() : std::string_view{};
}

CounterTablePlugin::CounterTablePlugin(ProjectStore& store) : store_(store) {}

CounterTablePlugin::Table& CounterTablePlugin::Rows() { return store_.Tables().counters; }

int CounterTablePlugin::ColumnCount() const { return col::kCount; }

std::string CounterTablePlugin::CellText(std::size_t index, int column) const {
    const TCounterRecord& row = Rows().Row(index);
    switch (column) {
        case col::kName: return row.Bezeichnung.str();
        case col::kCounted: return row.Zaehlung.str();
        case col::kMode: return " " + row.Zaehlart.str();
        case col::kStart: return std::to_string(row.Stand);
        case col::kEnd: return std::to_string(row.Ende);
        case col::kAutoDisable: return row.AutoDis ? kAutoDisableOn : kAutoDisableOff;
        case col::kStatus: {
            const auto status = row.Status.view();
            const bool shown = std::find(kShownStatus.begin(), kShownStatus.end(), status) != kShownStatus.end();
            return shown ? std::string(status) : std::string();
        }
        case col::kDisplay: return row.Anzeige.str();
        case col::kDirection: return row.DxNegativ ? kCountDown : kCountUp;
        default: return "";
    }
}

CellAction CounterTablePlugin::ClickAction(MouseButton button, int column) const {
    if (button == MouseButton::Left) return CellAction::None;
    switch (column) {
        case col::kName: return CellAction::ContextMenu;
        case col::kStart:
        case col::kEnd: return CellAction::NumberEditor;
        case col::kCounted:
        case col::kMode:
        case col::kAutoDisable:
        case col::kStatus:
        case col::kDisplay:
        case col::kDirection: return CellAction::Chooser;
        default: return CellAction::None;
    }
}

std::vector<std::string> CounterTablePlugin::ChooserItems(const TCounterRecord& cursorRow, int column) const {
    (void)cursorRow;
    const ProjectTables& tables = store_.Tables();
    switch (column) {
        case col::kCounted: {
            std::vector<std::string> items;
            items.reserve(CountableMessageCount(tables));
            for (std::size_t i = 0; i < CountableMessageCount(tables); ++i)
                items.emplace_back(CountableMessageName(tables, i));
            return items;
        }
        case col::kMode: return Items(kModes);
        case col::kAutoDisable: return {kAutoDisableOff, kAutoDisableOn};
        case col::kStatus: return Items(kStatusChoices);
        case col::kDisplay: {
            std::vector<std::string> items{kNoCounterDisplay};
            for (const TLedRecord& led : tables.led.Rows()) items.push_back(led.Bezeichnung.str());
            return items;
        }
        case col::kDirection: return {kCountUp, kCountDown};
        default: return {};
    }
}

void CounterTablePlugin::ApplyChooser(TCounterRecord& row, int column, std::size_t item) const {
    const ProjectTables& tables = store_.Tables();
    switch (column) {
        case col::kCounted: row.Zaehlung = CountableMessageName(tables, item); break;
        case col::kMode: row.Zaehlart = kModes.at(item); break;
        case col::kAutoDisable: row.AutoDis = item == 1; break;
        case col::kStatus: row.Status = kStatusChoices.at(item); break;
        case col::kDisplay:
            row.Anzeige = item == 0 ? std::string_view(kNoCounterDisplay) : tables.led.Row(item - 1).Bezeichnung.view();
            break;
        case col::kDirection: row.DxNegativ = item == 1; break;
        default: break;
    }
}

std::optional<NumberColumnLimits> CounterTablePlugin::NumberColumn(int column) const {
    if (IsValueColumn(column)) return NumberColumnLimits{kCounterMaskDigits, kMaxCounterMaskValue};
    return std::nullopt;
}

std::int32_t CounterTablePlugin::NumberValue(const TCounterRecord& row, int column) const {
    return column == col::kEnd ? row.Ende : row.Stand;
}

void CounterTablePlugin::StoreNumber(TCounterRecord& row, int column, std::int32_t value) const {
    (column == col::kEnd ? row.Ende : row.Stand) = value;
}

bool CounterTablePlugin::InlineEditable(int column) const { return column == col::kName || IsValueColumn(column); }

std::string CounterTablePlugin::InlineText(const TCounterRecord& row, int column) const {
    return IsValueColumn(column) ? std::to_string(NumberValue(row, column)) : row.Bezeichnung.str();
}

std::string CounterTablePlugin::StoreInlineText(TCounterRecord& row, int column, std::string_view text) const {
    if (!IsValueColumn(column)) return TablePlugin::StoreInlineText(row, column, text);
    const std::int32_t value = TypedCounterValue(text);
    StoreNumber(row, column, value);
    // Digits below six places stay as typed (leading zeros go when the cell is left); anything
    // else shows the value it gave.
    const bool digits = text.find_first_not_of("0123456789") == std::string_view::npos;
    if (digits && text.size() < 6) return std::string(text);
    return std::to_string(value);
}

TCounterRecord CounterTablePlugin::NewRow(const TCounterRecord* firstSelected, std::size_t position) const {
    (void)firstSelected;
    TCounterRecord row{};
    row.Nr = int(position) + 1;
    row.Bezeichnung = kNewCounterRowName;
    row.Zaehlart = kModes[0];
    row.Status = kNewCounterStatus;
    row.Anzeige = kNoCounterDisplay;
    return row;
}

bool CounterTablePlugin::Changed() const {
    const CounterTable& table = Rows();
    if (table.Count() != table.SavedCount()) return true;
    for (std::size_t i = 0; i < table.Count(); ++i)
        if (!RowsEqual(table.Row(i), table.SavedRow(i))) return true;
    return false;
}

std::optional<CheckFailure> CounterTablePlugin::ValidateForSave() { return CheckCounterTableForSave(store_.Tables()); }

void CounterTablePlugin::Write() {
    store_.Tables().counters.Save(ResolveInDirectory(store_.ProjectDirectory(), kCounterFileName));
}

TableLoadResult CounterTablePlugin::Reload() {
    return store_.Tables().counters.Load(ResolveInDirectory(store_.ProjectDirectory(), kCounterFileName));
}

std::string CounterTablePlugin::ProjectName() const { return store_.CurrentProjectName(); }

void CounterTablePlugin::Saved() {
    if (saved_) saved_();
}

}  // namespace ovis
