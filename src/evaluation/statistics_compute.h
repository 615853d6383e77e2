#pragma once
// "Berechnen" of a statistics tab: one pass over a recording's events, filtered and counted per
// category, and the texts of the table's cells and of the six totals.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "evaluation/statistics_settings.h"
#include "project/recording_event.h"

namespace ovis {

struct StatisticsResult {
    StatisticsTab tab = StatisticsTab::Meldung;
    // Per table row: tab 0 per shown message (in the order given), tabs 1-3 per entry in use.
    std::vector<int> counts;
    int total = 0;
    double minDuration = 1000000;
    double maxDuration = 0;
    double sumDuration = 0;
    // The start records of the earliest and the latest counted event.
    std::optional<TRecordingEvent> first;
    std::optional<TRecordingEvent> last;
};

// Counts the events of `records` (record 1 first) for `tab`. The filters: tab 0 date, time of day
// and duration; tab 1 time of day and duration; tab 2 date and duration; tab 3 date and time of
// day; every bound inclusive. Tab 0 counts an event under the row of its message among
// `shownMessages` (message numbers); events of messages that are not shown are not counted.
// Tabs 1-3 count it under the first entry whose range holds its D, T or duration; an event
// that fits no entry is not counted. The entries must have passed FindWrongEntry.
StatisticsResult ComputeStatistics(std::span<const TRecordingEvent> records, const TStatistikRecord& settings,
                                   StatisticsTab tab, DurationUnit unit, std::span<const int> shownMessages);

// "%": count * 100 / total with a decimal comma, cut to its first four characters ("33,3",
// "100", "6,25"); "0" when the total is 0.
std::string PercentText(int count, int total);
// A duration in seconds with five decimals and a decimal comma, cut to seven characters.
std::string DurationText(double seconds);
// "dd.mm.yy   hh:mm:ss" of a record.
std::string EventBeginText(const TRecordingEvent& event);

inline constexpr std::array<const char*, 6> kStatisticsTotalsLabels = {
    "Anzahl aller Ereignisse:",  "Beginn erstes Ereignis:", "Beginn letztes Ereignis:",
    "Dauer kürzestes Ereignis:", "Dauer längstes Ereignis:", "Ereignisdauer im Mittel:"};
// The values beside the labels, in their order; all empty when nothing was counted.
std::array<std::string, 6> StatisticsTotals(const StatisticsResult& result);

}  // namespace ovis
