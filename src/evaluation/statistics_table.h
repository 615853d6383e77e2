#pragma once
// The rows of a statistics tab's table: "Nr", the category, "Anzahl" and "%".
#include <span>
#include <string>
#include <vector>

#include "evaluation/statistics_compute.h"

namespace ovis {

struct StatisticsRowTexts {
    std::string number;    // "001"
    std::string category;  // tab 0: " " + message name (record bytes); tabs 1-3: the entry's range
    std::string count;     // empty before "Berechnen"
    std::string percent;
};

// The rows that have a category: tab 0 one per shown message (`shownNames`), tabs 1-3 one per
// entry in use; with the counts of `result` when it belongs to this tab and these rows.
std::vector<StatisticsRowTexts> StatisticsRows(const TStatistikRecord& settings, StatisticsTab tab,
                                               std::span<const std::string> shownNames,
                                               const StatisticsResult* result);

// The table's row count: 16, or one row per shown message when tab 0 shows more.
int StatisticsTableRowCount(std::size_t rowsWithCategory);

}  // namespace ovis
