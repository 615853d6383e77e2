#include "visualisation/replay_time.h"

#include <algorithm>
#include <cstdio>

#include "project/recording_time.h"

namespace ovis {
namespace {

constexpr std::int64_t kPerMinute = 60 * 100;
constexpr std::int64_t kPerHour = 60 * kPerMinute;
constexpr std::int64_t kPerDay = 24 * kPerHour;
constexpr std::int64_t kPerYear = kDaysPerYear * kPerDay;

}  // namespace

ReplayTime ReplayTime::Of(const TRecordingEvent& event) {
    const int sekMSek = std::min<int>(event.SekMSek.get(), 59999);
    ReplayTime t;
    t.year = event.Jahr;
    t.month = std::clamp<int>(event.Monat, 1, 12);
    t.day = std::clamp<int>(event.Tag, 1, DaysInMonth(t.month));
    t.hour = std::min<int>(event.Std, 23);
    t.minute = std::min<int>(event.Min, 59);
    t.second = sekMSek / 1000;
    t.hundredth = sekMSek % 1000 / 10;
    return t;
}

std::int64_t ReplayTime::Hundredths() const {
    const std::int64_t days = std::int64_t(year) * kDaysPerYear + MonthStart(month) + day - 1;
    return days * kPerDay + hour * kPerHour + minute * kPerMinute + second * 100 + hundredth;
}

ReplayTime ReplayTime::FromHundredths(std::int64_t value) {
    value = std::max<std::int64_t>(value, 0);
    ReplayTime t;
    t.year = int(value / kPerYear);
    std::int64_t rest = value % kPerYear;
    int dayOfYear = int(rest / kPerDay);
    rest %= kPerDay;
    t.month = 1;
    while (t.month < 12 && dayOfYear >= DaysInMonth(t.month)) dayOfYear -= DaysInMonth(t.month++);
    t.day = dayOfYear + 1;
    t.hour = int(rest / kPerHour);
    t.minute = int(rest % kPerHour / kPerMinute);
    t.second = int(rest % kPerMinute / 100);
    t.hundredth = int(rest % 100);
    return t;
}

std::string ReplayTime::TimeText() const {
    char text[24];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d,%02d", hour, minute, second, hundredth);
    return text;
}

std::string ReplayTime::ClockText(bool blink) const {
    const char sep = blink && hundredth >= 50 ? ' ' : ':';
    char text[24];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", hour, sep, minute, sep, second);
    return text;
}

std::string ReplayTime::DateText() const {
    char text[24];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, 1900 + year);
    return text;
}

}  // namespace ovis
