#include "tables/io_terminals.h"

#include <array>

namespace ovis {
namespace {

using Lines = std::array<std::string_view, kTerminalLines>;

constexpr Lines kOptoLines{"1", "2", "3", "4", "5", "6", "7", "8", "C1", "9", "10", "11", "12", "13", "14", "15", "16", "C2"};
constexpr Lines kTransLines{"1", "2",  "3",  "4",  "5",  "6",  "7",  "8",  "VCC",
                            "9", "10", "11", "12", "13", "14", "15", "16", "GND"};
constexpr Lines kRelaisLines{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18"};
constexpr Lines kOpto6Lines{"1", "C1", "2", "3", "4", "C2", "5", "6", "C3", "S1", "S2", "S3", "S4", "S5", "S6", "", "", ""};
constexpr Lines kTastLedLines{"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "",
                              "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", ""};

const Lines& LinesOf(ModuleType type) {
    switch (type) {
        case ModuleType::Trans16: return kTransLines;
        case ModuleType::Relais6: return kRelaisLines;
        case ModuleType::Opto6: return kOpto6Lines;
        case ModuleType::TastLed: return kTastLedLines;
        case ModuleType::Opto16:
        case ModuleType::OptoRel:
        case ModuleType::Opto16Out: break;
    }
    return kOptoLines;
}

// Level entry (1..8) per line 1..18, 0 for a line without a level.
using LevelMap = std::array<int, kTerminalLines>;
constexpr LevelMap kSixteenLevels{1, 2, 3, 4, 5, 6, 7, 8, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0};
constexpr LevelMap kOptoRelLevels{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 2, 0, 0, 5, 0, 0, 8, 0};
constexpr LevelMap kOpto6Levels{1, 0, 2, 3, 4, 0, 5, 6, 0, 1, 2, 3, 4, 5, 6, 0, 0, 0};
constexpr LevelMap kRelaisLevels{0, 1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 5, 0, 0, 6, 0};

const LevelMap& LevelsOf(ModuleType type) {
    switch (type) {
        case ModuleType::OptoRel: return kOptoRelLevels;
        case ModuleType::Opto6: return kOpto6Levels;
        case ModuleType::Relais6: return kRelaisLevels;
        case ModuleType::Opto16:
        case ModuleType::Opto16Out:
        case ModuleType::TastLed:
        case ModuleType::Trans16: break;
    }
    return kSixteenLevels;
}

std::string Padded(std::string_view prefix, int number) { return std::string(prefix) + std::to_string(number); }

std::string InputText(int number) { return Padded(number < 10 ? " I        " : " I      ", number); }
std::string OutputText(int number) { return Padded(number < 10 ? "O       " : "O     ", number); }

std::string SingleTerminalText(ModuleType type, const TerminalSelection& t, bool lower) {
    switch (type) {
        case ModuleType::Opto16: return InputText(t.terminal);
        case ModuleType::Opto6: return InputText(lower ? t.terminal - 8 : t.terminal);
        case ModuleType::OptoRel:
            if (!lower) return InputText(t.terminal);
            if (t.terminal == 10) return "O       1";
            if (t.terminal == 13) return "O       2";
            if (t.terminal == 16) return "O       3";
            return "";
        case ModuleType::TastLed: return lower ? OutputText(t.terminal - 8) : InputText(t.terminal);
        case ModuleType::Relais6: return OutputText(t.entry);  // the relays are entries 1..6 of either row
        case ModuleType::Opto16Out:
        case ModuleType::Trans16: return OutputText(t.terminal);
    }
    return "";
}

std::string RangeText(ModuleType type, bool lower) {
    switch (type) {
        case ModuleType::Opto16: return lower ? " I 9...16" : " I   1...8";
        case ModuleType::Opto6: return " I   1...6";
        case ModuleType::OptoRel: return lower ? "O  1...3" : " I   1...8";
        case ModuleType::TastLed: return lower ? "O 9...16" : " I   1...8";
        case ModuleType::Relais6: return "O  1...6";
        case ModuleType::Opto16Out:
        case ModuleType::Trans16: return lower ? "O 9...16" : "O  1...8";
    }
    return "";
}

}  // namespace

bool IsLowerRow(const TIoRecord& row) { return row.Klemmreihe == kLowerRow; }

bool LevelSet(const TIoRecord& row, int entry) { return !(row.Pegel[entry - 1] == kLevelUnused); }

TerminalSelection TerminalOf(const TIoRecord& row) {
    TerminalSelection selection;
    for (int entry = 1; entry <= kLevelEntries; ++entry) {
        if (!LevelSet(row, entry)) continue;
        if (selection.kind != TerminalSelection::Kind::None) return {TerminalSelection::Kind::Several, 0, 0};
        selection = {TerminalSelection::Kind::Single, IsLowerRow(row) ? entry + 8 : entry, entry};
    }
    return selection;
}

std::optional<ModuleType> ModuleTypeAt(const std::uint8_t* moduleList, int moduleCount, int position) {
    if (position < 1 || position > moduleCount) return std::nullopt;
    int code = moduleList[position - 1];
    if (!IsModuleCode(code)) return std::nullopt;
    return ModuleType(code);
}

std::string_view TerminalLabel(ModuleType type, int line) { return LinesOf(type).at(std::size_t(line - 1)); }

std::optional<LevelLine> LevelLineOf(ModuleType type, int line) {
    if (line < 1 || line > kTerminalLines) return std::nullopt;
    int entry = LevelsOf(type)[std::size_t(line - 1)];
    if (entry == 0) return std::nullopt;
    return LevelLine{entry, type != ModuleType::Relais6 && line > 9};
}

std::optional<int> LineOfLevel(ModuleType type, bool lower, int entry) {
    if (type == ModuleType::Relais6) lower = false;
    for (int line = 1; line <= kTerminalLines; ++line) {
        auto level = LevelLineOf(type, line);
        if (level && level->entry == entry && level->lower == lower) return line;
    }
    return std::nullopt;
}

std::string IoDesignation(std::optional<ModuleType> type, const TIoRecord& row) {
    TerminalSelection t = TerminalOf(row);
    if (!type || t.kind == TerminalSelection::Kind::None) return "";
    if (t.kind == TerminalSelection::Kind::Several) return RangeText(*type, IsLowerRow(row));
    return SingleTerminalText(*type, t, IsLowerRow(row));
}

bool SingleTerminalType(ModuleType type) { return type == ModuleType::Opto6 || type == ModuleType::Relais6; }

}  // namespace ovis
