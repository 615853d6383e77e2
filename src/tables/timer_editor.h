#pragma once
// TimerEditor: the model of the timer editor window: the shared table editor over the timer
// table, and the commands of the date and time columns: the month calendar, the weekdays, the
// time picker and the hiding of date and time parts.
#include <functional>
#include <optional>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "tables/table_editor.h"
#include "tables/timer_table_plugin.h"
#include "tables/timer_texts.h"

namespace ovis {

class ProjectStore;

inline constexpr int kTimerHelpContext = 6001;

class TimerEditor {
public:
    using Editor = TableEditor<TTimerRecord>;

    TimerEditor(ProjectStore& store, Dialogs& dialogs, const Clock& clock);

    Editor& Table() { return editor_; }
    const Editor& Table() const { return editor_; }

    // Called after every successful save.
    void SetSavedCallback(std::function<void()> callback) { plugin_.SetSavedCallback(std::move(callback)); }

    // "Ausblenden" of the date column: disabled while the row at the top of the selection has a
    // weekday.
    bool DateHidingEnabled() const;

    // "Datum": the date the calendar opens at, which it remembers: the top row's own date in
    // the current year, or today when that row has a weekday, a hidden date part or no valid date.
    CalendarDate OpenCalendar();
    CalendarDate RememberedCalendarDate() const { return calendar_; }
    // A click on a day. In the remembered month it gives every selected row that date (one undo
    // level) and returns true: the calendar closes. In another month it only remembers the date.
    bool CalendarClicked(const CalendarDate& date);
    // The calendar was turned to another month: a date in that month is remembered.
    void CalendarMonthShown(int year, int month);

    // A weekday (0 "Montag" .. 6 "Sonntag") for every selected row; one undo level.
    void ChooseWeekday(std::size_t weekday);
    // "Ausblenden": "xx" for the part in every selected row (for a date part only in rows
    // without a weekday); one undo level.
    void HideDate(DatePart part);
    void HideTime(TimePart part);

    // "Uhrzeit": the time picker starts at the cursor row's time; nothing outside the table.
    std::optional<TimeOfDay> BeginTimeEdit();
    // The picker's time shows in every selected row; nothing is stored yet.
    void TimeChanged(const TimeOfDay& time);
    // Escape: nothing is stored.
    void CancelTimeEdit();
    // Leaving the picker: when its time differs from what any selected row shows, every selected
    // row gets it and loses its hidden time parts (one undo level).
    void FinishTimeEdit();
    bool TimeEditing() const { return timeEdit_.has_value(); }

private:
    struct TimeEdit {
        std::size_t first = 0, last = 0;
        TimeOfDay time;
    };

    CalendarDate Today() const;

    TimerTablePlugin plugin_;
    Editor editor_;
    ProjectStore& store_;
    const Clock& clock_;
    CalendarDate calendar_;
    std::optional<TimeEdit> timeEdit_;
};

}  // namespace ovis
