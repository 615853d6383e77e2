// The video replay: clock carries, speeds and their texts, single steps and the file's ends.
#include <gtest/gtest.h>

#include <vector>

#include "evaluation/recording_events.h"
#include "support/fixed_clock.h"
#include "visualisation/replay_engine.h"

namespace ovis {
namespace {

using test::EventTime;
using test::MakeEvent;

struct Replay {
    std::vector<TRecordingEvent> records;
    test::FixedClock clock;
    std::unique_ptr<ReplayEngine> engine;

    explicit Replay(std::vector<TRecordingEvent> playable) {
        records = {TRecordingEvent{}, MakeEvent(0, false, {1, 31})};
        records.insert(records.end(), playable.begin(), playable.end());
        clock.now = {2024, 3, 17, 10, 0, 0, 0};
        engine = std::make_unique<ReplayEngine>(records, clock);
    }
    // Moves the real clock on and ticks.
    std::vector<ReplayDraw> After(int milliseconds) {
        clock.now.millisecond += milliseconds;
        while (clock.now.millisecond >= 1000) {
            clock.now.millisecond -= 1000;
            ++clock.now.second;
        }
        const auto drawn = engine->Tick();
        return {drawn.begin(), drawn.end()};
    }
};

TEST(ReplayTime, CarriesWithTheMonthLengths) {
    struct Case {
        ReplayTime from;
        int steps;
        ReplayTime to;
    } const cases[] = {
        {{108, 1, 31, 23, 59, 59, 99}, 1, {108, 2, 1, 0, 0, 0, 0}},
        {{108, 2, 28, 23, 59, 59, 99}, 1, {108, 3, 1, 0, 0, 0, 0}},
        {{108, 12, 31, 23, 59, 59, 99}, 1, {109, 1, 1, 0, 0, 0, 0}},
        {{108, 3, 1, 0, 0, 0, 0}, -1, {108, 2, 28, 23, 59, 59, 99}},
        {{108, 4, 30, 12, 0, 0, 50}, 8640000, {108, 5, 1, 12, 0, 0, 50}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.from.Plus(c.steps), c.to) << c.to.DateText() << " " << c.to.TimeText();
    EXPECT_EQ((ReplayTime{108, 2, 1, 7, 5, 3, 60}).ClockText(true), "07 05 03");
    EXPECT_EQ((ReplayTime{108, 2, 1, 7, 5, 3, 40}).ClockText(true), "07:05:03");
    EXPECT_EQ((ReplayTime{108, 2, 1, 7, 5, 3, 60}).ClockText(false), "07:05:03");
    EXPECT_EQ((ReplayTime{108, 2, 1, 7, 5, 3, 60}).TimeText(), "07:05:03,60");
}

TEST(ReplayEngine, TheClockCarriesIntoTheNextMonthAt1To1) {
    Replay r({MakeEvent(1, true, {1, 31, 23, 59, 59990}), MakeEvent(2, true, {2, 1, 0, 0, 10})});
    EXPECT_EQ(r.engine->SpeedText(), "Vorwärts  1:1");
    auto drawn = r.After(0);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].record, 3u);
    EXPECT_EQ(r.engine->StateText(), "   AKTIV ");
    EXPECT_TRUE(r.After(10).empty());
    EXPECT_EQ(r.engine->Time(), (ReplayTime{108, 2, 1, 0, 0, 0, 0}));
    drawn = r.After(10);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].message, 2);
    EXPECT_EQ(r.engine->StateText(), "  Dateiende");
}

