#include "evaluation/statistics_table.h"

#include <algorithm>

#include "evaluation/statistics_editing.h"

namespace ovis {

std::vector<StatisticsRowTexts> StatisticsRows(const TStatistikRecord& settings, StatisticsTab tab,
                                               std::span<const std::string> shownNames,
                                               const StatisticsResult* result) {
    const std::size_t count =
        tab == StatisticsTab::Meldung ? shownNames.size() : std::size_t(EntryCount(settings, tab));
    const bool counted = result && result->tab == tab && result->counts.size() == count;
    std::vector<StatisticsRowTexts> rows(count);
    for (std::size_t r = 0; r < count; ++r) {
        StatisticsRowTexts& row = rows[r];
        row.number = StatisticsRowNumber(int(r));
        row.category = tab == StatisticsTab::Meldung ? " " + shownNames[r] : EntryCategoryText(settings, tab, int(r));
        if (counted) {
            row.count = std::to_string(result->counts[r]);
            row.percent = PercentText(result->counts[r], result->total);
        }
    }
    return rows;
}

int StatisticsTableRowCount(std::size_t rowsWithCategory) {
    return int(std::max<std::size_t>(rowsWithCategory, kStatisticsEntries));
}

}  // namespace ovis
