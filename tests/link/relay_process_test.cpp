// A Client in this process sends memory writes through COMTD.DAT to an `ovisctl relay-server`
// process whose line to the simulator garbles a quarter of the echoes: every request the Client
// was told "Ok" for reaches the Interface, none arrives twice; the others end in the Client's
// time-out and "Das Interface reagiert nicht!!!".
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <thread>

#include "link/child_process.h"
#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using namespace std::chrono_literals;

// The Client's pauses at a tenth of their length, so that a refused request costs about a
// second instead of eleven.
class ShortDelay final : public Delay {
public:
    void Pause(std::chrono::microseconds duration) override { std::this_thread::sleep_for(duration / 10); }
};

struct Outcome {
    std::vector<int> acknowledged;
    std::vector<int> arrived;
};

Outcome RelayThroughAServerProcess(int length, int count) {
    sim::PseudoTerminal terminal;
    sim::SimulatorThread simulator(sim::SimulatorOptions{.garbleProbability = 0.25, .seed = unsigned(length)},
                                   terminal.MasterFd());
    test::TempDir base;
    test::ChildProcess server({OVISCTL_PATH, "relay-server", "--port", terminal.SlavePath(), "--base",
                               base.path().string(), "--seconds", "60"});
    Outcome outcome;
    if (!server.WaitForLines(1, 5s)) {
        ADD_FAILURE() << server.err;
        return outcome;
    }
    test::ScriptedLine unused;
    ShortDelay delay;
    test::ScriptedDialogs dialogs;
    NullPump pump;
    Rs232Port port(unused, [] { return PortSettings{}; }, [](int) { return std::nullopt; }, delay);
    Link client(port, dialogs, pump, delay, [&] { return RelaySettings{RelayMode::Client, base.path(), base.path()}; });
    client.SetState(link_state::kDone);
    for (int k = 0; k < count; ++k) {
        const std::vector<std::uint8_t> data(std::size_t(length - 6), std::uint8_t(k));
        client.Prepare(1, command::kMemoryWrite,
                       MemoryWritePayload(MemoryArea::Output, std::uint16_t(0x100 + k), data));
        const std::size_t boxes = dialogs.boxes.size();
        client.SendTelegram();
        if (client.Result() == LinkResult::Ok) {
            outcome.acknowledged.push_back(k);
        } else {
            EXPECT_EQ(client.Result(), LinkResult::TimedOut);
            EXPECT_EQ(dialogs.boxes.size(), boxes + 1);
        }
    }
    server.Signal(SIGTERM);
    EXPECT_EQ(server.Wait(), 0) << server.err;
    simulator.With([&](sim::InterfaceSimulator& s) {
        EXPECT_GT(s.GarbledEchoes(), 0);
        for (const auto& r : s.Received())
            outcome.arrived.push_back((r.telegram.payload[2] << 8 | r.telegram.payload[3]) - 0x100);
    });
    EXPECT_TRUE(unused.written.empty());
    return outcome;
}

TEST(LinkRelayProcess, NoRequestIsLostOrDuplicatedAtAQuarterOfGarbledEchoes) {
    struct Case {
        int length;
        int count;
    } cases[] = {{7, 6}, {14, 3}, {60, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const Outcome outcome = RelayThroughAServerProcess(c.length, c.count);
        EXPECT_TRUE(std::is_sorted(outcome.arrived.begin(), outcome.arrived.end()) &&
                    std::adjacent_find(outcome.arrived.begin(), outcome.arrived.end()) == outcome.arrived.end())
            << "each at most once, in order";
        for (int k : outcome.acknowledged) {
            EXPECT_NE(std::find(outcome.arrived.begin(), outcome.arrived.end(), k), outcome.arrived.end())
                << "acknowledged but lost: " << k;
        }
        if (c.length == 7) {
            EXPECT_FALSE(outcome.acknowledged.empty()) << "short requests get through";
        }
    }
}

}  // namespace
}  // namespace ovis
