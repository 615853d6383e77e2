#include "led/led_sim_time.h"

#include <chrono>

namespace ovis {

SimTime SimulationTime(const LocalDateTime& time) {
    using namespace std::chrono;
    const sys_days day{year{time.year} / month{unsigned(time.month)} / ::std::chrono::day{unsigned(time.day)}};
    const SimTime dayStart = SimTime(day.time_since_epoch().count()) * kMillisecondsPerDay;
    return dayStart + ((SimTime(time.hour) * 60 + time.minute) * 60 + time.second) * 1000 + time.millisecond;
}

}  // namespace ovis
