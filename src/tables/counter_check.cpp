#include "tables/counter_check.h"

#include <string>

#include "tables/counter_columns.h"

namespace ovis {

std::optional<CheckFailure> CheckCounterRows(std::span<const TCounterRecord> rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].Stand.get() <= rows[r].Ende.get()) continue;
        return CheckFailure{"Der Startwert in Zeile Nr. " + std::to_string(r + 1) +
                                " muß kleiner sein als der Vergleichswert!\r\r"
                                "                 Geben Sie bitte einen entsprechenden Wert an.",
                            r + 1, counter_column::kStart};
    }
    return std::nullopt;
}

}  // namespace ovis
