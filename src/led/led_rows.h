#pragma once
// Rules of one LED display message: the values of a new row, the module positions of its window
// of display columns, the standard module list and the collapse of equal colour and brightness
// parts.
#include <cstdint>
#include <span>

#include "project/led_record.h"

namespace ovis {

inline constexpr const char* kNewLedRowName = "LED - Meldung";
inline constexpr std::uint8_t kNoBrightness = 0;

// A new row; direction, unit and recording come from `currentRow` when the table has rows,
// otherwise "Links" from x0, "Milli" and recorded.
TLedRecord NewLedRow(const TLedRecord* currentRow);

// The module position of a display column (1-based): ⌈column / 5⌉.
int ModulePositionOfColumn(int column);
// `Modulzahl` of a window x0..x1: ⌈x1 / 5⌉ − ⌈x0 / 5⌉ + 1.
int ModuleCountOf(int x0, int x1);

// Whether the first `Modulzahl` entries of `ModulListe` are the consecutive list from ⌈X0 / 5⌉.
bool HasStandardModuleList(const TLedRecord& row);
// Rewrites the first `Modulzahl` entries as the consecutive list from ⌈X0 / 5⌉; later entries stay.
void SetStandardModuleList(TLedRecord& row);

// Stores a new window x0..x1: swaps them when x1 is smaller, recomputes `Modulzahl` and, when it
// changed, adjusts `ModulListe`: a standard list is rewritten from ⌈X0 / 5⌉; a list chosen by
// hand that grew gets the module number k at each new position k, one that shrank gets 0 in the
// freed positions. Returns whether `Modulzahl` changed.
bool SetWindow(TLedRecord& row, int x0, int x1);

// Equal parts collapse: parts beyond `count` become `empty`, and when all parts up to `count`
// are equal the count becomes 1 and every later part `empty`.
void CollapseEqualParts(std::span<std::uint8_t> parts, std::uint8_t& count, std::uint8_t empty);
void CollapseColourParts(TLedRecord& row);
void CollapseBrightnessParts(TLedRecord& row);

}  // namespace ovis
