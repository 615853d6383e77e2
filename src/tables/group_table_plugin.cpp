#include "tables/group_table_plugin.h"

#include <algorithm>
#include <array>

#include "project/project_store.h"
#include "tables/group_check.h"
#include "tables/group_columns.h"
#include "tables/table_save_checks.h"

namespace ovis {
namespace {

namespace col = group_column;

constexpr std::array<const char*, 2> kScans{"einmal", "zyklisch"};
constexpr std::array<const char*, 3> kTriggers{"aktiv", "inaktiv", "beliebig"};
constexpr std::array<const char*, 2> kUnits{"Min", "Std"};
constexpr const char* kNotRecorded = "  nicht speichern";

template <std::size_t N>
std::vector<std::string> Items(const std::array<const char*, N>& values) {
    std::vector<std::string> items;
    for (const char* value : values) items.push_back(std::string("  ") + value);
    return items;
}

bool RowsEqual(const TGruppeRecord& a, const TGruppeRecord& b) {
    return a.Bezeichnung.view() == b.Bezeichnung.view() &&
           std::equal(std::begin(a.Mitglied), std::end(a.Mitglied), std::begin(b.Mitglied),
                      [](LeWord x, LeWord y) { return x.get() == y.get(); }) &&
           a.Anzahl == b.Anzahl && a.Scan.view() == b.Scan.view() && a.Trigger.view() == b.Trigger.view() &&
           a.Verzoegerung == b.Verzoegerung && a.Einheit.view() == b.Einheit.view() &&
           a.SpeicherOrdner.view() == b.SpeicherOrdner.view();
}

}  // namespace

std::int32_t GroupDelayLimit(const TGruppeRecord& row) {
    return row.Einheit == "Std" ? kMaxGroupDelayHours : kMaxGroupDelayMinutes;
}

std::int32_t TypedGroupDelay(std::string_view text, std::int32_t limit) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 1;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), limit);
    }
    return std::int32_t(value);
}

void NormaliseGroupUnit(TGruppeRecord& row) {
    if (row.Verzoegerung == 0) row.Einheit = "Min";
}

GroupTablePlugin::GroupTablePlugin(ProjectStore& store) : store_(store) {}

GroupTablePlugin::Table& GroupTablePlugin::Rows() { return store_.Tables().groups; }

int GroupTablePlugin::ColumnCount() const { return col::kCount; }

std::string GroupTablePlugin::FirstMemberName(const TGruppeRecord& row) const {
    if (row.Anzahl <= 0) return {};
    const IoTable& io = store_.Tables().io;
    const int first = row.Mitglied[0];
    if (first < 1 || std::size_t(first) > io.Count()) return {};
    return io.Row(std::size_t(first - 1)).Bezeichnung.str();
}

std::string GroupTablePlugin::CellText(std::size_t index, int column) const {
    const TGruppeRecord& row = Rows().Row(index);
    switch (column) {
        case col::kName: return row.Bezeichnung.str();
        case col::kFirstMember: return FirstMemberName(row);
        case col::kMemberCount: return std::to_string(row.Anzahl);
        case col::kScan: return row.Scan.str();
        case col::kTrigger: return (row.Trigger == "aktiv" ? "  " : " ") + row.Trigger.str();
        case col::kDelay: return std::to_string(row.Verzoegerung);
        case col::kUnit: return row.Verzoegerung == 0 ? "" : " " + row.Einheit.str();
        case col::kFolder: return row.SpeicherOrdner.str();
        default: return "";
    }
}

CellAction GroupTablePlugin::ClickAction(MouseButton button, int column) const {
    if (button == MouseButton::Left) return CellAction::None;
    switch (column) {
        case col::kName: return CellAction::ContextMenu;
        case col::kFirstMember: return CellAction::Dialog;
        case col::kScan:
        case col::kTrigger:
        case col::kUnit:
        case col::kFolder: return CellAction::Chooser;
        case col::kDelay: return CellAction::NumberEditor;
        default: return CellAction::None;
    }
}

