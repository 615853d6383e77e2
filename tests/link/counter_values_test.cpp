// ReadCounterValues: the Stand bytes of each counter's message record, read from area 1.
#include "link/counter_values.h"

#include <gtest/gtest.h>

#include "link/link_fakes.h"

namespace ovis {
namespace {

using test::LinkRig;
using test::SimulatorLine;

TEST(CounterValueAddress, StandOfTheMessageRecord) {
    struct Case {
        int message;
        std::uint16_t address;
    } const cases[] = {{1, 0x8A8D}, {2, 0x8A9D}, {13, 0x8B4D}, {1000, 0xC8FD}};
    for (const auto& c : cases) EXPECT_EQ(CounterValueAddress(c.message), c.address) << c.message;
}

TEST(ReadCounterValues, ReadsEachCounterFromArea1) {
    LinkRig<SimulatorLine> rig(LinkTuning{}, sim::SimulatorOptions{.address = 3});
    auto& memory = rig.line.simulator.Memory();
    const std::uint8_t first[] = {0x01, 0x02, 0x03}, second[] = {0xFF, 0xFF, 0xFE};
    memory.Write(1, CounterValueAddress(8), first);
    memory.Write(1, CounterValueAddress(9), second);
    memory.Write(3, CounterValueAddress(8), second);  // the configuration area is not read
    rig.link.SetState(link_state::kDone);
    const auto values = ReadCounterValues(rig.link, 3, 8, 2);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], 0x010203);
    EXPECT_EQ(values[1], 0xFFFFFE);
    const auto& received = rig.line.simulator.Received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].telegram.address, 3);
    EXPECT_EQ(received[0].telegram.command, 5);
    EXPECT_EQ(received[0].telegram.payload, (std::vector<std::uint8_t>{1, 0, 0x8A, 0xFD, 3}));
    EXPECT_EQ(received[1].telegram.payload, (std::vector<std::uint8_t>{1, 0, 0x8B, 0x0D, 3}));
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
}

TEST(ReadCounterValues, UnansweredRequestStopsTheRoundWithTheWarning) {
    LinkRig<SimulatorLine> rig(LinkTuning{}, sim::SimulatorOptions{.silent = true});
    rig.link.SetState(link_state::kDone);
    const auto values = ReadCounterValues(rig.link, 1, 5, 3);
    ASSERT_EQ(values.size(), 3u);
    for (const auto& v : values) EXPECT_FALSE(v.has_value());
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u) << "one warning, not one per counter";
    EXPECT_EQ(rig.dialogs.boxes[0].text, "Das Interface reagiert nicht!!!");
}

TEST(ReadCounterValues, AbortBeforeTheRoundReadsNothing) {
    LinkRig<SimulatorLine> rig;
    rig.link.SetResult(LinkResult::Aborted);
    const auto values = ReadCounterValues(rig.link, 1, 5, 2);
    EXPECT_TRUE(rig.line.simulator.Received().empty());
    EXPECT_FALSE(values[0].has_value());
}

}  // namespace
}  // namespace ovis
