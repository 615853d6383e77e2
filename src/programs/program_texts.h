#pragma once
// The vocabularies of a program line (logic, unit, order), its defaults, its delay limits and the
// texts its cells show.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "project/program_line.h"
#include "tables/delay_limits.h"

namespace ovis {

inline constexpr const char* kNewProgramLineName = "Programm - Meldung";

// The operators the editor offers, in chooser order; files may hold others (">", "<", ">="),
// which are shown and saved unchanged.
inline constexpr std::array<const char*, 7> kOfferedLogic{"TRUE", "FALSE", "AND", "AND NOT", "OR", "NOR", "XOR"};
inline constexpr std::array<const char*, 4> kDelayUnits{"Milli", "Sek", "Min", "Std"};
// The orders the editor offers, in chooser order; files may hold others ("ADD", "SUB", "LOAD",
// "CLEAR"), which are shown and saved unchanged.
inline constexpr std::array<const char*, 7> kOfferedOrders{"NONE", "SET", "RESET", "INVERT", "ENABLE", "DISABLE", "GOTO"};

inline constexpr const char* kNoDelayUnit = "Milli";
inline constexpr const char* kHoursUnit = "Std";
inline constexpr const char* kNoOrder = "NONE";
inline constexpr int kDelayDigits = 5;

// "TRUE" and "FALSE" take `MeldungA` only; every other operator both operands.
bool TakesOneOperand(std::string_view logic);

// The largest delay value for a unit: 1000 for "Std", else 60000.
std::int32_t MaxDelayFor(std::string_view unit);
// Stores a delay value clipped to the unit's limit; 0 sets the unit "Milli".
void SetDelay(TProgrammLine& line, std::int32_t value);
// Stores a unit; "Std" lowers a value above 1000 to 1000, and a line without delay keeps "Milli".
void SetDelayUnit(TProgrammLine& line, std::string_view unit);

// The digits of typed text, at most five.
std::string DelayDigits(std::string_view text);
// The value for text typed into a delay cell: its digits (at most five), clipped to the unit's
// limit.
std::int32_t TypedDelay(std::string_view text, std::string_view unit);

// A new line at 0-based `position`.
TProgrammLine NewProgramLine(std::size_t position);

// Cell texts (record bytes): logic and order right-aligned in seven characters, "NONE" as an
// empty cell, no unit while the value is 0.
std::string LogicCellText(std::string_view logic);
std::string OrderCellText(std::string_view order);
std::string UnitCellText(const TProgrammLine& line);
// The text of any column of a line (column 0 excepted).
std::string ProgramCellText(const TProgrammLine& line, int column);

// Whether two lines differ in a field the editor shows or edits (`Nr` and the reserves are not
// compared).
bool ProgramLinesEqual(const TProgrammLine& a, const TProgrammLine& b);

}  // namespace ovis
