#pragma once
// Turns the replies to command 9 into recording records, appended in place to a buffer that is
// allocated once with room for ten full units (80640 records).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "project/recording_event.h"

namespace ovis {

inline constexpr std::uint8_t kDateItemMark = 0x80;
inline constexpr std::size_t kDateItemSize = 8;
inline constexpr std::size_t kEventItemSize = 4;

// The gap of an event item since the record before it.
struct ReadoutGap {
    int days = 0, hours = 0, minutes = 0, milliseconds = 0, tenMicroseconds = 0;
};

// The gap of time class `timeClass` (0-7) with the value m = h * 256 + l; minutes are split into
// days, hours and minutes.
ReadoutGap GapOfTimeClass(int timeClass, int m);

// Days of a month in the read-out's calendar: February has 29 days in years divisible by 4 (no
// century rule). `jahr` is the year minus 1900.
int ReadoutDaysInMonth(int month, int jahr);

// The record of an event item timed from `previous`. Every carry is normalised until the time
// and date are valid, however far the gap reaches.
TRecordingEvent EventRecord(const TRecordingEvent& previous, std::uint8_t g, std::uint8_t b, const ReadoutGap& gap);

enum class ReadoutFault {
    None,
    CutItem,            // an item runs past the end of its reply
    DateWithoutEvent,   // a date item is not followed by an event item in the same reply
    EventWithoutStart,  // an event item before any date item: nothing to time it from
    BadDate,            // a date item with a date or time out of range
    EmptyFirstReply,    // the first reply carries no data
    TooManyRecords,     // more records than the buffer holds
};

// The message of a fault; ends the read-out without a file.
std::string ReadoutFaultText(ReadoutFault fault);

class ReadoutDecoder {
public:
    ReadoutDecoder();

    // Empties the buffer for a new read-out.
    void Reset();
    // Decodes one reply's payload. The first fault ends the decoding of this read-out: later
    // replies are ignored and Fault() tells which rule the data broke.
    ReadoutFault AddReply(std::span<const std::uint8_t> payload);

    ReadoutFault Fault() const { return fault_; }
    std::size_t Count() const { return count_; }
    std::span<const TRecordingEvent> Records() const { return {records_.data(), count_}; }
    static constexpr std::size_t Capacity() { return kRecordingCapacity; }

private:
    ReadoutFault Decode(std::span<const std::uint8_t> payload);
    bool Append(const TRecordingEvent& record);

    std::vector<TRecordingEvent> records_;
    std::size_t count_ = 0;
    std::size_t replies_ = 0;
    ReadoutFault fault_ = ReadoutFault::None;
};

}  // namespace ovis
