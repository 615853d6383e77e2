#include "led/led_check.h"

#include <string>

#include "project/project_tables.h"

namespace ovis {

std::optional<CheckFailure> CheckLedWindows(std::span<const TLedRecord> rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].X1 >= rows[r].X0) continue;
        return CheckFailure{"Der Wert von x0 in Zeile Nr. " + std::to_string(r + 1) +
                                " muß kleiner sein als der von x1!\r\r          Geben Sie bitte einen entsprechenden Wert an.",
                            r + 1, kLedX0Column};
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckLedTableForSave(ProjectTables& tables) {
    const MessageNames others = CollectMessageNames(tables);
    auto rows = tables.led.Rows();
    return CheckRecordNamesForSave(
        MessageTableKind::Led, rows, [&] { return CheckLedWindows(rows); }, others);
}

}  // namespace ovis
