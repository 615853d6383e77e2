#pragma once
// The columns of the I/O editor's grid.
namespace ovis::io_column {

inline constexpr int kNumber = 0;    // "Nr"
inline constexpr int kName = 1;      // "Meldung"
inline constexpr int kModule = 2;    // "Modul"
inline constexpr int kTerminal = 3;  // "I/O"
inline constexpr int kLevel = 4;     // "Pegel"
inline constexpr int kKind = 5;      // "Typ"
inline constexpr int kOnDelay = 6;   // "Ein-Verzögerung-Aus"
inline constexpr int kUnit = 7;
inline constexpr int kOffDelay = 8;
inline constexpr int kRecord = 9;    // "Speichern"
inline constexpr int kCount = 10;

}  // namespace ovis::io_column
