#pragma once
// The ranges of the LED fields that the configuration image encodes, checked in one place per
// record: a file whose value lies outside its range is damaged, and nothing built from it may
// reach the Interface.
#include <cstddef>
#include <optional>
#include <string>

#include "project/led_parameter_record.h"
#include "project/led_record.h"

namespace ovis {

inline constexpr int kMaxLedColourParts = 28;
inline constexpr int kMaxLedBrightnessParts = 11;
inline constexpr int kMaxLedBrightnessLevel = 11;
inline constexpr int kMaxLedDelay = 60000;
inline constexpr int kMaxLedDelayHours = 1000;

// True for a colour code of the palette: 16 × red + green with red + green at most 6.
bool IsLedColourCode(int code);

// "AnzahlModule" of "LEDParameter.ofp" outside 0 to 100: the message naming file, field and value.
std::optional<std::string> LedModuleCountFault(int anzahlModule);

// The first field of a row of "Led.ofd" (`rowNumber` from 1) outside its range, as a message
// naming file, row, field and value: X0, X1 (1 to 1275, X1 not below X0), LetzteSpalte, Umbruch,
// Dx, Distanz (0 to 1275), Richtung (0 to 8), Modulzahl (1 to 255), AnzahlFarben (1 to 28) and
// the colour codes of the parts in use, AnzahlHelligkeiten (1 to 11) and the levels in use (1 to
// 11), Verzoegerung (0 to 60000, at most 1000 with "Std").
std::optional<std::string> LedRecordFault(const TLedRecord& row, std::size_t rowNumber);

}  // namespace ovis
