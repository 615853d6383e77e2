// The demo's events file: the simulator reads it and stores two folders of three days.
#include "shell/demo_events.h"

#include <gtest/gtest.h>

#include <set>

#include "sim/memory_card.h"

namespace ovis {
namespace {

TEST(DemoEvents, ThreeDaysInTwoFoldersForTheSimulator) {
    const LocalDateTime today{2024, 3, 1, 9, 0, 0, 0};
    const std::string text = DemoEventsText(today);
    EXPECT_EQ(text, DemoEventsText(today));
    const auto events = sim::ParseEventsText(text);
    EXPECT_GT(events.size(), 300u);
    std::set<int> folders, days;
    for (const auto& e : events) {
        folders.insert(e.folder);
        days.insert(e.time.day);
        EXPECT_GE(e.message, 1);
        EXPECT_LE(e.message, 32);
    }
    EXPECT_EQ(folders, (std::set<int>{0, 1}));
    EXPECT_EQ(days, (std::set<int>{28, 29, 1}));  // across the end of a leap February
    const sim::MemoryCard card(events);
    EXPECT_EQ(card.Units(0).size(), 3u);
    EXPECT_EQ(card.Units(1).size(), 3u);
}

}  // namespace
}  // namespace ovis
