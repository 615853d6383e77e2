#include "led/led_table_plugin.h"

#include <algorithm>
#include <array>

#include "led/led_changes.h"
#include "led/led_check.h"
#include "led/led_colours.h"
#include "led/led_columns.h"
#include "led/led_files.h"
#include "led/led_rows.h"
#include "project/project_store.h"
#include "tables/group_table_plugin.h"

namespace ovis {
namespace {

namespace col = led_column;

constexpr std::array<const char*, 2> kStarts{" x0", " x1"};
constexpr std::array<const char*, 4> kMoves{"Links", "Rechts", "Oben", "Unten"};
constexpr std::array<const char*, 5> kUnits{"Milli", "Sek", "Min", "Std", "Ext"};
constexpr std::array<const char*, 2> kStatus{"SET", "RESET"};
constexpr const char* kExternal = "Ext";
constexpr const char* kHours = "Std";
constexpr const char* kSelected = "Selekt";

bool IsWindowColumn(int column) { return column == col::kX0 || column == col::kX1; }
bool IsPictureNumberColumn(int column) {
    return IsWindowColumn(column) || column == col::kWrap || column == col::kDx || column == col::kDistance;
}

// First acquisition folder of the system parameters, record bytes.
std::string FirstFolderName(const ProjectStore& store) { return store.Tables().parameters.Record().Ordner[1].str(); }

template <class Row>
auto& NumberField(Row& row, int column) {
    switch (column) {
        case col::kX0: return row.X0;
        case col::kX1: return row.X1;
        case col::kWrap: return row.Umbruch;
        case col::kDx: return row.Dx;
        case col::kDistance: return row.Distanz;
        default: return row.Verzoegerung;
    }
}

}  // namespace

std::int32_t LedDelayLimit(const TLedRecord& row) { return row.Einheit == kHours ? kMaxLedDelayHours : kMaxLedDelay; }

void NormaliseLedUnit(TLedRecord& row) {
    if (row.Verzoegerung == 0 && row.Einheit != kExternal) row.Einheit = kUnits[0];
}

std::int32_t TypedLedColumnValue(std::string_view text) {
    std::int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = std::min(value * 10 + (c - '0'), kMaxLedColumnValue);
    }
    return value;
}

int DirectionWithStart(int richtung, std::size_t item) {
    if (richtung <= 0) return richtung;
    const bool fromX0 = richtung % 2 == 1;
    if (item == 0 && !fromX0) return richtung - 1;
    if (item == 1 && fromX0) return richtung + 1;
    return richtung;
}

int DirectionWithMove(int richtung, std::size_t item) {
    if (richtung <= 0) return richtung;
    const int start = richtung % 2 == 1 ? 1 : 2;
    return 2 * int(item) + start;
}

std::string ColourCellText(const TLedRecord& row) {
    std::string text;
    if (row.AnzahlFarben > 1) {
        text = "Kompo";
    } else if (const PaletteColour* colour = PaletteColourOfCode(row.Farbe[0])) {
        text = std::to_string(colour->number);
    }
    text += " / ";
    text += row.AnzahlHelligkeiten > 1 ? std::string("Kompo") : std::to_string(row.Helligkeit[0]);
    return text;
}

LedTablePlugin::LedTablePlugin(ProjectStore& store, LedPictureState& pictures) : store_(store), pictures_(pictures) {}

LedTablePlugin::Table& LedTablePlugin::Rows() { return store_.Tables().led; }

int LedTablePlugin::ColumnCount() const { return col::kCount; }

std::string LedTablePlugin::CellText(std::size_t index, int column) const {
    const TLedRecord& row = Rows().Row(index);
    const bool external = row.Einheit == kExternal;
    switch (column) {
        case col::kName: return row.Bezeichnung.str();
        case col::kX0: return std::to_string(row.X0);
        case col::kX1: return std::to_string(row.X1);
        case col::kModules: return HasStandardModuleList(row) ? std::to_string(row.Modulzahl) : kSelected;
        case col::kWrap: return std::to_string(row.Umbruch);
        case col::kStart: return row.Richtung == 0 ? "" : kStarts[row.Richtung % 2 == 1 ? 0 : 1];
        case col::kDirection:
            return row.Richtung >= 1 && row.Richtung <= 8 ? kMoves[std::size_t((row.Richtung - 1) / 2)] : "";
        case col::kDx: return std::to_string(row.Dx);
        case col::kDistance: return std::to_string(row.Distanz);
        case col::kColour: return ColourCellText(row);
        case col::kDelay: return external ? "" : std::to_string(row.Verzoegerung);
        case col::kUnit: return row.Verzoegerung == 0 && !external ? "" : " " + row.Einheit.str();
        case col::kStatus: return row.Status ? kStatus[0] : kStatus[1];
        case col::kRecording: return row.SpeichernEingang ? " " + FirstFolderName(store_) : "";
        default: return "";
    }
}

CellAction LedTablePlugin::ClickAction(MouseButton button, int column) const {
    if (button == MouseButton::Left) return CellAction::None;
    switch (column) {
        case col::kName: return CellAction::ContextMenu;
        case col::kX0:
        case col::kX1:
        case col::kWrap:
        case col::kDx:
        case col::kDistance:
        case col::kDelay: return CellAction::NumberEditor;
        case col::kModules:
        case col::kColour: return CellAction::Dialog;
        case col::kStart:
        case col::kDirection:
        case col::kUnit:
        case col::kStatus:
        case col::kRecording: return CellAction::Chooser;
        default: return CellAction::None;
    }
}

