#pragma once
// One step of a message in the simulation: its picture moved on by one step in its direction,
// laid into `SimRow`.
#include "led/led_sim_message.h"

namespace ovis {

// Clears `SimRow`, advances `SimPosition` (and `SimPhase` for the vertical directions) and lays
// the frame of "Links" (codes 1, 2), "Rechts" (3, 4), "Oben" (5, 6) or "Unten" (7, 8) into
// `SimRow`; code 0 and unknown codes draw nothing. Out-of-range field values of a damaged file
// are clamped to their documented ranges; nothing is ever written outside `SimRow`.
void SimulationStep(const TLedRecord& message, SimMessage& state);

}  // namespace ovis
