#pragma once
// Saving the LED display: the last lit column of every row, then the system parameters,
// "LEDParameter.ofp" and "Led.ofd", and the saved images of all three.
#include <filesystem>

#include "project/led_parameters.h"
#include "project/led_table.h"

namespace ovis {

class SystemParameters;

// Sets `LetzteSpalte` of every row to its last lit column (0 when none is lit).
void SetLastColumns(LedTable& table);

// IoError when a file cannot be written; files written before it stay written.
void SaveLedFiles(const std::filesystem::path& projectDir, SystemParameters& parameters, LedParameters& ledParameters,
                  LedTable& table);

}  // namespace ovis
