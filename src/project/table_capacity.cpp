#include "project/table_capacity.h"

namespace ovis {

std::string TableFullMessage(std::size_t rows, std::size_t adding) {
    const std::string capacity = std::to_string(kMaxTableRows);
    std::string text = "Eine Tabelle kann höchstens " + capacity + " Meldungen aufnehmen.\r\r";
    if (rows >= kMaxTableRows) return text + "Diese Tabelle ist voll; es kann keine Meldung hinzugefügt werden.";
    return text + "Es sollen " + std::to_string(adding) + " Meldungen eingefügt werden, Platz ist nur noch für " +
           std::to_string(kMaxTableRows - rows) + ". Es wurde nichts eingefügt.";
}

std::optional<std::string> LoadOverflowMessage(const std::string& fileName, const TableLoadResult& result) {
    if (result.rowsDropped == 0) return std::nullopt;
    const std::string capacity = std::to_string(kMaxTableRows);
    return "Die Datei \"" + fileName + "\" enthält " + std::to_string(result.recordsInFile) +
           " Meldungen, eine Tabelle kann aber höchstens " + capacity + " aufnehmen.\r\rEs wurden die ersten " +
           capacity + " Meldungen geladen; die übrigen " + std::to_string(result.rowsDropped) +
           " fehlen beim nächsten Speichern.";
}

}  // namespace ovis
