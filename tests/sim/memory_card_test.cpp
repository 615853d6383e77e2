// The simulated memory card: the events file, the units, the directory and the read-out replies,
// decoded by the PC's read-out decoder back into the events given.
#include "sim/memory_card.h"

#include <gtest/gtest.h>

#include "link/readout_decoder.h"
#include "link/unit_directory.h"
#include "sim/command_line.h"

namespace ovis::sim {
namespace {

CardEvent Event(int folder, CardTime time, int message, bool high) { return {folder, time, message, high}; }

// Decodes the replies and returns the records that are not markers.
std::vector<TRecordingEvent> Decode(const std::vector<std::vector<std::uint8_t>>& replies) {
    ReadoutDecoder decoder;
    for (std::size_t i = 0; i + 1 < replies.size(); ++i) EXPECT_EQ(decoder.AddReply(replies[i]), ReadoutFault::None);
    EXPECT_TRUE(replies.back().empty());
    std::vector<TRecordingEvent> events;
    for (const auto& r : decoder.Records())
        if (!IsMarker(r)) events.push_back(r);
    return events;
}

void ExpectSameEvent(const TRecordingEvent& r, const CardEvent& e, const std::string& what) {
    EXPECT_EQ(MessageNumber(r), e.message) << what;
    EXPECT_EQ(IsLevelHigh(r), e.high) << what;
    EXPECT_EQ(1900 + r.Jahr, e.time.year) << what;
    EXPECT_EQ(int(r.Monat), e.time.month) << what;
    EXPECT_EQ(int(r.Tag), e.time.day) << what;
    EXPECT_EQ(int(r.Std), e.time.hour) << what;
    EXPECT_EQ(int(r.Min), e.time.minute) << what;
    EXPECT_EQ(r.SekMSek.get() * 100 + r.Misek, e.time.second * 100000 + e.time.tenMicroseconds) << what;
}

TEST(MemoryCard, CommandLineOptions) {
    const SimCommandLine withEvents = ParseSimCommandLine({"--events", "e.txt"});
    EXPECT_EQ(withEvents.events, "e.txt");
    EXPECT_FALSE(withEvents.noCard);
    EXPECT_TRUE(ParseSimCommandLine({"--no-card"}).noCard);
    EXPECT_THROW(ParseSimCommandLine({"--events", "e.txt", "--no-card"}), std::invalid_argument);
    EXPECT_THROW(ParseSimCommandLine({"--events"}), std::invalid_argument);
    EXPECT_THROW(LoadEventsFile("/nonexistent/e.txt"), std::invalid_argument);
}

TEST(MemoryCard, ParsesTheEventsFile) {
    const auto events = ParseEventsText(
        "# Ordner, Zeit, Meldung, Pegel\n"
        "0\t28.02.2008 23:59:59,50001\t12\tHigh   # Kommentar\r\n"
        "\n"
        "13\t01.01.2030 00:00:00,00000\t1023\tLow\n");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].folder, 0);
    EXPECT_EQ(events[0].time.day, 28);
    EXPECT_EQ(events[0].time.second, 59);
    EXPECT_EQ(events[0].time.tenMicroseconds, 50001);
    EXPECT_EQ(events[0].message, 12);
    EXPECT_TRUE(events[0].high);
    EXPECT_EQ(events[1].folder, 13);
    EXPECT_FALSE(events[1].high);
}

TEST(MemoryCard, RefusesLinesThatDoNotFit) {
    for (const char* line : {"14\t01.01.2030 00:00:00,00000\t1\tLow", "0\t29.02.2009 00:00:00,00000\t1\tLow",
                             "0\t01.01.2030 24:00:00,00000\t1\tLow", "0\t01.01.2030 00:00:00,0000\t1\tLow",
                             "0\t01.01.2030 00:00:00,00000\t0\tLow", "0\t01.01.2030 00:00:00,00000\t1024\tLow",
                             "0\t01.01.2030 00:00:00,00000\t1\thigh", "0 01.01.2030 00:00:00,00000 1 Low",
                             "0\t01.01.2030 00:00:00,00000\t1\tLow\textra", "-1\t01.01.2030 00:00:00,00000\t1\tLow"}) {
        EXPECT_THROW(ParseEventsText(std::string("# x\n") + line + "\n"), std::invalid_argument) << line;
        try {
            ParseEventsText(std::string("# x\n") + line);
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("Zeile 2"), std::string::npos) << line;
        }
    }
}

