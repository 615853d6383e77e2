#pragma once
// The group, counter and timer tables and their file names.
#include "project/counter_record.h"
#include "project/group_record.h"
#include "project/record_table.h"
#include "project/timer_record.h"

namespace ovis {

inline constexpr const char* kGroupFileName = "Gruppen.ofd";
inline constexpr const char* kCounterFileName = "Counter.ofd";
inline constexpr const char* kTimerFileName = "Timer.ofd";

using GroupTable = RecordTable<TGruppeRecord>;
using CounterTable = RecordTable<TCounterRecord>;
using TimerTable = RecordTable<TTimerRecord>;

}  // namespace ovis
