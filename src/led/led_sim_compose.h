#pragma once
// The composed LED display: the frames of all set messages laid on their physical modules, with
// the colours of messages that light the same LED mixed.
#include <array>
#include <cstdint>
#include <span>

#include "led/led_colours.h"
#include "project/led_record.h"
#include "led/led_sim_message.h"

namespace ovis {

// One physical display column (column c belongs to module ⌈c / 5⌉).
struct DisplayColumn {
    std::uint8_t bits = 0;  // bit 6 the top LED, bit 0 the bottom LED
    std::array<std::uint8_t, 7> colours{kNoColour, kNoColour, kNoColour, kNoColour,
                                        kNoColour, kNoColour, kNoColour};  // code of bit 0 to 6
    bool operator==(const DisplayColumn&) const = default;
};

using ComposedDisplay = std::array<DisplayColumn, kLedColumns>;

// Whether bit `bit` (0 to 6) of a column is a lit LED.
inline bool BitLit(std::uint8_t bits, int bit) { return (bits >> bit) & 1; }

// The code of an LED lit in `shown` and then in `added`: the red and green sixths of both
// averaged, rounding up.
inline std::uint8_t MixColours(std::uint8_t shown, std::uint8_t added) {
    return std::uint8_t(((shown + added + 17) >> 1) & 0x77);
}

// Composes the display from the frames of the messages whose `Status` is "SET", in table order.
// `rows` and `states` are parallel.
void ComposeDisplay(std::span<const TLedRecord> rows, std::span<const SimMessage> states, ComposedDisplay& display);

}  // namespace ovis
