#pragma once
// The delay limits shared by I/O rows and program lines: 60000 in every unit, 1000 in "Std".
#include <cstdint>

namespace ovis {

inline constexpr std::int32_t kMaxDelay = 60000;
inline constexpr std::int32_t kMaxDelayInHours = 1000;

}  // namespace ovis
