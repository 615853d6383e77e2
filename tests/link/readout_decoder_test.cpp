// The read-out decoder: date and event items, the time classes, the carries and the replies
// that break the data rules.
#include "link/readout_decoder.h"

#include <gtest/gtest.h>

#include <cstring>

#include "evaluation/recording_events.h"

namespace ovis {
namespace {

using test::EventTime;
using test::MakeEvent;

std::vector<std::uint8_t> DateItem(int year, int month, int day, int hour, int minute, int second) {
    return {0x80,
            std::uint8_t(second),
            std::uint8_t(minute),
            std::uint8_t(hour),
            std::uint8_t(day),
            std::uint8_t(month),
            std::uint8_t(year & 0xFF),
            std::uint8_t(year >> 8)};
}

std::vector<std::uint8_t> EventItem(int message, bool high, int timeClass, int m, int extraG = 0) {
    return {std::uint8_t(timeClass << 4 | (high ? 4 : 0) | (message >> 8) | extraG), std::uint8_t(message & 0xFF),
            std::uint8_t(m >> 8), std::uint8_t(m & 0xFF)};
}

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

void ExpectRecord(const TRecordingEvent& actual, const TRecordingEvent& expected, const std::string& what) {
    EXPECT_EQ(actual.Meldung.get(), expected.Meldung.get()) << what;
    EXPECT_EQ(int(actual.Jahr), int(expected.Jahr)) << what;
    EXPECT_EQ(int(actual.Monat), int(expected.Monat)) << what;
    EXPECT_EQ(int(actual.Tag), int(expected.Tag)) << what;
    EXPECT_EQ(int(actual.Std), int(expected.Std)) << what;
    EXPECT_EQ(int(actual.Min), int(expected.Min)) << what;
    EXPECT_EQ(actual.SekMSek.get(), expected.SekMSek.get()) << what;
    EXPECT_EQ(int(actual.Misek), int(expected.Misek)) << what;
}

struct EventCase {
    const char* name;
    std::vector<int> date;  // year, month, day, hour, minute, second
    int timeClass, m;
    TRecordingEvent expected;
};

TEST(ReadoutDecoder, EventAfterDateItem) {
    const std::vector<EventCase> cases = {
        {"leap February keeps day 29", {2008, 2, 28, 23, 59, 59}, 1, 1500, MakeEvent(5, true, {2, 29, 0, 0, 500, 0, 108})},
        {"common February gives 1 March", {2009, 2, 28, 23, 59, 59}, 1, 1500, MakeEvent(5, true, {3, 1, 0, 0, 500, 0, 109})},
        {"class 0: 1 ms and 23 steps of 10 us", {2010, 6, 1, 12, 0, 0}, 0, 1234, MakeEvent(5, true, {6, 1, 12, 0, 1, 23, 110})},
        {"year end", {2010, 12, 31, 23, 59, 59}, 1, 2000, MakeEvent(5, true, {1, 1, 0, 0, 1000, 0, 111})},
        {"class 2: minutes and 16 ms steps", {2010, 6, 1, 12, 0, 0}, 2, 3 << 12 | 10, MakeEvent(5, true, {6, 1, 12, 3, 160, 0, 110})},
        {"class 3: minutes and 256 ms steps", {2010, 6, 1, 12, 0, 0}, 3, 70 << 8 | 2, MakeEvent(5, true, {6, 1, 13, 10, 512, 0, 110})},
        {"class 4: minutes and 4096 ms steps", {2010, 6, 1, 12, 0, 0}, 4, 1500 << 4 | 1, MakeEvent(5, true, {6, 2, 13, 0, 4096, 0, 110})},
        {"class 5: minutes", {2010, 6, 1, 12, 0, 0}, 5, 1440 * 3 + 61, MakeEvent(5, true, {6, 4, 13, 1, 0, 0, 110})},
        {"class 6 and 7: no gap", {2010, 6, 1, 12, 0, 7}, 7, 999, MakeEvent(5, true, {6, 1, 12, 0, 7000, 0, 110})},
        // 45 days from 20 January pass the whole of February: normalised until the date exists.
        {"gap past the following month", {2010, 1, 20, 0, 0, 0}, 5, 45 * 1440, MakeEvent(5, true, {3, 6, 0, 0, 0, 0, 110})},
        {"gap past day 30 of a leap February", {2008, 2, 20, 0, 0, 0}, 5, 11 * 1440, MakeEvent(5, true, {3, 2, 0, 0, 0, 0, 108})},
        {"milliseconds above one minute", {2010, 6, 1, 12, 0, 30}, 1, 65000, MakeEvent(5, true, {6, 1, 12, 1, 35000, 0, 110})},
    };
    for (const auto& c : cases) {
        ReadoutDecoder decoder;
        const auto& d = c.date;
        const auto reply = Join({DateItem(d[0], d[1], d[2], d[3], d[4], d[5]), EventItem(5, true, c.timeClass, c.m)});
        ASSERT_EQ(decoder.AddReply(reply), ReadoutFault::None) << c.name;
        ASSERT_EQ(decoder.Count(), 3u) << c.name;
        const auto records = decoder.Records();
        const TRecordingEvent zero{};
        EXPECT_EQ(std::memcmp(&records[0], &zero, sizeof zero), 0) << c.name;
        ExpectRecord(records[1], MakeEvent(0, false, {d[1], d[2], d[3], d[4], d[5] * 1000, 0, d[0] - 1900}),
                     std::string(c.name) + " marker");
        ExpectRecord(records[2], c.expected, c.name);
    }
}

TEST(ReadoutDecoder, EventWordPassesBit15AndIgnoresBit3) {
    ReadoutDecoder decoder;
    const auto reply = Join({DateItem(2010, 6, 1, 12, 0, 0), EventItem(0x3FF, true, 7, 0, 0x80 | 0x08)});
    ASSERT_EQ(decoder.AddReply(reply), ReadoutFault::None);
    EXPECT_EQ(decoder.Records()[2].Meldung.get(), 0x8000 | 0x0400 | 0x3FF);
}

TEST(ReadoutDecoder, EventsAreTimedFromTheEventBefore) {
    ReadoutDecoder decoder;
    // Split over two replies; the second reply continues from the last record of the first.
    ASSERT_EQ(decoder.AddReply(Join({DateItem(2010, 6, 1, 12, 0, 0), EventItem(1, true, 0, 990),
                                     EventItem(2, false, 0, 20)})),
              ReadoutFault::None);
    ASSERT_EQ(decoder.AddReply(Join({EventItem(1, false, 1, 59999), DateItem(2010, 6, 2, 0, 0, 5),
                                     EventItem(3, true, 6, 0)})),
              ReadoutFault::None);
    ASSERT_EQ(decoder.Count(), 8u);
    const auto r = decoder.Records();
    ExpectRecord(r[2], MakeEvent(1, true, {6, 1, 12, 0, 0, 99, 110}), "first");
    ExpectRecord(r[3], MakeEvent(2, false, {6, 1, 12, 0, 1, 1, 110}), "10 us carry into the milliseconds");
    ExpectRecord(r[4], MakeEvent(1, false, {6, 1, 12, 1, 0, 1, 110}), "one minute on");
    ExpectRecord(r[6], MakeEvent(0, false, {6, 2, 0, 0, 5000, 0, 110}), "second marker");
    ExpectRecord(r[7], MakeEvent(3, true, {6, 2, 0, 0, 5000, 0, 110}), "after the second marker");
}

TEST(ReadoutDecoder, RepliesThatBreakTheRulesEndTheReadout) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::uint8_t>> replies;
        ReadoutFault fault;
    };
    const auto date = DateItem(2010, 6, 1, 12, 0, 0);
    const auto event = EventItem(1, true, 1, 5);
    const std::vector<Case> cases = {
        {"cut event item", {Join({date, event, {0x10, 1, 0}})}, ReadoutFault::CutItem},
        {"cut date item", {Join({date, event, {0x80, 1, 2, 3}})}, ReadoutFault::CutItem},
        {"date item at the end of a reply", {Join({date, event, date})}, ReadoutFault::DateWithoutEvent},
        {"two date items", {Join({date, date, event})}, ReadoutFault::DateWithoutEvent},
        {"event before any date item", {event}, ReadoutFault::EventWithoutStart},
        {"month 13", {Join({DateItem(2010, 13, 1, 0, 0, 0), event})}, ReadoutFault::BadDate},
        {"day 0", {Join({DateItem(2010, 1, 0, 0, 0, 0), event})}, ReadoutFault::BadDate},
        {"empty first reply", {{}}, ReadoutFault::EmptyFirstReply},
        {"fault in a later reply stays", {Join({date, event}), {0x10}, Join({date, event})}, ReadoutFault::CutItem},
    };
    for (const auto& c : cases) {
        ReadoutDecoder decoder;
        for (const auto& reply : c.replies) decoder.AddReply(reply);
        EXPECT_EQ(decoder.Fault(), c.fault) << c.name;
        EXPECT_FALSE(ReadoutFaultText(c.fault).empty()) << c.name;
    }
}

