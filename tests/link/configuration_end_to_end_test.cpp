// "Neukonfiguration" of a project with rows in every table against the simulator over a
// pseudo-terminal: the Interface's memory afterwards holds exactly the built image.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sstream>

#include "link/child_process.h"
#include "link/configuration_image_sources.h"
#include "link/configuration_image_transfer.h"
#include "link/configuration_project.h"
#include "link/interface_actions.h"
#include "link/terminal_pc.h"
#include "project/output_file_table.h"
#include "sim/memory_dump.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/damaged_files.h"
#include "support/file_bytes.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using namespace std::chrono_literals;

constexpr LocalDateTime kNow{2026, 12, 10, 6, 15, 30, 0};

// The PC side with "Neukonfiguration" building and sending the project's image.
struct ConfiguringPc : test::TerminalPc {
    ConfiguringPc(std::string device, test::ConfigurationProject& project)
        : TerminalPc(std::move(device), project.tables->parameters.Record().Nummer) {
        actions.SetTransferConfiguration([this, &project](bool withBackup, ProgressWindow& progress) {
            return ConfigureProject(link, dialogs, progress, project.Dir(), *project.tables, kNow, withBackup);
        });
    }
};

ConfigurationImage BuiltImage(test::ConfigurationProject& project, bool withBackup) {
    const ConfigurationSources sources = LoadConfigurationSources(project.Dir(), *project.tables);
    ConfigurationBuild build = BuildConfigurationImage(sources.Inputs(*project.tables, kNow, withBackup));
    EXPECT_FALSE(build.checkFailure) << *build.checkFailure;
    return build.image;
}

void ExpectSameArea(const std::vector<std::uint8_t>& got, const std::vector<std::uint8_t>& expected, int area) {
    ASSERT_EQ(got.size(), expected.size());
    auto mismatch = std::mismatch(got.begin(), got.end(), expected.begin());
    EXPECT_TRUE(mismatch.first == got.end()) << "area " << area << " differs first at 0x" << std::hex
                                             << (mismatch.first - got.begin());
}

TEST(ConfigurationEndToEnd, TheInterfaceMemoryHoldsTheBuiltImage) {
    for (bool withBackup : {false, true}) {
        SCOPED_TRACE(withBackup);
        test::ConfigurationProject project;
        sim::PseudoTerminal terminal;
        sim::SimulatorThread simulator(sim::SimulatorOptions{.address = 4}, terminal.MasterFd());
        ConfiguringPc pc(terminal.SlavePath(), project);
        pc.actions.StartAction(withBackup ? ActionTag::ConfigureWithBackup : ActionTag::Configure);
        pc.actions.Timer1Timer();
        EXPECT_TRUE(pc.actions.LastActionCompleted());
        EXPECT_TRUE(pc.dialogs.boxes.empty());

        const ConfigurationImage image = BuiltImage(project, withBackup);
        EXPECT_EQ(image.outputData.size(), 1u);
        const sim::SimMemory expected = test::MemoryAfter(image);
        simulator.With([&](sim::InterfaceSimulator& s) {
            for (int area : {2, 3}) ExpectSameArea(s.Memory().Read(area, 0, sim::kAreaSize), expected.Read(area, 0, sim::kAreaSize), area);
            const auto& received = s.Received();
            ASSERT_FALSE(received.empty());
            EXPECT_EQ(received.front().telegram.command, 1);
            // Every memory write is one telegram of the image, in order.
            std::size_t writes = 0;
            for (const auto& r : received) writes += r.telegram.command == 4;
            EXPECT_EQ(writes, image.configuration.size() + 1);
            EXPECT_EQ(received.back().telegram.command, withBackup ? 3 : 4);
        });
        const auto texts = pc.progress.Texts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), FreeBytesText(kConfigurationStepText, image.freeBytes)),
                  texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), std::string(kOutputDataStepText)), texts.end());
        EXPECT_EQ(std::find(texts.begin(), texts.end(), "Daten werden programmiert") != texts.end(), withBackup);
    }
}

