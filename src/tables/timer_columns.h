#pragma once
// The columns of the timer editor's grid.
namespace ovis::timer_column {

inline constexpr int kNumber = 0;  // "Nr"
inline constexpr int kName = 1;    // "Meldung"
inline constexpr int kDate = 2;    // "Datum"
inline constexpr int kTime = 3;    // "Uhrzeit"
inline constexpr int kCount = 4;

}  // namespace ovis::timer_column
