#include "tables/io_table_plugin.h"

#include <cstring>

#include "project/project_store.h"
#include "tables/io_cell_text.h"
#include "tables/io_columns.h"
#include "tables/table_save_checks.h"

namespace ovis {
namespace {

constexpr std::array<const char*, 7> kKinds{"AC", "DC", "Taste", "Relais", "LED", "Opto", "Trans"};
constexpr std::array<const char*, 4> kUnits{"Milli", "Sek", "Min", "Std"};
constexpr std::array<const char*, 2> kLevels{"High", "Low"};
constexpr const char* kNotRecorded = " nicht speichern";

std::string WithBlanks(std::string_view text, int blanks) { return std::string(std::size_t(blanks), ' ') + std::string(text); }

template <std::size_t N>
std::vector<std::string> Items(const std::array<const char*, N>& values, int blanks) {
    std::vector<std::string> items;
    for (const char* value : values) items.push_back(WithBlanks(value, blanks));
    return items;
}

bool RowsEqual(const TIoRecord& a, const TIoRecord& b) {
    if (a.Nr != b.Nr || a.Bezeichnung.view() != b.Bezeichnung.view() || a.Modul != b.Modul ||
        a.Klemmreihe.view() != b.Klemmreihe.view() || a.Typ.view() != b.Typ.view() ||
        a.EinVerzoegerung != b.EinVerzoegerung || a.Einheit.view() != b.Einheit.view() ||
        a.AusVerzoegerung != b.AusVerzoegerung || bool(a.Erfassung) != bool(b.Erfassung))
        return false;
    for (int k = 0; k < kLevelEntries; ++k)
        if (a.Pegel[k].view() != b.Pegel[k].view()) return false;
    return true;
}

bool SignalsEqual(const TIoSignalRecord& a, const TIoSignalRecord& b) {
    for (int line = 0; line < kSignalsPerModule; ++line)
        if (a.Signal[line].view() != b.Signal[line].view()) return false;
    return a.Modulbezeichnung.view() == b.Modulbezeichnung.view();
}

}  // namespace

void NormaliseDelayUnit(TIoRecord& row) {
    if (row.Einheit == "Std") {
        row.EinVerzoegerung = std::min<std::int32_t>(row.EinVerzoegerung, kMaxDelayInHours);
        row.AusVerzoegerung = std::min<std::int32_t>(row.AusVerzoegerung, kMaxDelayInHours);
    }
    if (row.EinVerzoegerung == 0 && row.AusVerzoegerung == 0) row.Einheit = "Milli";
}

IoTablePlugin::IoTablePlugin(ProjectStore& store, TerminalPanel& panel) : store_(store), panel_(panel) {}

IoTablePlugin::Table& IoTablePlugin::Rows() { return store_.Tables().io; }

int IoTablePlugin::ColumnCount() const { return io_column::kCount; }

std::optional<ModuleType> IoTablePlugin::ModuleTypeOf(const TIoRecord& row) const { return panel_.TypeAt(row.Modul); }

std::string IoTablePlugin::CellText(std::size_t index, int column) const {
    const TIoRecord& row = Rows().Row(index);
    return IoCellText(row, column, ModuleTypeOf(row), store_.Tables().parameters.Record().Ordner[kAllMessagesFolder].str());
}

CellAction IoTablePlugin::ClickAction(MouseButton button, int column) const {
    switch (column) {
        case io_column::kName: return button == MouseButton::Right ? CellAction::ContextMenu : CellAction::None;
        case io_column::kModule:
        case io_column::kLevel:
        case io_column::kKind:
        case io_column::kUnit:
        case io_column::kRecord: return CellAction::Chooser;
        case io_column::kOnDelay:
        case io_column::kOffDelay: return CellAction::NumberEditor;
        default: return CellAction::None;
    }
}

std::vector<std::string> IoTablePlugin::ChooserItems(const TIoRecord& cursorRow, int column) const {
    switch (column) {
        case io_column::kModule: {
            std::vector<std::string> items;
            for (int m = 1; m <= kPanelModules; ++m) items.push_back(" " + ModuleNumberText(m));
            return items;
        }
        case io_column::kLevel:
            if (TerminalOf(cursorRow).kind != TerminalSelection::Kind::Single) return {};
            return Items(kLevels, 2);
        case io_column::kKind: return Items(kKinds, 2);
        case io_column::kUnit: return Items(kUnits, 2);
        case io_column::kRecord:
            return {kNotRecorded, " " + store_.Tables().parameters.Record().Ordner[kAllMessagesFolder].str()};
        default: return {};
    }
}

void IoTablePlugin::ApplyChooser(TIoRecord& row, int column, std::size_t item) const {
    switch (column) {
        case io_column::kModule: row.Modul = int(item) + 1; break;
        case io_column::kLevel: {
            TerminalSelection t = TerminalOf(row);
            if (t.kind == TerminalSelection::Kind::Single) row.Pegel[t.entry - 1] = kLevels.at(item);
            break;
        }
        case io_column::kKind: row.Typ = kKinds.at(item); break;
        case io_column::kUnit:
            row.Einheit = kUnits.at(item);
            NormaliseDelayUnit(row);
            break;
        case io_column::kRecord: row.Erfassung = item == 1; break;
        default: break;
    }
}

std::optional<NumberColumnLimits> IoTablePlugin::NumberColumn(int column) const {
    if (column == io_column::kOnDelay || column == io_column::kOffDelay) return NumberColumnLimits{5, kMaxDelay};
    return std::nullopt;
}

std::int32_t IoTablePlugin::NumberValue(const TIoRecord& row, int column) const {
    return column == io_column::kOnDelay ? row.EinVerzoegerung : row.AusVerzoegerung;
}

std::int32_t IoTablePlugin::ShownNumber(const TIoRecord& row, int column, std::int32_t clipped) const {
    (void)column;
    return row.Einheit == "Std" ? std::min(clipped, kMaxDelayInHours) : clipped;
}

void IoTablePlugin::StoreNumber(TIoRecord& row, int column, std::int32_t value) const {
    if (column == io_column::kOnDelay)
        row.EinVerzoegerung = value;
    else
        row.AusVerzoegerung = value;
    NormaliseDelayUnit(row);
}

TIoRecord IoTablePlugin::NewRow(const TIoRecord* first, std::size_t position) const {
    TIoRecord row{};
    row.Nr = int(position) + 1;
    row.Bezeichnung = kNewIoRowName;
    for (auto& level : row.Pegel) level = kLevelUnused;
    if (first) {
        row.Modul = first->Modul;
        row.Klemmreihe = first->Klemmreihe.view();
        row.Typ = first->Typ.view();
        row.EinVerzoegerung = first->EinVerzoegerung;
        row.AusVerzoegerung = first->AusVerzoegerung;
        row.Einheit = first->Einheit.view();
        row.Erfassung = bool(first->Erfassung);
    } else {
        row.Modul = 1;
        row.Klemmreihe = kUpperRow;
        row.Typ = "DC";
        row.Einheit = "Milli";
        row.Erfassung = true;
    }
    return row;
}

void IoTablePlugin::Redrawing() {
    auto rows = Rows().Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].Nr = int(i) + 1;
}

