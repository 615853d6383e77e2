#pragma once
// The events ("Ereignisse") the statistics count: a High record of a message up to the next
// record of the same message, with its start date number D, start time number T and duration.
#include <cstddef>
#include <functional>
#include <span>

#include "project/recording_event.h"

namespace ovis {

// The first record (1-based) the statistics scan.
inline constexpr std::size_t kStatisticsFirstRecord = 3;

// D = Jahr * 10000 + Monat * 100 + Tag (24.12.2008 -> 1081224).
int StartDateNumber(const TRecordingEvent& start);
// T = hhmmss + millisecond * 0.001 + Misek * 0.00001 (14:05:09,12345 -> 140509.12345).
double StartTimeNumber(const TRecordingEvent& start);

// Seconds from `start` to `end` by field differences with borrows: Misek (100), millisecond
// (1000), second (60), minute (60), hour (24), and a negative day count takes the days of the end
// record's month. Month and year fields take no part: an event from 31 December to 1 January gets
// its length from the day borrow, as January has 31 days like December. A day count still negative
// after that borrow (the month before the end month is longer than it, e.g. 31 January to 1
// February) borrows the start month's days instead; day fields beyond any month (a damaged file) give
// 0, so that no duration is negative.
double EventDuration(const TRecordingEvent& start, const TRecordingEvent& end);

struct StatisticsEvent {
    std::size_t startRecord = 0;  // 1-based index of the High record
    int message = 0;
    int date = 0;       // D
    double time = 0;    // T
    double duration = 0;
};

// Calls `visit` for every event of `records` (record 1 first) in one pass from record 3: an event
// is reported when its end record is reached, so the events arrive in the order of their ends. A
// High record without a later record of its message starts no event.
void ForEachStatisticsEvent(std::span<const TRecordingEvent> records,
                            const std::function<void(const StatisticsEvent&)>& visit);

}  // namespace ovis
