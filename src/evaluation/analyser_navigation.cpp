#include "evaluation/analyser_navigation.h"

#include <algorithm>
#include <string>

namespace ovis {
namespace {

enum Division { kTage = 1, kStunden, kMinuten, kSekunden, k100Ms, k10Ms, kMs, k100Us, k10Us };

}  // namespace

const TDivision& DivisionOf(int number) {
    return kDivisions[std::size_t(std::clamp(number, kCoarsestDivision, kFinestDivision) - 1)];
}

std::string DivisionListEntry(int number) {
    std::size_t longest = 0;
    for (const TDivision& d : kDivisions) longest = std::max(longest, std::string(d.Name).size());
    const std::string name = DivisionOf(number).Name;
    return std::string(longest - name.size(), ' ') + name;
}

void SetLeftEdge(AnalyserView& view, const TTimeStamp& left) {
    view.left = left;
    view.right = left;
    AddUnits(view.right, DivisionOf(view.division), view.columns);
}

TTimeStamp ColumnStart(const AnalyserView& view, int column) {
    TTimeStamp t = view.left;
    AddUnits(t, DivisionOf(view.division), column - 1);
    return t;
}

TTimeStamp StampOf(const TRecordingEvent& e) {
    const int sekMSek = e.SekMSek.get();
    return {e.Jahr, e.Monat, e.Tag, e.Std, e.Min, sekMSek / 1000, sekMSek % 1000, e.Misek};
}

TTimeStamp StartOfDay(const TTimeStamp& t) { return {t.Jahr, t.Monat, t.Tag, 0, 0, 0, 0, 0}; }

TTimeStamp TruncatedForCoarser(const TTimeStamp& left, int division, const TTimeStamp& fileStart) {
    TTimeStamp t = left;
    switch (division) {
        case kTage: return StartOfDay(fileStart);
        case kStunden: return StartOfDay(left);
        case kMinuten: t.Min = 0; [[fallthrough]];
        case kSekunden: t.Sek = 0, t.MSek = 0, t.Misek = 0; break;
        default: break;
    }
    return t;
}

TTimeStamp TruncatedForThumb(const TTimeStamp& record, int division, const TTimeStamp& fileStart) {
    TTimeStamp t = record;
    switch (division) {
        case kTage: return StartOfDay(fileStart);
        case kStunden: t.Min = 0; [[fallthrough]];
        case kMinuten: t.Sek = 0; [[fallthrough]];
        case kSekunden: t.MSek = 0, t.Misek = 0; break;
        case k100Ms: t.MSek -= t.MSek % 100, t.Misek = 0; break;
        case k10Ms: t.MSek -= t.MSek % 10, t.Misek = 0; break;
        case kMs: t.Misek = 0; break;
        case k100Us: t.Misek -= t.Misek % 10; break;
        default: break;
    }
    return t;
}

bool ZoomIn(AnalyserView& view, int cursor) {
    if (view.division >= kFinestDivision) return false;
    const TTimeStamp left = ColumnStart(view, cursor);
    ++view.division;
    SetLeftEdge(view, left);
    return true;
}

bool ChooseDivision(AnalyserView& view, int division, const TTimeStamp& fileStart) {
    if (division < kCoarsestDivision || division >= view.division) return false;
    view.division = division;
    SetLeftEdge(view, TruncatedForCoarser(view.left, division, fileStart));
    return true;
}

bool ZoomOut(AnalyserView& view, const TTimeStamp& fileStart) { return ChooseDivision(view, view.division - 1, fileStart); }

bool CanLineUp(int firstDataColumn, int columns) { return firstDataColumn < columns; }

bool CanLineDown(int lastDataColumn) { return lastDataColumn > 1; }

ScrollRange RecordScrollRange(std::size_t firstEventRecord, std::size_t count) {
    const int minimum = int(firstEventRecord) - 2;
    return {minimum, std::max(minimum, int(count) - int(firstEventRecord))};
}

std::size_t ThumbRecord(int position, std::size_t count) {
    return std::min(std::size_t(std::max(position, 3)), std::max<std::size_t>(count, 1));
}

int ThumbAfterScroll(int position, ScrollRange range, int firstDataColumn, int lastDataColumn, int columns) {
    if (lastDataColumn == 1) return range.maximum;
    if (firstDataColumn == columns) return range.minimum;
    return std::clamp(position, range.minimum, range.maximum);
}

std::optional<int> CursorAfterClick(int x, int cursor, int firstDataColumn, int lastDataColumn, int columns) {
    if (x < 0) return std::nullopt;
    const int column = x / 8 + 1;
    if (column == cursor || column < firstDataColumn || column > lastDataColumn || column > columns) return std::nullopt;
    return column;
}

int ClampCursor(int cursor, int firstDataColumn, int lastDataColumn, int columns) {
    const int low = std::max(firstDataColumn, 1);
    const int high = std::clamp(lastDataColumn, low, columns);
    return std::clamp(cursor, low, high);
}

int ColumnsForWindow(bool maximised, int screenWidth) {
    if (!maximised || screenWidth < 800) return 60;
    return screenWidth < 1024 ? 80 : 110;
}

}  // namespace ovis