void IoTablePlugin::CursorMovedTo(std::size_t index, bool byUser) {
    TIoRecord& row = Rows().Row(index);
    panel_.ShowModuleOf(row);
    // The relays of a RELAIS6 module are all in the upper row.
    if (byUser && ModuleTypeOf(row) == ModuleType::Relais6) row.Klemmreihe = kUpperRow;
}

bool IoTablePlugin::Changed() const {
    const IoTable& table = Rows();
    if (table.Count() != table.SavedCount()) return true;
    for (std::size_t i = 0; i < table.Count(); ++i)
        if (!RowsEqual(table.Row(i), table.SavedRow(i))) return true;
    const SignalTable& names = store_.Tables().signalNames;
    for (int m = 1; m <= kSignalModules; ++m)
        if (!SignalsEqual(names.Module(m), names.SavedModule(m))) return true;
    return false;
}

SignalSnapshot IoTablePlugin::CaptureExtra() const {
    SignalSnapshot snapshot;
    for (int m = 1; m <= kSignalModules; ++m) snapshot[std::size_t(m - 1)] = store_.Tables().signalNames.Module(m);
    return snapshot;
}

void IoTablePlugin::RestoreExtra(const SignalSnapshot& snapshot) {
    for (int m = 1; m <= kSignalModules; ++m) store_.Tables().signalNames.Module(m) = snapshot[std::size_t(m - 1)];
}

std::optional<CheckFailure> IoTablePlugin::ValidateForSave() { return CheckIoTableForSave(store_.Tables()); }

void IoTablePlugin::Write() {
    const auto dir = store_.ProjectDirectory();
    SaveIoTable(store_.Tables().io, dir);
    store_.Tables().signalNames.Save(dir);
}

TableLoadResult IoTablePlugin::Reload() {
    const auto dir = store_.ProjectDirectory();
    TableLoadResult result = LoadIoTable(store_.Tables().io, dir);
    store_.Tables().signalNames.Load(dir);
    return result;
}

std::string IoTablePlugin::ProjectName() const { return store_.CurrentProjectName(); }

void IoTablePlugin::Saved() {
    if (saved_) saved_(Rows().Count());
}

}  // namespace ovis
