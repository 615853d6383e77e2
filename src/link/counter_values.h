#pragma once
// The live values of the counters, read from the Interface's memory with command 5: the Stand
// field of each counter's message record in area 1.
#include <cstdint>
#include <optional>
#include <vector>

#include "link/link.h"

namespace ovis {

inline constexpr std::uint16_t kCounterRecordsAddress = 0x8A80;
inline constexpr int kCounterRecordSize = 16;
inline constexpr int kCounterStandOffset = 13;
inline constexpr std::uint8_t kCounterStandBytes = 3;

// The address of the Stand bytes of the message record of message `messageNumber` (1-based).
std::uint16_t CounterValueAddress(int messageNumber);

// Reads the Stand of `counterCount` counters whose first has message number `firstNumber`
// (I/O plus LED messages plus 1) from Interface `address`. Entry k - 1 is counter k: its value,
// or nothing when it was not read (the reading stops at an abort and when a request was not
// answered; a short reply leaves the value unread).
std::vector<std::optional<std::int32_t>> ReadCounterValues(Link& link, std::uint8_t address, int firstNumber,
                                                           int counterCount);

}  // namespace ovis
