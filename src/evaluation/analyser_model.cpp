#include "evaluation/analyser_model.h"

#include <algorithm>

#include "evaluation/analyser_cells.h"

namespace ovis {

std::string NoEventsText(const std::string& fileName) {
    return "Die Datei \"" + fileName + "\" enthält keine Ereignisse und kann nicht ausgewertet werden.";
}

std::string FileModeCaption(const std::string& fileName) { return "Analyser     Datei : " + fileName; }

bool AnalyserModel::TakeRecording(const TRecording& recording, AnalyserRows rows) {
    const auto events = recording.Events();
    const auto first = std::find_if(events.begin(), events.end(), [](const TRecordingEvent& e) { return !IsMarker(e); });
    if (first == events.end()) return false;
    recording_ = &recording;
    firstEventRecord_ = std::size_t(first - events.begin()) + 1;
    fileStart_ = StampOf(*first);
    rows_ = std::move(rows);
    marks_ = RowMarks(rows_.DiagramRows());
    return true;
}

bool AnalyserModel::Open(const TRecording& recording, AnalyserRows rows, int columns) {
    if (!TakeRecording(recording, std::move(rows))) return false;
    view_.division = kOpeningDivision;
    view_.columns = std::clamp(columns, 1, kAnalyserMaxColumns);
    SetLeftEdge(view_, StartOfDay(fileStart_));
    range_ = RecordScrollRange(firstEventRecord_, recording.Count());
    scrollPosition_ = std::clamp(1, range_.minimum, range_.maximum);
    Recompute(false);
    cursor_ = std::max(data_.firstDataColumn, 1);
    return true;
}

bool AnalyserModel::Reopen(const TRecording& recording, AnalyserRows rows, const AnalyserPlace& place) {
    if (!TakeRecording(recording, std::move(rows))) return false;
    view_ = place.view;
    view_.division = std::clamp(view_.division, kCoarsestDivision, kFinestDivision);
    view_.columns = std::clamp(view_.columns, 1, kAnalyserMaxColumns);
    SetLeftEdge(view_, view_.left);
    range_ = RecordScrollRange(firstEventRecord_, recording.Count());
    scrollPosition_ = std::clamp(place.scrollPosition, range_.minimum, range_.maximum);
    Recompute(false);
    cursor_ = std::max(data_.firstDataColumn, 1);
    return true;
}

void AnalyserModel::Recompute() { Recompute(false); }

void AnalyserModel::Recompute(bool fromLeftEdge) {
    if (!recording_) return;
    data_ = ComputeColumnStates(recording_->Events(), rows_, {view_.division, view_.columns, view_.left}, states_);
    if (fromLeftEdge) scrollPosition_ = std::clamp(int(data_.leftRecord), range_.minimum, range_.maximum);
}

void AnalyserModel::RecordsChanged() {
    if (!recording_) return;
    const auto events = recording_->Events();
    const auto first = std::find_if(events.begin(), events.end(), [](const TRecordingEvent& e) { return !IsMarker(e); });
    if (first != events.end()) firstEventRecord_ = std::size_t(first - events.begin()) + 1;
    range_ = RecordScrollRange(firstEventRecord_, recording_->Count());
    scrollPosition_ = std::clamp(scrollPosition_, range_.minimum, range_.maximum);
    Recompute(false);
}

void AnalyserModel::ShowAtCursor(const TTimeStamp& stamp) {
    if (!recording_) return;
    constexpr int kCursorColumn = 11;
    TTimeStamp left = TruncatedForThumb(stamp, view_.division, fileStart_);
    AddUnits(left, DivisionOf(view_.division), 1 - kCursorColumn);
    SetLeftEdge(view_, left);
    Recompute(true);
    cursor_ = std::min(kCursorColumn, view_.columns);
}

void AnalyserModel::AfterWindowChange(bool cursorToFirstData) {
    Recompute(cursorToFirstData);
    cursor_ = cursorToFirstData ? std::max(data_.firstDataColumn, 1)
                                : ClampCursor(cursor_, data_.firstDataColumn, data_.lastDataColumn, view_.columns);
}

void AnalyserModel::SetWindow(int division, const TTimeStamp& left) {
    view_.division = std::clamp(division, kCoarsestDivision, kFinestDivision);
    SetLeftEdge(view_, left);
    AfterWindowChange(true);
}

bool AnalyserModel::ZoomIn() {
    if (!recording_ || !ovis::ZoomIn(view_, cursor_)) return false;
    AfterWindowChange(true);
    return true;
}

bool AnalyserModel::ZoomOut() {
    if (!recording_ || !ovis::ZoomOut(view_, fileStart_)) return false;
    AfterWindowChange(true);
    return true;
}

bool AnalyserModel::ChooseDivision(int division) {
    if (!recording_ || !ovis::ChooseDivision(view_, division, fileStart_)) return false;
    AfterWindowChange(true);
    return true;
}

bool AnalyserModel::Scroll(ScrollAction action, int position) {
    if (!recording_) return false;
    bool moved = false;
    switch (action) {
        case ScrollAction::LineUp:
        case ScrollAction::LineDown: {
            const bool up = action == ScrollAction::LineUp;
            if (up ? !CanLineUp(data_.firstDataColumn, view_.columns) : !CanLineDown(data_.lastDataColumn)) break;
            TTimeStamp left = view_.left;
            AddUnits(left, DivisionOf(view_.division), up ? -1 : 1);
            SetLeftEdge(view_, left);
            scrollPosition_ = std::clamp(scrollPosition_ + (up ? -1 : 1), range_.minimum, range_.maximum);
            moved = true;
            break;
        }
        case ScrollAction::PageUp:
        case ScrollAction::PageDown: break;
        case ScrollAction::Track:
        case ScrollAction::Position: {
            scrollPosition_ = std::clamp(position, range_.minimum, range_.maximum);
            const TRecordingEvent& record = recording_->Event(ThumbRecord(scrollPosition_, recording_->Count()));
            SetLeftEdge(view_, TruncatedForThumb(StampOf(record), view_.division, fileStart_));
            moved = true;
            break;
        }
    }
    if (moved) AfterWindowChange(false);
    if (action != ScrollAction::Position)
        scrollPosition_ = ThumbAfterScroll(scrollPosition_, range_, data_.firstDataColumn, data_.lastDataColumn, view_.columns);
    return moved;
}

std::optional<int> AnalyserModel::ClickDiagram(int x, int y) {
    if (y >= 0) marks_.Click(y / kRowPitch + 1);
    const auto column = CursorAfterClick(x, cursor_, data_.firstDataColumn, data_.lastDataColumn, view_.columns);
    if (!column) return std::nullopt;
    const int former = cursor_;
    cursor_ = *column;
    return former;
}

void AnalyserModel::SetColumns(int columns) {
    view_.columns = std::clamp(columns, 1, kAnalyserMaxColumns);
    SetLeftEdge(view_, view_.left);
    cursor_ = std::min(cursor_, view_.columns);
    Recompute(false);
}

std::vector<DiagramCell> AnalyserModel::TakeCellsToDraw(bool full) {
    std::vector<DiagramCell> cells;
    const int rows = rows_.DiagramRows();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= view_.columns; ++c)
            if (full || states_.At(r, c) != drawn_.At(r, c)) cells.push_back({r, c});
    drawn_ = states_;
    return cells;
}

}  // namespace ovis
