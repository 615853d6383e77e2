#pragma once
// The LED table's checks before saving and before the simulation starts.
#include <optional>
#include <span>

#include "project/led_record.h"
#include "tables/name_check.h"

namespace ovis {

inline constexpr int kLedX0Column = 2;

// The first row whose x1 is below its x0; equal values pass.
std::optional<CheckFailure> CheckLedWindows(std::span<const TLedRecord> rows);

// Names (trimmed in memory), the x0/x1 rule, then the other tables.
std::optional<CheckFailure> CheckLedTableForSave(ProjectTables& tables);

}  // namespace ovis
