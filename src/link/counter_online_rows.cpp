#include "link/counter_online_rows.h"

#include <algorithm>
#include <cstdio>

namespace ovis {

CounterOnlineRow CounterOnlineCells(const TCounterRecord& counter, int k) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", k);
    CounterOnlineRow row;
    row[0] = number;
    row[1] = std::string(counter.Bezeichnung.view());
    row[2] = std::string(counter.Zaehlung.view());
    if (counter.Zaehlart == "Ereignis") row[3] = " Ereignis";
    if (counter.Zaehlart == "Millisek.") row[3] = " Millisek.";
    row[4] = CounterStandText(counter);
    row[5] = std::to_string(std::int32_t(counter.Ende));
    row[6] = counter.AutoDis.value == 1 ? " ON" : " OFF";
    for (const char* status : {"DISABLE", "ENABLE", "DIS+RST", "EN+RST"})
        if (counter.Status == status) row[7] = status;
    row[8] = std::string(counter.Anzeige.view());
    row[9] = counter.DxNegativ.value == 1 ? "-dx" : "+dx";
    return row;
}

std::string CounterStandText(const TCounterRecord& counter) { return std::to_string(std::int32_t(counter.Stand)); }

int CounterOnlineRows(std::size_t counters) { return std::max<int>(kCounterOnlineMinRows, int(counters)); }

int CounterOnlineGridWidth(std::size_t counters) {
    return counters <= std::size_t(kCounterOnlineMinRows) ? 705 : 721;
}

}  // namespace ovis
