// Reset and software update against the simulator over a pseudo-terminal through the termios
// port; ovisctl and ovis-sim as programs; two processes exchanging telegrams through the relay.
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include "project/system_parameters.h"
#include "link/child_process.h"
#include "link/firmware_image.h"
#include "link/interface_actions.h"
#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "link/terminal_pc.h"
#include "link/termios_serial_port.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using namespace std::chrono_literals;
namespace ls = link_state;

std::vector<int> Commands(const sim::InterfaceSimulator& simulator) {
    std::vector<int> commands;
    for (const auto& r : simulator.Received()) commands.push_back(r.telegram.command);
    return commands;
}

void ExpectFirmwareInMemory(const sim::InterfaceSimulator& simulator, const FirmwareImage& image, int address) {
    auto memory = simulator.Memory().Read(1, kFirmwareAddress, 16400);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), memory.begin())) << "the 205 blocks hold the image";
    std::size_t nonZeroTail = 0;
    for (std::size_t i = image.size(); i < memory.size(); ++i)
        if (kFirmwareAddress + i != kAddressPatchAddress) nonZeroTail += memory[i] != 0;
    EXPECT_EQ(nonZeroTail, 0u) << "zeros after the image's end";
    EXPECT_EQ(simulator.Memory().Read(1, kAddressPatchAddress, 1)[0], address) << "the address patch";
}

TEST(LinkEndToEnd, ResetOverAPseudoTerminal) {
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator({}, terminal.MasterFd());
    test::TerminalPc pc(terminal.SlavePath());
    ASSERT_TRUE(pc.port.PortIsOpen());
    pc.Run(ActionTag::Reset);
    EXPECT_TRUE(pc.actions.LastActionCompleted());
    EXPECT_TRUE(pc.dialogs.boxes.empty());
    simulator.With([](sim::InterfaceSimulator& s) {
        EXPECT_EQ(Commands(s), (std::vector<int>{4, 3}));
        EXPECT_EQ(s.Memory().Read(3, kResetAddress, 1)[0], 0);
    });
}

TEST(LinkEndToEnd, SoftwareUpdateOverAPseudoTerminal) {
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator(sim::SimulatorOptions{.address = 5}, terminal.MasterFd());
    test::TerminalPc pc(terminal.SlavePath(), 5);
    const FirmwareImage image = MakeTestFirmwareImage();
    test::WriteBytes(pc.base / "IFACE.BIN", {image.begin(), image.end()});
    const auto start = std::chrono::steady_clock::now();
    pc.Run(ActionTag::SoftwareUpdate);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(pc.actions.LastActionCompleted());
    EXPECT_TRUE(pc.dialogs.boxes.empty());
    EXPECT_LT(took, 10s) << "at the speed of the pseudo-terminal";
    simulator.With([&](sim::InterfaceSimulator& s) {
        auto commands = Commands(s);
        EXPECT_EQ(std::count(commands.begin(), commands.end(), 4), 206);
        EXPECT_EQ(commands.back(), 18);
        ExpectFirmwareInMemory(s, image, 5);
    });
}

TEST(LinkEndToEnd, SoftwareUpdateSurvivesGarbledEchoes) {
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator(sim::SimulatorOptions{.garbleProbability = 0.002, .seed = 11}, terminal.MasterFd());
    test::TerminalPc pc(terminal.SlavePath());
    const FirmwareImage image = MakeTestFirmwareImage();
    test::WriteBytes(pc.base / "IFACE.BIN", {image.begin(), image.end()});
    pc.Run(ActionTag::SoftwareUpdate);
    EXPECT_TRUE(pc.actions.LastActionCompleted());
    simulator.With([&](sim::InterfaceSimulator& s) {
        EXPECT_GT(s.GarbledEchoes(), 0);
        ExpectFirmwareInMemory(s, image, 1);
    });
}