TEST(ReadoutDecoder, TenFullUnitsFillTheBufferExactly) {
    ReadoutDecoder decoder;
    // One reply: a date pair and 30 events (32 records); then 2519 replies of 32 events.
    std::vector<std::uint8_t> first = DateItem(2010, 6, 1, 0, 0, 0);
    for (int i = 0; i < 30; ++i) first = Join({first, EventItem(1, i % 2 == 0, 1, 1)});
    ASSERT_EQ(decoder.AddReply(first), ReadoutFault::None);
    std::vector<std::uint8_t> full;
    for (int i = 0; i < 32; ++i) full = Join({full, EventItem(1, i % 2 == 0, 0, 10)});
    for (int reply = 1; reply < 10 * 252; ++reply) ASSERT_EQ(decoder.AddReply(full), ReadoutFault::None) << reply;
    EXPECT_EQ(decoder.Count(), kRecordingCapacity);
    EXPECT_EQ(decoder.AddReply(EventItem(1, true, 0, 10)), ReadoutFault::TooManyRecords);
    EXPECT_EQ(decoder.Count(), kRecordingCapacity);
    decoder.Reset();
    EXPECT_EQ(decoder.Count(), 0u);
    EXPECT_EQ(decoder.Fault(), ReadoutFault::None);
}

}  // namespace
}  // namespace ovis
