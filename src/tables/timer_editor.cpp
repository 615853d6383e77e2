#include "tables/timer_editor.h"

#include <algorithm>

#include "project/project_store.h"

namespace ovis {

TimerEditor::TimerEditor(ProjectStore& store, Dialogs& dialogs, const Clock& clock)
    : plugin_(store, clock), editor_(plugin_, dialogs), store_(store), clock_(clock) {}

CalendarDate TimerEditor::Today() const {
    const LocalDateTime now = clock_.Now();
    return {now.year, now.month, now.day};
}

bool TimerEditor::DateHidingEnabled() const {
    const auto rows = editor_.SelectedRows();
    return !rows.empty() && store_.Tables().timers.Row(rows.first).Wochentag.empty();
}

CalendarDate TimerEditor::OpenCalendar() {
    editor_.EndEditing();
    calendar_ = Today();
    const auto rows = editor_.SelectedRows();
    if (rows.empty()) return calendar_;
    const TTimerRecord& top = store_.Tables().timers.Row(rows.first);
    const auto mask = top.DatumMaske.view();
    if (!top.Wochentag.empty() || DatePartHidden(mask, DatePart::Day) || DatePartHidden(mask, DatePart::Month))
        return calendar_;
    if (auto own = ParseDayMonth(top.Datum.view(), calendar_.year)) calendar_ = *own;
    return calendar_;
}

bool TimerEditor::CalendarClicked(const CalendarDate& date) {
    if (date.year != calendar_.year || date.month != calendar_.month) {
        calendar_ = date;
        return false;
    }
    calendar_ = date;
    const auto rows = editor_.SelectedRows();
    if (rows.empty()) return true;
    editor_.EndEditing();
    editor_.TakeSnapshot();
    TimerTable& timers = store_.Tables().timers;
    for (std::size_t r = rows.first; r <= rows.last; ++r) {
        TTimerRecord& row = timers.Row(r);
        row.Datum = DayMonthText(date.day, date.month);
        row.Wochentag = "";
        row.DatumMaske = kPlainDateMask;
    }
    editor_.AfterChange();
    return true;
}

void TimerEditor::CalendarMonthShown(int year, int month) {
    if (year == calendar_.year && month == calendar_.month) return;
    calendar_ = {year, month, std::min(calendar_.day, DaysInMonth(year, month))};
}

void TimerEditor::ChooseWeekday(std::size_t weekday) {
    const auto rows = editor_.SelectedRows();
    if (rows.empty() || weekday >= kWeekdays.size()) return;
    editor_.EndEditing();
    editor_.TakeSnapshot();
    TimerTable& timers = store_.Tables().timers;
    for (std::size_t r = rows.first; r <= rows.last; ++r) {
        TTimerRecord& row = timers.Row(r);
        row.Wochentag = kWeekdays[weekday];
        row.DatumMaske = kPlainDateMask;
    }
    editor_.AfterChange();
}

void TimerEditor::HideDate(DatePart part) {
    if (!DateHidingEnabled()) return;
    const auto rows = editor_.SelectedRows();
    editor_.EndEditing();
    editor_.TakeSnapshot();
    TimerTable& timers = store_.Tables().timers;
    for (std::size_t r = rows.first; r <= rows.last; ++r) {
        TTimerRecord& row = timers.Row(r);
        if (row.Wochentag.empty()) row.DatumMaske = HideDatePart(row.DatumMaske.view(), part);
    }
    editor_.AfterChange();
}

void TimerEditor::HideTime(TimePart part) {
    const auto rows = editor_.SelectedRows();
    if (rows.empty()) return;
    editor_.EndEditing();
    editor_.TakeSnapshot();
    TimerTable& timers = store_.Tables().timers;
    for (std::size_t r = rows.first; r <= rows.last; ++r) {
        TTimerRecord& row = timers.Row(r);
        row.ZeitMaske = HideTimePart(row.ZeitMaske.view(), part);
    }
    editor_.AfterChange();
}

std::optional<TimeOfDay> TimerEditor::BeginTimeEdit() {
    editor_.EndEditing();
    const auto rows = editor_.SelectedRows();
    const int cursor = editor_.CursorRow();
    if (rows.empty() || cursor < 0 || std::size_t(cursor) >= editor_.RowCount()) return std::nullopt;
    const TimeOfDay time = ParseTime(store_.Tables().timers.Row(std::size_t(cursor)).Uhrzeit.view()).value_or(TimeOfDay{});
    timeEdit_ = TimeEdit{rows.first, rows.last, time};
    return time;
}

void TimerEditor::TimeChanged(const TimeOfDay& time) {
    if (!timeEdit_) return;
    timeEdit_->time = time;
    plugin_.ShowTime(timeEdit_->first, timeEdit_->last, TimeText(time));
}

void TimerEditor::CancelTimeEdit() {
    timeEdit_.reset();
    plugin_.StopShowingTime();
    editor_.AfterChange();
}

void TimerEditor::FinishTimeEdit() {
    if (!timeEdit_) return;
    const TimeEdit edit = *timeEdit_;
    CancelTimeEdit();
    TimerTable& timers = store_.Tables().timers;
    if (edit.first >= timers.Count()) return;
    const std::size_t last = std::min(edit.last, timers.Count() - 1);
    const std::string time = TimeText(edit.time);
    bool differs = false;
    for (std::size_t r = edit.first; r <= last && !differs; ++r)
        differs = TimerTimeCell(timers.Row(r)) != TimeCellText(time);
    if (!differs) return;
    editor_.TakeSnapshot();
    for (std::size_t r = edit.first; r <= last; ++r) {
        TTimerRecord& row = timers.Row(r);
        row.Uhrzeit = time;
        row.ZeitMaske = kPlainTimeMask;
    }
    editor_.AfterChange();
}

}  // namespace ovis
