#include "tables/io_terminals.h"

#include <gtest/gtest.h>

#include "io_fixture.h"

namespace ovis {
namespace {

using test::IoRow;
using T = ModuleType;
const char* const U = kUpperRow;
const char* const L = kLowerRow;

TEST(TerminalOf, SingleSeveralOrNone) {
    struct Case {
        TIoRecord row;
        TerminalSelection::Kind kind;
        int terminal;
    };
    const Case cases[] = {
        {IoRow("a", 1, U), TerminalSelection::Kind::None, 0},
        {IoRow("a", 1, U, "DC", {{3, "High"}}), TerminalSelection::Kind::Single, 3},
        {IoRow("a", 1, L, "DC", {{1, "Low"}}), TerminalSelection::Kind::Single, 9},
        {IoRow("a", 1, L, "DC", {{8, "High"}}), TerminalSelection::Kind::Single, 16},
        {IoRow("a", 1, L, "DC", {{3, "High"}, {5, "Low"}}), TerminalSelection::Kind::Several, 0},
    };
    for (const auto& c : cases) {
        auto t = TerminalOf(c.row);
        EXPECT_EQ(t.kind, c.kind);
        EXPECT_EQ(t.terminal, c.terminal);
    }
}

TEST(IoDesignation, TextsPerModuleTypeRowAndLevels) {
    struct Case {
        T type;
        const char* row;
        std::initializer_list<int> entries;
        const char* text;
    };
    const Case cases[] = {
        {T::Opto16, U, {3}, " I        3"},
        {T::Opto16, L, {1}, " I        9"},
        {T::Opto16, L, {3}, " I      11"},
        {T::Opto16, U, {1, 2}, " I   1...8"},
        {T::Opto16, L, {3, 5}, " I 9...16"},
        {T::Opto6, U, {6}, " I        6"},
        {T::Opto6, L, {2}, " I        2"},
        {T::Opto6, L, {1, 6}, " I   1...6"},
        {T::OptoRel, U, {8}, " I        8"},
        {T::OptoRel, L, {2}, "O       1"},
        {T::OptoRel, L, {5}, "O       2"},
        {T::OptoRel, L, {8}, "O       3"},
        {T::OptoRel, L, {2, 5}, "O  1...3"},
        {T::OptoRel, U, {2, 5}, " I   1...8"},
        {T::TastLed, U, {4}, " I        4"},
        {T::TastLed, L, {4}, "O       4"},
        {T::TastLed, L, {4, 5}, "O 9...16"},
        {T::TastLed, U, {4, 5}, " I   1...8"},
        {T::Relais6, U, {6}, "O       6"},
        {T::Relais6, U, {1, 2}, "O  1...6"},
        {T::Opto16Out, U, {7}, "O       7"},
        {T::Opto16Out, L, {1}, "O       9"},
        {T::Opto16Out, L, {8}, "O     16"},
        {T::Trans16, L, {2}, "O     10"},
        {T::Trans16, U, {1, 8}, "O  1...8"},
        {T::Trans16, L, {1, 8}, "O 9...16"},
        {T::Opto16, U, {}, ""},
    };
    for (const auto& c : cases) {
        TIoRecord row = IoRow("a", 1, c.row);
        for (int entry : c.entries) row.Pegel[entry - 1] = "High";
        EXPECT_EQ(IoDesignation(c.type, row), c.text) << ModulTypen[int(c.type)].Name << ' ' << c.row;
    }
    EXPECT_EQ(IoDesignation(std::nullopt, IoRow("a", 1, U, "DC", {{1, "High"}})), "") << "module not in the list";
}

TEST(TerminalLines, LabelsOfEachModuleType) {
    struct Case {
        T type;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {T::Opto16, {"1", "2", "3", "4", "5", "6", "7", "8", "C1", "9", "10", "11", "12", "13", "14", "15", "16", "C2"}},
        {T::OptoRel, {"1", "2", "3", "4", "5", "6", "7", "8", "C1", "9", "10", "11", "12", "13", "14", "15", "16", "C2"}},
        {T::Trans16, {"1", "2", "3", "4", "5", "6", "7", "8", "VCC", "9", "10", "11", "12", "13", "14", "15", "16", "GND"}},
        {T::Relais6, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18"}},
        {T::Opto6, {"1", "C1", "2", "3", "4", "C2", "5", "6", "C3", "S1", "S2", "S3", "S4", "S5", "S6", "", "", ""}},
        {T::TastLed, {"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", ""}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> labels;
        for (int line = 1; line <= kTerminalLines; ++line) labels.emplace_back(TerminalLabel(c.type, line));
        EXPECT_EQ(labels, c.labels) << ModulTypen[int(c.type)].Name;
    }
}

// Each type's level lines as "line:entry" with "u" for the lower row.
TEST(TerminalLines, LinesThatSetLevels) {
    struct Case {
        T type;
        std::string lines;
    };
    const Case cases[] = {
        {T::Opto16, "1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 10:1u 11:2u 12:3u 13:4u 14:5u 15:6u 16:7u 17:8u"},
        {T::Opto16Out, "1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 10:1u 11:2u 12:3u 13:4u 14:5u 15:6u 16:7u 17:8u"},
        {T::Trans16, "1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 10:1u 11:2u 12:3u 13:4u 14:5u 15:6u 16:7u 17:8u"},
        {T::TastLed, "1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 10:1u 11:2u 12:3u 13:4u 14:5u 15:6u 16:7u 17:8u"},
        {T::OptoRel, "1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 11:2u 14:5u 17:8u"},
        {T::Opto6, "1:1 3:2 4:3 5:4 7:5 8:6 10:1u 11:2u 12:3u 13:4u 14:5u 15:6u"},
        {T::Relais6, "2:1 5:2 8:3 11:4 14:5 17:6"},
    };
    for (const auto& c : cases) {
        std::string lines;
        for (int line = 1; line <= kTerminalLines; ++line) {
            auto level = LevelLineOf(c.type, line);
            if (!level) continue;
            lines += (lines.empty() ? "" : " ") + std::to_string(line) + ":" + std::to_string(level->entry) +
                     (level->lower ? "u" : "");
            EXPECT_EQ(LineOfLevel(c.type, level->lower, level->entry), line) << "the way back";
        }
        EXPECT_EQ(lines, c.lines) << ModulTypen[int(c.type)].Name;
    }
}

TEST(ModuleTypeAt, OnlyPositionsInsideTheModuleList) {
    const std::uint8_t list[] = {1, 5, 3};
    EXPECT_EQ(ModuleTypeAt(list, 3, 2), T::Opto6);
    EXPECT_EQ(ModuleTypeAt(list, 3, 4), std::nullopt);
    EXPECT_EQ(ModuleTypeAt(list, 3, 0), std::nullopt);
}

}  // namespace
}  // namespace ovis
