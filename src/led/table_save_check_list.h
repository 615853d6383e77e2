#pragma once
// Every message table's save check by the word that names it ("io", "groups", "led", ...), as
// `ovisctl check` runs them. It sits with the LED table, the highest of the checked tables.
#include <optional>
#include <span>
#include <string_view>

#include "tables/name_check.h"

namespace ovis {

struct ProjectTables;

struct TableSaveCheck {
    std::string_view word;
    std::optional<CheckFailure> (*run)(ProjectTables& tables);
};

std::span<const TableSaveCheck> TableSaveChecks();
const TableSaveCheck* FindTableSaveCheck(std::string_view word);

}  // namespace ovis
