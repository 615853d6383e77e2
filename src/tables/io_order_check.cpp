#include "tables/io_order_check.h"

#include <string>

#include "tables/io_columns.h"
#include "tables/name_check.h"

namespace ovis {
namespace {

constexpr const char* kCheckKind = "            Bitte überprüfen Sie die Angaben des Typs.";
constexpr const char* kCheckModule = "            Bitte überprüfen Sie die Angaben in der Spalte Modul.";
constexpr const char* kCheckTerminal = "            Bitte überprüfen Sie die Angaben in der Spalte Klemme.";
constexpr const char* kCheckOutputs = "            Bitte überprüfen Sie die Angaben unter Modul bzw. Klemme.";

// `row` is 1-based.
CheckFailure Misplaced(std::span<const TIoRecord> rows, std::size_t row, const char* hint, int column) {
    return {"Die Meldung " + QuotedMessageName(rows[row - 1].Bezeichnung.view()) + " in Zeile Nr. " + std::to_string(row) +
                " ist möglicherweise falsch eingeordnet!\r\r" + hint,
            row, column};
}

bool LowerBeforeUpper(const TIoRecord& a, const TIoRecord& b) {
    return a.Modul == b.Modul && a.Klemmreihe == "Unten" && b.Klemmreihe == "Oben";
}

}  // namespace

bool IsInputKind(const TIoRecord& row) { return row.Typ == "AC" || row.Typ == "DC" || row.Typ == "Taste"; }

std::optional<CheckFailure> CheckIoOrder(std::span<const TIoRecord> rows) {
    const std::size_t n = rows.size();
    if (n <= 1) return std::nullopt;

    std::size_t inputs = 0;  // L: input rows before the first output row
    while (inputs < n && IsInputKind(rows[inputs])) ++inputs;
    for (std::size_t j = inputs + 1; j < n; ++j) {
        if (IsInputKind(rows[j])) return Misplaced(rows, j, kCheckKind, io_column::kKind);  // row j is j + 1
    }

    // Rows are 1-based in the messages: row i is rows[i - 1].
    for (std::size_t i = 1; i + 1 <= inputs; ++i) {
        const TIoRecord& a = rows[i - 1];
        const TIoRecord& b = rows[i];
        if (b.Modul < a.Modul) return Misplaced(rows, i + 1, kCheckModule, io_column::kModule);
        if (LowerBeforeUpper(a, b)) return Misplaced(rows, i, kCheckTerminal, io_column::kTerminal);
    }
    for (std::size_t i = inputs + 1; i + 1 <= n; ++i) {
        const TIoRecord& a = rows[i - 1];
        const TIoRecord& b = rows[i];
        if (b.Modul < a.Modul || LowerBeforeUpper(a, b)) return Misplaced(rows, i, kCheckOutputs, io_column::kModule);
    }
    return std::nullopt;
}

}  // namespace ovis
