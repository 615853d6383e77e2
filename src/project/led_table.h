#pragma once
// The LED display table "Led.ofd".
#include "project/led_record.h"
#include "project/record_table.h"

namespace ovis {

inline constexpr const char* kLedFileName = "Led.ofd";

using LedTable = RecordTable<TLedRecord>;

}  // namespace ovis
