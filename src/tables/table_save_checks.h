#pragma once
// The check each message table of `tables/` runs before it is saved.
#include <optional>

#include "tables/name_check.h"

namespace ovis {

struct ProjectTables;

// The I/O table: names (trimmed in memory), the ordering checks, then the other tables.
std::optional<CheckFailure> CheckIoTableForSave(ProjectTables& tables);
// The group table: names (trimmed in memory), members and folders, then the other tables.
std::optional<CheckFailure> CheckGroupTableForSave(ProjectTables& tables);
// The counter table: names (trimmed in memory), start below comparison value, then the others.
std::optional<CheckFailure> CheckCounterTableForSave(ProjectTables& tables);
// The timer table: names (trimmed in memory), then the other tables.
std::optional<CheckFailure> CheckTimerTableForSave(ProjectTables& tables);

}  // namespace ovis