std::vector<std::string> LedTablePlugin::ChooserItems(const TLedRecord& cursorRow, int column) const {
    (void)cursorRow;
    auto items = [](const auto& values, const char* indent) {
        std::vector<std::string> list;
        for (const char* value : values) list.push_back(std::string(indent) + value);
        return list;
    };
    switch (column) {
        case col::kStart: return items(kStarts, "");
        case col::kDirection: return items(kMoves, " ");
        case col::kUnit: return items(kUnits, "  ");
        case col::kStatus: return items(kStatus, "  ");
        case col::kRecording: return {kLedNotRecorded, FirstFolderName(store_)};
        default: return {};
    }
}

void LedTablePlugin::ApplyChooser(TLedRecord& row, int column, std::size_t item) const {
    switch (column) {
        case col::kStart: row.Richtung = DirectionWithStart(row.Richtung, item); break;
        case col::kDirection: row.Richtung = DirectionWithMove(row.Richtung, item); break;
        case col::kUnit:
            row.Einheit = kUnits.at(item);
            if (row.Einheit == kExternal) row.Verzoegerung = 0;
            row.Verzoegerung = std::min(row.Verzoegerung.get(), LedDelayLimit(row));
            NormaliseLedUnit(row);
            break;
        case col::kStatus: row.Status = item == 0; break;
        case col::kRecording: row.SpeichernEingang = item == 1; break;
        default: break;
    }
}

std::optional<NumberColumnLimits> LedTablePlugin::NumberColumn(int column) const {
    if (IsPictureNumberColumn(column)) return NumberColumnLimits{kLedColumnDigits, kMaxLedColumnValue};
    if (column == col::kDelay) return NumberColumnLimits{5, kMaxLedDelay};
    return std::nullopt;
}

std::int32_t LedTablePlugin::NumberValue(const TLedRecord& row, int column) const {
    return NumberField(row, column);
}

std::int32_t LedTablePlugin::ShownNumber(const TLedRecord& row, int column, std::int32_t clipped) const {
    if (IsWindowColumn(column)) return std::max(clipped, 1);
    if (column == col::kDelay) return row.Einheit == kExternal ? 0 : std::min(clipped, LedDelayLimit(row));
    return clipped;
}

void LedTablePlugin::StoreNumber(TLedRecord& row, int column, std::int32_t value) const {
    if (column == col::kX0) return WindowEdited(row, value, row.X1);
    if (column == col::kX1) return WindowEdited(row, row.X0, value);
    NumberField(row, column) = value;
    if (column == col::kDelay) NormaliseLedUnit(row);
}

bool LedTablePlugin::InlineEditable(int column) const {
    return column == col::kName || IsPictureNumberColumn(column) || column == col::kDelay;
}

std::string LedTablePlugin::InlineText(const TLedRecord& row, int column) const {
    if (column == col::kName) return row.Bezeichnung.str();
    return std::to_string(NumberValue(row, column));
}

std::string LedTablePlugin::StoreInlineText(TLedRecord& row, int column, std::string_view text) const {
    if (column == col::kName) return TablePlugin::StoreInlineText(row, column, text);
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (column == col::kDelay) {
        if (row.Einheit == kExternal) return "";
        const std::int32_t limit = LedDelayLimit(row);
        row.Verzoegerung = TypedGroupDelay(text, limit);
        if (digits && TypedGroupDelay(text, limit + 1) <= limit) return std::string(text);
        return std::to_string(row.Verzoegerung);
    }
    NumberField(row, column) = TypedLedColumnValue(text);
    if (digits && TypedLedColumnValue(text) < kMaxLedColumnValue) return std::string(text);
    return std::to_string(NumberField(row, column));
}

void LedTablePlugin::InlineEditFinished(TLedRecord& row, int column) const {
    if (column == col::kDelay) NormaliseLedUnit(row);
    // The window typed into a cell follows the rules of the mask editor when the cell is left.
    if (IsWindowColumn(column)) WindowEdited(row, std::max<int>(row.X0, 1), std::max<int>(row.X1, 1));
}

void LedTablePlugin::WindowEdited(TLedRecord& row, int x0, int x1) const {
    SetWindow(row, x0, x1);
    pictures_.SetWindowChanged(IndexOf(row), true);
}

std::size_t LedTablePlugin::IndexOf(const TLedRecord& row) const {
    const auto rows = Rows().Rows();
    if (rows.empty() || &row < rows.data() || &row >= rows.data() + rows.size()) return kMaxTableRows;
    return std::size_t(&row - rows.data());
}

TLedRecord LedTablePlugin::NewRow(const TLedRecord* firstSelected, std::size_t position) const {
    (void)position;
    return NewLedRow(firstSelected);
}

void LedTablePlugin::Redrawing() {
    if (redraw_) redraw_();
}

void LedTablePlugin::CursorMovedTo(std::size_t row, bool byUser) {
    (void)byUser;
    if (rowShown_) rowShown_(row);
}

bool LedTablePlugin::Changed() const { return LedDisplayChanged(Rows(), store_.Tables().ledParameters); }

std::optional<CheckFailure> LedTablePlugin::ValidateForSave() { return CheckLedTableForSave(store_.Tables()); }

void LedTablePlugin::Write() {
    ProjectTables& tables = store_.Tables();
    SaveLedFiles(store_.ProjectDirectory(), tables.parameters, tables.ledParameters, tables.led);
    pictures_.ClearWindowChanged();
}

TableLoadResult LedTablePlugin::Reload() {
    ProjectTables& tables = store_.Tables();
    const auto dir = store_.ProjectDirectory();
    tables.parameters.Load(dir);
    tables.ledParameters.Load(dir);
    return tables.led.Load(ResolveInDirectory(dir, kLedFileName));
}

std::string LedTablePlugin::ProjectName() const { return store_.CurrentProjectName(); }

void LedTablePlugin::Saved() {
    if (saved_) saved_();
}

}  // namespace ovis
