#pragma once
// TColumnState, the level code of a diagram cell, and the state table computed from the records
// of a recording for one window of the analyser.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "evaluation/analyser_rows.h"
#include "evaluation/recording_division.h"
#include "project/recording_event.h"

namespace ovis {

// 1 Low throughout, 2 one rising edge, 3 several changes ending Low, 4 several ending High,
// 6 High throughout, 7 one falling edge, 8 several ending High, 9 several ending Low. An even code
// ends High. 0: no state (an empty row).
using TColumnState = std::uint8_t;

inline constexpr TColumnState kLowThroughout = 1;
inline constexpr TColumnState kHighThroughout = 6;

inline bool EndsHigh(TColumnState code) { return code != 0 && code % 2 == 0; }
// The code a column starts from after a column that ended with `previous`.
inline TColumnState SteadyCode(TColumnState previous) { return EndsHigh(previous) ? kHighThroughout : kLowThroughout; }

// The code of a cell after one more record of its message in the column: a changed level adds 1,
// the same level 2 (4 stays 4, 11 becomes 9); then 5 becomes 3 and 10 becomes 8.
TColumnState ApplyRecordLevel(TColumnState code, bool high);

// Rows 1..1000 by columns 0..120; column 0 holds the state before the window.
class ColumnStateTable {
public:
    static constexpr int kColumns = kAnalyserMaxColumns + 1;

    ColumnStateTable() : cells_(std::size_t(kAnalyserRowCapacity + 1) * kColumns, 0) {}

    TColumnState At(int row, int column) const { return cells_[Index(row, column)]; }
    TColumnState& At(int row, int column) { return cells_[Index(row, column)]; }
    void Clear() { std::fill(cells_.begin(), cells_.end(), TColumnState{0}); }
    bool operator==(const ColumnStateTable&) const = default;

private:
    static std::size_t Index(int row, int column) { return std::size_t(row) * kColumns + std::size_t(column); }
    std::vector<TColumnState> cells_;
};

// Times in 10-microsecond steps from 1 January 00:00 of the year (the year is not part of them,
// as in EventSeconds).
std::int64_t EventSteps(const TRecordingEvent& event);
std::int64_t StampSteps(const TTimeStamp& stamp);
// One unit of division `division` (1-9).
std::int64_t DivisionSteps(int division);

struct ColumnWindow {
    int division = 2;  // 1-9
    int columns = 60;  // N
    TTimeStamp left;
};

struct ColumnStatesResult {
    int firstDataColumn = 0;  // 1 with records before the window, 0 with none before or in it
    int lastDataColumn = 0;   // the column in which the records end; N when they go on
    // The record (1-based) reached at the left edge: the first shown record not before it, or
    // Count + 1.
    std::size_t leftRecord = 0;
};

// Recomputes columns 0..N of every shown row from records 1..Count (`records`); every other cell
// becomes 0. Marker records are skipped; records of messages without a row change no row.
ColumnStatesResult ComputeColumnStates(std::span<const TRecordingEvent> records, const AnalyserRows& rows,
                                       const ColumnWindow& window, ColumnStateTable& table);

}  // namespace ovis
