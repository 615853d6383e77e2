#pragma once
// Terminals of the I/O modules: the terminal a row stands for, the 18 lines of a module's
// terminal list with their labels and the level entries they set, and the I/O designation
// that the grid shows for a row.
#include <optional>
#include <string>
#include <string_view>

#include "config/module_types.h"
#include "project/io_records.h"

namespace ovis {

inline constexpr const char* kUpperRow = "Oben";   // terminals 1 to 8
inline constexpr const char* kLowerRow = "Unten";  // terminals 9 to 16
inline constexpr const char* kLevelUnused = "  X";
inline constexpr int kLevelEntries = 8;
inline constexpr int kTerminalLines = 18;

bool IsLowerRow(const TIoRecord& row);
bool LevelSet(const TIoRecord& row, int entry);  // entry 1..8

struct TerminalSelection {
    enum class Kind { None, Single, Several } kind = Kind::None;
    int terminal = 0;  // 1..16 for a single terminal
    int entry = 0;     // its level entry 1..8
};

// The row's terminal: one level entry set gives entry k, terminal k ("Oben") or k + 8.
TerminalSelection TerminalOf(const TIoRecord& row);

// The module type code of a module position (1-based) in the module list; nothing when the
// position lies beyond the list.
std::optional<ModuleType> ModuleTypeAt(const std::uint8_t* moduleList, int moduleCount, int position);

// Label of line 1..18 of the terminal list ("" for an empty line).
std::string_view TerminalLabel(ModuleType type, int line);

// The level entry that line 1..18 sets, and whether it belongs to the lower row.
struct LevelLine {
    int entry = 0;  // 1..8
    bool lower = false;
};
std::optional<LevelLine> LevelLineOf(ModuleType type, int line);

// The line that shows level entry 1..8 of the given row; nothing when no line carries it.
std::optional<int> LineOfLevel(ModuleType type, bool lower, int entry);

// Column 3 of the grid: the I/O designation of the row on a module of the given type; empty
// while no terminal is set or the module is not in the module list.
std::string IoDesignation(std::optional<ModuleType> type, const TIoRecord& row);

// At most one level entry may be set on these module types.
bool SingleTerminalType(ModuleType type);

}  // namespace ovis