TEST(ConfigurationEndToEnd, AFailedProgramCheckSendsNothing) {
    test::ConfigurationProject project;
    const std::vector<TProgrammLine> broken = {test::Line("Licht", "Unbekannt")};
    project.tables->program.lines.Assign(broken);
    project.tables->program.Save(project.Dir());
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator(sim::SimulatorOptions{.address = 4}, terminal.MasterFd());
    ConfiguringPc pc(terminal.SlavePath(), project);
    pc.actions.StartAction(ActionTag::ConfigureWithBackup);
    pc.actions.Timer1Timer();
    EXPECT_FALSE(pc.actions.LastActionCompleted());
    ASSERT_EQ(pc.dialogs.boxes.size(), 1u);
    EXPECT_EQ(pc.dialogs.boxes[0].text,
              "Die Meldung  \"Unbekannt\"  aus der Programmzeile 1 existiert nicht im Programm  \"Main.pgm\"  !!!");
    simulator.With([](sim::InterfaceSimulator& s) { EXPECT_TRUE(s.Received().empty()); });
}

// A damaged or unreadable file stops "Neukonfiguration" before anything is sent: the error box
// names it, and the configuration counts as failed, so no data programming follows.
TEST(ConfigurationEndToEnd, ADamagedFileSendsNothing) {
    struct Case {
        const char* name;
        std::function<std::string(test::ConfigurationProject&)> damage;  // the text the box names
    };
    const Case cases[] = {
        {"1000 LED modules",
         [](test::ConfigurationProject& p) {
             p.tables->ledParameters.Record().AnzahlModule = 1000;
             p.tables->ledParameters.Save(p.Dir());
             return std::string("\"LEDParameter.ofp\" ist beschädigt: Das Feld AnzahlModule");
         }},
        {"x1 of 2^30",
         [](test::ConfigurationProject& p) {
             p.tables->led.Row(0).X1 = 1 << 30;
             p.tables->led.Save(ResolveInDirectory(p.Dir(), "Led.ofd"));
             return std::string("\"Led.ofd\" ist beschädigt: In Zeile 1 hat das Feld X1");
         }},
        {"an output-data file with a partial record",
         [](test::ConfigurationProject& p) {
             const auto path = OutputFolderPath(p.Dir(), p.tables->parameters.Record()) / "Ablauf.ofa";
             test::MakeDamaged(path, test::Damage::PartialRecord);
             return "\"" + path.string() + "\"";
         }},
        {"a folder for the counters",
         [](test::ConfigurationProject& p) {
             test::MakeDamaged(p.Dir() / "Counter.ofd", test::Damage::Folder);
             return "\"" + (p.Dir() / "Counter.ofd").string() + "\" – sie kann nicht gelesen werden";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConfigurationProject project;
        const std::string named = c.damage(project);
        project.store.LoadAllTablesFrom(project.Dir());
        sim::PseudoTerminal terminal;
        sim::SimulatorThread simulator(sim::SimulatorOptions{.address = 4}, terminal.MasterFd());
        ConfiguringPc pc(terminal.SlavePath(), project);
        pc.actions.StartAction(ActionTag::ConfigureWithBackup);
        pc.actions.Timer1Timer();
        EXPECT_FALSE(pc.actions.LastActionCompleted());
        ASSERT_EQ(pc.dialogs.boxes.size(), 1u);
        EXPECT_NE(pc.dialogs.boxes[0].text.find(named), std::string::npos) << pc.dialogs.boxes[0].text;
        const auto texts = pc.progress.Texts();
        EXPECT_EQ(std::find(texts.begin(), texts.end(), "Daten werden programmiert"), texts.end());
        simulator.With([](sim::InterfaceSimulator& s) { EXPECT_TRUE(s.Received().empty()); });
    }
}

// ovisctl configure of a project with a damaged file: exit code 1, the message on stderr, and
// the Interface's configuration memory untouched.
TEST(ConfigurationEndToEnd, OvisctlConfigureOfADamagedProjectExitsWithOne) {
    test::ConfigurationProject project;
    project.tables->ledParameters.Record().AnzahlModule = -1;
    project.tables->ledParameters.Save(project.Dir());
    const std::string prefix = (project.base / "speicher").string();
    test::ChildProcess simulator({OVIS_SIM_PATH, "--address", "4", "--dump-memory", prefix});
    ASSERT_TRUE(simulator.WaitForLines(1, 5s)) << simulator.err;
    test::ChildProcess configure({OVISCTL_PATH, "configure", project.Dir().string(), "--port", simulator.FirstLine()});
    EXPECT_EQ(configure.Wait(), 1) << configure.err;
    EXPECT_NE(configure.err.find("Das Feld AnzahlModule hat den Wert -1"), std::string::npos) << configure.err;
    simulator.Signal(SIGTERM);
    EXPECT_EQ(simulator.Wait(), 0) << simulator.err;
    EXPECT_EQ(test::ReadBytes(sim::MemoryDumpPath(prefix, 3)), std::vector<std::uint8_t>(sim::kAreaSize, 0));
}

TEST(ConfigurationEndToEnd, ALostInterfaceStopsTheTransfer) {
    test::ConfigurationProject project;
    sim::PseudoTerminal terminal;
    // Command 1 and four memory writes are taken, then the Interface hears nothing more.
    sim::SimulatorThread simulator(sim::SimulatorOptions{.address = 4, .freezeAfter = 5}, terminal.MasterFd());
    ConfiguringPc pc(terminal.SlavePath(), project);
    pc.actions.StartAction(ActionTag::ConfigureWithBackup);
    pc.actions.Timer1Timer();
    EXPECT_FALSE(pc.actions.LastActionCompleted());
    ASSERT_EQ(pc.dialogs.boxes.size(), 1u);
    EXPECT_EQ(pc.dialogs.boxes[0].text, "Das Interface reagiert nicht!!!");
    const auto texts = pc.progress.Texts();
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Daten werden programmiert"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), std::string(kOutputDataStepText)), texts.end());
    simulator.With([](sim::InterfaceSimulator& s) { EXPECT_EQ(s.Received().size(), 5u); });
}

// ovisctl configure against the ovis-sim program, whose memory dump equals `ovisctl image`
// but for the clock in the system header.
TEST(ConfigurationEndToEnd, OvisctlConfigureAndTheSimulatorsMemoryDump) {
    test::ConfigurationProject project;
    const std::string prefix = (project.base / "speicher").string();
    test::ChildProcess simulator({OVIS_SIM_PATH, "--address", "4", "--dump-memory", prefix});
    ASSERT_TRUE(simulator.WaitForLines(1, 5s)) << simulator.err;
    test::ChildProcess configure({OVISCTL_PATH, "configure", project.Dir().string(), "--port", simulator.FirstLine()});
    EXPECT_EQ(configure.Wait(), 0) << configure.err;
    EXPECT_NE(configure.err.find("Bytes frei)"), std::string::npos) << configure.err;
    EXPECT_NE(configure.err.find("Übertragung der Daten"), std::string::npos) << configure.err;
    simulator.Signal(SIGTERM);
    EXPECT_EQ(simulator.Wait(), 0) << simulator.err;

    const auto run = test::Ovisctl("image " + test::ShellQuoted(project.Dir()), test::Output::StdoutOnly);
    ASSERT_EQ(run.exitCode, 0);
    sim::SimMemory expected;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        int area = 0;
        std::string address;
        words >> area >> address;
        if (address == "Bytes") continue;
        std::vector<std::uint8_t> data;
        std::string hex;
        while (words >> hex) data.push_back(std::uint8_t(std::stoi(hex, nullptr, 16)));
        expected.Write(area, std::uint16_t(std::stoi(address, nullptr, 16)), data);
    }
    for (int area : {2, 3}) {
        auto dumped = test::ReadBytes(sim::MemoryDumpPath(prefix, area));
        auto wanted = expected.Read(area, 0, sim::kAreaSize);
        if (area == 3) {
            // The clock of the system header is taken when each image is built.
            std::fill(dumped.begin() + 0x8018, dumped.begin() + 0x8020, 0);
            std::fill(wanted.begin() + 0x8018, wanted.begin() + 0x8020, 0);
        }
        ExpectSameArea(dumped, wanted, area);
    }
    EXPECT_EQ(test::ReadBytes(sim::MemoryDumpPath(prefix, 1)).size(), sim::kAreaSize);
}

TEST(ConfigurationEndToEnd, ARunningSimulatorDumpsItsMemoryOnSigusr1) {
    test::TempDir dir;
    const std::string prefix = (dir / "if").string();
    test::ChildProcess simulator({OVIS_SIM_PATH, "--dump-memory", prefix});
    ASSERT_TRUE(simulator.WaitForLines(1, 5s)) << simulator.err;
    simulator.Signal(SIGUSR1);
    ASSERT_TRUE(simulator.WaitForLines(2, 5s)) << simulator.err;
    EXPECT_NE(simulator.out.find("memory-dump " + prefix + "\n"), std::string::npos) << simulator.out;
    for (int area = 1; area <= 3; ++area)
        EXPECT_EQ(test::ReadBytes(sim::MemoryDumpPath(prefix, area)), std::vector<std::uint8_t>(sim::kAreaSize, 0));
    simulator.Signal(SIGTERM);
    EXPECT_EQ(simulator.Wait(), 0);
}

}  // namespace
}  // namespace ovis