TEST(MemoryCard, ReadOutGivesBackTheEventsRecordForRecord) {
    // Gaps of every time class, one that needs a date item, a day change, another folder.
    const std::vector<CardEvent> events = {
        Event(0, {2008, 2, 28, 23, 50, 0, 0}, 1, true),
        Event(0, {2008, 2, 28, 23, 50, 0, 1234}, 2, true),      // class 0
        Event(0, {2008, 2, 28, 23, 50, 30, 1234}, 1, false),    // class 1
        Event(0, {2008, 2, 28, 23, 55, 30, 4434}, 2, false),    // class 2: 5 min + 32 ms
        Event(0, {2008, 2, 28, 23, 55, 30, 4435}, 3, true),     // class 0
        Event(0, {2008, 2, 28, 23, 59, 1, 7}, 3, false),        // needs a date item
        Event(0, {2008, 2, 29, 0, 0, 0, 0}, 4, true),           // a new day: a new unit
        Event(0, {2008, 2, 29, 7, 0, 0, 0}, 4, false),          // class 4: 420 minutes
        Event(0, {2008, 3, 1, 0, 0, 1, 0}, 5, true),
        Event(3, {2008, 3, 1, 0, 0, 1, 0}, 700, true),
    };
    const MemoryCard card(events);
    ASSERT_EQ(card.Units(0).size(), 3u);
    ASSERT_EQ(card.Units(3).size(), 1u);
    const auto units = DecodeUnitDirectory(card.Directory(0));
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(UnitBeginCell(units[0]), " 01.03.2008   00:00");
    EXPECT_EQ(UnitBeginCell(units[2]), " 28.02.2008   23:50");
    const auto records = Decode(card.ReadoutReplies(0, 1, 3));
    ASSERT_EQ(records.size(), 9u);
    for (std::size_t i = 0; i < records.size(); ++i) ExpectSameEvent(records[i], events[i], std::to_string(i));
    const auto other = Decode(card.ReadoutReplies(3, 1, 10));
    ASSERT_EQ(other.size(), 1u);
    ExpectSameEvent(other[0], events[9], "folder 3");
    EXPECT_EQ(card.ReadoutReplies(5, 1, 1).size(), 1u);
}

TEST(MemoryCard, AUnitHoldsAt252FullReplies) {
    std::vector<CardEvent> events;
    // 10 us apart: one event item each, 32 per reply after the first.
    for (int i = 0; i < 252 * 32 + 5; ++i) events.push_back(Event(1, {2010, 5, 5, 1, 0, 0, i}, 1 + i % 3, i % 2 == 0));
    const MemoryCard card(events);
    ASSERT_EQ(card.Units(1).size(), 2u);
    EXPECT_EQ(card.Units(1)[0].replies.size(), kRepliesPerUnit);
    for (const auto& reply : card.Units(1)[0].replies) EXPECT_LE(reply.size(), kReplyPayload);
    const auto records = Decode(card.ReadoutReplies(1, 1, 2));
    ASSERT_EQ(records.size(), events.size());
    for (std::size_t i = 0; i < records.size(); i += 997) ExpectSameEvent(records[i], events[i], std::to_string(i));
}

TEST(MemoryCard, DirectoryRepliesEndBelow128Bytes) {
    std::vector<CardEvent> events;
    // 31 days: 31 units, 126 directory bytes: one more, empty reply ends the directory.
    for (int day = 1; day <= 31; ++day) events.push_back(Event(0, {2010, 1, day, 8, 0, 0, 0}, 1, true));
    auto replies = MemoryCard(events).DirectoryReplies(0);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].size(), 126u);
    EXPECT_TRUE(replies[1].empty());
    events.resize(30);
    replies = MemoryCard(events).DirectoryReplies(0);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].size(), 122u);
    EXPECT_EQ(MemoryCard({}).DirectoryReplies(0), (std::vector<std::vector<std::uint8_t>>{{}}));
}

}  // namespace
}  // namespace ovis::sim
