#include "evaluation/time_range.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "evaluation/analyser_fixture.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

TTimeStamp Sec(int std, int min = 0, int sek = 0, int tag = 1) { return {108, 3, tag, std, min, sek, 0, 0}; }

std::unique_ptr<TRecording> Day(const std::vector<TRecordingEvent>& middle) {
    auto events = test::CreatedDayFile(2);
    events.insert(events.begin() + 4, middle.begin(), middle.end());
    auto rec = std::make_unique<TRecording>();
    rec->Assign(events);
    return rec;
}

void ExpectMessages(const TRecording& rec, const std::vector<int>& meldung) {
    ASSERT_EQ(rec.Count(), meldung.size());
    for (std::size_t k = 1; k <= rec.Count(); ++k) EXPECT_EQ(rec.Event(k).Meldung.get(), meldung[k - 1]) << k;
}

constexpr int H = kLevelHighBit;

TEST(TimeRange, EventRangeModes) {
    struct Case {
        const char* name;
        TTimeStamp begin, end;
        bool activated;
        std::vector<int> meldung;
    } cases[] = {
        {"High inside", Sec(8), Sec(9), true, {0, 0, 1, 2, 1 + H, 1, 1, 2}},
        {"from the file begin", Sec(0), Sec(9), true, {0, 0, 1 + H, 2, 1, 1, 2}},
        {"to the file end", Sec(8), Sec(23, 59, 59), true, {0, 0, 1, 2, 1 + H, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto rec = Day({});
        ASSERT_TRUE(ApplyEventRange(*rec, {1}, {c.begin, c.end}, c.activated));
        ExpectMessages(*rec, c.meldung);
    }
}

TEST(TimeRange, WrongRangeChangesNothing) {
    auto rec = Day({});
    EXPECT_FALSE(ApplyEventRange(*rec, {1}, {Sec(9), Sec(9)}, true));
    EXPECT_EQ(rec->Count(), 6u);
}

TEST(TimeRange, FileLimitsCutAndMove) {
    auto rec = Day({MakeEvent(1, true, At(8)), MakeEvent(1, false, At(20))});
    ASSERT_TRUE(ApplyFileLimits(*rec, {Sec(0), Sec(12)}));
    ExpectMessages(*rec, {0, 0, 1, 2, 1 + H, 1, 2});
    EXPECT_EQ(rec->Event(7).Std, 12);

    auto moved = Day({MakeEvent(1, true, At(8))});
    ASSERT_TRUE(ApplyFileLimits(*moved, {Sec(1), Sec(0, 59, 59, 2)}));
    EXPECT_EQ(moved->Count(), 7u);
    EXPECT_EQ(moved->Event(5).Std, 9);
    EXPECT_EQ(moved->Event(3).Std, 1);
}

TEST(TimeRange, DateFollowUp) {
    TimeRange file{Sec(22, 0, 0, 1), Sec(6, 0, 0, 2)};
    TimeRange r{Sec(2), Sec(23)};
    FollowDatesInEventRange(r, file);
    EXPECT_EQ(r.begin.Tag, 2);
    EXPECT_EQ(r.end.Tag, 1);
    TimeRange limits{Sec(10, 0, 0, 1), Sec(9, 0, 0, 1)};
    FollowDatesInFileLimits(limits);
    EXPECT_EQ(limits.end.Tag, 2);
    limits.end = Sec(11, 0, 0, 3);
    FollowDatesInFileLimits(limits);
    EXPECT_EQ(limits.end.Tag, 1);
}

}  // namespace
}  // namespace ovis
