// The statistics: events and their durations, numeric forms, entries, filters and "Berechnen".
#include <gtest/gtest.h>

#include <vector>

#include "evaluation/recording_events.h"
#include "evaluation/statistics_compute.h"
#include "evaluation/statistics_editing.h"
#include "evaluation/statistics_events.h"
#include "project/statistics_file.h"

namespace ovis {
namespace {

using test::EventTime;
using test::MakeEvent;

EventTime At(int std, int min, int sek, int ms = 0, int misek = 0, int tag = 1, int monat = 3, int jahr = 108) {
    return {monat, tag, std, min, sek * 1000 + ms, misek, jahr};
}

TEST(StatisticsEvents, DurationsBorrowFieldByField) {
    struct Case {
        EventTime start, end;
        double seconds;
    } cases[] = {
        {At(10, 0, 0), At(10, 0, 30), 30},
        {At(10, 59, 50), At(11, 0, 10), 20},
        {At(23, 59, 59, 500), At(0, 0, 0, 250, 0, 2), 0.75},
        {At(1, 0, 0, 0, 50), At(1, 0, 0, 1, 20), 0.0007},
        {At(12, 0, 0, 0, 0, 28, 2), At(12, 0, 0, 0, 0, 1, 3), 4 * 86400},  // the day borrow takes March's 31 days
        {At(23, 59, 50, 0, 0, 31, 12, 108), At(0, 0, 10, 0, 0, 1, 1, 109), 20},  // across a year end
        {At(23, 59, 50, 0, 0, 31, 1), At(0, 0, 10, 0, 0, 1, 2), 20},  // never negative
        {At(12, 0, 0, 0, 0, 99, 3), At(11, 0, 0, 0, 0, 1, 3), 0},        // a damaged day field: no time
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(EventDuration(MakeEvent(1, true, c.start), MakeEvent(1, false, c.end)), c.seconds, 1e-9)
            << c.start.std << ':' << c.start.min << " -> " << c.end.std << ':' << c.end.min;
    }
}

TEST(StatisticsEvents, StartNumbers) {
    const TRecordingEvent e = MakeEvent(4, true, At(14, 5, 9, 123, 45, 24, 12, 108));
    EXPECT_EQ(StartDateNumber(e), 1081224);
    EXPECT_NEAR(StartTimeNumber(e), 140509.12345, 1e-6);
}

std::vector<TRecordingEvent> Recording(std::vector<TRecordingEvent> body) {
    std::vector<TRecordingEvent> records{TRecordingEvent{}, MakeEvent(0, false, At(0, 0, 0))};
    records.insert(records.end(), body.begin(), body.end());
    return records;
}

TEST(StatisticsEvents, AHighRecordRunsToTheNextRecordOfItsMessage) {
    const auto records = Recording({
        MakeEvent(1, true, At(10, 0, 0)),
        MakeEvent(2, true, At(10, 0, 5)),
        MakeEvent(1, true, At(10, 0, 10)),   // ends the first event and starts the next
        MakeEvent(2, false, At(10, 0, 20)),
        MakeEvent(1, false, At(10, 0, 40)),
        MakeEvent(2, true, At(10, 1, 0)),    // no later record: no event
    });
    std::vector<std::pair<int, double>> events;
    ForEachStatisticsEvent(records, [&](const StatisticsEvent& e) { events.emplace_back(e.message, e.duration); });
    EXPECT_EQ(events, (std::vector<std::pair<int, double>>{{1, 10}, {2, 15}, {1, 30}}));
}

TEST(StatisticsForms, TextsBecomeNumbers) {
    EXPECT_EQ(DateForm("24.12.2008"), 1081224);
    EXPECT_EQ(DateForm("31.12.1999"), 991231);
    EXPECT_EQ(DateForm("  .  .    "), std::nullopt);
    EXPECT_EQ(DateForm("32.01.2008"), std::nullopt);
    EXPECT_EQ(TimeForm("23:59:59"), 235959);
    EXPECT_EQ(TimeForm("24:00:00"), std::nullopt);
    EXPECT_EQ(DurationForm("999999"), 999999);
    EXPECT_EQ(DurationForm("1000000"), std::nullopt);
    EXPECT_EQ(DurationForm(" 5"), std::nullopt);
    struct Ms {
        int value;
        double seconds;
    } ms[] = {{12345, 12.345}, {120, 0.12}, {5, 0.005}};
    for (const Ms& c : ms) EXPECT_DOUBLE_EQ(DurationSeconds(c.value, DurationUnit::Milliseconds), c.seconds);
}

TStatistikRecord Settings() { return DefaultStatistikRecord("01.03.2008"); }

void SetEntry(TStatistikRecord& r, StatisticsTab tab, int entry, const char* von, const char* bis) {
    r.Zeile[entry].Von[TabIndex(tab)] = von;
    r.Zeile[entry].Bis[TabIndex(tab)] = bis;
}

TEST(StatisticsEntries, UsedUpToTheFirstEmptyOrUnreadableOneAtMostSixteen) {
    TStatistikRecord r = Settings();
    EXPECT_EQ(EntryCount(r, StatisticsTab::Ereignisdauer), 0);
    SetEntry(r, StatisticsTab::Ereignisdauer, 0, "0", "10");
    SetEntry(r, StatisticsTab::Ereignisdauer, 1, "x", "10");
    SetEntry(r, StatisticsTab::Ereignisdauer, 2, "20", "30");
    EXPECT_EQ(EntryCount(r, StatisticsTab::Ereignisdauer), 1);
    for (int k = 0; k < kStatisticsEntries; ++k) EXPECT_TRUE(AddEntry(r, StatisticsTab::Tageszeit, ""));
    EXPECT_EQ(EntryCount(r, StatisticsTab::Tageszeit), 16);
    EXPECT_FALSE(AddEntry(r, StatisticsTab::Tageszeit, "")) << "no 17th entry";
    EXPECT_FALSE(StatisticsMenus(r, StatisticsTab::Tageszeit, 0, 0, false).newEntry);
    EXPECT_TRUE(StatisticsMenus(r, StatisticsTab::Tageszeit, 0, 15, false).deleteEntry);
    EXPECT_FALSE(StatisticsMenus(r, StatisticsTab::Tageszeit, 0, 15, false).print) << "nothing computed";
    EXPECT_TRUE(StatisticsMenus(r, StatisticsTab::Tageszeit, 0, 15, true).print);
}

TEST(StatisticsEntries, NewEntryDefaultsAndDeletion) {
    TStatistikRecord r = Settings();
    ASSERT_TRUE(AddEntry(r, StatisticsTab::Zeitraum, "05.03.2008"));
    ASSERT_TRUE(AddEntry(r, StatisticsTab::Tageszeit, ""));
    ASSERT_TRUE(AddEntry(r, StatisticsTab::Ereignisdauer, ""));
    EXPECT_EQ(EntryCategoryText(r, StatisticsTab::Zeitraum, 0), "05.03.2008  -- 05.03.2008");
    EXPECT_EQ(EntryCategoryText(r, StatisticsTab::Tageszeit, 0), " 00:00:00   ---   23:59:59");
    EXPECT_EQ(EntryCategoryText(r, StatisticsTab::Ereignisdauer, 0), "     0   ---   1000");
    SetEntry(r, StatisticsTab::Ereignisdauer, 1, "5", "6");
    SetEntry(r, StatisticsTab::Ereignisdauer, 15, "7", "8");
    EXPECT_FALSE(DeleteEntry(r, StatisticsTab::Ereignisdauer, 2));
    EXPECT_TRUE(DeleteEntry(r, StatisticsTab::Ereignisdauer, 0));
    EXPECT_EQ(r.Zeile[0].Von[3], "5");
    EXPECT_EQ(r.Zeile[14].Von[3], "7");
    EXPECT_EQ(r.Zeile[15].Von[3], "        ");
    EXPECT_EQ(r.Zeile[0].Von[2], "00:00:00") << "other tabs stay";
}

TEST(StatisticsEntries, RightClickTargets) {
    TStatistikRecord r = Settings();
    AddEntry(r, StatisticsTab::Tageszeit, "");
    struct Case {
        int row, x;
        bool exists;
        EntryHalf half;
        bool isNew;
    } cases[] = {{0, 84, true, EntryHalf::Von, false}, {0, 85, true, EntryHalf::Bis, false},
                 {1, 10, true, EntryHalf::Von, true},  {2, 10, false, EntryHalf::Von, false}};
    for (const Case& c : cases) {
        const auto target = EntryEditTargetAt(r, StatisticsTab::Tageszeit, c.row, c.x);
        ASSERT_EQ(target.has_value(), c.exists) << c.row;
        if (!target) continue;
        EXPECT_EQ(target->half, c.half);
        EXPECT_EQ(target->isNew, c.isNew);
    }
    EXPECT_FALSE(EntryEditTargetAt(r, StatisticsTab::Meldung, 0, 10));
    StoreEntryEdit(r, StatisticsTab::Tageszeit, *EntryEditTargetAt(r, StatisticsTab::Tageszeit, 1, 200), "12:00:00");
    EXPECT_EQ(EntryCategoryText(r, StatisticsTab::Tageszeit, 1), " 12:00:00   ---   12:00:00");
}

TEST(StatisticsEntries, WrongEntriesAreNamedAndRepaired) {
    struct Case {
        StatisticsTab tab;
        const char *von, *bis, *message;
    } cases[] = {
        {StatisticsTab::Zeitraum, "02.03.2008", "01.03.2008", "Der Zeitraum in Zeile 2 ist nicht korrekt angegeben!"},
        {StatisticsTab::Tageszeit, "10:00:01", "10:00:00", "Die Tageszeit in Zeile 2 ist nicht korrekt angegeben!"},
        {StatisticsTab::Ereignisdauer, "11", "9", "Die Dauer in Zeile 2 ist nicht korrekt angegeben!"},
    };
    for (const Case& c : cases) {
        TStatistikRecord r = Settings();
        AddEntry(r, c.tab, "01.03.2008");
        SetEntry(r, c.tab, 1, c.von, c.bis);
        const auto wrong = FindWrongEntry(r, c.tab);
        ASSERT_TRUE(wrong);
        EXPECT_EQ(wrong->entry, 1);
        EXPECT_EQ(wrong->message, c.message);
        RepairWrongEntry(r, c.tab, wrong->entry);
        EXPECT_EQ(r.Zeile[1].Bis[TabIndex(c.tab)], c.von);
        EXPECT_FALSE(FindWrongEntry(r, c.tab));
    }
}

TEST(StatisticsFilters, RefusalsAndFourCopies) {
    struct Case {
        StatisticsFilter filter;
        const char *von, *bis, *refusal;
    } cases[] = {
        {StatisticsFilter::Date, "02.03.2008", "01.03.2008",
         "Tragen Sie im linken Feld das \"ältere Datum\" und im rechten Feld das \"jüngere Datum\" ein!!!"},
        {StatisticsFilter::Time, "10:00:00", "09:00:00",
         "Tragen Sie im linken Feld den \"älteren Zeitwert\" und im rechten Feld den \"neueren Zeitwert\" ein!!!"},
        {StatisticsFilter::Duration, "10", "9",
         "Tragen Sie im linken Feld den \"kleineren Wert\" und im rechten Feld den \"größeren Wert\" ein!!!"},
    };
    for (const Case& c : cases) {
        TStatistikRecord r = Settings();
        const TStatistikRecord before = r;
        const FilterEdit refused = SetFilter(r, c.filter, c.von, c.bis);
        EXPECT_FALSE(refused.accepted);
        EXPECT_EQ(refused.refusal, c.refusal);
        EXPECT_FALSE(StatisticsSettingsDiffer(r, before));
        const FilterEdit accepted = SetFilter(r, c.filter, c.bis, c.von);
        EXPECT_TRUE(accepted.accepted);
        EXPECT_EQ(FilterVon(r, c.filter), c.bis);
        EXPECT_EQ(FilterBis(r, c.filter), c.von);
        const int row = c.filter == StatisticsFilter::Date ? kDateFilterRow
                        : c.filter == StatisticsFilter::Time ? kTimeFilterRow
                                                             : kDurationFilterRow;
        for (int tab = 0; tab < kStatisticsTabs; ++tab) {
            EXPECT_EQ(r.Zeile[row].Von[tab], c.bis);
            EXPECT_EQ(r.Zeile[row].Bis[tab], c.von);
        }
    }
    TStatistikRecord r = Settings();
    EXPECT_FALSE(SetFilter(r, StatisticsFilter::Duration, "", "5").accepted);
    EXPECT_TRUE(SetFilter(r, StatisticsFilter::Duration, "5", "5").accepted);
    for (int tab = 0; tab < kStatisticsTabs; ++tab) EXPECT_EQ(r.Zeile[kDurationFilterRow].Bis[tab], "5");
}

// Messages 1 and 2: events of 30 s, 20 s (10:59:50 -> 11:00:10), 0,5 s from 23:59:59,5 and 2 s
// the next day; message 3 is not shown.
std::vector<TRecordingEvent> FourEvents() {
    return Recording({
        MakeEvent(1, false, At(0, 0, 0)),
        MakeEvent(2, false, At(0, 0, 0)),
        MakeEvent(1, true, At(10, 0, 0)),
        MakeEvent(1, false, At(10, 0, 30)),
        MakeEvent(2, true, At(10, 59, 50)),
        MakeEvent(2, false, At(11, 0, 10)),
        MakeEvent(3, true, At(12, 0, 0)),
        MakeEvent(3, false, At(12, 0, 5)),
        MakeEvent(1, true, At(23, 59, 59, 500)),
        MakeEvent(1, false, At(0, 0, 0, 0, 0, 2)),
        MakeEvent(2, true, At(8, 0, 0, 0, 0, 2)),
        MakeEvent(2, false, At(8, 0, 2, 0, 0, 2)),
    });
}

TEST(StatisticsCompute, TabZeroFiltersByDateTimeAndDuration) {
    const auto records = FourEvents();
    const std::vector<int> shown{1, 2};
    TStatistikRecord r = Settings();
    auto result = ComputeStatistics(records, r, StatisticsTab::Meldung, DurationUnit::Seconds, shown);
    EXPECT_EQ(result.counts, (std::vector<int>{1, 1})) << "23:59:59,5 lies outside, 02.03. too";
    EXPECT_EQ(StatisticsTotals(result),
              (std::array<std::string, 6>{"2", "01.03.08   10:00:00", "01.03.08   10:59:50", "20,0000", "30,0000",
                                          "25,0000"}));
    ASSERT_TRUE(SetFilter(r, StatisticsFilter::Date, "01.03.2008", "02.03.2008").accepted);
    result = ComputeStatistics(records, r, StatisticsTab::Meldung, DurationUnit::Seconds, shown);
    EXPECT_EQ(result.counts, (std::vector<int>{1, 2}));
    EXPECT_EQ(PercentText(result.counts[0], result.total), "33,3");
    EXPECT_EQ(PercentText(result.counts[1], result.total), "66,6");
}

TEST(StatisticsCompute, MillisecondModeKeepsEventsOfAtMostOneSecond) {
    const auto records = FourEvents();
    TStatistikRecord r = Settings();
    SetFilter(r, StatisticsFilter::Date, "01.03.2008", "02.03.2008");
    SetFilter(r, StatisticsFilter::Time, "00:00:00", "23:59:59");
    const std::vector<int> shown{1, 2};
    auto result = ComputeStatistics(records, r, StatisticsTab::Meldung, DurationUnit::Milliseconds, shown);
    EXPECT_EQ(result.total, 0) << "no event of at most one second within the time filter";
    SetFilter(r, StatisticsFilter::Duration, "0", "2000");
    result = ComputeStatistics(records, r, StatisticsTab::Meldung, DurationUnit::Milliseconds, shown);
    EXPECT_EQ(result.counts, (std::vector<int>{0, 1}));
    EXPECT_EQ(StatisticsTotals(result)[5], "2,00000");
}

TEST(StatisticsCompute, EntryTabsCountUnderTheFirstMatchingEntry) {
    const auto records = FourEvents();
    TStatistikRecord r = Settings();
    SetFilter(r, StatisticsFilter::Date, "01.03.2008", "02.03.2008");
    SetEntry(r, StatisticsTab::Zeitraum, 0, "01.03.2008", "02.03.2008");
    SetEntry(r, StatisticsTab::Zeitraum, 1, "02.03.2008", "02.03.2008");  // overlaps: counts nothing
    SetEntry(r, StatisticsTab::Tageszeit, 0, "10:00:00", "10:59:59");
    SetEntry(r, StatisticsTab::Tageszeit, 1, "00:00:00", "23:59:59");
    SetEntry(r, StatisticsTab::Ereignisdauer, 0, "0", "20");
    SetEntry(r, StatisticsTab::Ereignisdauer, 1, "21", "30");
    const std::vector<int> none;
    struct Case {
        StatisticsTab tab;
        std::vector<int> counts;
    } cases[] = {
        {StatisticsTab::Zeitraum, {4, 0}},       // every message; 23:59:59,5 is outside the time filter
        {StatisticsTab::Tageszeit, {2, 2}},      // T = 235959,5 fits neither entry
        {StatisticsTab::Ereignisdauer, {3, 1}},  // 23:59:59,5 is outside the time filter
    };
    for (const Case& c : cases) {
        const auto result = ComputeStatistics(records, r, c.tab, DurationUnit::Seconds, none);
        EXPECT_EQ(result.counts, c.counts) << TabIndex(c.tab);
    }
}

TEST(StatisticsCompute, TextsOfNumbers) {
    EXPECT_EQ(PercentText(1, 1), "100");
    EXPECT_EQ(PercentText(1, 16), "6,25");
    EXPECT_EQ(PercentText(0, 0), "0");
    EXPECT_EQ(DurationText(1234.5), "1234,50");
    EXPECT_EQ(DurationText(0.00001), "0,00001");
    EXPECT_EQ(StatisticsTotals(StatisticsResult{}), (std::array<std::string, 6>{}));
    EXPECT_EQ(StatisticsRowNumber(0), "001");
}

}  // namespace
}  // namespace ovis