std::vector<std::string> GroupTablePlugin::ChooserItems(const TGruppeRecord& cursorRow, int column) const {
    (void)cursorRow;
    switch (column) {
        case col::kScan: return Items(kScans);
        case col::kTrigger: return Items(kTriggers);
        case col::kUnit: return Items(kUnits);
        case col::kFolder: {
            std::vector<std::string> items{kNotRecorded};
            for (const std::string& folder : AcquisitionFolderNames(store_.Tables().parameters))
                items.push_back("  " + folder);
            return items;
        }
        default: return {};
    }
}

void GroupTablePlugin::ApplyChooser(TGruppeRecord& row, int column, std::size_t item) const {
    switch (column) {
        case col::kScan: row.Scan = kScans.at(item); break;
        case col::kTrigger: row.Trigger = kTriggers.at(item); break;
        case col::kUnit:
            row.Einheit = kUnits.at(item);
            row.Verzoegerung = std::min(row.Verzoegerung.get(), GroupDelayLimit(row));
            NormaliseGroupUnit(row);
            break;
        case col::kFolder:
            row.SpeicherOrdner = item == 0 ? "" : AcquisitionFolderNames(store_.Tables().parameters).at(item - 1);
            break;
        default: break;
    }
}

std::optional<NumberColumnLimits> GroupTablePlugin::NumberColumn(int column) const {
    if (column == col::kDelay) return NumberColumnLimits{5, kMaxGroupDelayMinutes};
    return std::nullopt;
}

std::int32_t GroupTablePlugin::NumberValue(const TGruppeRecord& row, int column) const {
    (void)column;
    return row.Verzoegerung;
}

std::int32_t GroupTablePlugin::ShownNumber(const TGruppeRecord& row, int column, std::int32_t clipped) const {
    (void)column;
    return std::min(clipped, GroupDelayLimit(row));
}

void GroupTablePlugin::StoreNumber(TGruppeRecord& row, int column, std::int32_t value) const {
    (void)column;
    row.Verzoegerung = value;
    NormaliseGroupUnit(row);
}

bool GroupTablePlugin::InlineEditable(int column) const { return column == col::kName || column == col::kDelay; }

std::string GroupTablePlugin::InlineText(const TGruppeRecord& row, int column) const {
    return column == col::kDelay ? std::to_string(row.Verzoegerung) : row.Bezeichnung.str();
}

std::string GroupTablePlugin::StoreInlineText(TGruppeRecord& row, int column, std::string_view text) const {
    if (column != col::kDelay) return TablePlugin::StoreInlineText(row, column, text);
    const std::int32_t limit = GroupDelayLimit(row);
    row.Verzoegerung = TypedGroupDelay(text, limit);
    // Digits within the limit stay as typed (leading zeros go when the cell is left); anything
    // else shows the value it gave.
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && TypedGroupDelay(text, limit + 1) <= limit) return std::string(text);
    return std::to_string(row.Verzoegerung);
}

void GroupTablePlugin::InlineEditFinished(TGruppeRecord& row, int column) const {
    if (column == col::kDelay) NormaliseGroupUnit(row);
}

TGruppeRecord GroupTablePlugin::NewRow(const TGruppeRecord* firstSelected, std::size_t position) const {
    (void)firstSelected;
    TGruppeRecord row{};
    row.Nr = int(position) + 1;
    row.Bezeichnung = kNewGroupRowName;
    row.Scan = kScans[0];
    row.Trigger = kTriggers[0];
    row.Einheit = kUnits[0];
    return row;
}

bool GroupTablePlugin::Changed() const {
    const GroupTable& table = Rows();
    if (table.Count() != table.SavedCount()) return true;
    for (std::size_t i = 0; i < table.Count(); ++i)
        if (!RowsEqual(table.Row(i), table.SavedRow(i))) return true;
    return false;
}

std::optional<CheckFailure> GroupTablePlugin::ValidateForSave() { return CheckGroupTableForSave(store_.Tables()); }

void GroupTablePlugin::Write() {
    store_.Tables().groups.Save(ResolveInDirectory(store_.ProjectDirectory(), kGroupFileName));
}

TableLoadResult GroupTablePlugin::Reload() {
    return store_.Tables().groups.Load(ResolveInDirectory(store_.ProjectDirectory(), kGroupFileName));
}

std::string GroupTablePlugin::ProjectName() const { return store_.CurrentProjectName(); }

void GroupTablePlugin::Saved() {
    if (saved_) saved_();
}

}  // namespace ovis
