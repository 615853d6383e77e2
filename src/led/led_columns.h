#pragma once
// The columns of the LED editor's grid.
namespace ovis::led_column {

inline constexpr int kNumber = 0;      // "Nr"
inline constexpr int kName = 1;        // "Meldung"
inline constexpr int kX0 = 2;          // "x0"
inline constexpr int kX1 = 3;          // "x1"
inline constexpr int kModules = 4;     // "Modul"
inline constexpr int kWrap = 5;        // "Umbr."
inline constexpr int kStart = 6;       // "Start"
inline constexpr int kDirection = 7;   // "Richt."
inline constexpr int kDx = 8;          // "dx"
inline constexpr int kDistance = 9;    // "Dist."
inline constexpr int kColour = 10;     // "Farbe/Helligkeit"
inline constexpr int kDelay = 11;      // "Verzögerung"
inline constexpr int kUnit = 12;       // no title
inline constexpr int kStatus = 13;     // "Status"
inline constexpr int kRecording = 14;  // "Speichern"
inline constexpr int kCount = 15;

}  // namespace ovis::led_column
