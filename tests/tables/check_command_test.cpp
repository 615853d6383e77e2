// ovisctl check: output and exit codes.
#include <gtest/gtest.h>

#include "io_fixture.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::IoRow;

ovis::test::ProgramRun Ovisctl(const std::string& args) {
    return ovis::test::Ovisctl(args, ovis::test::Output::StdoutOnly);
}

std::string Quoted(const std::filesystem::path& path) { return ovis::test::ShellQuoted(path); }

TEST(CheckCommand, IoTableOutputAndExitCodes) {
    struct Case {
        const char* what;
        std::vector<TIoRecord> rows;
        std::string output;
        int exitCode;
    };
    const Case cases[] = {
        {"empty table", {}, "ok\n", 0},
        {"ordered rows", {IoRow("a", 1, kUpperRow, "DC"), IoRow("b", 1, kLowerRow, "DC")}, "ok\n", 0},
        {"duplicate",
         {IoRow("Pumpe"), IoRow("pumpe")},
         "Die Meldung \"pumpe\" in Zeile Nr. 2 existiert bereits!\n\nGeben Sie bitte eine andere Bezeichnung "
         "für diese Meldung an.\ncursor 2 1\n",
         1},
        {"a name that tries to forge the cursor line",
         {IoRow("Pumpe\r\ncursor 9 9"), IoRow("pumpe\r\ncursor 9 9")},
         "Die Meldung \"pumpe\\x0D\\x0Acursor 9 9\" in Zeile Nr. 2 existiert bereits!\n\nGeben Sie bitte eine "
         "andere Bezeichnung für diese Meldung an.\ncursor 2 1\n",
         1},
        {"kind order",
         {IoRow("Lampe", 1, kUpperRow, "LED"), IoRow("Taster", 1, kUpperRow, "Taste")},
         "Die Meldung \"Lampe\" in Zeile Nr. 1 ist möglicherweise falsch eingeordnet!\n\n            Bitte "
         "überprüfen Sie die Angaben des Typs.\ncursor 1 5\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::IoProject project;
        WriteRecords(project.Dir() / "IO.ofd", c.rows.data(), c.rows.size());
        ovis::test::ProgramRun run = Ovisctl("check " + Quoted(project.Dir()) + " io");
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(CheckCommand, FindsNamesInTheOtherTablesOfTheProject) {
    test::IoProject project;
    TIoRecord io = IoRow("Licht");
    WriteRecords(project.Dir() / "IO.ofd", &io, 1);
    TTimerRecord timer{};
    timer.Bezeichnung = "LICHT";
    WriteRecords(project.Dir() / "Timer.ofd", &timer, 1);
    ovis::test::ProgramRun run = Ovisctl("check " + Quoted(project.Dir()) + " io");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("\n                       Zeile Nr. 1 von Timer!\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("cursor 1 1\n"), std::string::npos);
}

TEST(CheckCommand, AnUnreadableProjectOrUnknownTable) {
    test::IoProject project;
    std::filesystem::remove(project.Dir() / "IOSignale.ofd");
    EXPECT_EQ(Ovisctl("check " + Quoted(project.Dir()) + " io").exitCode, 2);
    EXPECT_EQ(Ovisctl("check " + Quoted(project.base.path() / "fehlt") + " io").exitCode, 2);
    EXPECT_EQ(Ovisctl("check " + Quoted(project.Dir()) + " tische").exitCode, 2);
}

}  // namespace
}  // namespace ovis
