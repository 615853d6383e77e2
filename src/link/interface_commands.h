#pragma once
// The commands the PC sends to the Interface and the payloads of those with data.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/clock.h"

namespace ovis {

namespace command {
inline constexpr std::uint8_t kPrepare = 1;        // before a configuration, first in the software update
inline constexpr std::uint8_t kReset = 3;          // second half of the reset
inline constexpr std::uint8_t kMemoryWrite = 4;
inline constexpr std::uint8_t kMemoryRead = 5;
inline constexpr std::uint8_t kOnlineStart = 7;
inline constexpr std::uint8_t kUnitDirectory = 8;
inline constexpr std::uint8_t kUnitReadOut = 9;
inline constexpr std::uint8_t kDisplay = 10;
inline constexpr std::uint8_t kNoCard = 11;
inline constexpr std::uint8_t kFrameWithConfirm = 16;
inline constexpr std::uint8_t kProgramFirmware = 18;  // the Interface takes over the transferred firmware
inline constexpr std::uint8_t kUpdateStart = 19;      // before the firmware transfer
inline constexpr std::uint8_t kLevels = 20;
}  // namespace command

enum class MemoryArea : std::uint8_t { Firmware = 1, Output = 2, Configuration = 3 };

inline constexpr std::uint16_t kResetAddress = 0x8001;
inline constexpr std::uint16_t kClockAddress = 0x8480;
inline constexpr std::uint16_t kAddressPatchAddress = 0xBEFF;
inline constexpr std::size_t kMaxMemoryWriteData = 124;  // 130 telegram bytes less six

// Command 4: area, 0, address high, address low, the data bytes (at most 124).
std::vector<std::uint8_t> MemoryWritePayload(MemoryArea area, std::uint16_t address, std::span<const std::uint8_t> data);
// Command 5: area, 0, address high, address low, byte count.
std::vector<std::uint8_t> MemoryReadPayload(MemoryArea area, std::uint16_t address, std::uint8_t count);
// Command 7: 0, 1, message count high, low.
std::vector<std::uint8_t> OnlineStartPayload(int messageCount);
// The clock write: seconds, minutes, hours, day, month, year low and high byte at 0x8480 of area 3.
std::vector<std::uint8_t> ClockPayload(const LocalDateTime& now);

}  // namespace ovis
