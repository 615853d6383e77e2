#pragma once
// What the main window's display panel shows after start-up: the picture of the start-view
// project's LED display in the colours of its first module.
#include <array>
#include <cstdint>

#include "led/led_colours.h"
#include "led/led_frame.h"
#include "project/led_table.h"

namespace ovis {

// The lit and dark shade of a module colour code (1 "Rot" to 5 "Weiß"); other codes show red.
LedShades ModuleColourPair(int colourCode);

using DisplayColumns = std::array<std::uint8_t, kLedColumns>;

// The first message that is set, laid on its display modules: module position p (1 to
// `Modulzahl`) shows picture columns 5p-4 to 5p on display module `ModulListe`[p]. All dark
// when no message is set.
DisplayColumns StartViewColumns(const LedTable& table);

// The start view as the display panel draws it: every lit LED in the lit shade of module colour
// `colourCode`, the others in its dark shade.
LedFrame StartViewFrame(const LedTable& table, int colourCode);

// LED row 0 (top) to 6 (bottom) of a column byte: bit 6 is the top LED.
inline bool LedLit(std::uint8_t column, int row) { return (column >> (6 - row)) & 1; }

}  // namespace ovis
