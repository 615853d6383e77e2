#pragma once
// What the online counter window shows: one row of ten cells per counter (record bytes), the
// number of grid rows and the grid width.
#include <array>
#include <span>
#include <string>

#include "project/counter_record.h"

namespace ovis {

inline constexpr const char* kCounterOnlineCaption = " Counter ( Online )";
inline constexpr int kCounterOnlineColumns = 10;
inline constexpr int kCounterOnlineMinRows = 21;
inline constexpr int kCounterStandColumn = 4;

using CounterOnlineRow = std::array<std::string, kCounterOnlineColumns>;

// Row of counter k (1-based): number with three digits, names, kind, Stand, Ende, switches.
CounterOnlineRow CounterOnlineCells(const TCounterRecord& counter, int k);
// The Stand cell.
std::string CounterStandText(const TCounterRecord& counter);
// max(21, counters) rows.
int CounterOnlineRows(std::size_t counters);
// 705 pixels with up to 21 counters, 721 with more (room for the scroll bar).
int CounterOnlineGridWidth(std::size_t counters);

}  // namespace ovis
