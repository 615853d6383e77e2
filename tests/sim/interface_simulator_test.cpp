// The simulator's side of the conversations, driven character by character.
#include "sim/interface_simulator.h"

#include <gtest/gtest.h>

#include <set>

#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "sim/command_line.h"

namespace ovis::sim {
namespace {

using namespace std::chrono_literals;

struct Driver {
    InterfaceSimulator simulator;
    Micros now{0};

    explicit Driver(SimulatorOptions options = {}) : simulator(options) { InstallStandardHandlers(simulator); }

    std::string Feed(const std::string& chars) {
        std::string out;
        for (char c : chars) {
            now += 100us;
            simulator.Receive(std::uint8_t(c), now, out);
        }
        return out;
    }
    std::string Wait(Micros quiet) {
        now += quiet;
        std::string out;
        simulator.Tick(now, out);
        return out;
    }
};

std::string Frame(std::vector<std::uint8_t> bytes) { return EncodeFrame(bytes).Text(); }

TEST(SimConversation, TakesATelegramAndExecutesTheMemoryWrite) {
    Driver d;
    const std::string frame = Frame({1, 4, 3, 0, 0x80, 0x01, 0x5A});
    EXPECT_EQ(d.Feed("#"), "");
    EXPECT_EQ(d.Feed(frame), frame) << "every character echoed";
    EXPECT_TRUE(d.simulator.Received().empty()) << "taken only when the PC confirms";
    EXPECT_EQ(d.Feed("*"), "*");
    EXPECT_EQ(d.Feed(","), ",");
    ASSERT_EQ(d.simulator.Received().size(), 1u);
    const auto& received = d.simulator.Received()[0];
    EXPECT_TRUE(received.executed);
    EXPECT_EQ(received.telegram.command, 4);
    EXPECT_EQ(d.simulator.Memory().Read(3, 0x8001, 2), (std::vector<std::uint8_t>{0x5A, 0}));
    EXPECT_EQ(d.simulator.State(), SimState::Listening);
}

TEST(SimConversation, ExecutesOnlyItsOwnAddressAndAddressZero) {
    struct Case {
        std::uint8_t address;
        bool executed;
    } cases[] = {{7, true}, {0, true}, {1, false}, {8, false}};
    for (const auto& c : cases) {
        Driver d(SimulatorOptions{.address = 7});
        d.Feed("#" + Frame({c.address, 4, 2, 0, 0x10, 0x00, 0xEE}) + "*,");
        ASSERT_EQ(d.simulator.Received().size(), 1u);
        EXPECT_EQ(d.simulator.Received()[0].executed, c.executed) << int(c.address);
        EXPECT_EQ(d.simulator.Memory().Read(2, 0x1000, 1)[0], c.executed ? 0xEE : 0) << int(c.address);
    }
}

TEST(SimConversation, AnswersAMemoryReadByCallingThePc) {
    Driver d;
    const std::uint8_t stored[] = {0xCA, 0xFE};
    d.simulator.Memory().Write(1, 0x9000, stored);
    EXPECT_EQ(d.Feed("#" + Frame({1, 5, 1, 0, 0x90, 0x00, 2}) + "*"), Frame({1, 5, 1, 0, 0x90, 0x00, 2}) + "*");
    EXPECT_EQ(d.Feed(","), ",#") << "closes, then calls with the reply";
    EXPECT_EQ(d.Feed("#"), "");
    const std::string reply = Frame({1, 5, 0xCA, 0xFE});
    EXPECT_EQ(d.Feed("%"), reply);
    EXPECT_EQ(d.Feed(reply), "*") << "the echo was right";
    EXPECT_EQ(d.Feed("*"), "%") << "the PC took it; nothing more";
    EXPECT_EQ(d.Feed(","), ",");
    EXPECT_EQ(d.simulator.WaitingTelegrams(), 0u);
}

TEST(SimConversation, CallsWithAWaitingTelegramAndRepeatsTheCall) {
    Driver d;
    d.simulator.Queue({1, 12, {}});
    EXPECT_EQ(d.Wait(25ms), "#") << "the line is free: the simulator calls";
    EXPECT_EQ(d.Wait(50ms), "");
    EXPECT_EQ(d.Wait(60ms), "#") << "no answer: it calls again";
    EXPECT_EQ(d.Feed("#%"), Frame({1, 12}));
}

TEST(SimConversation, AnswersTheConfirmationOfAnAcknowledgingPc) {
    Driver d;
    d.simulator.Queue({1, 12, {}});
    EXPECT_EQ(d.Feed("*"), Frame({1, 12})) << "the next telegram at once";
    Driver idle;
    EXPECT_EQ(idle.Feed("*"), "%");
}

TEST(SimConversation, ALoneCallIsAnsweredAfterTheGap) {
    Driver d;
    EXPECT_EQ(d.Feed("#"), "");
    EXPECT_EQ(d.Wait(10ms), "") << "a frame may still follow the #";
    EXPECT_EQ(d.Wait(15ms), "%");
    EXPECT_EQ(d.Feed(","), ",");
}

TEST(SimConversation, AWrongEchoOfItsFrameSendsItAgain) {
    Driver d;
    d.simulator.Queue({1, 12, {0x34}});
    const std::string frame = Frame({1, 12, 0x34});
    d.Feed("#");
    EXPECT_EQ(d.Wait(25ms), frame);
    EXPECT_EQ(d.Feed("&12X"), frame) << "the third character differs";
    EXPECT_EQ(d.Feed("1RC8"), "") << "late echoes of the first try are ignored";
    EXPECT_EQ(d.Feed(frame), "*");
}

TEST(SimConversation, ResynchronisingPairIsAnsweredWithNothing) {
    Driver d;
    EXPECT_EQ(d.Feed("&%"), "&%");
    EXPECT_EQ(d.Feed(","), ",");
    EXPECT_TRUE(d.simulator.Received().empty());
}

TEST(SimConversation, SilentSimulatorAnswersNothing) {
    Driver d(SimulatorOptions{.silent = true});
    EXPECT_EQ(d.Feed("#" + Frame({1, 3}) + "*,"), "");
    EXPECT_EQ(d.Wait(1s), "");
    EXPECT_TRUE(d.simulator.Received().empty());
}

TEST(SimConversation, GarbledEchoesStayCharactersOfTheCode) {
    Driver d(SimulatorOptions{.garbleProbability = 1.0});
    const std::string frame = Frame({1, 4, 0x12, 0x34, 0x56, 0x78});
    const std::string echo = d.Feed(frame);
    ASSERT_EQ(echo.size(), frame.size());
    const std::set<char> alphabet(kNibbleChars.begin(), kNibbleChars.end());
    for (std::size_t i = 0; i < echo.size(); ++i) {
        EXPECT_NE(echo[i], frame[i]) << i;
        EXPECT_TRUE(alphabet.count(echo[i])) << i;
    }
    EXPECT_EQ(d.simulator.GarbledEchoes(), int(frame.size()));
}

TEST(SimConversation, EveryStateRecoversOnACallOrAFrameStart) {
    std::set<std::pair<SimState, SimInput>> seen;
    for (const auto& rule : ConversationRules())
        EXPECT_TRUE(seen.insert({rule.state, rule.input}).second) << "one rule per state and input";
    for (int s = 0; s <= int(SimState::NothingSent); ++s) {
        EXPECT_TRUE(seen.count({SimState(s), SimInput::Call})) << s;
        EXPECT_TRUE(seen.count({SimState(s), SimInput::Start})) << s;
    }
}

TEST(SimConversation, PcLinkGetsThroughAGarblingLine) {
    test::LinkRig<test::SimulatorLine> rig(LinkTuning{}, SimulatorOptions{.garbleProbability = 0.05, .seed = 3});
    for (int k = 0; k < 20; ++k) {
        const std::uint8_t data[] = {std::uint8_t(k), std::uint8_t(0xA0 + k)};
        rig.link.Prepare(1, command::kMemoryWrite, MemoryWritePayload(MemoryArea::Output, std::uint16_t(0x100 + 2 * k), data));
        rig.link.SendTelegram();
        ASSERT_EQ(rig.link.Result(), LinkResult::Ok) << k;
    }
    auto& sim = rig.line.simulator;
    EXPECT_GT(sim.GarbledEchoes(), 0);
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(sim.Memory().Read(2, std::uint16_t(0x100 + 2 * k), 2),
                  (std::vector<std::uint8_t>{std::uint8_t(k), std::uint8_t(0xA0 + k)}));
}

TEST(SimConversation, FrozenAfterItsTelegramsHearsNothingMore) {
    test::LinkRig<test::SimulatorLine> rig(LinkTuning{}, SimulatorOptions{.freezeAfter = 2});
    for (std::uint8_t command : {std::uint8_t(1), std::uint8_t(19)}) {
        rig.link.Prepare(1, command);
        rig.link.SendTelegram();
        ASSERT_EQ(rig.link.Result(), LinkResult::Ok) << "the two telegrams are closed normally";
    }
    EXPECT_TRUE(rig.line.simulator.Frozen());
    rig.link.Prepare(1, 18);
    rig.link.SetState(link_state::kSendRequest);
    rig.link.Exchange();
    EXPECT_EQ(rig.link.Result(), LinkResult::TimedOut);
    EXPECT_FALSE(rig.link.FrameConfirmed());
    EXPECT_EQ(rig.line.simulator.Received().size(), 2u);
}

TEST(SimCommandLine, ParsesTheOptions) {
    SimCommandLine line = ParseSimCommandLine(
        {"--address", "12", "--silent", "--garble", "0.25", "--baud", "9600", "--link", "/tmp/x", "--seed", "5",
         "--freeze-after", "208", "--dump-memory", "/tmp/speicher"});
    EXPECT_EQ(line.options.freezeAfter, 208);
    EXPECT_EQ(line.options.address, 12);
    EXPECT_TRUE(line.options.silent);
    EXPECT_DOUBLE_EQ(line.options.garbleProbability, 0.25);
    EXPECT_EQ(line.baud, 9600);
    EXPECT_EQ(line.link, "/tmp/x");
    EXPECT_EQ(line.options.seed, 5u);
    EXPECT_FALSE(line.device);
    EXPECT_EQ(line.dumpPrefix, "/tmp/speicher");
    EXPECT_FALSE(ParseSimCommandLine({}).dumpPrefix);
    EXPECT_EQ(ParseSimCommandLine({"--device", "/dev/ttyS1"}).device, "/dev/ttyS1");

    const std::vector<std::vector<std::string>> bad = {
        {"--address", "0"}, {"--address", "100"}, {"--address", "x"}, {"--garble", "1.5"},
        {"--baud"},         {"--verbose"},         {"--baud", "96oo"},   {"--garble", "nan"},
        {"--freeze-after", "-1"}, {"--dump-memory"}, {"--dump-memory", ""},
    };
    for (const auto& args : bad) EXPECT_THROW(ParseSimCommandLine(args), std::invalid_argument) << args[0];
}

TEST(SimCommandLine, PrintsEveryTelegramAsALine) {
    ReceivedTelegram received{{1, 4, {0x03, 0x00, 0x80, 0x01, 0x00}}, true};
    EXPECT_EQ(TelegramLine(received), "telegram address=1 command=4 executed=1 data=03 00 80 01 00");
    EXPECT_EQ(TelegramLine({{2, 3, {}}, false}), "telegram address=2 command=3 executed=0 data=");
}

}  // namespace
}  // namespace ovis::sim
