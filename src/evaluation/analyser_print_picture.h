#pragma once
// What the analyser's printed picture shows: up to 33 rows from the first row scrolled into view,
// names cut to 16 characters, 110 columns of the current division from the window's left edge,
// and the dates and times under the left edge, the middle and the right edge.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "evaluation/analyser_navigation.h"
#include "evaluation/analyser_rows.h"
#include "evaluation/column_states.h"

namespace ovis {

inline constexpr int kPrintRows = 33;
inline constexpr int kPrintColumns = 110;
inline constexpr std::size_t kPrintNameLength = 16;

struct AnalyserPrintRow {
    std::string name;  // record bytes, at most 16
    std::array<TColumnState, kPrintColumns> cells{};  // column 1 at index 0
};

struct AnalyserPrintLabel {
    std::string date;  // dd.mm.yyyy
    std::string time;  // hh:mm:ss,mmmuu
};

struct AnalyserPrintPicture {
    std::vector<AnalyserPrintRow> rows;  // only rows that show a message
    std::array<AnalyserPrintLabel, 3> labels;  // left edge, middle, right edge
};

// `firstRow` (1-based) is the top row in view; `view` gives the division and the left edge.
AnalyserPrintPicture BuildAnalyserPrintPicture(std::span<const TRecordingEvent> records, const AnalyserRows& rows,
                                               int firstRow, const AnalyserView& view);

}  // namespace ovis
