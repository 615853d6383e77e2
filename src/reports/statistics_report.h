#pragma once
// The report of a statistics tab: "Statistikauswertung", the project and the file, the filters
// that apply to the tab, the totals and the table.
#include <span>
#include <string>
#include <string_view>

#include "evaluation/statistics_compute.h"
#include "project/statistik_record.h"
#include "reports/report_model.h"

namespace ovis {

inline constexpr const char* kStatisticsNotComputed =
    "Bitte drücken Sie zuerst \"Berechnen\", damit druckbare Daten zur Verfügung stehen !!!";

// A tab prints once "Berechnen" counted at least one event on it.
bool StatisticsPrintable(const StatisticsResult* result);

struct StatisticsReportInput {
    const TStatistikRecord& settings;
    StatisticsTab tab;
    DurationUnit unit;
    std::span<const std::string> shownNames;  // tab 0's rows (record bytes)
    const StatisticsResult& result;           // StatisticsPrintable
    std::string_view projectName;             // UTF-8
    std::string_view fileName;
    std::string_view date;
};

Report StatisticsReport(const StatisticsReportInput& input);

}  // namespace ovis
