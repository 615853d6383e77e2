// ovisctl led-sim end to end: a project's LED table played on a simulated clock.
#include <gtest/gtest.h>

#include "led_simulation_fixture.h"
#include "records/typed_file.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::Ovisctl;
using test::ShellQuoted;
using test::SimMessageRecord;

struct LedSimProject {
    test::TempDir dir;
    std::unique_ptr<LedTable> table = std::make_unique<LedTable>();

    void Save() { table->Save(dir.path() / kLedFileName); }
    test::ProgramRun Run(const std::string& ms) { return Ovisctl("led-sim " + ShellQuoted(dir.path()) + " --ms " + ms); }
};

TEST(OvisctlLedSim, PrintsTheLitColumnsOfTheLastComposedFrame) {
    LedSimProject project;
    project.table->Append(SimMessageRecord(kLinksFromX1, 1, 10, {0x11, 0x22, 0x33}));
    TLedRecord blue = SimMessageRecord(kLinksFromX1, 1, 10, {0x41});
    blue.Farbe[0] = 0;
    blue.Verzoegerung = 1000;
    project.table->Append(blue);
    project.Save();

    const auto first = project.Run("0");
    EXPECT_EQ(first.exitCode, 0) << first.output;
    EXPECT_EQ(first.output, "10 51 00 -- 06 -- -- -- 03\n") << "blue alone on the top LED, mixed with green on the bottom one";

    // Steps every 11 ms: ten steps by 99 ms, shown from the 100 ms slot on; 120 ms shows the same.
    for (const char* ms : {"100", "120"}) {
        const auto later = project.Run(ms);
        EXPECT_EQ(later.exitCode, 0) << later.output;
        EXPECT_EQ(later.output,
                  "1 11 -- -- 06 -- -- -- 06\n"
                  "2 22 -- 06 -- -- -- 06 --\n"
                  "3 33 -- 06 06 -- -- 06 06\n"
                  "4 11 -- -- 06 -- -- -- 06\n"
                  "5 22 -- 06 -- -- -- 06 --\n"
                  "6 33 -- 06 06 -- -- 06 06\n"
                  "7 11 -- -- 06 -- -- -- 06\n"
                  "8 22 -- 06 -- -- -- 06 --\n"
                  "9 33 -- 06 06 -- -- 06 06\n"
                  "10 51 00 -- 06 -- -- -- 03\n")
            << ms;
    }
}

TEST(OvisctlLedSim, RefusesWhatItCannotPlay) {
    LedSimProject project;
    TLedRecord reversed = SimMessageRecord(kLinksFromX1, 1, 10, {0x7F});
    reversed.X0 = 11;
    project.table->Append(reversed);
    project.Save();
    const auto check = project.Run("10");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.output.find("Der Wert von x0 in Zeile Nr. 1 muß kleiner sein als der von x1!"), std::string::npos)
        << check.output;

    struct Case {
        std::string arguments;
        int exitCode;
        const char* text;
    };
    test::TempDir empty;
    const Case cases[] = {
        {"led-sim " + ShellQuoted(empty / "fehlt") + " --ms 5", 1, "gibt es nicht"},
        {"led-sim " + ShellQuoted(empty.path()) + " --ms 5", 1, "Led.ofd"},
        {"led-sim " + ShellQuoted(project.dir.path()), 2, "--ms"},
        {"led-sim " + ShellQuoted(project.dir.path()) + " --ms -1", 2, "--ms"},
        {"led-sim " + ShellQuoted(project.dir.path()) + " --ms zehn", 2, "--ms"},
    };
    for (const Case& c : cases) {
        const auto run = Ovisctl(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.text), std::string::npos) << c.arguments << "\n" << run.output;
    }
}

TEST(OvisctlLedSim, AnEmptyTableShowsNothing) {
    LedSimProject project;
    project.Save();
    const auto run = project.Run("1000");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
}

}  // namespace
}  // namespace ovis
