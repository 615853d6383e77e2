#include "evaluation/event_search.h"

#include <gtest/gtest.h>

#include "evaluation/analyser_fixture.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

std::vector<TRecordingEvent> Recording(const std::vector<TRecordingEvent>& middle) {
    auto events = test::CreatedDayFile(2);
    events.insert(events.begin() + 4, middle.begin(), middle.end());
    return events;
}

TEST(EventSearch, FindsAndContinues) {
    // 1 High 8-9 and 12-13; 2 High 8:30-14.
    const auto events = Recording({MakeEvent(1, true, At(8)), MakeEvent(2, true, At(8, 30)), MakeEvent(1, false, At(9)),
                                   MakeEvent(1, true, At(12)), MakeEvent(1, false, At(13)), MakeEvent(2, false, At(14))});
    SearchConditions both;
    both.Set(1, SearchCondition::High);
    both.Set(2, SearchCondition::High);
    const SearchHit first = SearchEvents(events, both, 0);
    EXPECT_EQ(first.r, 6u);
    EXPECT_EQ(first.s, 7u);
    EXPECT_FALSE(first.fileEnd);
    EXPECT_EQ(ContinuationAfter(first), 7u);
    const SearchHit second = SearchEvents(events, both, ContinuationAfter(first));
    EXPECT_EQ(second.r, 8u);
    EXPECT_EQ(second.s, 9u);
    EXPECT_EQ(SearchEvents(events, both, 10).r, 0u);
}

TEST(EventSearch, ConditionHoldingAtLastRecordReachesFileEnd) {
    const auto events = Recording({MakeEvent(2, true, At(1)), MakeEvent(2, false, At(8))});
    SearchConditions c;
    c.Set(1, SearchCondition::Low);
    c.Set(2, SearchCondition::Low);
    const SearchHit first = SearchEvents(events, c, 0);
    EXPECT_EQ(first.r, 3u);
    EXPECT_EQ(first.s, 5u);
    const SearchHit hit = SearchEvents(events, c, ContinuationAfter(first));
    EXPECT_EQ(hit.r, 6u);
    EXPECT_TRUE(hit.fileEnd);
    EXPECT_EQ(hit.s, events.size());
    EXPECT_EQ(ContinuationAfter(hit), 0u);
}

TEST(EventSearch, Texts) {
    TTimeStamp r{108, 3, 1, 8, 0, 0, 0, 0};
    TTimeStamp s{108, 3, 1, 9, 5, 1, 2, 3};
    EXPECT_EQ(SearchFoundText(r, s, false),
              "Die Suchbedingung ist erfüllt...\r\rvom     01.03.2008      08:00:00,00000\rbis       01.03.2008"
              "      09:05:01,00203\r\rWollen Sie weitersuchen?");
    EXPECT_NE(SearchFoundText(r, s, true).find("\r\r                          Achtung!!!\rBei der Suche wurde das Dateiende erreicht."),
              std::string::npos);
    EXPECT_EQ(ConditionOfCell("High"), SearchCondition::High);
    EXPECT_EQ(ConditionOfCell("x"), SearchCondition::DontCare);
}

}  // namespace
}  // namespace ovis
