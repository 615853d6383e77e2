#pragma once
// The texts of a timer row: its date (dd.mm) or weekday, its time of day (hh:mm:ss), the masks
// that hide parts of them as "xx", and the calendar dates the editor works with.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "project/timer_record.h"

namespace ovis {

inline constexpr std::string_view kPlainDateMask = "  .  .    ";
inline constexpr std::string_view kPlainTimeMask = "  :  :  ";
inline constexpr std::array<const char*, 7> kWeekdays{"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                                      "Freitag", "Samstag",  "Sonntag"};

enum class DatePart { Day, Month };
enum class TimePart { Hours, Minutes, Seconds };

struct CalendarDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const CalendarDate&) const = default;
};

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
    bool operator==(const TimeOfDay&) const = default;
};

int DaysInMonth(int year, int month);
bool IsValidDate(const CalendarDate& date);

// "dd.mm" and "hh:mm:ss", whatever the desktop's settings.
std::string DayMonthText(int day, int month);
std::string TimeText(const TimeOfDay& time);

// The day and month of a `Datum` text in `year`; nothing when it is no valid date of that year.
std::optional<CalendarDate> ParseDayMonth(std::string_view text, int year);
// The time of a `Uhrzeit` text; nothing when it is no valid hh:mm:ss.
std::optional<TimeOfDay> ParseTime(std::string_view text);

// Whether a mask hides a part: an "x" in one of its two places.
bool DatePartHidden(std::string_view dateMask, DatePart part);
bool TimePartHidden(std::string_view timeMask, TimePart part);
// The mask with "xx" in the places of the part (a short mask is completed from the plain one).
std::string HideDatePart(std::string_view dateMask, DatePart part);
std::string HideTimePart(std::string_view timeMask, TimePart part);

// The cells of the date and time columns: four blanks and the date, or one blank and the
// weekday; one blank and the time; a hidden part shows "xx".
std::string TimerDateCell(const TTimerRecord& row);
std::string TimerTimeCell(const TTimerRecord& row);
std::string TimeCellText(std::string_view time);

}  // namespace ovis
