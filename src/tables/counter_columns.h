#pragma once
// The columns of the counter editor's grid.
namespace ovis::counter_column {

inline constexpr int kNumber = 0;       // "Nr"
inline constexpr int kName = 1;         // "Meldung"
inline constexpr int kCounted = 2;      // "Zählung"
inline constexpr int kMode = 3;         // "Zählart"
inline constexpr int kStart = 4;        // "Stand- Zähler -Ende", over both value columns
inline constexpr int kEnd = 5;
inline constexpr int kAutoDisable = 6;  // "Auto. DIS."
inline constexpr int kStatus = 7;       // "Status"
inline constexpr int kDisplay = 8;      // "Anzeige"
inline constexpr int kDirection = 9;    // "dx"
inline constexpr int kCount = 10;

}  // namespace ovis::counter_column
