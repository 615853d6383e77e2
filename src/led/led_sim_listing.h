#pragma once
// The composed display as text lines, one per display column with a lit LED:
// "COLUMN BYTE C6 C5 C4 C3 C2 C1 C0" (column 1-based in decimal, the column byte and the colour
// codes of bits 6 down to 0 as two-digit upper-case hexadecimal, "--" for an unlit LED).
#include <string>

#include "led/led_sim_compose.h"

namespace ovis {

std::string DisplayListing(const ComposedDisplay& display);

}  // namespace ovis
