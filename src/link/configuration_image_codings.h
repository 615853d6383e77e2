#pragma once
// The codings of the configuration image: delays, ring byte offsets, output-data events.
#include <array>
#include <cstdint>
#include <string_view>

#include "project/parameter_record.h"

namespace ovis {

// Which flag pair of a record a delay sets: F1 (seconds with minutes, or minutes up to 240) or
// F2 (minutes).
enum class DelayFormat : std::uint8_t { Plain, F1, F2 };

struct CodedDelay {
    std::uint16_t field = 0;
    DelayFormat format = DelayFormat::Plain;
};

// Value and unit ("Milli", "Sek", "Min", "Std"; any other unit is taken as milliseconds) to the
// 16-bit delay field. A value of 0 never sets a flag.
CodedDelay EncodeDelay(std::int32_t value, std::string_view unit);

struct DelayFlags {
    std::uint8_t f1;
    std::uint8_t f2;
};
inline constexpr DelayFlags kOffDelayFlags{0x08, 0x10};  // off delay of I/O rows
inline constexpr DelayFlags kDelayFlags{0x20, 0x40};     // every other delay

// Sets the pair of `flags` to the delay's format (both cleared for a plain one).
std::uint8_t WithDelayFlags(std::uint8_t flags, DelayFormat format, DelayFlags pair);

// IN(p) and OUT(p), the first input and output byte of ring position p (1-based), walking the
// module list up to its first code 0; positions beyond its end keep the totals.
struct RingOffsets {
    std::array<std::uint16_t, kModuleSlots + 2> in{};
    std::array<std::uint16_t, kModuleSlots + 2> out{};
    int modules = 0;  // positions before the first code 0
    std::uint16_t totalIn = 0;
    std::uint16_t totalOut = 0;

    std::uint16_t In(int position) const;
    std::uint16_t Out(int position) const;
};
RingOffsets ComputeRingOffsets(const TParameterRecord& params);
// The module type code at a ring position (0 outside the ring).
int ModuleCodeAt(const TParameterRecord& params, int position);

// The four bytes of an output-data event: the event word (message number in bits 0-9, the level
// in bit 10) with the time class of `secondsToNext`, the time to the next event, and the delay
// value. The last event of a file has no next one: class 0 and value 0.
struct InterfaceEventCode {
    std::uint8_t timeClass = 0;
    std::uint16_t value = 0;
};
InterfaceEventCode EncodeEventDelay(double secondsToNext);
std::array<std::uint8_t, 4> InterfaceEventBytes(std::uint16_t eventWord, InterfaceEventCode code);

}  // namespace ovis
