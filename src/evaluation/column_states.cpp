#include "evaluation/column_states.h"

#include <algorithm>

#include "project/recording_time.h"

namespace ovis {
namespace {

constexpr std::int64_t kStepsPerSecond = 100000;
constexpr std::int64_t kStepsPerDay = 86400 * kStepsPerSecond;

constexpr std::int64_t kDivisionSteps[9] = {kStepsPerDay, 3600 * kStepsPerSecond, 60 * kStepsPerSecond,
                                            kStepsPerSecond, 10000, 1000, 100, 10, 1};

std::int64_t Steps(int monat, int tag, int std, int min, std::int64_t sekMSek, int misek) {
    return (std::int64_t(MonthStart(monat)) + tag - 1) * kStepsPerDay + (std::int64_t(std) * 3600 + min * 60) * kStepsPerSecond +
           sekMSek * 100 + misek;
}

}  // namespace

TColumnState ApplyRecordLevel(TColumnState code, bool high) {
    int next = code;
    if (high != EndsHigh(code)) {
        next += 1;
    } else if (code != 4) {
        next += 2;
        if (next == 11) next = 9;
    }
    if (next == 5) next = 3;
    if (next == 10) next = 8;
    return TColumnState(next);
}

std::int64_t EventSteps(const TRecordingEvent& e) {
    return Steps(e.Monat, e.Tag, e.Std, e.Min, e.SekMSek.get(), e.Misek);
}

std::int64_t StampSteps(const TTimeStamp& t) {
    return Steps(t.Monat, t.Tag, t.Std, t.Min, std::int64_t(t.Sek) * 1000 + t.MSek, t.Misek);
}

std::int64_t DivisionSteps(int division) { return kDivisionSteps[std::clamp(division, 1, 9) - 1]; }

ColumnStatesResult ComputeColumnStates(std::span<const TRecordingEvent> records, const AnalyserRows& rows,
                                       const ColumnWindow& window, ColumnStateTable& table) {
    const int n = std::clamp(window.columns, 1, kAnalyserMaxColumns);
    const int shown = rows.Count();
    table.Clear();
    for (int r = 1; r <= shown; ++r)
        for (int c = 0; c <= n; ++c) table.At(r, c) = kLowThroughout;

    ColumnStatesResult result;
    result.lastDataColumn = n;
    const std::int64_t left = StampSteps(window.left);
    const std::int64_t unit = DivisionSteps(window.division);

    // Before the window: the shown records set column 0.
    std::size_t k = 0;
    for (; k < records.size(); ++k) {
        const TRecordingEvent& e = records[k];
        const int row = rows.RowOf(MessageNumber(e));
        if (IsMarker(e) || row == 0) continue;
        if (EventSteps(e) >= left) break;
        table.At(row, 0) = IsLevelHigh(e) ? kHighThroughout : kLowThroughout;
        result.firstDataColumn = 1;
    }
    result.leftRecord = k + 1;

    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= shown; ++r) table.At(r, c) = SteadyCode(table.At(r, c - 1));
        const std::int64_t end = left + unit * c;
        while (k < records.size() && EventSteps(records[k]) < end) {
            if (result.firstDataColumn == 0) result.firstDataColumn = c;
            const TRecordingEvent& e = records[k];
            if (const int row = rows.RowOf(MessageNumber(e)); row != 0 && !IsMarker(e))
                table.At(row, c) = ApplyRecordLevel(table.At(row, c), IsLevelHigh(e));
            do ++k;
            while (k < records.size() && IsMarker(records[k]));
        }
        if (k >= records.size()) {
            result.lastDataColumn = c;
            break;
        }
    }
    return result;
}

}  // namespace ovis