TEST(LinkEndToEnd, OvisctlResetsASimulatedInterfaceAndTracesTheLine) {
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator(sim::SimulatorOptions{.address = 3}, terminal.MasterFd());
    test::ChildProcess ovisctl({OVISCTL_PATH, "reset", "--port", terminal.SlavePath(), "--number", "3", "--trace"});
    EXPECT_EQ(ovisctl.Wait(), 0) << ovisctl.err;
    EXPECT_NE(ovisctl.err.find("Reset der Ovis"), std::string::npos) << ovisctl.err;
    EXPECT_NE(ovisctl.err.find("17/17"), std::string::npos) << ovisctl.err;
    // The connection: the PC calls, the Interface has nothing to send, both close.
    EXPECT_NE(ovisctl.err.find("PC> #\n"), std::string::npos) << ovisctl.err;
    EXPECT_NE(ovisctl.err.find("IF< %\n"), std::string::npos);
    EXPECT_NE(ovisctl.err.find("PC> #&"), std::string::npos);
    simulator.With([](sim::InterfaceSimulator& s) {
        EXPECT_EQ(Commands(s), (std::vector<int>{4, 3}));
        EXPECT_EQ(s.Received()[0].telegram.address, 3);
    });
}

TEST(LinkEndToEnd, OvisctlRefusesAMissingFirmwareFile) {
    test::TempDir dir;
    test::ChildProcess ovisctl({OVISCTL_PATH, "update", "--port", "/dev/null", "--firmware",
                                (dir / "missing.bin").string()});
    EXPECT_EQ(ovisctl.Wait(), 1);
    EXPECT_NE(ovisctl.err.find("missing.bin"), std::string::npos) << ovisctl.err;
}

TEST(LinkEndToEnd, OvisctlFailsOnAPortThatCannotBeOpened) {
    test::TempDir dir;
    test::ChildProcess ovisctl({OVISCTL_PATH, "reset", "--port", (dir / "ttyNone").string()});
    EXPECT_EQ(ovisctl.Wait(), 1);
    EXPECT_NE(ovisctl.err.find("kann nicht geöffnet werden: das Gerät ist nicht vorhanden."), std::string::npos)
        << ovisctl.err;
}

TEST(LinkEndToEnd, OvisctlUpdateFailsWhenTheFinalCommandIsNotTaken) {
    sim::PseudoTerminal terminal;
    // Frozen after commands 1 and 19, the 205 blocks and the address patch.
    sim::SimulatorThread simulator(sim::SimulatorOptions{.freezeAfter = 208}, terminal.MasterFd());
    test::TempDir dir;
    const FirmwareImage image = MakeTestFirmwareImage();
    test::WriteBytes(dir / "IFACE.BIN", {image.begin(), image.end()});
    test::ChildProcess ovisctl(
        {OVISCTL_PATH, "update", "--port", terminal.SlavePath(), "--firmware", (dir / "IFACE.BIN").string()});
    EXPECT_EQ(ovisctl.Wait(), 1) << ovisctl.err;
    EXPECT_NE(ovisctl.err.find("Das Interface reagiert nicht!!!"), std::string::npos) << ovisctl.err;
    simulator.With([](sim::InterfaceSimulator& s) {
        EXPECT_TRUE(s.Frozen());
        EXPECT_EQ(Commands(s).back(), 4) << "command 18 never arrived";
    });
}

TEST(LinkEndToEnd, OvisSimProgramPrintsItsDeviceAndRecordsTelegrams) {
    test::ChildProcess simulator({OVIS_SIM_PATH, "--address", "2"});
    ASSERT_TRUE(simulator.WaitForLines(1, 5s)) << simulator.err;
    test::TerminalPc pc(simulator.FirstLine(), 2);
    ASSERT_TRUE(pc.port.PortIsOpen()) << simulator.FirstLine();
    pc.Run(ActionTag::Reset);
    EXPECT_TRUE(pc.actions.LastActionCompleted());
    ASSERT_TRUE(simulator.WaitForLines(3, 5s));
    simulator.Signal(SIGTERM);
    EXPECT_EQ(simulator.Wait(), 0);
    EXPECT_NE(simulator.out.find("telegram address=2 command=4 executed=1 data=03 00 80 01 00\n"), std::string::npos)
        << simulator.out;
    EXPECT_NE(simulator.out.find("telegram address=2 command=3 executed=1 data=\n"), std::string::npos);
}

