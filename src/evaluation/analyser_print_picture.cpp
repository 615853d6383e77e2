#include "evaluation/analyser_print_picture.h"

#include <algorithm>
#include <memory>

#include "evaluation/analyser_time_labels.h"

namespace ovis {

AnalyserPrintPicture BuildAnalyserPrintPicture(std::span<const TRecordingEvent> records, const AnalyserRows& rows,
                                               int firstRow, const AnalyserView& view) {
    AnalyserView printed = view;
    printed.columns = kPrintColumns;
    SetLeftEdge(printed, view.left);
    auto states = std::make_unique<ColumnStateTable>();
    ComputeColumnStates(records, rows, {printed.division, kPrintColumns, printed.left}, *states);

    AnalyserPrintPicture picture;
    const int first = std::max(firstRow, 1);
    const int last = std::min(rows.Count(), first + kPrintRows - 1);
    for (int row = first; row <= last; ++row) {
        AnalyserPrintRow line;
        line.name = rows.Name(row).substr(0, kPrintNameLength);
        for (int column = 1; column <= kPrintColumns; ++column)
            line.cells[std::size_t(column - 1)] = states->At(row, column);
        picture.rows.push_back(std::move(line));
    }
    const TTimeStamp stamps[] = {printed.left, ColumnStart(printed, kPrintColumns / 2 + 1), printed.right};
    for (std::size_t k = 0; k < picture.labels.size(); ++k) picture.labels[k] = {DateLabel(stamps[k]), TimeLabel(stamps[k])};
    return picture;
}

}  // namespace ovis
