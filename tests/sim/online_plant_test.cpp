// The simulator's online mode, seen from a PC link: the answers to commands 7 and 20, the level
// changes it reports and the counters that count.
#include "sim/online_plant.h"

#include "sim/command_line.h"

#include <gtest/gtest.h>

#include "link/counter_values.h"
#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "link/online_poll.h"
#include "support/fixed_clock.h"

namespace ovis::sim {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

struct PlantRig {
    test::LinkRig<test::SimulatorLine> rig;
    OnlinePlant plant;

    explicit PlantRig(OnlineOptions options = {}) : plant(std::move(options)) {
        plant.Install(rig.line.simulator);
        rig.link.SetState(link_state::kDone);
    }
    void Send(std::uint8_t command, std::vector<std::uint8_t> payload) {
        rig.link.Prepare(1, command, payload);
        rig.link.SendTelegram();
    }
    // The next telegram of the simulator, after running online mode up to `at`.
    std::vector<std::uint8_t> Next(std::initializer_list<std::uint8_t> accepted, Micros at = Micros(0)) {
        plant.Advance(rig.line.simulator, std::max(at, rig.line.now));
        rig.link.AwaitTelegram(accepted);
        rig.link.EndReplies();
        const auto& d = rig.link.Data();
        return {d.receiveBuffer.begin(), d.receiveBuffer.begin() + d.receiveLength};
    }
};

TEST(SimOnline, AnswersCommand7WithTheLevelsAndCommand20Switches) {
    PlantRig p;
    p.Send(command::kOnlineStart, {0, 1, 0, 10});
    EXPECT_EQ(p.Next({7}), (std::vector<std::uint8_t>{1, 7, 0, 0}));
    p.Send(command::kLevels, {2, 0, 9});  // switch message 9 on
    EXPECT_EQ(p.Next({6}), (std::vector<std::uint8_t>{1, 6, 0x04, 9, 0, 0}));
    p.Send(command::kLevels, {0, 1, 0, 10});
    EXPECT_EQ(p.Next({20}), (std::vector<std::uint8_t>{1, 20, 0x00, 0x80}));
    p.Send(command::kLevels, {3, 1, 0x2C});  // message 300 off
    EXPECT_EQ(p.Next({6}), (std::vector<std::uint8_t>{1, 6, 0x01, 0x2C, 0, 0}));
}

TEST(SimOnline, ReplaysTheEventsFromOneSecondAfterTheStart) {
    OnlineOptions options;
    options.events = {{0, {2024, 5, 1, 10, 0, 0, 0}, 3, true}, {0, {2024, 5, 1, 10, 0, 2, 50000}, 3, false}};
    PlantRig p(std::move(options));
    p.Send(command::kOnlineStart, {0, 1, 0, 4});
    p.Next({7});
    const Micros start = p.rig.line.now;
    p.plant.Advance(p.rig.line.simulator, start);
    p.plant.Advance(p.rig.line.simulator, start + milliseconds(999));
    EXPECT_EQ(p.plant.ChangesSent(), 0);
    EXPECT_EQ(p.Next({6}, start + seconds(1)), (std::vector<std::uint8_t>{1, 6, 0x04, 3, 0, 0}));
    p.plant.Advance(p.rig.line.simulator, start + milliseconds(3400));
    EXPECT_EQ(p.plant.ChangesSent(), 1);
    EXPECT_EQ(p.Next({6}, start + milliseconds(3500)), (std::vector<std::uint8_t>{1, 6, 0x00, 3, 0, 0}));
}

TEST(SimOnline, PlantChangesAtItsRateAndEveryKthAsReply12) {
    PlantRig p(OnlineOptions{.plantRate = 100, .seed = 7, .reply12Every = 5, .events = {}});
    p.Send(command::kOnlineStart, {0, 1, 0, 20});
    p.Next({7});
    const Micros start = p.rig.line.now;
    p.plant.Advance(p.rig.line.simulator, start);
    p.plant.Advance(p.rig.line.simulator, start + milliseconds(500));
    EXPECT_EQ(p.plant.ChangesSent(), 50);
    test::FixedClock clock;
    clock.now.hour = 12;
    ClockSetting clockSetting;
    OnlineStream stream(p.rig.link, clock, clockSetting, {[] { return 1; }, [] { return false; }, [] { return 20; }});
    int items6 = 0, items12 = 0;
    stream.SetItemObserver([&](std::uint8_t code, std::span<const OnlineEvent> items) {
        (code == 6 ? items6 : items12) += int(items.size());
    });
    for (int i = 0; i < 20 && (p.plant.Backlog() > 0 || p.rig.line.simulator.WaitingTelegrams() > 0); ++i) {
        p.plant.Advance(p.rig.line.simulator, start + milliseconds(500));
        stream.OnlinePoll();
    }
    EXPECT_EQ(p.plant.Backlog(), 0u);
    EXPECT_EQ(items6, 40);
    EXPECT_EQ(items12, 10);
}

TEST(SimOnline, ConfiguredCountersCountOncePerSecondInArea1) {
    PlantRig p;
    auto& memory = p.rig.line.simulator.Memory();
    // Table directory: 3 inputs, 1 output, 2 LED messages, 2 counters; messages 7 and 8 are counters.
    const std::uint8_t directory[] = {13, 6, 0, 3, 10, 0, 1, 11, 0, 2, 13, 0, 2};
    memory.Write(3, 0x8200, directory);
    std::vector<std::uint8_t> record(16, 0);
    record[15] = 41;  // Stand 41
    memory.Write(3, 0x8A80 + 16 * 6, record);
    EXPECT_EQ(ReadConfiguredCounts(memory).online, 6);
    EXPECT_EQ(ReadConfiguredCounts(memory).counters, 2);
    for (int s = 1; s <= 3; ++s) p.plant.Advance(p.rig.line.simulator, seconds(s));
    EXPECT_EQ(memory.Read(1, CounterValueAddress(7), 3), (std::vector<std::uint8_t>{0, 0, 44}));
    EXPECT_EQ(memory.Read(1, CounterValueAddress(8), 3), (std::vector<std::uint8_t>{0, 0, 3}));
    EXPECT_EQ(memory.Read(3, CounterValueAddress(7), 3), (std::vector<std::uint8_t>{0, 0, 41}))
        << "the configuration stays";
    const auto values = ReadCounterValues(p.rig.link, 1, 7, 2);
    EXPECT_EQ(values[0], 44);
    EXPECT_EQ(values[1], 3);
}

}  // namespace
}  // namespace ovis::sim

