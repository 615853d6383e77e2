#pragma once
// One record of a recording file (".ofa"): a level change of a message, or a marker record.
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"

namespace ovis {

inline constexpr const char* kRecordingExtension = ".ofa";
// The records one recording buffer holds.
inline constexpr std::size_t kRecordingCapacity = 80640;
// A file whose first word is not 0 begins with this many records that the reader drops.
inline constexpr std::size_t kRecordingPrefixRecords = 10;

inline constexpr std::uint16_t kMessageNumberMask = 1023;
inline constexpr std::uint16_t kLevelHighBit = 1024;

struct TRecordingEvent {
    LeWord Meldung;         // bits 0-9 message number (0: marker record), bit 10 level High
    std::uint8_t Jahr;      // year - 1900
    std::uint8_t Monat;     // 1-12
    std::uint8_t Tag;       // 1-31
    std::uint8_t Std;       // 0-23
    std::uint8_t Min;       // 0-59
    std::uint8_t Misek;     // 10-microsecond steps, 0-99
    LeWord SekMSek;         // second * 1000 + millisecond, 0-59999
};

static_assert(sizeof(TRecordingEvent) == 10 && alignof(TRecordingEvent) == 1);
static_assert(offsetof(TRecordingEvent, Meldung) == 0);
static_assert(offsetof(TRecordingEvent, Jahr) == 2);
static_assert(offsetof(TRecordingEvent, Monat) == 3);
static_assert(offsetof(TRecordingEvent, Tag) == 4);
static_assert(offsetof(TRecordingEvent, Std) == 5);
static_assert(offsetof(TRecordingEvent, Min) == 6);
static_assert(offsetof(TRecordingEvent, Misek) == 7);
static_assert(offsetof(TRecordingEvent, SekMSek) == 8);

inline int MessageNumber(const TRecordingEvent& event) { return event.Meldung.get() & kMessageNumberMask; }
inline bool IsLevelHigh(const TRecordingEvent& event) { return (event.Meldung.get() & kLevelHighBit) != 0; }
inline bool IsMarker(const TRecordingEvent& event) { return MessageNumber(event) == 0; }

}  // namespace ovis
