#include "project/recording_time.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace ovis {
namespace {

constexpr std::array<int, 13> kMonthStart{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
constexpr std::array<int, 12> kDaysInMonth{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::int64_t kStepsPerSecond = 100000;  // 10-microsecond steps
constexpr std::int64_t kStepsPerMinute = 60 * kStepsPerSecond;
constexpr std::int64_t kStepsPerHour = 60 * kStepsPerMinute;
constexpr std::int64_t kStepsPerDay = 24 * kStepsPerHour;
constexpr std::int64_t kStepsPerYear = kDaysPerYear * kStepsPerDay;

// A value computed from a record may lie a few rounding errors below its step; this much of a
// step (100 ns) still counts as the step.
constexpr double kStepTolerance = 0.01;

std::int64_t StepsOfYear(double seconds) {
    const double steps = std::floor(seconds * double(kStepsPerSecond) + kStepTolerance);
    if (!(steps >= 0.0)) return 0;  // before 1 January, and not a number
    if (steps >= double(kStepsPerYear)) return kStepsPerYear - 1;
    return std::int64_t(steps);
}

}  // namespace

int MonthStart(int month) { return kMonthStart[std::size_t(std::clamp(month, 1, 13) - 1)]; }

int DaysInMonth(int month) { return kDaysInMonth[std::size_t(std::clamp(month, 1, 12) - 1)]; }

double EventSeconds(const TRecordingEvent& event) {
    const int sekMSek = event.SekMSek.get();
    return (event.Tag - 1) * kSecondsPerDay + MonthStart(event.Monat) * kSecondsPerDay + event.Std * 3600.0 +
           event.Min * 60.0 + (sekMSek / 1000) + (sekMSek % 1000) * 0.001 + event.Misek * 0.00001;
}

void SetEventSeconds(TRecordingEvent& event, double seconds) {
    std::int64_t steps = StepsOfYear(seconds);
    int month = 1;
    while (month < 12 && std::int64_t(MonthStart(month + 1)) * kStepsPerDay <= steps) ++month;
    steps -= std::int64_t(MonthStart(month)) * kStepsPerDay;
    event.Monat = std::uint8_t(month);
    event.Tag = std::uint8_t(steps / kStepsPerDay + 1);
    steps %= kStepsPerDay;
    event.Std = std::uint8_t(steps / kStepsPerHour);
    steps %= kStepsPerHour;
    event.Min = std::uint8_t(steps / kStepsPerMinute);
    steps %= kStepsPerMinute;
    event.SekMSek = std::uint16_t(steps / 100);  // second * 1000 + millisecond
    event.Misek = std::uint8_t(steps % 100);
}

}  // namespace ovis
