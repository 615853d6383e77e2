#pragma once
// The module pictures of the display panel: one 50 x 70 pixel picture per LED module with its 5 x 7
// LEDs on a 10-pixel pitch, the hit columns of a click, the captions of "Modulname" and the
// snapping of a dragged picture to the grid.
#include <string>

#include "project/led_parameter_record.h"

namespace ovis {

inline constexpr int kModulePictureWidth = 50;
inline constexpr int kModulePictureHeight = 70;
inline constexpr int kLedPitch = 10;

// The module column (1 to 5) hit by a click at `x` pixels from the picture's left edge: 1 to 10
// hit column 1, 11 to 20 column 2, ..., 41 and beyond column 5.
int ModuleColumnAtX(int x);
// The display column a click selects: the scroll position plus 5 x (module position - 1) plus
// the module column.
int DisplayColumnOfClick(int scrollPosition, int modulePosition, int moduleColumn);

// "Modul " and the number below 100, "Mod. " and the number from 100 on.
std::string ModuleCaption(int moduleNumber);

// `value` rounded to the nearest multiple of `grid`; a remainder of half the grid or more rounds
// up. A grid below 1 leaves the value.
int SnapToGrid(int value, int grid);

// Number of module pictures of the display (0 to 100).
int ModulePictureCount(const TLedParameterRecord& parameters);

// Stores a dropped module picture (0-based `module`) at its left and top snapped to the grid.
void StoreDroppedModule(TLedParameterRecord& parameters, int module, int left, int top);

}  // namespace ovis
