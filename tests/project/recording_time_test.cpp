#include "project/recording_time.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "evaluation/recording_events.h"

namespace ovis {
namespace {

using test::EventTime;
using test::MakeEvent;

constexpr double kDay = 86400.0;

struct SecondsCase {
    const char* what;
    EventTime time;
    double seconds;
};

class EventSecondsTest : public testing::TestWithParam<SecondsCase> {};

TEST_P(EventSecondsTest, CountsFromTheFirstOfJanuary) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(EventSeconds(MakeEvent(5, true, c.time)), c.seconds) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Recording, EventSecondsTest,
    testing::Values(SecondsCase{"year start", {1, 1}, 0.0},
                    SecondsCase{"every field", {1, 1, 1, 1, 1500, 0}, 3661.5},
                    SecondsCase{"10 microseconds", {1, 1, 0, 0, 0, 1}, 0.00001},
                    SecondsCase{"last step of January", {1, 31, 23, 59, 59999, 99}, 31 * kDay - 0.00001},
                    SecondsCase{"1 March noon", {3, 1, 12}, 59 * kDay + 43200},
                    SecondsCase{"29 February is 1 March", {2, 29, 12}, 59 * kDay + 43200},
                    SecondsCase{"1 December", {12, 1}, 334 * kDay},
                    SecondsCase{"last step of the year", {12, 31, 23, 59, 59999, 99}, 365 * kDay - 0.00001},
                    SecondsCase{"the year does not count", {6, 15, 8, 30, 0, 0, 0}, (151 + 14) * kDay + 8 * 3600 + 1800}));

struct SetCase {
    const char* what;
    double seconds;
    EventTime expected;
};

class SetEventSecondsTest : public testing::TestWithParam<SetCase> {};

TEST_P(SetEventSecondsTest, RewritesTheTimeFieldsOnly) {
    const auto& c = GetParam();
    TRecordingEvent event = MakeEvent(517, true, {7, 7, 7, 7, 7777, 77, 111});
    SetEventSeconds(event, c.seconds);
    TRecordingEvent expected = MakeEvent(517, true, c.expected);
    expected.Jahr = 111;
    EXPECT_EQ(std::memcmp(&event, &expected, sizeof event), 0)
        << c.what << ": got " << int(event.Monat) << '/' << int(event.Tag) << ' ' << int(event.Std) << ':'
        << int(event.Min) << ' ' << event.SekMSek.get() << ',' << int(event.Misek);
}

INSTANTIATE_TEST_SUITE_P(
    Recording, SetEventSecondsTest,
    testing::Values(SetCase{"3661.5 s", 3661.5, {1, 1, 1, 1, 1500, 0}},
                    SetCase{"year start", 0.0, {1, 1}},
                    SetCase{"first of February", 31 * kDay, {2, 1}},
                    SetCase{"just before February", 31 * kDay - 0.00001, {1, 31, 23, 59, 59999, 99}},
                    SetCase{"1 March, no leap day", 59 * kDay, {3, 1}},
                    SetCase{"1 December", 334 * kDay, {12, 1}},
                    SetCase{"a fraction of a step is dropped", 1.234567, {1, 1, 0, 0, 1234, 56}},
                    SetCase{"last step of the year", 365 * kDay - 0.00001, {12, 31, 23, 59, 59999, 99}},
                    SetCase{"before the year: held at its start", -5.0, {1, 1}},
                    SetCase{"past the year: held at its last step", 400 * kDay, {12, 31, 23, 59, 59999, 99}},
                    SetCase{"not a number: year start", std::nan(""), {1, 1}}));

TEST(SetEventSeconds, WritesBackTheTimeOfAnyRecordUnchanged) {
    std::mt19937 random(7);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int i = 0; i < 20000; ++i) {
        const int monat = pick(1, 12);
        const TRecordingEvent original =
            MakeEvent(pick(1, 1023), pick(0, 1) == 1,
                      {monat, pick(1, DaysInMonth(monat)), pick(0, 23), pick(0, 59), pick(0, 59999), pick(0, 99)});
        TRecordingEvent copy = original;
        SetEventSeconds(copy, EventSeconds(original));
        ASSERT_EQ(std::memcmp(&copy, &original, sizeof copy), 0)
            << int(original.Monat) << '/' << int(original.Tag) << ' ' << int(original.Std) << ':'
            << int(original.Min) << ' ' << original.SekMSek.get() << ',' << int(original.Misek);
    }
}

TEST(MonthTables, DamagedMonthsReadAsTheNearestValidMonth) {
    EXPECT_EQ(MonthStart(0), 0);
    EXPECT_EQ(MonthStart(13), 365);
    EXPECT_EQ(MonthStart(200), 365);
    EXPECT_EQ(DaysInMonth(0), 31);
    EXPECT_EQ(DaysInMonth(2), 28);
    EXPECT_EQ(DaysInMonth(13), 31);
}

}  // namespace
}  // namespace ovis
