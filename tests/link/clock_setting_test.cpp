#include "link/clock_setting.h"

#include <gtest/gtest.h>

#include "link/link_fakes.h"
#include "support/fixed_clock.h"

namespace ovis {
namespace {

using test::FixedClock;
using test::LinkRig;
using test::SimulatorLine;

TEST(LinkClockSetting, SetsTheClockOncePerHourFour) {
    struct Poll {
        int hour;
        bool sent;
    };
    const std::vector<std::vector<Poll>> days = {
        {{4, true}, {4, false}, {4, false}},                    // a start during hour 4 sets it at once
        {{3, false}, {4, true}, {4, false}, {5, false}},
        {{4, true}, {5, false}, {4, true}},                      // re-armed once the hour was different
        {{23, false}, {0, false}, {3, false}, {4, true}, {4, false}},
    };
    for (const auto& day : days) {
        LinkRig<SimulatorLine> rig;
        rig.link.SetState(link_state::kDone);
        FixedClock clock;
        ClockSetting setting;
        int telegrams = 0;
        for (const Poll& poll : day) {
            clock.now.hour = poll.hour;
            EXPECT_EQ(setting.Poll(rig.link, clock, false), poll.sent) << "hour " << poll.hour;
            const int received = int(rig.line.simulator.Received().size());
            EXPECT_EQ(received - telegrams, poll.sent ? 1 : 0);
            telegrams = received;
        }
    }
}

TEST(LinkClockSetting, TelegramAddressesAllInterfaces) {
    LinkRig<SimulatorLine> rig(LinkTuning{}, sim::SimulatorOptions{.address = 12});
    rig.link.SetState(link_state::kDone);
    FixedClock clock;
    clock.now = {2024, 12, 31, 4, 59, 58, 999};
    ClockSetting setting;
    ASSERT_TRUE(setting.Poll(rig.link, clock, false));
    const auto& received = rig.line.simulator.Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].telegram.address, 0);
    EXPECT_TRUE(received[0].executed) << "every Interface takes it";
    EXPECT_EQ(received[0].telegram.command, 4);
    EXPECT_EQ(received[0].telegram.payload,
              (std::vector<std::uint8_t>{3, 0, 0x84, 0x80, 58, 59, 4, 31, 12, 0xE8, 0x07}));
    EXPECT_EQ(rig.link.Data().length, 13);
}

TEST(LinkClockSetting, WaitsForADoneLinkAndNeverRunsOnAClient) {
    LinkRig<SimulatorLine> rig;
    FixedClock clock;
    ClockSetting setting;
    rig.link.SetState(link_state::kAcknowledging);
    EXPECT_FALSE(setting.Poll(rig.link, clock, false));
    EXPECT_TRUE(setting.Armed()) << "tried again at the next poll";
    rig.link.SetState(link_state::kDone);
    EXPECT_FALSE(setting.Poll(rig.link, clock, true));
    EXPECT_TRUE(rig.line.simulator.Received().empty());
    EXPECT_TRUE(setting.Poll(rig.link, clock, false));
}

}  // namespace
}  // namespace ovis