TEST(ReplayEngine, SpeedButtons) {
    struct Case {
        const char* presses;  // '>' for ">>", '<' for "<<", 'm' for the middle button
        const char* text;
    } const cases[] = {
        {"", "Vorwärts  1:1"},        {">", "Vorwärts    >"},        {">>", "Vorwärts   >>"},
        {">>>", "Vorwärts  >>>"},     {">>>>>", "Vorwärts  >>>"},    {"<", "<    Rückwärts"},
        {"<<", "<<   Rückwärts"},     {"<<<<<", "<<<  Rückwärts"},   {"<>", "Vorwärts  1:1"},
        {">><", "Vorwärts    >"},     {"m", "Einzelbild"},           {">>m", "Einzelbild"},
        {">>mm", "Vorwärts   >>"},    {"m<>", "Einzelbild"},
    };
    for (const auto& c : cases) {
        Replay r({MakeEvent(1, true, {2, 1}), MakeEvent(1, false, {2, 2})});
        for (const char* p = c.presses; *p; ++p) {
            if (*p == '>') r.engine->Faster();
            if (*p == '<') r.engine->Slower();
            if (*p == 'm') r.engine->ToggleSingleStep();
        }
        EXPECT_EQ(r.engine->SpeedText(), c.text) << c.presses;
    }
}

TEST(ReplayEngine, SingleStepsPlayForwardAndReverseTheLevelBackward) {
    Replay r({MakeEvent(1, true, {2, 1, 8}), TRecordingEvent{}, MakeEvent(2, false, {2, 1, 9})});
    r.engine->ToggleSingleStep();
    EXPECT_TRUE(r.After(5000).empty());
    auto drawn = r.engine->Faster();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_TRUE(drawn[0].high);
    drawn = r.engine->Faster();  // the marker record is passed over
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].record, 5u);
    EXPECT_EQ(r.engine->StateText(), "  Dateiende");
    EXPECT_TRUE(r.engine->Faster().empty());
    drawn = r.engine->Slower();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].record, 5u);
    EXPECT_TRUE(drawn[0].high);  // Low played backward
    drawn = r.engine->Slower();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_FALSE(drawn[0].high);
    EXPECT_EQ(r.engine->StateText(), "  Dateianfang");
    EXPECT_TRUE(r.engine->Slower().empty());
}

TEST(ReplayEngine, FasterSpeedsAndBackwardToTheBeginning) {
    std::vector<TRecordingEvent> playable;
    for (int k = 0; k < 120; ++k) playable.push_back(MakeEvent(1 + k % 5, k % 2 == 0, {2, 1, 1, k % 60, 0}));
    Replay r(playable);
    r.engine->Faster();
    r.engine->Faster();
    r.engine->Faster();
    EXPECT_EQ(r.After(10).size(), std::size_t(kFastestRecordsPerTick));
    r.After(10);
    EXPECT_EQ(r.After(10).size(), 20u);
    EXPECT_EQ(r.engine->StateText(), "  Dateiende");
    EXPECT_TRUE(r.After(10).empty());
    for (int k = 0; k < 6; ++k) r.engine->Slower();
    EXPECT_EQ(r.engine->SpeedText(), "<<<  Rückwärts");
    std::size_t back = 0;
    for (int k = 0; k < 5; ++k) back += r.After(10).size();
    EXPECT_EQ(back, 120u);
    EXPECT_EQ(r.engine->StateText(), "  Dateianfang");
    EXPECT_EQ(r.engine->Position(), 3u);
}

TEST(ReplayEngine, TenTimesFasterFollowsTheClock) {
    Replay r({MakeEvent(1, true, {2, 1, 0, 0, 0}), MakeEvent(2, true, {2, 1, 0, 0, 5000})});
    r.engine->Faster();
    EXPECT_EQ(r.After(0).size(), 1u);
    EXPECT_TRUE(r.After(490).empty());
    EXPECT_EQ(r.engine->Time().TimeText(), "00:00:04,90");
    EXPECT_EQ(r.engine->ClockText(), "00:00:04");
    EXPECT_EQ(r.After(10).size(), 1u);
}

TEST(ReplayEngine, ARecordingWithoutEventsIsAtItsEnd) {
    Replay r({});
    EXPECT_EQ(r.engine->StateText(), "  Dateiende");
    EXPECT_TRUE(r.After(100).empty());
}

}  // namespace
}  // namespace ovis
