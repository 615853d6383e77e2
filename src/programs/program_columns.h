#pragma once
// The columns of the program grid.

namespace ovis::program_column {

inline constexpr int kNumber = 0;
inline constexpr int kName = 1;      // "Meldung"
inline constexpr int kOperandA = 2;  // "Meldung A"
inline constexpr int kLogic = 3;     // "Logik"
inline constexpr int kOperandB = 4;  // "Meldung B"
inline constexpr int kDelay = 5;     // "Verzögerung": the value
inline constexpr int kUnit = 6;      // "Verzögerung": the unit
inline constexpr int kOrder = 7;     // "Order"
inline constexpr int kTarget = 8;    // "Meldung C"
inline constexpr int kCount = 9;

// The operand columns, filled only by pasting names.
constexpr bool IsOperandColumn(int column) { return column == kOperandA || column == kOperandB || column == kTarget; }

}  // namespace ovis::program_column
