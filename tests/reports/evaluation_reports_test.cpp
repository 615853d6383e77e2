// The reports of the analyser and of a statistics tab.
#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
#include "project/statistics_file.h"
#include "records/codepage.h"
#include "reports/analyser_report.h"
#include "reports/statistics_report.h"

namespace ovis {
namespace {

using Row = std::vector<std::string>;

TEST(AnalyserReport, HeaderWithProjectFileAndDivisionAndThePicture) {
    ReportPicture picture{2, 1, {0xFFFFFFFFu, 0xFF000000u}};
    const Report report = AnalyserReport(picture, "Halle", "Tag 1.ofa", "Stunden", "11.12.2026");
    EXPECT_EQ(report.headerLine,
              "Analyser             Projekt: Halle             Datei: Tag 1.ofa             Einteilung: Stunden");
    EXPECT_EQ(report.project, "Halle");
    EXPECT_EQ(report.date, "11.12.2026");
    ASSERT_EQ(report.blocks.size(), 1u);
    EXPECT_EQ(std::get<ReportPicture>(report.blocks[0]).pixels, picture.pixels);
}

// Message 1 counted twice, message 2 once: 30 s, 10 s and 20 s.
StatisticsResult ThreeEvents(StatisticsTab tab) {
    StatisticsResult result;
    result.tab = tab;
    result.counts = {2, 1};
    result.total = 3;
    result.minDuration = 10;
    result.maxDuration = 30;
    result.sumDuration = 60;
    result.first = test::MakeEvent(1, true, {3, 1, 8});
    result.last = test::MakeEvent(2, true, {3, 1, 9});
    return result;
}

TEST(StatisticsReport, PrintableOnlyWithCountedEvents) {
    EXPECT_FALSE(StatisticsPrintable(nullptr));
    const StatisticsResult nothingCounted;
    EXPECT_FALSE(StatisticsPrintable(&nothingCounted));
    const StatisticsResult counted = ThreeEvents(StatisticsTab::Meldung);
    EXPECT_TRUE(StatisticsPrintable(&counted));
    EXPECT_EQ(std::string(kStatisticsNotComputed),
              "Bitte drücken Sie zuerst \"Berechnen\", damit druckbare Daten zur Verfügung stehen !!!");
}

TEST(StatisticsReport, MessageTabWithFiltersTotalsAndTable) {
    const TStatistikRecord settings = DefaultStatistikRecord("01.03.2008");
    const std::vector<std::string> names{" T\xFCr auf", "Licht"};
    const StatisticsResult result = ThreeEvents(StatisticsTab::Meldung);
    const Report report = StatisticsReport(
        {settings, StatisticsTab::Meldung, DurationUnit::Seconds, names, result, "Halle", "Tag 1.ofa", "11.12.2026"});
    EXPECT_EQ(report.title, "Statistikauswertung");
    EXPECT_EQ(report.headerLine, "Projekt: Halle                        Datei: Tag 1.ofa");
    ASSERT_EQ(report.blocks.size(), 3u);
    EXPECT_EQ(std::get<ReportText>(report.blocks[0]).lines,
              (Row{"Auswertung: Meldung", "Datum: von 01.03.2008 bis 01.03.2008", "Tageszeit: von 00:00:00 bis 23:59:59",
                   "Dauer (Sek): von 0 bis 1000"}));
    const auto& totals = std::get<ReportTable>(report.blocks[1]);
    ASSERT_EQ(totals.rows.size(), 6u);
    EXPECT_EQ(totals.rows[0], (Row{"Anzahl aller Ereignisse:", "3"}));
    EXPECT_EQ(totals.rows[5][0], "Ereignisdauer im Mittel:");
    const auto& table = std::get<ReportTable>(report.blocks[2]);
    EXPECT_EQ(table.columns[1].title, "Meldung");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], (Row{"001", "Tür auf", "2", "66,6"}));
    EXPECT_EQ(table.rows[1], (Row{"002", "Licht", "1", "33,3"}));
}

TEST(StatisticsReport, EachTabLeavesOutTheFilterItsEntriesAreMadeOf) {
    TStatistikRecord settings = DefaultStatistikRecord("01.03.2008");
    settings.Zeile[0].Von[3] = "0", settings.Zeile[0].Bis[3] = "20";
    settings.Zeile[1].Von[3] = "21", settings.Zeile[1].Bis[3] = "40";
    struct Case {
        StatisticsTab tab;
        DurationUnit unit;
        std::size_t filterLines;
        const char* absent;
        const char* category;
    } const cases[] = {
        {StatisticsTab::Zeitraum, DurationUnit::Seconds, 3, "Datum:", "Zeitraum"},
        {StatisticsTab::Tageszeit, DurationUnit::Seconds, 3, "Tageszeit:", "Tageszeit"},
        {StatisticsTab::Ereignisdauer, DurationUnit::Milliseconds, 3, "Dauer", "Dauer (MSek)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TabIndex(c.tab));
        const StatisticsResult result = ThreeEvents(c.tab);
        const Report report = StatisticsReport({settings, c.tab, c.unit, {}, result, "Halle", "Tag.ofa", "11.12.2026"});
        const auto& lines = std::get<ReportText>(report.blocks[0]).lines;
        ASSERT_EQ(lines.size(), c.filterLines);
        for (const std::string& line : lines) EXPECT_NE(line.rfind(c.absent, 0), 0u) << line;
        EXPECT_EQ(std::get<ReportTable>(report.blocks[2]).columns[1].title, c.category);
    }
}

}  // namespace
}  // namespace ovis
