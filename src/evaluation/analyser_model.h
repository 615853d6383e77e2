#pragma once
// The analyser in file mode: the rows of the recording's folder, the marked rows, the window over
// the time axis with its cursor, the column states and the copy of them as last drawn, and the
// scroll bar in record indices. The window only draws what this model decides.
#include <optional>
#include <string>
#include <vector>

#include "evaluation/analyser_navigation.h"
#include "evaluation/analyser_rows.h"
#include "evaluation/column_states.h"
#include "evaluation/row_marks.h"
#include "project/recording.h"

namespace ovis {

// The message for a recording without any event record.
std::string NoEventsText(const std::string& fileName);

// The analyser's caption in file mode.
std::string FileModeCaption(const std::string& fileName);

enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, Track, Position };

// Where the analyser stands on the time axis: kept when it is reopened after a selection change.
struct AnalyserPlace {
    AnalyserView view;
    int scrollPosition = 1;
};

struct DiagramCell {
    int row;
    int column;
    bool operator==(const DiagramCell&) const = default;
};

class AnalyserModel {
public:
    // First opening of the loaded recording with `columns` columns: division "Stunden" from 00:00
    // of the first event's date, the thumb at 1, the cursor on the first data column. False (and
    // nothing changed) when the recording has no event record.
    bool Open(const TRecording& recording, AnalyserRows rows, int columns);
    // Opening again after the selection changed: rows, states and cursor are rebuilt; division,
    // window and scroll position are those of `place`. False when the recording has no event record.
    bool Reopen(const TRecording& recording, AnalyserRows rows, const AnalyserPlace& place);
    AnalyserPlace Place() const { return {view_, scrollPosition_}; }

    // After a change of the events: the column states of the window.
    void Recompute();
    // After an edit changed the records (and maybe their count): the scroll range and the column
    // states; the window and the cursor stay.
    void RecordsChanged();
    // A found record at the cursor: the left edge is `stamp` truncated to the division (as for the
    // scroll thumb) minus 10 units, and the cursor goes to column 11.
    void ShowAtCursor(const TTimeStamp& stamp);

    // Shows the window of `division` (1-9) from `left` as given, without truncation; the cursor
    // goes to the first data column.
    void SetWindow(int division, const TTimeStamp& left);

    bool ZoomIn();
    bool ZoomOut();
    // A choice in the division list (1-9); only a coarser one applies.
    bool ChooseDivision(int division);
    // A scroll bar event; `position` is the thumb's position for Track and Position. True when the
    // window moved.
    bool Scroll(ScrollAction action, int position);
    // A left click in the diagram at (x, y): marks only the row under it and moves the cursor when
    // it lands in another data column. The former cursor column when the cursor moved.
    std::optional<int> ClickDiagram(int x, int y);
    // A new column count (window resized).
    void SetColumns(int columns);

    // The cells to paint: every cell of the diagram when `full`, else those whose state differs
    // from the copy last drawn. The copy then equals the states.
    std::vector<DiagramCell> TakeCellsToDraw(bool full);

    const AnalyserRows& Rows() const { return rows_; }
    RowMarks& Marks() { return marks_; }
    const RowMarks& Marks() const { return marks_; }
    const AnalyserView& View() const { return view_; }
    int Division() const { return view_.division; }
    int Columns() const { return view_.columns; }
    int Cursor() const { return cursor_; }
    TTimeStamp CursorTime() const { return ColumnStart(view_, cursor_); }
    int FirstDataColumn() const { return data_.firstDataColumn; }
    int LastDataColumn() const { return data_.lastDataColumn; }
    const TTimeStamp& FileStart() const { return fileStart_; }
    const ColumnStateTable& States() const { return states_; }
    TColumnState State(int row, int column) const { return states_.At(row, column); }
    ScrollRange ScrollBarRange() const { return range_; }
    int ScrollPosition() const { return scrollPosition_; }

private:
    bool TakeRecording(const TRecording& recording, AnalyserRows rows);
    // Recomputes; with `fromLeftEdge` the thumb takes the record reached at the left edge.
    void Recompute(bool fromLeftEdge);
    void AfterWindowChange(bool cursorToFirstData);

    const TRecording* recording_ = nullptr;
    AnalyserRows rows_;
    RowMarks marks_;
    AnalyserView view_;
    int cursor_ = 1;
    ColumnStateTable states_;
    ColumnStateTable drawn_;
    ColumnStatesResult data_;
    TTimeStamp fileStart_;
    std::size_t firstEventRecord_ = 0;
    ScrollRange range_;
    int scrollPosition_ = 1;
};

}  // namespace ovis
