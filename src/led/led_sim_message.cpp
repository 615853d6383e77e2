#include "led/led_sim_message.h"

#include <algorithm>
#include <string_view>

namespace ovis {

namespace {

// A damaged file's negative delay counts as 0, so a due time never lies before its step.
SimTime Delay(const TLedRecord& message) { return std::max<SimTime>(message.Verzoegerung, 0); }

// Milliseconds per unit of `Einheit`; 0 for a unit the start does not know.
SimTime StartUnit(const TLedRecord& message) {
    const std::string_view unit = message.Einheit.view();
    if (unit == "Milli") return 1;
    if (unit == "Sek") return 1000;
    if (unit == "Min") return 60'000;
    if (unit == "Std") return 3'600'000;
    return 0;
}

}  // namespace

void ResetSimPosition(const TLedRecord& message, SimMessage& state) {
    const int direction = message.Richtung;
    const int modules = std::clamp<int>(message.Modulzahl, 0, kLedModulePositions);
    const int dx = std::clamp<int>(message.Dx, 0, kLedColumns);
    state.SimPosition =
        (direction == kLinksFromX0 || direction == kRechtsFromX1) ? std::uint16_t(modules * 5 - dx) : std::uint16_t(0);
    if (direction == kObenFromX1 || direction == kUntenFromX0) state.SimPhase = 0;
    if (direction == kObenFromX0 || direction == kUntenFromX1) state.SimPhase = 6;
}

void SetStartDue(const TLedRecord& message, SimMessage& state, SimTime now) {
    const SimTime unit = StartUnit(message);
    if (unit == 0) return;
    const SimTime delay = Delay(message);
    state.SimDue = now + (unit == 1 && delay == 0 ? 10 : unit * delay);
}

SimTime NextDue(const TLedRecord& message, SimTime now) {
    const SimTime unit = std::max<SimTime>(StartUnit(message), 1);
    const SimTime delay = Delay(message);
    return now + (delay == 0 ? 10 * unit : unit * delay);
}

void NextSimColour(const TLedRecord& message, SimMessage& state) {
    const int parts = std::clamp<int>(message.AnzahlFarben, 1, int(std::size(message.Farbe)));
    if (parts == 1) {
        state.SimColour = message.Farbe[0];
        return;
    }
    state.SimColourIndex = std::uint8_t(state.SimColourIndex % parts + 1);
    state.SimColour = message.Farbe[state.SimColourIndex - 1];
    if (state.SimColourIndex % parts == 0) state.SimColourIndex = 0;
}

}  // namespace ovis
