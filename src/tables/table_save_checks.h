#pragma once
// The check each table runs before it is saved, by table word ("io", ...), as the editors and
// `ovisctl check` run it.
#include <optional>
#include <span>
#include <string_view>

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

struct TableSaveCheck {
    std::string_view word;
    std::optional<CheckFailure> (*run)(ProjectTables& tables);
};

// Every table that has a save check, by the word that names it.
std::span<const TableSaveCheck> TableSaveChecks();
const TableSaveCheck* FindTableSaveCheck(std::string_view word);

}  // namespace ovis
