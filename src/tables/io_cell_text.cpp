#include "tables/io_cell_text.h"

#include <algorithm>

#include "project/system_parameters.h"
#include "tables/io_columns.h"
#include "tables/io_terminals.h"
#include "tables/terminal_panel.h"

namespace ovis {

std::string ModuleNumberText(int value) { return (value < 10 ? "  " : " ") + std::to_string(value); }

std::string IoCellText(const TIoRecord& row, int column, std::optional<ModuleType> type,
                       std::string_view allMessagesFolder) {
    const bool delayed = row.EinVerzoegerung != 0 || row.AusVerzoegerung != 0;
    switch (column) {
        case io_column::kName: return row.Bezeichnung.str();
        case io_column::kModule: return ModuleNumberText(row.Modul);
        case io_column::kTerminal: return IoDesignation(type, row);
        case io_column::kLevel: {
            TerminalSelection t = TerminalOf(row);
            return t.kind == TerminalSelection::Kind::Single ? " " + row.Pegel[t.entry - 1].str() : "";
        }
        case io_column::kKind: return " " + row.Typ.str();
        case io_column::kOnDelay: return std::to_string(row.EinVerzoegerung);
        case io_column::kUnit: return delayed ? " " + row.Einheit.str() : "";
        case io_column::kOffDelay: return std::to_string(row.AusVerzoegerung);
        case io_column::kRecord: return row.Erfassung ? std::string(allMessagesFolder) : "";
        default: return "";
    }
}

std::optional<ModuleType> IoRowModuleType(const TParameterRecord& parameters, const TIoRecord& row) {
    return ModuleTypeAt(parameters.Modulanordnung, std::min(CountModules(parameters), kPanelModules), row.Modul);
}

}  // namespace ovis
