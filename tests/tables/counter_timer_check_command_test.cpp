// ovisctl check DIR counters / timers: output and exit codes.
#include <gtest/gtest.h>

#include "counter_timer_fixture.h"
#include "support/file_bytes.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::CounterRow;
using test::TimerRow;

ovis::test::ProgramRun Ovisctl(const std::string& args) {
    return ovis::test::Ovisctl(args, ovis::test::Output::StdoutOnly);
}

std::string Quoted(const std::filesystem::path& path) { return ovis::test::ShellQuoted(path); }

TEST(CheckCommand, CounterTableOutputAndExitCodes) {
    struct Case {
        const char* what;
        std::vector<TCounterRecord> rows;
        std::string output;
        int exitCode;
    };
    const Case cases[] = {
        {"empty table", {}, "ok\n", 0},
        {"equal values", {CounterRow("a", 10, 10)}, "ok\n", 0},
        {"start above comparison value",
         {CounterRow("a", 1, 2), CounterRow("b", 11, 10)},
         "Der Startwert in Zeile Nr. 2 muß kleiner sein als der Vergleichswert!\n\n"
         "                 Geben Sie bitte einen entsprechenden Wert an.\ncursor 2 4\n",
         1},
        {"missing name",
         {CounterRow("a"), CounterRow("  ")},
         "Die Bezeichnung der Meldung in Zeile Nr. 2 fehlt!\n\n        Geben Sie bitte eine Bezeichnung an.\ncursor 2 1\n",
         1},
        {"a group's name",
         {CounterRow("ALARM")},
         "Die Meldung \"ALARM\" in Zeile Nr. 1 existiert bereits in\n                       Zeile Nr. 1 von Gruppe!\n\n"
         "Geben Sie bitte eine andere Bezeichnung für diese Meldung an.\ncursor 1 1\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::CounterTimerProject project;
        const TGruppeRecord group = test::GroupRow("Alarm", {2});
        WriteRecords(project.Dir() / "Gruppen.ofd", &group, 1);
        WriteRecords(project.Dir() / "Counter.ofd", c.rows.data(), c.rows.size());
        ovis::test::ProgramRun run = Ovisctl("check " + Quoted(project.Dir()) + " counters");
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(CheckCommand, TimerTableOutputAndExitCodes) {
    struct Case {
        const char* what;
        std::vector<TTimerRecord> rows;
        std::string output;
        int exitCode;
    };
    const Case cases[] = {
        {"empty table", {}, "ok\n", 0},
        {"distinct names", {TimerRow("a"), TimerRow("b", "01.01", "00:00:00", "Montag")}, "ok\n", 0},
        {"duplicate",
         {TimerRow("Uhr"), TimerRow("uhr")},
         "Die Meldung \"uhr\" in Zeile Nr. 2 existiert bereits!\n\nGeben Sie bitte eine andere Bezeichnung für diese "
         "Meldung an.\ncursor 2 1\n",
         1},
        {"a counter's name",
         {TimerRow("x"), TimerRow("Zyklen")},
         "Die Meldung \"Zyklen\" in Zeile Nr. 2 existiert bereits in\n                       Zeile Nr. 1 von Counter!\n\n"
         "Geben Sie bitte eine andere Bezeichnung für diese Meldung an.\ncursor 2 1\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::CounterTimerProject project;
        const TCounterRecord counter = CounterRow("Zyklen");
        WriteRecords(project.Dir() / "Counter.ofd", &counter, 1);
        WriteRecords(project.Dir() / "Timer.ofd", c.rows.data(), c.rows.size());
        ovis::test::ProgramRun run = Ovisctl("check " + Quoted(project.Dir()) + " timers");
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(CheckCommand, DamagedCounterOrTimerFileIsAFileError) {
    for (const char* file : {"Counter.ofd", "Timer.ofd"}) {
        test::CounterTimerProject project;
        test::WriteBytes(project.Dir() / file, {1, 2, 3, 4});
        EXPECT_EQ(Ovisctl("check " + Quoted(project.Dir()) + (file[0] == 'C' ? " counters" : " timers")).exitCode, 2)
            << file;
    }
}

}  // namespace
}  // namespace ovis
