#pragma once
// Whether the LED display differs from what was last loaded or saved, over the fields the LED
// editor compares when it closes.
#include "project/led_parameters.h"
#include "project/led_table.h"

namespace ovis {

// Name, text, last column, window, line length, direction, dx, distance, delay, unit,
// recording, status, module count, the colour and brightness parts with their counts, every
// picture column, the first 100 module list entries, and the font (name, size, style: a new
// font alone must not be lost).
bool LedRowsDiffer(const TLedRecord& a, const TLedRecord& b);

// Module count, origin, grid, gap, the colours and brightness of all modules and the positions
// of the modules in use.
bool LedParametersDiffer(const TLedParameterRecord& live, const TLedParameterRecord& saved);

// The row count, every row against its saved image, and the live parameters against theirs.
bool LedDisplayChanged(const LedTable& table, const LedParameters& parameters);

}  // namespace ovis
