#include "reports/statistics_report.h"

#include "evaluation/statistics_editing.h"
#include "evaluation/statistics_table.h"
#include "records/codepage.h"

namespace ovis {
namespace {

constexpr const char* kTabTitles[] = {"Meldung", "Zeitraum", "Tageszeit", "Ereignisdauer"};

std::string DurationTitle(DurationUnit unit) {
    return unit == DurationUnit::Milliseconds ? "Dauer (MSek)" : "Dauer (Sek)";
}

std::string CategoryTitle(StatisticsTab tab, DurationUnit unit) {
    return tab == StatisticsTab::Ereignisdauer ? DurationTitle(unit) : kTabTitles[TabIndex(tab)];
}

// The filter a tab counts with: each tab but the one its entries are made of.
bool FilterApplies(StatisticsTab tab, StatisticsFilter filter) {
    switch (filter) {
        case StatisticsFilter::Date: return tab != StatisticsTab::Zeitraum;
        case StatisticsFilter::Time: return tab != StatisticsTab::Tageszeit;
        case StatisticsFilter::Duration: return tab != StatisticsTab::Ereignisdauer;
    }
    return false;
}

std::string FilterLine(const TStatistikRecord& settings, StatisticsFilter filter, const std::string& caption) {
    return caption + ": von " + ToUtf8(FilterVon(settings, filter)) + " bis " + ToUtf8(FilterBis(settings, filter));
}

std::string WithoutLeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

bool StatisticsPrintable(const StatisticsResult* result) { return result && result->total > 0; }

Report StatisticsReport(const StatisticsReportInput& in) {
    Report report;
    report.title = "Statistikauswertung";
    report.headerLine = "Projekt: " + std::string(in.projectName) + "                        Datei: " +
                        std::string(in.fileName);
    report.project = std::string(in.projectName);
    report.date = std::string(in.date);

    ReportText filters;
    filters.lines.push_back(std::string("Auswertung: ") + kTabTitles[TabIndex(in.tab)]);
    const std::pair<StatisticsFilter, std::string> shown[] = {{StatisticsFilter::Date, "Datum"},
                                                              {StatisticsFilter::Time, "Tageszeit"},
                                                              {StatisticsFilter::Duration, DurationTitle(in.unit)}};
    for (const auto& [filter, caption] : shown)
        if (FilterApplies(in.tab, filter)) filters.lines.push_back(FilterLine(in.settings, filter, caption));
    report.blocks.emplace_back(std::move(filters));

    ReportTable totals;
    totals.columns = {{"Summen", 26, false, ReportAlign::Left}, {"", 20, true, ReportAlign::Left}};
    const auto values = StatisticsTotals(in.result);
    for (std::size_t k = 0; k < values.size(); ++k) totals.rows.push_back({kStatisticsTotalsLabels[k], values[k]});
    report.blocks.emplace_back(std::move(totals));

    ReportTable table;
    table.columns = {{"Nr", 4, false, ReportAlign::Right},
                     {CategoryTitle(in.tab, in.unit), 24, true, ReportAlign::Left},
                     {"Anzahl", 8, false, ReportAlign::Right},
                     {"%", 6, false, ReportAlign::Right}};
    for (const StatisticsRowTexts& row : StatisticsRows(in.settings, in.tab, in.shownNames, &in.result))
        table.rows.push_back({row.number, ToUtf8(WithoutLeadingBlanks(row.category)), row.count, row.percent});
    report.blocks.emplace_back(std::move(table));
    return report;
}

}  // namespace ovis
