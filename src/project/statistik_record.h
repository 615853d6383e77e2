#pragma once
// The statistics settings of a project, the only record of "Statistik.ofp": 19 rows, each with a
// "von" and a "bis" half of one string[10] per statistics tab. Rows 1-16 hold the range entries,
// row 17 the date filter, 18 the time-of-day filter and 19 the duration filter.
#include <cstddef>

#include "records/pascal_string.h"

namespace ovis {

inline constexpr int kStatisticsTabs = 4;
inline constexpr int kStatisticsRows = 19;
inline constexpr int kStatisticsEntries = 16;
// Row indices (0-based) of the three filters.
inline constexpr int kDateFilterRow = 16;
inline constexpr int kTimeFilterRow = 17;
inline constexpr int kDurationFilterRow = 18;

using StatistikField = PString<10>;

struct TStatistikRow {
    StatistikField Von[kStatisticsTabs];
    StatistikField Bis[kStatisticsTabs];
};

struct TStatistikRecord {
    TStatistikRow Zeile[kStatisticsRows];
};

static_assert(sizeof(StatistikField) == 11 && alignof(TStatistikRecord) == 1);
static_assert(sizeof(TStatistikRow) == 88);
static_assert(offsetof(TStatistikRow, Von) == 0);
static_assert(offsetof(TStatistikRow, Bis) == 44);
static_assert(offsetof(TStatistikRow, Bis) + 3 * sizeof(StatistikField) == 77);
static_assert(sizeof(TStatistikRecord) == 1672);
static_assert(offsetof(TStatistikRecord, Zeile) == 0);
// Row r (1-based), half h, tab t lies at (r - 1) * 88 + h * 44 + t * 11.
static_assert(offsetof(TStatistikRecord, Zeile[kDateFilterRow].Von[0]) == 16 * 88);
static_assert(offsetof(TStatistikRecord, Zeile[kDurationFilterRow].Bis[3]) == 18 * 88 + 44 + 33);

}  // namespace ovis
