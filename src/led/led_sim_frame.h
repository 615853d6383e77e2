#pragma once
// The composed simulation display as the display panel draws it.
#include <cstdint>

#include "led/led_frame.h"
#include "led/led_sim_compose.h"

namespace ovis {

// Every lit LED in the preview colour of its code; a code without a palette colour shows dark.
// Only bits 6 to 0 are LEDs.
LedFrame SimulationFrame(const ComposedDisplay& display, std::uint32_t dark);

}  // namespace ovis
