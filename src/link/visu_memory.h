#pragma once
// What the online visualisation reads from the Interface's memory with command 5, and the
// switching of a relay with command 20. Both tables lie in area 1 just before the message records
// (0x8A80):
// - the event list at 0x8800: 16 entries of 8 bytes, oldest first: second, minute, hour, day,
//   month, year - 2000, message number high byte (bit 0x80 set when the message went High) and
//   low byte; an entry of message 0 is empty;
// - the relay states at 0x8900: one bit per message, message k in bit 0x80 >> ((k - 1) % 8) of
//   byte (k - 1) / 8, set while it is High (128 bytes, messages 1 to 1024).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "link/link.h"

namespace ovis {

inline constexpr std::uint16_t kVisuEventListAddress = 0x8800;
inline constexpr int kVisuEventEntries = 16;
inline constexpr int kVisuEventEntrySize = 8;
inline constexpr std::uint16_t kVisuRelayStatesAddress = 0x8900;
inline constexpr int kVisuRelayStateBytes = 128;

struct VisuEventEntry {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    int message = 0;
    bool high = false;
    bool operator==(const VisuEventEntry&) const = default;
};

// The non-empty entries of the event list's bytes (a short list ends at its last whole entry).
std::vector<VisuEventEntry> DecodeVisuEventList(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodeVisuEventEntry(const VisuEventEntry& entry);
// The state of message `message` in the relay bytes; false outside them.
bool RelayStateOf(std::span<const std::uint8_t> states, int message);
// Command 20 switching a message: 2 (on) or 3 (off), message number high and low byte.
std::vector<std::uint8_t> SwitchPayload(int message, bool on);

// Reads `count` bytes of area 1 from `start` on in requests of at most 64 bytes; nothing when a
// request is not answered in full or the user aborts.
std::optional<std::vector<std::uint8_t>> ReadVisuMemory(Link& link, std::uint8_t address, std::uint16_t start,
                                                        std::size_t count);

}  // namespace ovis
