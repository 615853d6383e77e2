#pragma once
// The running state of one LED display message in the simulation, its start values, its due
// times by unit and the cycling of its colour parts.
#include <array>
#include <cstdint>

#include "led/led_colours.h"
#include "project/led_record.h"
#include "led/led_sim_time.h"

namespace ovis {

struct SimMessage {
    std::uint16_t SimPosition = 0;  // how far the picture has moved, in columns
    std::uint8_t SimPhase = 0;      // sub-step of a vertical move, 0 to 7
    SimTime SimDue = 0;             // next step; 0 before the first run: due at once
    // The current frame on the message's own module positions: index k-1 is column ((k-1) mod 5)+1
    // of module position ⌈k/5⌉.
    std::array<std::uint8_t, kLedColumns> SimRow{};
    std::uint8_t SimColour = kNoColour;
    std::uint8_t SimColourIndex = 0;  // colour part used last, 0 to `AnzahlFarben`
    bool stepped = false;             // a step was made since the start or the last "RESET"
};

// Direction codes of `Richtung`.
inline constexpr int kLinksFromX0 = 1, kLinksFromX1 = 2, kRechtsFromX0 = 3, kRechtsFromX1 = 4;
inline constexpr int kObenFromX0 = 5, kObenFromX1 = 6, kUntenFromX0 = 7, kUntenFromX1 = 8;

// Start position and phase: codes 1 and 4 start at their start edge (Modulzahl x 5 - dx), the
// others at 0; codes 6 and 7 at phase 0, codes 5 and 8 at phase 6, other codes keep their phase.
void ResetSimPosition(const TLedRecord& message, SimMessage& state);

// The first due time at the start by `Einheit`: "Milli" now + delay ms (10 ms for delay 0),
// "Sek", "Min", "Std" now + delay in that unit; other units leave `SimDue` as it was.
void SetStartDue(const TLedRecord& message, SimMessage& state, SimTime now);

// The due time after a step, counted from the step: now + m x delay ms, or now + 10 x m ms for
// delay 0, with m 1000 "Sek", 60000 "Min", 3600000 "Std" and 1 for every other unit.
SimTime NextDue(const TLedRecord& message, SimTime now);

// The colour change after the step or steps of a due message: with one part always part 1,
// otherwise the parts one after the other, cyclically.
void NextSimColour(const TLedRecord& message, SimMessage& state);

}  // namespace ovis
