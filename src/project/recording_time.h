#pragma once
// The time base of recordings: seconds from 1 January 00:00 of a record's year, without leap days.
#include "project/recording_event.h"

namespace ovis {

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr int kDaysPerYear = 365;

// Days from 1 January to the first of `month` (1-12; 13 gives the length of the year). A damaged
// month outside 1-13 counts as the nearest valid one.
int MonthStart(int month);
// Days of `month` (1-12) in a year without 29 February; outside 1-12 as the nearest valid month.
int DaysInMonth(int month);

// Seconds of the record's time from 1 January 00:00 of its year; the year is not part of it.
double EventSeconds(const TRecordingEvent& event);

// Rewrites Monat, Tag, Std, Min, SekMSek and Misek from seconds of the year; Jahr and Meldung
// stay. The value is taken in whole 10-microsecond steps (floor), so that the value of a record
// writes back the same record; values before 1 January or past the end of the year are held at
// the first or last step of the year.
void SetEventSeconds(TRecordingEvent& event, double seconds);

}  // namespace ovis
