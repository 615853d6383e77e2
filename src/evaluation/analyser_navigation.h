#pragma once
// The analyser's window over the time axis and how the user moves it: zoom, the division list,
// the truncation of the left edge per division, scrolling by record index, the cursor, and the
// column count of the window size.
#include <optional>
#include <string>

#include "evaluation/recording_division.h"
#include "project/recording_event.h"

namespace ovis {

inline constexpr int kCoarsestDivision = 1;  // "Tage"
inline constexpr int kOpeningDivision = 2;   // "Stunden"
inline constexpr int kFinestDivision = 9;    // "10 Mikrosekunden"
inline constexpr int kNormalColumns = 60;

// Division number 1-9 (clamped).
const TDivision& DivisionOf(int number);

// The division list's entry: the name right-aligned with leading blanks to the longest name.
std::string DivisionListEntry(int number);

struct AnalyserView {
    int division = kOpeningDivision;
    int columns = kNormalColumns;  // N
    TTimeStamp left;
    TTimeStamp right;  // always left + N units
};

// Sets the left edge and the right edge N units after it.
void SetLeftEdge(AnalyserView& view, const TTimeStamp& left);
// The start of column `column` (1-based): left + (column - 1) units; the cursor time.
TTimeStamp ColumnStart(const AnalyserView& view, int column);

TTimeStamp StampOf(const TRecordingEvent& event);
TTimeStamp StartOfDay(const TTimeStamp& stamp);

// The left edge after choosing the coarser division `division`: "Tage" the file start's date at
// 00:00, "Stunden" 00:00 of the left edge's day, "Minuten" the start of its hour, "Sekunden" the
// start of its minute; finer divisions keep it.
TTimeStamp TruncatedForCoarser(const TTimeStamp& left, int division, const TTimeStamp& fileStart);
// The left edge after dragging the scroll thumb to a record: its time truncated to the division.
TTimeStamp TruncatedForThumb(const TTimeStamp& record, int division, const TTimeStamp& fileStart);

// Zoom in at the cursor: the cursor column becomes the first column of the next finer division.
// False at the finest division.
bool ZoomIn(AnalyserView& view, int cursor);
// A choice in the division list: only a coarser division applies (true); a finer or the same one
// leaves the view as it is.
bool ChooseDivision(AnalyserView& view, int division, const TTimeStamp& fileStart);
// The next coarser division; false at "Tage".
bool ZoomOut(AnalyserView& view, const TTimeStamp& fileStart);

// Scroll arrows move the window by one unit while data stays in view: up while the first data
// column is below N, down while the last data column is above 1.
bool CanLineUp(int firstDataColumn, int columns);
bool CanLineDown(int lastDataColumn);

struct ScrollRange {
    int minimum = 0;
    int maximum = 0;
};
// The scroll bar in record indices: from (first event record - 2) to (Count - first event record).
ScrollRange RecordScrollRange(std::size_t firstEventRecord, std::size_t count);
// The record a thumb position leaves at the left edge: at least record 3, at most Count.
std::size_t ThumbRecord(int position, std::size_t count);
// After a scroll event: the thumb goes to its maximum when the data ends in column 1 and to its
// minimum when it starts in column N.
int ThumbAfterScroll(int position, ScrollRange range, int firstDataColumn, int lastDataColumn, int columns);

// The cursor after a left click at x in the diagram: column x div 8 + 1 when it differs from the
// cursor and lies within the data columns; nothing otherwise.
std::optional<int> CursorAfterClick(int x, int cursor, int firstDataColumn, int lastDataColumn, int columns);
// The cursor held within the data columns (and 1..N).
int ClampCursor(int cursor, int firstDataColumn, int lastDataColumn, int columns);

// N for the window size: maximised on a screen of 640, 800 or 1024 pixels width 60, 80 or 110; a
// width between takes the value of the next smaller listed width, narrower screens 60 and wider
// ones 110. The normal window has 60.
int ColumnsForWindow(bool maximised, int screenWidth);

}  // namespace ovis
