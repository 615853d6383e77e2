// The evaluation window's rules: folder tree, unit folders, command availability, unit selection.
#include <gtest/gtest.h>

#include "evaluation/evaluation_commands.h"
#include "evaluation/folder_tree.h"

namespace ovis {
namespace {

TEST(FolderTree, AbsoluteIndexes) {
    TParameterRecord p{};
    p.Ordner[0] = "Alle Meldungen";
    p.Ordner[1] = "Tür";
    p.Ordner[2] = "Motor";
    p.Ordner[14] = "Ausgangsdaten";
    const auto nodes = FolderTreeNodes(p, 2);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Datenerfassung", -1}, {"Alle Meldungen", 0}, {"Tür", 1},           {"Motor", 2},
        {"Datenausgabe", -1},   {"Ausgangsdaten", 14}};
    ASSERT_EQ(nodes.size(), expected.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(nodes[i].text, expected[i].first) << i;
        EXPECT_EQ(nodes[i].folder, expected[i].second) << i;
    }
    EXPECT_EQ(FolderIndexOfNode(p, "Motor"), 2);
    EXPECT_EQ(FolderIndexOfNode(p, "Ausgangsdaten"), 14);
    EXPECT_EQ(FolderIndexOfNode(p, "motor"), 14);
}

TEST(FolderTree, UnitsAreReadFromFolder0AndFromFoldersAGroupStoresInto) {
    GroupTable groups;
    TGruppeRecord group{};
    group.SpeicherOrdner = "Motor";
    groups.Append(group);
    EXPECT_EQ(UnitFolderRefusal(0, "Alle Meldungen", GroupTable{}), "");
    EXPECT_EQ(UnitFolderRefusal(2, "Motor", groups), "");
    EXPECT_EQ(UnitFolderRefusal(1, "Tür", groups), kUnusedFolderUnitsText);
    EXPECT_EQ(UnitFolderRefusal(14, "Ausgangsdaten", groups), kOutputFolderUnitsText);
}

TEST(EvaluationCommands, Availability) {
    using M = EvaluationWindowMode;
    struct Case {
        M mode;
        CurrentRow row;
        int units;
        bool output;
        FileCommands expected;
    };
    const std::vector<Case> cases = {
        {M::DataUnits, {0, false, true}, 3, false, {false, true, false, false, false, true}},
        {M::DataUnits, {3, false, false}, 3, false, {}},
        {M::DataUnits, {0, true, true}, 0, false, {true, false, false, false, false, false}},
        {M::Analyser, {0, true, true}, 0, false, {true, false, true, false, true, false}},
        {M::Statistics, {2, false, false}, 0, true, {false, false, false, true, false, false}},
        {M::Analyser, {0, true, true}, 0, true, {true, false, true, true, true, false}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(CommandAvailability(c.mode, c.row, c.units, c.output), c.expected) << i;
    }
}

TEST(EvaluationCommands, UnitSelection) {
    struct Case {
        int first, last, units;
        int firstUnit, lastUnit;
        bool tooMany;
    };
    for (const Case c : {Case{0, 11, 9, 1, 9, false},   // twelve rows, three below the units
                         Case{0, 10, 20, 1, 11, true},  // eleven units
                         Case{2, 11, 20, 3, 12, false}, Case{5, 5, 6, 6, 6, false}, Case{7, 3, 20, 4, 8, false}}) {
        const UnitSelection s = SelectUnits(c.first, c.last, c.units);
        EXPECT_EQ(s.FirstUnit(), c.firstUnit) << c.first << "-" << c.last;
        EXPECT_EQ(s.LastUnit(), c.lastUnit) << c.first << "-" << c.last;
        EXPECT_EQ(s.tooMany, c.tooMany) << c.first << "-" << c.last;
    }
    EXPECT_TRUE(SelectUnits(4, 6, 3).empty);
    EXPECT_EQ(std::string(kTooManyUnitsText),
              "Es können nicht mehr wie 10 Units gleichzeitig vom Interface geladen werden!\r"
              "              Bitte markieren Sie die gewünschten Units erneut.");
}

}  // namespace
}  // namespace ovis