namespace ovis::sim {
namespace {

TEST(SimOnline, CommandLineOptions) {
    const SimCommandLine line = ParseSimCommandLine({"--plant-rate", "2.5", "--reply12-every", "4", "--seed", "9"});
    EXPECT_EQ(line.plantRate, 2.5);
    EXPECT_EQ(line.reply12Every, 4);
    EXPECT_EQ(line.options.seed, 9u);
    const SimCommandLine none = ParseSimCommandLine({});
    EXPECT_EQ(none.plantRate, 0);
    EXPECT_EQ(none.reply12Every, 0);
    const std::vector<std::vector<std::string>> bad = {
        {"--plant-rate", "-1"}, {"--plant-rate", "x"}, {"--plant-rate"}, {"--reply12-every", "-2"}, {"--reply12-every", "1.5x"}};
    for (const auto& args : bad) EXPECT_THROW(ParseSimCommandLine(args), std::invalid_argument) << args[0];
}

TEST(SimOnline, StandWrapsAtItsThreeBytes) {
    test::LinkRig<test::SimulatorLine> rig;
    OnlinePlant plant{OnlineOptions{}};
    auto& memory = rig.line.simulator.Memory();
    const std::uint8_t directory[] = {4, 13, 0, 1};  // one counter: message 1
    memory.Write(3, 0x8200, directory);
    std::vector<std::uint8_t> record(16, 0);
    record[13] = record[14] = record[15] = 0xFF;
    memory.Write(3, 0x8A80, record);
    plant.Advance(rig.line.simulator, seconds(1));
    EXPECT_EQ(memory.Read(1, CounterValueAddress(1), 3), (std::vector<std::uint8_t>{0, 0, 0}));
}

}  // namespace
}  // namespace ovis::sim
