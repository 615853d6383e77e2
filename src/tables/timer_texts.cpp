#include "tables/timer_texts.h"

#include <algorithm>
#include <cstdio>

namespace ovis {
namespace {

// The first of the two places of a part in its text and its mask.
std::size_t Place(DatePart part) { return part == DatePart::Day ? 0 : 3; }
std::size_t Place(TimePart part) {
    switch (part) {
        case TimePart::Hours: return 0;
        case TimePart::Minutes: return 3;
        case TimePart::Seconds: return 6;
    }
    return 0;
}

bool HiddenAt(std::string_view mask, std::size_t place) {
    return mask.substr(std::min(place, mask.size()), 2).find('x') != std::string_view::npos;
}

std::string HiddenAtPlace(std::string_view mask, std::string_view plain, std::size_t place) {
    std::string text(mask);
    if (text.size() < plain.size()) text += plain.substr(text.size());
    text.replace(place, 2, "xx");
    return text;
}

std::string WithXx(std::string text, std::size_t place) {
    if (text.size() < place + 2) text.resize(place + 2, ' ');
    text.replace(place, 2, "xx");
    return text;
}

// Two digits at `place`; -1 when they are not two digits.
int TwoDigits(std::string_view text, std::size_t place) {
    if (text.size() < place + 2) return -1;
    const char a = text[place], b = text[place + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

}  // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsValidDate(const CalendarDate& date) { return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month); }

std::string DayMonthText(int day, int month) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d.%02d", day % 100, month % 100);
    return text;
}

std::string TimeText(const TimeOfDay& time) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour % 100, time.minute % 100, time.second % 100);
    return text;
}

std::optional<CalendarDate> ParseDayMonth(std::string_view text, int year) {
    if (text.size() != 5 || text[2] != '.') return std::nullopt;
    const CalendarDate date{year, TwoDigits(text, 3), TwoDigits(text, 0)};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

std::optional<TimeOfDay> ParseTime(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    const TimeOfDay time{TwoDigits(text, 0), TwoDigits(text, 3), TwoDigits(text, 6)};
    if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 || time.second > 59)
        return std::nullopt;
    return time;
}

bool DatePartHidden(std::string_view dateMask, DatePart part) { return HiddenAt(dateMask, Place(part)); }
bool TimePartHidden(std::string_view timeMask, TimePart part) { return HiddenAt(timeMask, Place(part)); }

std::string HideDatePart(std::string_view dateMask, DatePart part) {
    return HiddenAtPlace(dateMask, kPlainDateMask, Place(part));
}

std::string HideTimePart(std::string_view timeMask, TimePart part) {
    return HiddenAtPlace(timeMask, kPlainTimeMask, Place(part));
}

std::string TimerDateCell(const TTimerRecord& row) {
    if (!row.Wochentag.empty()) return " " + row.Wochentag.str();
    std::string date = row.Datum.str();
    for (DatePart part : {DatePart::Day, DatePart::Month})
        if (DatePartHidden(row.DatumMaske.view(), part)) date = WithXx(std::move(date), Place(part));
    return "    " + date;
}

std::string TimerTimeCell(const TTimerRecord& row) {
    std::string time = row.Uhrzeit.str();
    for (TimePart part : {TimePart::Hours, TimePart::Minutes, TimePart::Seconds})
        if (TimePartHidden(row.ZeitMaske.view(), part)) time = WithXx(std::move(time), Place(part));
    return TimeCellText(time);
}

std::string TimeCellText(std::string_view time) { return " " + std::string(time); }

}  // namespace ovis
