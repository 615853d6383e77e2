#pragma once
// The simulated clock of the video replay in 10 ms steps: hundredths, seconds, minutes, hours,
// days and months, carrying with the month lengths of DaysInMonth (the year follows).
#include <cstdint>
#include <string>

#include "project/recording_event.h"

namespace ovis {

struct ReplayTime {
    int year = 0;  // years since 1900, as in the records
    int month = 1, day = 1, hour = 0, minute = 0, second = 0, hundredth = 0;

    static ReplayTime Of(const TRecordingEvent& event);
    static ReplayTime FromHundredths(std::int64_t value);
    // Hundredths since 1 January of year 0 in years of 365 days: the order of two times.
    std::int64_t Hundredths() const;

    // The time `steps` hundredths later (earlier when negative), with every carry.
    ReplayTime Plus(std::int64_t steps) const { return FromHundredths(Hundredths() + steps); }

    // "hh:mm:ss,hh".
    std::string TimeText() const;
    // "hh:mm:ss"; with `blink` the separators are blanks in the second half of each second.
    std::string ClockText(bool blink) const;
    // "dd.mm.yyyy".
    std::string DateText() const;

    bool operator==(const ReplayTime&) const = default;
};

}  // namespace ovis
