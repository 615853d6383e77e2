#include "evaluation/statistics_compute.h"

#include <algorithm>
#include <cstdio>

#include "evaluation/statistics_events.h"

namespace ovis {
namespace {

std::string WithDecimalComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string Cut(std::string text, std::size_t length) {
    if (text.size() > length) text.resize(length);
    return text;
}

struct TabFilters {
    bool date, time, duration;
};

TabFilters FiltersOf(StatisticsTab tab) {
    switch (tab) {
        case StatisticsTab::Meldung: return {true, true, true};
        case StatisticsTab::Zeitraum: return {false, true, true};
        case StatisticsTab::Tageszeit: return {true, false, true};
        case StatisticsTab::Ereignisdauer: return {true, true, false};
    }
    return {true, true, true};
}

double CategoryValue(StatisticsTab tab, const StatisticsEvent& event) {
    switch (tab) {
        case StatisticsTab::Zeitraum: return event.date;
        case StatisticsTab::Tageszeit: return event.time;
        case StatisticsTab::Ereignisdauer: return event.duration;
        case StatisticsTab::Meldung: break;
    }
    return 0;
}

}  // namespace

StatisticsResult ComputeStatistics(std::span<const TRecordingEvent> records, const TStatistikRecord& settings,
                                   StatisticsTab tab, DurationUnit unit, std::span<const int> shownMessages) {
    StatisticsResult result;
    result.tab = tab;
    const StatisticsFilters filters = ReadFilters(settings, unit);
    const TabFilters applied = FiltersOf(tab);
    const std::vector<StatisticsRange> ranges = EntryRanges(settings, tab, unit);

    // Tab 0: the row (1-based) of each message number; 0 for a message that is not shown.
    std::array<int, kMessageNumberMask + 1> rowOf{};
    if (tab == StatisticsTab::Meldung) {
        result.counts.assign(shownMessages.size(), 0);
        for (std::size_t r = shownMessages.size(); r-- > 0;) {
            const int message = shownMessages[r];
            if (message > 0 && message <= int(kMessageNumberMask)) rowOf[std::size_t(message)] = int(r) + 1;
        }
    } else {
        result.counts.assign(ranges.size(), 0);
    }

    std::size_t firstStart = 0, lastStart = 0;
    ForEachStatisticsEvent(records, [&](const StatisticsEvent& event) {
        if (applied.date && !filters.date.Contains(event.date)) return;
        if (applied.time && !filters.time.Contains(event.time)) return;
        if (applied.duration && !filters.duration.Contains(event.duration)) return;
        int row = 0;
        if (tab == StatisticsTab::Meldung) {
            row = rowOf[std::size_t(event.message)];
        } else {
            const double value = CategoryValue(tab, event);
            const auto hit = std::find_if(ranges.begin(), ranges.end(),
                                          [value](const StatisticsRange& range) { return range.Contains(value); });
            if (hit != ranges.end()) row = int(hit - ranges.begin()) + 1;
        }
        if (row == 0) return;
        ++result.counts[std::size_t(row - 1)];
        ++result.total;
        result.minDuration = std::min(result.minDuration, event.duration);
        result.maxDuration = std::max(result.maxDuration, event.duration);
        result.sumDuration += event.duration;
        if (firstStart == 0 || event.startRecord < firstStart) firstStart = event.startRecord;
        if (event.startRecord > lastStart) lastStart = event.startRecord;
    });
    if (firstStart != 0) {
        result.first = records[firstStart - 1];
        result.last = records[lastStart - 1];
    }
    return result;
}

std::string PercentText(int count, int total) {
    if (total <= 0) return "0";
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", count * 100.0 / total);
    return Cut(WithDecimalComma(text), 4);
}

std::string DurationText(double seconds) {
    char text[64];
    std::snprintf(text, sizeof text, "%.5f", seconds);
    return Cut(WithDecimalComma(text), 7);
}

std::string EventBeginText(const TRecordingEvent& event) {
    const int sekMSek = event.SekMSek.get();
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d   %02d:%02d:%02d", event.Tag % 100, event.Monat % 100,
                  event.Jahr % 100, event.Std % 100, event.Min % 100, (sekMSek / 1000) % 100);
    return text;
}

std::array<std::string, 6> StatisticsTotals(const StatisticsResult& result) {
    if (result.total <= 0 || !result.first || !result.last) return {};
    return {std::to_string(result.total),
            EventBeginText(*result.first),
            EventBeginText(*result.last),
            DurationText(result.minDuration),
            DurationText(result.maxDuration),
            DurationText(result.sumDuration / result.total)};
}

}  // namespace ovis
