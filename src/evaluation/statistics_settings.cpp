#include "evaluation/statistics_settings.h"

#include <limits>

namespace ovis {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number of the digits text[pos..pos+count); nothing when any of them is no digit.
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsEmptyField(std::string_view text) { return text.empty() || text.front() == ' '; }

}  // namespace

std::optional<int> DateForm(std::string_view text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
    const auto day = Digits(text, 0, 2), month = Digits(text, 3, 2), year = Digits(text, 6, 4);
    if (!day || !month || !year || *day < 1 || *day > 31 || *month < 1 || *month > 12) return std::nullopt;
    const int century = text[8] == '9' ? 0 : 1;
    return century * 1000000 + (*year % 100) * 10000 + *month * 100 + *day;
}

std::optional<int> TimeForm(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    const auto h = Digits(text, 0, 2), m = Digits(text, 3, 2), s = Digits(text, 6, 2);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
    return *h * 10000 + *m * 100 + *s;
}

std::optional<int> DurationForm(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    return Digits(text, 0, text.size());
}

double DurationSeconds(int value, DurationUnit unit) {
    return unit == DurationUnit::Milliseconds ? value / 1000.0 : double(value);
}

std::optional<double> FieldValue(StatisticsTab tab, std::string_view text, DurationUnit unit) {
    std::optional<int> value;
    switch (tab) {
        case StatisticsTab::Zeitraum: value = DateForm(text); break;
        case StatisticsTab::Tageszeit: value = TimeForm(text); break;
        case StatisticsTab::Ereignisdauer:
            if (const auto d = DurationForm(text)) return DurationSeconds(*d, unit);
            return std::nullopt;
        case StatisticsTab::Meldung: return std::nullopt;
    }
    if (!value) return std::nullopt;
    return double(*value);
}

int EntryCount(const TStatistikRecord& record, StatisticsTab tab) {
    if (tab == StatisticsTab::Meldung) return 0;
    const int t = TabIndex(tab);
    int count = 0;
    while (count < kStatisticsEntries) {
        const TStatistikRow& row = record.Zeile[count];
        if (IsEmptyField(row.Von[t].view()) || !FieldValue(tab, row.Von[t].view(), DurationUnit::Seconds) ||
            !FieldValue(tab, row.Bis[t].view(), DurationUnit::Seconds))
            break;
        ++count;
    }
    return count;
}

std::vector<StatisticsRange> EntryRanges(const TStatistikRecord& record, StatisticsTab tab, DurationUnit unit) {
    const int t = TabIndex(tab);
    std::vector<StatisticsRange> ranges;
    const int count = EntryCount(record, tab);
    for (int k = 0; k < count; ++k) {
        const TStatistikRow& row = record.Zeile[k];
        ranges.push_back({*FieldValue(tab, row.Von[t].view(), unit), *FieldValue(tab, row.Bis[t].view(), unit)});
    }
    return ranges;
}

StatisticsFilters ReadFilters(const TStatistikRecord& record, DurationUnit unit) {
    constexpr double kLowest = -std::numeric_limits<double>::infinity();
    constexpr double kHighest = std::numeric_limits<double>::infinity();
    auto range = [&](int row, StatisticsTab kind) {
        const TStatistikRow& r = record.Zeile[row];
        return StatisticsRange{FieldValue(kind, r.Von[0].view(), unit).value_or(kLowest),
                               FieldValue(kind, r.Bis[0].view(), unit).value_or(kHighest)};
    };
    return {range(kDateFilterRow, StatisticsTab::Zeitraum), range(kTimeFilterRow, StatisticsTab::Tageszeit),
            range(kDurationFilterRow, StatisticsTab::Ereignisdauer)};
}

}  // namespace ovis
