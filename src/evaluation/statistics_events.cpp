#include "evaluation/statistics_events.h"

#include <algorithm>
#include <array>

#include "project/recording_time.h"

namespace ovis {

int StartDateNumber(const TRecordingEvent& start) { return start.Jahr * 10000 + start.Monat * 100 + start.Tag; }

double StartTimeNumber(const TRecordingEvent& start) {
    const int sekMSek = start.SekMSek.get();
    return start.Std * 10000 + start.Min * 100 + sekMSek / 1000 + (sekMSek % 1000) * 0.001 + start.Misek * 0.00001;
}

double EventDuration(const TRecordingEvent& start, const TRecordingEvent& end) {
    int misek = end.Misek - start.Misek;
    int millis = end.SekMSek.get() % 1000 - start.SekMSek.get() % 1000;
    int seconds = end.SekMSek.get() / 1000 - start.SekMSek.get() / 1000;
    int minutes = end.Min - start.Min;
    int hours = end.Std - start.Std;
    int days = end.Tag - start.Tag;
    if (misek < 0) misek += 100, --millis;
    if (millis < 0) millis += 1000, --seconds;
    if (seconds < 0) seconds += 60, --minutes;
    if (minutes < 0) minutes += 60, --hours;
    if (hours < 0) hours += 24, --days;
    if (days < 0) {
        const int borrowed = days + DaysInMonth(end.Monat);
        days = borrowed >= 0 ? borrowed : days + DaysInMonth(start.Monat);
    }
    // Day fields beyond any month (a damaged file) can leave the count negative: no time at all.
    return std::max(0.0, days * 86400.0 + hours * 3600.0 + minutes * 60.0 + seconds + millis * 0.001 + misek * 0.00001);
}

void ForEachStatisticsEvent(std::span<const TRecordingEvent> records,
                            const std::function<void(const StatisticsEvent&)>& visit) {
    // The pending High record of each message number (1-based record index, 0 for none).
    std::array<std::size_t, kMessageNumberMask + 1> pending{};
    for (std::size_t k = kStatisticsFirstRecord; k <= records.size(); ++k) {
        const TRecordingEvent& record = records[k - 1];
        const int message = MessageNumber(record);
        if (message == 0) continue;
        if (const std::size_t startIndex = pending[std::size_t(message)]) {
            const TRecordingEvent& start = records[startIndex - 1];
            visit(StatisticsEvent{startIndex, message, StartDateNumber(start), StartTimeNumber(start),
                                  EventDuration(start, record)});
        }
        pending[std::size_t(message)] = IsLevelHigh(record) ? k : 0;
    }
}

}  // namespace ovis
