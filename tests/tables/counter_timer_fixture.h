#pragma once
// A project with I/O, group, LED, counter and timer messages, and helpers to build counter and
// timer rows.
#include <initializer_list>
#include <string>

#include "group_fixture.h"
#include "support/fixed_clock.h"

namespace ovis::test {

inline TCounterRecord CounterRow(const std::string& name, std::int32_t start = 0, std::int32_t end = 0) {
    TCounterRecord row{};
    row.Bezeichnung = name;
    row.Zaehlart = "Ereignis";
    row.Stand = start;
    row.Ende = end;
    row.Status = "DISABLE";
    row.Anzeige = "keine Anzeige";
    return row;
}

inline TTimerRecord TimerRow(const std::string& name, const std::string& date = "24.12",
                             const std::string& time = "12:30:45", const std::string& weekday = "",
                             const std::string& dateMask = "  .  .    ", const std::string& timeMask = "  :  :  ") {
    TTimerRecord row{};
    row.Bezeichnung = name;
    row.Datum = date;
    row.Uhrzeit = time;
    row.Wochentag = weekday;
    row.DatumMaske = dateMask;
    row.ZeitMaske = timeMask;
    return row;
}

inline TLedRecord LedRow(const std::string& name) {
    TLedRecord row{};
    row.Bezeichnung = name;
    return row;
}

// The group project (I/O rows "Lampe", "Taster", "Netz", "Tor") with a group and two LED messages.
struct CounterTimerProject : GroupProject {
    FixedClock clock;

    CounterTimerProject() {
        SetGroups({GroupRow("Alarm", {2})});
        tables->led.Append(LedRow("Anzeige oben"));
        tables->led.Append(LedRow("Laufschrift"));
        tables->led.TakeSavedImage();
    }

    void SetCounters(std::initializer_list<TCounterRecord> rows) {
        tables->counters.Assign(std::span<const TCounterRecord>(rows.begin(), rows.size()));
        tables->counters.TakeSavedImage();
    }
    void SetTimers(std::initializer_list<TTimerRecord> rows) {
        tables->timers.Assign(std::span<const TTimerRecord>(rows.begin(), rows.size()));
        tables->timers.TakeSavedImage();
    }
};

}  // namespace ovis::test
