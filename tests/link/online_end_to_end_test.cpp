// ovisctl online and counters on the demo project against ovis-sim over a pseudo-terminal: a change the simulator
// replays shows up as a decoded item, the counters of a configured project count up, and the
// line is free for the next conversation once either has ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "link/child_process.h"
#include "project/message_tables.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using namespace std::chrono_literals;

struct Rig {
    test::TempDir dir;
    std::filesystem::path project;
    std::unique_ptr<test::ChildProcess> simulator;

    explicit Rig(const std::vector<std::string>& simulatorOptions) {
        EXPECT_EQ(test::Ovisctl("demo " + test::ShellQuoted(dir.path())).exitCode, 0);
        project = dir / "Projekte" / "Demo";
        std::vector<std::string> argv = {OVIS_SIM_PATH};
        argv.insert(argv.end(), simulatorOptions.begin(), simulatorOptions.end());
        simulator = std::make_unique<test::ChildProcess>(argv);
        EXPECT_TRUE(simulator->WaitForLines(1, 5s)) << simulator->err;
    }
    ~Rig() {
        simulator->Signal(SIGTERM);
        simulator->Wait();
    }
    test::ProgramRun Ovisctl(const std::string& command, const std::string& options = {},
                             test::Output output = test::Output::StdoutOnly) {
        return test::Ovisctl(command + " " + test::ShellQuoted(project) + " --port " +
                                 test::ShellQuoted(simulator->FirstLine()) + " " + options,
                             output);
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(OnlineEndToEnd, ShowsTheLevelsAndAReplayedChange) {
    test::TempDir files;
    const auto eventsPath = files / "ereignisse.txt";
    std::ofstream(eventsPath) << "0\t01.03.2024 08:00:00,00000\t2\tHigh\n";
    Rig rig({"--events", eventsPath.string()});
    const auto online = rig.Ovisctl("online", "--seconds 3");
    ASSERT_EQ(online.exitCode, 0) << online.output;
    const auto lines = Lines(online.output);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "7\t1\tLow\tMeldung 1") << "first the levels of all messages";
    EXPECT_NE(std::find(lines.begin(), lines.end(), "6\t2\tHigh\tMeldung 2"), lines.end()) << online.output;
    // The line is free again: a reset goes through.
    const auto reset = test::Ovisctl("reset --port " + test::ShellQuoted(rig.simulator->FirstLine()) + " --project " +
                                         test::ShellQuoted(rig.project),
                                     test::Output::StdoutAndStderr);
    EXPECT_EQ(reset.exitCode, 0) << reset.output;
}

TEST(OnlineEndToEnd, ConfiguredCountersCountUp) {
    Rig rig({});
    CounterTable counters;
    for (const char* name : {"Zähler A", "Zähler B"}) {
        TCounterRecord row{};
        row.Bezeichnung = name;
        row.Zaehlart = "Ereignis";
        row.Status = "ENABLE";
        row.Anzeige = "keine Anzeige";
        row.Stand = 5;
        row.Ende = 100;
        counters.Append(row);
    }
    counters.Save(rig.project / kCounterFileName);
    const auto configured = rig.Ovisctl("configure", {}, test::Output::StdoutAndStderr);
    ASSERT_EQ(configured.exitCode, 0) << configured.output;
    const auto first = rig.Ovisctl("counters");
    ASSERT_EQ(first.exitCode, 0) << first.output;
    std::this_thread::sleep_for(2200ms);
    const auto second = rig.Ovisctl("counters", "--rounds 2");
    ASSERT_EQ(second.exitCode, 0) << second.output;
    const auto a = Lines(first.output), b = Lines(second.output);
    ASSERT_EQ(a.size(), 2u) << first.output;
    ASSERT_EQ(b.size(), 4u) << second.output;
    auto stand = [](const std::string& line) { return std::stoi(line.substr(line.rfind('\t') + 1)); };
    EXPECT_EQ(a[0].substr(0, 4), "001\t");
    EXPECT_EQ(b[1].substr(0, 4), "002\t");
    EXPECT_GE(stand(a[0]), 5) << "from the configured value on";
    EXPECT_GE(stand(b[0]), stand(a[0]) + 2) << "one step per second";
}

TEST(OnlineEndToEnd, SilentInterfaceFailsWithTheRingWarning) {
    Rig rig({"--silent"});
    const auto online = rig.Ovisctl("online", "--seconds 1", test::Output::StdoutAndStderr);
    EXPECT_EQ(online.exitCode, 1);
    EXPECT_NE(online.output.find("Die Ringleitung ist offen oder unterbrochen!!!"), std::string::npos) << online.output;
}

}  // namespace
}  // namespace ovis
