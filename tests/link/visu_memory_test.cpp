// The visualisation's event list and relay states in the Interface's memory, and the switching of
// a relay, against the Interface simulator's online plant.
#include <gtest/gtest.h>

#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "link/visu_memory.h"
#include "sim/online_plant.h"

namespace ovis {
namespace {

TEST(VisuMemory, EventEntriesRoundTripAndEmptyOnesAreSkipped) {
    const VisuEventEntry a{17, 3, 2024, 8, 5, 59, 1000, true};
    const VisuEventEntry b{1, 12, 2099, 23, 59, 0, 7, false};
    std::vector<std::uint8_t> bytes = EncodeVisuEventEntry(a);
    bytes.resize(16, 0);  // an empty entry
    const auto second = EncodeVisuEventEntry(b);
    bytes.insert(bytes.end(), second.begin(), second.end());
    bytes.push_back(9);  // part of an entry
    EXPECT_EQ(DecodeVisuEventList(bytes), (std::vector<VisuEventEntry>{a, b}));
}

TEST(VisuMemory, RelayBitsAndSwitchPayload) {
    const std::vector<std::uint8_t> states{0x80, 0x01};
    EXPECT_TRUE(RelayStateOf(states, 1));
    EXPECT_FALSE(RelayStateOf(states, 2));
    EXPECT_TRUE(RelayStateOf(states, 16));
    EXPECT_FALSE(RelayStateOf(states, 17));
    EXPECT_FALSE(RelayStateOf(states, 0));
    EXPECT_EQ(SwitchPayload(300, true), (std::vector<std::uint8_t>{2, 1, 44}));
    EXPECT_EQ(SwitchPayload(5, false), (std::vector<std::uint8_t>{3, 0, 5}));
}

TEST(VisuMemory, TheSimulatorListsASwitchedRelay) {
    test::LinkRig<test::SimulatorLine> rig;
    sim::OnlinePlant plant{sim::OnlineOptions{}};
    plant.Install(rig.line.simulator);
    rig.link.SetState(link_state::kDone);
    auto send = [&](std::uint8_t command, std::vector<std::uint8_t> payload) {
        rig.link.Prepare(1, command, std::move(payload));
        rig.link.SendTelegram();
        ASSERT_EQ(rig.link.Result(), LinkResult::Ok);
    };
    send(command::kMemoryWrite, ClockPayload({2024, 3, 17, 8, 5, 59, 0}));
    send(command::kOnlineStart, OnlineStartPayload(4));
    rig.link.AwaitTelegram({7});
    rig.link.EndReplies();
    send(command::kLevels, SwitchPayload(3, true));
    rig.link.AwaitTelegram({6});
    rig.link.EndReplies();
    ASSERT_TRUE(plant.Level(3));

    const auto list = ReadVisuMemory(rig.link, 1, kVisuEventListAddress, kVisuEventEntries * kVisuEventEntrySize);
    ASSERT_TRUE(list);
    EXPECT_EQ(DecodeVisuEventList(*list), (std::vector<VisuEventEntry>{{17, 3, 2024, 8, 5, 59, 3, true}}));
    const auto relays = ReadVisuMemory(rig.link, 1, kVisuRelayStatesAddress, kVisuRelayStateBytes);
    ASSERT_TRUE(relays);
    EXPECT_TRUE(RelayStateOf(*relays, 3));
    EXPECT_FALSE(RelayStateOf(*relays, 2));
}

}  // namespace
}  // namespace ovis
