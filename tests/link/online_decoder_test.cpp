// DecodeOnline: the items of the online replies and where they go.
#include "link/online_decoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace ovis {
namespace {

struct Item {
    int message;
    bool high;
    bool operator==(const Item&) const = default;
};

std::vector<Item> Items(const std::vector<OnlineEvent>& events) {
    std::vector<Item> items;
    for (const auto& e : events) items.push_back({e.message, e.high});
    return items;
}

std::vector<Item> Decode(std::vector<std::uint8_t> telegram, int n) {
    OnlineTargets targets;
    targets.messageCount = n;
    OnlineEvent current;
    return Items(DecodeOnline(telegram, targets, current));
}

TEST(DecodeOnline, ItemsOfEachReply) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> telegram;
        int n;
        std::vector<Item> items;
    } const cases[] = {
        {"reply 7, N = 10", {1, 7, 0xA0, 0x40}, 10,
         {{1, true}, {2, false}, {3, true}, {4, false}, {5, false}, {6, false}, {7, false}, {8, false},
          {9, false}, {10, true}}},
        {"reply 20 as 7", {1, 20, 0x80}, 3, {{1, true}, {2, false}, {3, false}}},
        {"reply 6: message 300 High, then Low", {1, 6, 0x05, 0x2C, 0xEE, 0xFF, 0x01, 0x2C, 0, 0}, 400,
         {{300, true}, {300, false}}},
        {"reply 6: bytes c, d not read", {1, 6, 0x04, 0x01, 0xFF, 0xFF}, 4, {{1, true}}},
        {"reply 6: high bits of a beyond bit 2 ignored", {1, 6, 0xF8, 0x02, 0, 0}, 4, {{2, false}}},
        {"reply 12: items of 3 bytes", {1, 12, 0x04, 0x02, 9, 0x00, 0x03, 9}, 4, {{2, true}, {3, false}}},
        {"reply 6: last item without c and d", {1, 6, 0x04, 0x01, 0, 0, 0x04, 0x02}, 4, {{1, true}, {2, true}}},
        {"reply 6: a lone first byte is no item", {1, 6, 0x04, 0x01, 0, 0, 0x04}, 4, {{1, true}}},
        {"reply 7 shorter than N bits: the received bits only", {1, 7, 0xFF}, 12,
         {{1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {7, true}, {8, true}}},
        {"reply 7 without payload", {1, 7}, 5, {}},
        {"reply 7 with N = 0", {1, 7, 0xFF, 0xFF}, 0, {}},
        {"reply 7: bits beyond N not read", {1, 7, 0xFF, 0xFF}, 2, {{1, true}, {2, true}}},
        {"reply 6 numbers above N are decoded", {1, 6, 0x07, 0xFF, 0, 0}, 10, {{1023, true}}},
        {"another reply", {1, 5, 1, 2, 3}, 4, {}},
        {"a telegram without reply code", {1}, 4, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Decode(c.telegram, c.n), c.items) << c.what;
}

TEST(DecodeOnline, AllLevelsEndAtMessage1023WhenNIsLarger) {
    std::vector<std::uint8_t> telegram{1, 7};
    telegram.resize(2 + 130, 0xFF);  // 1040 bits
    const auto items = Decode(telegram, 1051);
    ASSERT_EQ(items.size(), 1023u);
    EXPECT_EQ(items.back(), (Item{1023, true}));
}

class DecodeOnlineTargets : public testing::Test {
protected:
    OnlineStateTable states;
    VisuQueue queue;
    std::vector<std::uint8_t> roles = {6, 1, 4};           // I/O rows 1 to 3
    std::vector<std::uint16_t> elements = {11, 12, 13, 14};  // message 4 is an LED message
    OnlineEvent current;

    OnlineTargets Targets(bool analyser = true, bool visu = true) {
        return {4, roles, analyser ? &states : nullptr, visu ? &queue : nullptr, elements};
    }
};

TEST_F(DecodeOnlineTargets, RoleSixLowIsQueuedFromReply6ButNotFromReply7) {
    DecodeOnline(std::vector<std::uint8_t>{1, 7, 0x10}, Targets(), current);  // 1 Low, 2 Low, 3 Low, 4 High
    ASSERT_EQ(queue.Count(), 3);
    EXPECT_EQ(queue.Entries()[0].kind, 1);
    EXPECT_EQ(queue.Entries()[0].element, 12);
    EXPECT_EQ(queue.Entries()[0].state, 1) << "Low plus 1 for a role below 3";
    EXPECT_EQ(queue.Entries()[1].kind, 4);
    EXPECT_EQ(queue.Entries()[1].state, 0);
    EXPECT_EQ(queue.Entries()[2].kind, 0) << "an LED message has role 0";
    EXPECT_EQ(queue.Entries()[2].element, 14);
    EXPECT_EQ(queue.Entries()[2].state, 2);
    queue.Clear();
    DecodeOnline(std::vector<std::uint8_t>{1, 6, 0x00, 0x01, 0, 0}, Targets(), current);
    ASSERT_EQ(queue.Count(), 1);
    EXPECT_EQ(queue.Entries()[0].kind, 6);
    EXPECT_EQ(queue.Entries()[0].element, 11);
    EXPECT_EQ(queue.Entries()[0].state, 0);
}

TEST_F(DecodeOnlineTargets, Replies12And20AreNotQueuedButChangeTheAnalyser) {
    DecodeOnline(std::vector<std::uint8_t>{1, 12, 0x04, 0x02, 0}, Targets(), current);
    DecodeOnline(std::vector<std::uint8_t>{1, 20, 0x80}, Targets(), current);
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(int(states.At(2)), 7) << "High from 12, Low from 20";
    EXPECT_EQ(int(states.At(1)), 6);
}

TEST_F(DecodeOnlineTargets, ClosedWindowsAndUnknownNumbersChangeNothing) {
    DecodeOnline(std::vector<std::uint8_t>{1, 6, 0x04, 0x01, 0, 0}, Targets(false, false), current);
    EXPECT_EQ(int(states.At(1)), 0);
    EXPECT_EQ(queue.Count(), 0);
    DecodeOnline(std::vector<std::uint8_t>{1, 6, 0x04, 0x05, 0, 0, 0x04, 0x00, 0, 0}, Targets(), current);
    EXPECT_EQ(int(states.At(5)), 0);
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(current.message, 0) << "the last item is the current event";
    EXPECT_TRUE(current.high);
}

TEST_F(DecodeOnlineTargets, CurrentEventCarriesTheRole) {
    DecodeOnline(std::vector<std::uint8_t>{1, 6, 0x00, 0x03, 0, 0}, Targets(), current);
    EXPECT_EQ(current.message, 3);
    EXPECT_FALSE(current.high);
    EXPECT_EQ(current.role, 4);
}

TEST(VisuQueueCapacity, AFullQueueKeepsItsEntries) {
    VisuQueue queue;
    for (std::size_t i = 0; i < VisuQueue::kCapacity; ++i) ASSERT_TRUE(queue.Append({1, std::uint16_t(i), 1}));
    EXPECT_FALSE(queue.Append({2, 7, 0}));
    EXPECT_EQ(queue.Count(), VisuQueue::kCapacity);
    EXPECT_EQ(queue.Entries().back().element, VisuQueue::kCapacity - 1);
}

}  // namespace
}  // namespace ovis
