#pragma once
// The simulation's time base: milliseconds counted across days, so that due times stay in order
// over midnight.
#include <cstdint>

#include "platform/clock.h"

namespace ovis {

using SimTime = std::int64_t;  // milliseconds since 01.01.1970 00:00:00.000 local time

inline constexpr SimTime kMillisecondsPerDay = 86'400'000;
inline constexpr SimTime kDrawSlotMilliseconds = 50;

SimTime SimulationTime(const LocalDateTime& time);

// The 50 ms slot of a time; drawing happens at most once per slot.
inline SimTime DrawSlot(SimTime time) { return time / kDrawSlotMilliseconds; }

}  // namespace ovis
