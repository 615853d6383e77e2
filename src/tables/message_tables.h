#pragma once
// The group, counter and timer tables and their file names.
#include "tables/counter_record.h"
#include "tables/group_record.h"
#include "tables/record_table.h"
#include "tables/timer_record.h"

namespace ovis {

inline constexpr const char* kGroupFileName = "Gruppen.ofd";
inline constexpr const char* kCounterFileName = "Counter.ofd";
inline constexpr const char* kTimerFileName = "Timer.ofd";

using GroupTable = RecordTable<TGruppeRecord>;
using CounterTable = RecordTable<TCounterRecord>;
using TimerTable = RecordTable<TTimerRecord>;

}  // namespace ovis
