// The save check of the group table, in memory and through `ovisctl check`.
#include <gtest/gtest.h>

#include "group_fixture.h"
#include "tables/group_check.h"
#include "tables/group_columns.h"
#include "tables/table_save_checks.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::GroupRow;
namespace col = group_column;

const std::string kNoMember2 =
    "In der Zeile Nr. 2 wurde kein Gruppenmitglied ausgewählt!\r\r"
    "Geben Sie dieses bitte an oder löschen Sie den kompletten Eintrag.";
const std::string kNoFolder2 =
    "          Der Eintrag in Zeile Nr. 2 existiert aktuell nicht!\r\r"
    "Bitte ändern Sie den Eintrag hier oder in den Einstellungen.";

TEST(GroupCheck, MembersAndFoldersRowByRow) {
    TGruppeRecord noMember = GroupRow("x", {});
    const std::vector<std::string> folders{test::kDoorFolder, test::kDriveFolder};
    struct Case {
        const char* what;
        std::vector<TGruppeRecord> rows;
        std::optional<CheckFailure> expected;
    };
    const Case cases[] = {
        {"every row fine",
         {GroupRow("a"), GroupRow("b", {2}, test::kDoorFolder), GroupRow("c", {2}, test::kDriveFolder)},
         std::nullopt},
        {"no member", {GroupRow("a"), noMember}, CheckFailure{kNoMember2, 2, col::kFirstMember}},
        {"a removed folder", {GroupRow("a"), GroupRow("b", {1}, "Alt")}, CheckFailure{kNoFolder2, 2, col::kFolder}},
        {"folder names compare case included",
         {GroupRow("a"), GroupRow("b", {1}, "antrieb")},
         CheckFailure{kNoFolder2, 2, col::kFolder}},
        {"the all-messages folder is no acquisition folder",
         {GroupRow("a"), GroupRow("b", {1}, "Alle Meldungen")},
         CheckFailure{kNoFolder2, 2, col::kFolder}},
        {"the first failing row wins, whichever check",
         {GroupRow("a"), GroupRow("b", {1}, "Alt"), noMember},
         CheckFailure{kNoFolder2, 2, col::kFolder}},
        {"a row's members before its folder",
         {GroupRow("a"), GroupRow("b", {}, "Alt")},
         CheckFailure{kNoMember2, 2, col::kFirstMember}},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckGroupRows(c.rows, folders), c.expected) << c.what;
}

TEST(GroupCheck, NamesFirstThenOwnChecksThenTheOtherTablesInOrder) {
    struct Case {
        const char* what;
        void (*setUp)(ProjectTables&);
        std::string expectedStart;
        std::size_t row;
        int column;
    };
    const std::string foundIn = "\" in Zeile Nr. 2 existiert bereits in\r                       Zeile Nr. ";
    const Case cases[] = {
        {"duplicate within the groups before the member check",
         [](ProjectTables& t) {
             t.groups.Row(0) = GroupRow("Tore", {});
             t.groups.Row(1) = GroupRow("tore");
         },
         "Die Meldung \"tore\" in Zeile Nr. 2 existiert bereits!", 2, col::kName},
        {"own check before the other tables",
         [](ProjectTables& t) {
             t.groups.Row(0) = GroupRow("a", {});
             t.groups.Row(1) = GroupRow("TOR");
         },
         "In der Zeile Nr. 1 wurde kein", 1, col::kFirstMember},
        {"I/O table",
         [](ProjectTables& t) { t.groups.Row(1) = GroupRow("TOR"); },
         "Die Meldung \"TOR" + foundIn + "4 von I / O!", 2, col::kName},
        {"timer table",
         [](ProjectTables& t) {
             t.groups.Row(1) = GroupRow("Warten");
             t.timers.SetCount(1);
             t.timers.Row(0).Bezeichnung = "warten";
         },
         "Die Meldung \"Warten" + foundIn + "1 von Timer!", 2, col::kName},
        {"counters before timers",
         [](ProjectTables& t) {
             t.groups.Row(1) = GroupRow("Zahl");
             t.timers.SetCount(1);
             t.timers.Row(0).Bezeichnung = "Zahl";
             t.counters.SetCount(1);
             t.counters.Row(0).Bezeichnung = "Zahl";
         },
         "Die Meldung \"Zahl" + foundIn + "1 von Counter!", 2, col::kName},
        {"LED table",
         [](ProjectTables& t) {
             t.groups.Row(1) = GroupRow("Anzeige");
             t.led.SetCount(1);
             t.led.Row(0).Bezeichnung = "ANZEIGE";
         },
         "Die Meldung \"Anzeige" + foundIn + "1 von LED!", 2, col::kName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::GroupProject project;
        ProjectTables& tables = *project.tables;
        tables.groups.SetCount(2);
        tables.groups.Row(0) = GroupRow("erste");
        c.setUp(tables);
        const auto failure = CheckGroupTableForSave(tables);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->message.substr(0, c.expectedStart.size()), c.expectedStart) << failure->message;
        EXPECT_EQ(failure->row, c.row);
        EXPECT_EQ(failure->column, c.column);
    }
}

TEST(GroupCheck, TrimsNamesEvenWhenALaterStepFails) {
    test::GroupProject project;
    project.SetGroups({GroupRow("  Tore  ", {})});
    ASSERT_TRUE(CheckGroupTableForSave(*project.tables));
    EXPECT_EQ(project.tables->groups.Row(0).Bezeichnung.str(), "Tore");
}

// ---- ovisctl check PROJECTDIR groups ----

ovis::test::ProgramRun Ovisctl(const std::string& args) {
    return ovis::test::Ovisctl(args, ovis::test::Output::StdoutOnly);
}

TEST(GroupCheckCommand, OutputAndExitCodes) {
    struct Case {
        const char* what;
        std::vector<TGruppeRecord> rows;
        std::string output;
        int exitCode;
    };
    const Case cases[] = {
        {"empty table", {}, "ok\n", 0},
        {"fine", {GroupRow("a", {2}, test::kDriveFolder)}, "ok\n", 0},
        {"no member", {GroupRow("a"), GroupRow("b", {})},
         "In der Zeile Nr. 2 wurde kein Gruppenmitglied ausgewählt!\n\nGeben Sie dieses bitte an oder löschen "
         "Sie den kompletten Eintrag.\ncursor 2 2\n",
         1},
        {"removed folder", {GroupRow("a"), GroupRow("b", {3}, "Alt")},
         "          Der Eintrag in Zeile Nr. 2 existiert aktuell nicht!\n\nBitte ändern Sie den Eintrag hier "
         "oder in den Einstellungen.\ncursor 2 8\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::GroupProject project;
        project.tables->parameters.Save(project.Dir());  // with the two folders
        WriteRecords(project.Dir() / "Gruppen.ofd", c.rows.data(), c.rows.size());
        ovis::test::ProgramRun run = Ovisctl("check '" + project.Dir().string() + "' groups");
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

}  // namespace
}  // namespace ovis