// A Client in this process reaches the simulator through an `ovisctl relay-server` process:
// a memory write, then a memory read whose reply comes back through COMRD.DAT.
void ExpectClientReachesTheInterface(const std::filesystem::path& clientBase, const std::filesystem::path& clientServerDir,
                                     const std::filesystem::path& serverBase, const std::filesystem::path& serverDir) {
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator({}, terminal.MasterFd());
    test::ChildProcess server({OVISCTL_PATH, "relay-server", "--port", terminal.SlavePath(), "--base",
                               serverBase.string(), "--server-dir", serverDir.string(), "--seconds", "30"});
    ASSERT_TRUE(server.WaitForLines(1, 5s)) << server.err;

    // This process is the Client: it never touches a serial line.
    test::ScriptedLine unused;
    SleepingDelay delay;
    test::ScriptedDialogs dialogs;
    NullPump pump;
    Rs232Port port(unused, [] { return PortSettings{}; }, [](int) { return std::nullopt; }, delay);
    Link client(port, dialogs, pump, delay,
                [&] { return RelaySettings{RelayMode::Client, clientBase, clientServerDir}; });
    client.SetState(ls::kDone);
    client.FinishExchange();
    ASSERT_EQ(client.Result(), LinkResult::Ok);

    const std::uint8_t data[] = {0xDE, 0xAD, 0xBE, 0xEF};
    client.Prepare(1, command::kMemoryWrite, MemoryWritePayload(MemoryArea::Output, 0x2000, data));
    client.SendTelegram();
    ASSERT_EQ(client.Result(), LinkResult::Ok);
    client.Prepare(1, command::kMemoryRead, MemoryReadPayload(MemoryArea::Output, 0x2000, 4));
    client.SendTelegram();
    ASSERT_EQ(client.Result(), LinkResult::Ok);
    client.AwaitReply({command::kMemoryRead});
    ASSERT_EQ(client.Result(), LinkResult::Ok);
    const auto& d = client.Data();
    EXPECT_EQ(std::vector<std::uint8_t>(d.receiveBuffer.begin(), d.receiveBuffer.begin() + d.receiveLength),
              (std::vector<std::uint8_t>{1, 5, 0xDE, 0xAD, 0xBE, 0xEF}));
    EXPECT_TRUE(unused.written.empty());
    EXPECT_TRUE(dialogs.boxes.empty());

    server.Signal(SIGTERM);
    EXPECT_EQ(server.Wait(), 0) << server.err;
    simulator.With([](sim::InterfaceSimulator& s) { EXPECT_EQ(Commands(s), (std::vector<int>{4, 5})); });
}

TEST(LinkEndToEnd, ClientReachesTheInterfaceThroughARelayServerProcess) {
    test::TempDir shared;  // every path names one directory
    ExpectClientReachesTheInterface(shared.path(), shared.path(), shared.path(), shared.path());
}

TEST(LinkEndToEnd, RelayThroughFourDistinctDirectories) {
    // Each PC reaches the other's base directory under a path of its own, as over a network
    // share: the Client's server directory leads to the Server's base directory, the Server's
    // server directory to the Client's base directory.
    test::TempDir clientBase, serverBase, mounts;
    const auto clientServerDir = mounts / "server-share";
    const auto serverDir = mounts / "client-share";
    std::filesystem::create_directory_symlink(serverBase.path(), clientServerDir);
    std::filesystem::create_directory_symlink(clientBase.path(), serverDir);
    test::CountingDelay delay;
    ASSERT_TRUE(CreateRelayFiles(clientBase.path(), delay)) << "the ring the Client reads";
    ExpectClientReachesTheInterface(clientBase.path(), clientServerDir, serverBase.path(), serverDir);
    EXPECT_NE(test::ReadBytes(clientBase / "COMRD.DAT")[0], 0) << "replies in the Client's base directory";
    EXPECT_EQ(test::ReadBytes(serverBase / "COMRD.DAT")[0], 0) << "none in the Server's";
}

}  // namespace
}  // namespace ovis
