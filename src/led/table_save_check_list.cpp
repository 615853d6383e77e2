#include "led/table_save_check_list.h"

#include <array>

#include "led/led_check.h"
#include "tables/table_save_checks.h"

namespace ovis {
namespace {

constexpr std::array kChecks{
    TableSaveCheck{"io", &CheckIoTableForSave},
    TableSaveCheck{"groups", &CheckGroupTableForSave},
    TableSaveCheck{"led", &CheckLedTableForSave},
    TableSaveCheck{"counters", &CheckCounterTableForSave},
    TableSaveCheck{"timers", &CheckTimerTableForSave},
};

}  // namespace

std::span<const TableSaveCheck> TableSaveChecks() { return kChecks; }

const TableSaveCheck* FindTableSaveCheck(std::string_view word) {
    for (const auto& check : kChecks)
        if (check.word == word) return &check;
    return nullptr;
}

}  // namespace ovis
