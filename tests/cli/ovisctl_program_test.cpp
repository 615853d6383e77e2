// ovisctl programs, program and check DIR program NAME, run as a separate process.
#include <gtest/gtest.h>

#include <sstream>

#include "programs/program_fixture.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::Line;

std::string Quoted(const std::filesystem::path& path) { return test::ShellQuoted(path); }

struct DemoBase {
    test::TempDir base;
    std::filesystem::path demo = base.path() / "Projekte" / "Demo";
    DemoBase() { EXPECT_EQ(test::Ovisctl("demo " + Quoted(base.path())).exitCode, 0); }
};

TEST(OvisctlProgram, DemoProgramsAreListedAndPassTheirCheck) {
    DemoBase base;
    const auto list = test::Ovisctl("programs " + Quoted(base.demo), test::Output::StdoutOnly);
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_TRUE(list.output.starts_with("001\tMain\t5 KB\t")) << list.output;
    EXPECT_NE(list.output.find("\n002\tLüftung\t5 KB\t"), std::string::npos) << list.output;
    for (const char* name : {"Main", "'Lüftung'"}) {
        SCOPED_TRACE(name);
        const auto check = test::Ovisctl("check " + Quoted(base.demo) + " program " + name, test::Output::StdoutOnly);
        EXPECT_EQ(check.output, "ok\n");
        EXPECT_EQ(check.exitCode, 0);
    }
}

TEST(OvisctlProgram, ProgramIsListedLineByLine) {
    DemoBase base;
    const auto run = test::Ovisctl("program " + Quoted(base.demo) + " Main", test::Output::StdoutOnly);
    EXPECT_EQ(run.output,
              "1\tTür offen\tMeldung 1\tAND NOT\tMeldung 2\t500\tMilli\t\t\n"
              "2\tTüralarm\tTür offen\tOR\tMeldung 3\t30\tSek\tENABLE\tBegrüßung\n");
    EXPECT_EQ(run.exitCode, 0);
    const auto fan = test::Ovisctl("program " + Quoted(base.demo) + " 'Lüftung'", test::Output::StdoutOnly);
    EXPECT_EQ(fan.output,
              "1\tLüfter an\tMeldung 4\tTRUE\t\t1\tMin\t\t\n"
              "2\tLüfter Störung\tLüfter an\tAND NOT\tMeldung 5\t0\t\tSET\tTüralarm\n");
    const auto missing = test::Ovisctl("program " + Quoted(base.demo) + " Fehlt");
    EXPECT_EQ(missing.output, "Das Programm \"Fehlt\" existiert nicht.\n");
    EXPECT_EQ(missing.exitCode, 2);
}

TEST(OvisctlProgram, ProgramListHasMainFirstThenTheListingOrder) {
    test::ProgramProject project;
    for (const char* name : {"b", "A", "Zz"}) project.WriteProgram(name, {Line("x")});
    const TProgrammLine line = Line("c");
    WriteRecords(ProgramsDirectory(project.Dir()) / "c.PGM", &line, 1);
    std::filesystem::remove(ProgramFilePath(project.Dir(), "Main"));
    const auto run = test::Ovisctl("programs " + Quoted(project.Dir()), test::Output::StdoutOnly);
    ASSERT_EQ(run.exitCode, 0);
    std::string names;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) names += line.substr(0, line.find('\t', 4)) + ";";
    EXPECT_EQ(names, "001\tMain;002\tA;003\tb;004\tc;005\tZz;");
    EXPECT_TRUE(run.output.starts_with("001\tMain\t\t\n")) << "a missing Main has no size and date";
}

TEST(OvisctlProgram, CheckReportsTheFirstFailureWithItsCell) {
    struct Case {
        const char* what;
        std::vector<TProgrammLine> lines;
        std::string output;
        int exitCode;
    };
    const Case cases[] = {
        {"empty program", {}, "ok\n", 0},
        {"logic error",
         {Line("A"), Line("B", "Netz", "OR")},
         "Die Zeile Nr. 2 enthält einen logischen Fehler!\n\n Überprüfen Sie bitte die aktuellen Angaben.\ncursor 2 3\n",
         1},
        {"order error",
         {Line("A", "Netz", "TRUE", "", "GOTO")},
         "Die Zeile Nr. 1 enthält im Bereich Order / Meldung C einen Fehler!\n\n"
         "              Überprüfen Sie bitte die aktuellen Angaben.\ncursor 1 7\n",
         1},
        {"an I/O name",
         {Line("NETZ")},
         "Die Meldung \"NETZ\" in Zeile Nr. 1 existiert bereits in\n                       Zeile Nr. 3 von I / O!\n\n"
         "Geben Sie bitte eine andere Bezeichnung für diese Meldung an.\ncursor 1 1\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ProgramProject project;
        SaveIoTable(project.tables->io, project.Dir());
        WriteRecords(ProgramFilePath(project.Dir(), "Sub"), c.lines.data(), c.lines.size());
        const auto run = test::Ovisctl("check " + Quoted(project.Dir()) + " program Sub", test::Output::StdoutOnly);
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(OvisctlProgram, CheckRefusesAMissingProgramAndANameForATable) {
    test::ProgramProject project;
    const auto missing = test::Ovisctl("check " + Quoted(project.Dir()) + " program Fehlt");
    EXPECT_EQ(missing.output, "Das Programm \"Fehlt\" existiert nicht.\n");
    EXPECT_EQ(missing.exitCode, 2);
    const auto unnamed = test::Ovisctl("check " + Quoted(project.Dir()) + " program");
    EXPECT_EQ(unnamed.exitCode, 2);
    const auto named = test::Ovisctl("check " + Quoted(project.Dir()) + " io Main");
    EXPECT_EQ(named.exitCode, 2);
}

}  // namespace
}  // namespace ovis
