#pragma once
// The statistics settings read as numbers: the range entries of tabs 1-3 and the three filters
// in their numeric forms (dates 0/1 + yymmdd, times hhmmss, durations in seconds).
#include <optional>
#include <string_view>
#include <vector>

#include "project/statistik_record.h"

namespace ovis {

enum class StatisticsTab { Meldung = 0, Zeitraum = 1, Tageszeit = 2, Ereignisdauer = 3 };
enum class DurationUnit { Seconds, Milliseconds };

inline int TabIndex(StatisticsTab tab) { return static_cast<int>(tab); }

// "dd.mm.yyyy" as "0" (19yy) or "1" (otherwise) followed by yymmdd: 24.12.2008 -> 1081224.
// Nothing for any other text or an impossible day or month.
std::optional<int> DateForm(std::string_view text);
// "hh:mm:ss" as hhmmss (23:59:59 -> 235959); nothing for any other text.
std::optional<int> TimeForm(std::string_view text);
// One to six digits as a number; nothing for any other text.
std::optional<int> DurationForm(std::string_view text);
// A duration number in seconds: milliseconds are divided by 1000.
double DurationSeconds(int value, DurationUnit unit);

// The numeric form of a field of tab 1 (date), 2 (time of day) or 3 (duration, in seconds).
std::optional<double> FieldValue(StatisticsTab tab, std::string_view text, DurationUnit unit);

struct StatisticsRange {
    double von = 0;
    double bis = 0;
    bool Contains(double value) const { return von <= value && value <= bis; }
};

// The entries of a tab in use: from the first on up to the first empty one (its von starts with a
// blank or is empty) or unreadable one, at most 16. Always 0 for tab 0.
int EntryCount(const TStatistikRecord& record, StatisticsTab tab);
// Their ranges in numeric form.
std::vector<StatisticsRange> EntryRanges(const TStatistikRecord& record, StatisticsTab tab, DurationUnit unit);

struct StatisticsFilters {
    StatisticsRange date;
    StatisticsRange time;
    StatisticsRange duration;
};

// The filters of tab 0's copies in numeric form. A bound that cannot be read does not restrict:
// von as the smallest, bis as the largest possible value.
StatisticsFilters ReadFilters(const TStatistikRecord& record, DurationUnit unit);

}  // namespace ovis
