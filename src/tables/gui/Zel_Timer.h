#pragma once
// TFormTimer: the timer editor (caption " Timer"): the timer table in the shared editor window,
// with context menus of its own on the date and time columns, a month calendar and a time
// picker. Both stay open over the window until a press in the grid, Escape, scrolling, a menu
// or the window's deactivation hides them.
#include <QPoint>
#include <functional>
#include <memory>
#include <vector>

#include "tables/gui/table_editor_window.h"
#include "tables/timer_editor.h"

class QCalendarWidget;
class QTimeEdit;

namespace ovis {
class ProjectStore;
class Dialogs;
class Clock;
}

namespace ovis::gui {

// The window's layout: caption, help context, column widths and titles (also the columns of the
// program editor's read-only page of this table).
EditorWindowLayout TimerLayout();

struct TimerHooks {
    EditorHooks editor;           // window closed, help
    std::function<void()> saved;  // after every successful save (the program editor's lists)
};

class TFormTimer : public TableEditorWindow {
    Q_OBJECT
public:
    TFormTimer(ProjectStore& store, Dialogs& dialogs, const Clock& clock, TimerHooks hooks, QWidget* parent = nullptr);
    ~TFormTimer() override;

    TimerEditor& Model() { return *timers_; }

    QMenu* DateMenu() const { return dateMenu_; }
    QMenu* TimeMenu() const { return timeMenu_; }
    QAction* DateAction() const { return date_; }
    QAction* WeekdayAction(int weekday) const { return weekdays_.at(std::size_t(weekday)); }
    QAction* HideDateAction() const { return hideDate_; }  // the "Ausblenden" submenu
    QAction* HideDaysAction() const { return hideDays_; }
    QAction* HideMonthsAction() const { return hideMonths_; }
    QAction* TimeAction() const { return time_; }
    QAction* HideSecondsAction() const { return hideSeconds_; }
    QAction* HideMinutesAction() const { return hideMinutes_; }
    QAction* HideHoursAction() const { return hideHours_; }
    QCalendarWidget* Calendar() const { return calendar_; }
    QTimeEdit* TimePicker() const { return timePicker_; }

    // "Datum": the month calendar near the place of the last right click.
    void DatumClick();
    // "Uhrzeit": the time picker over the time cell of the current row.
    void UhrzeitClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormTimer(std::unique_ptr<TimerEditor> timers, TimerHooks hooks, QWidget* parent);

    void BuildMenus();
    void BuildCalendar();
    void BuildTimePicker();
    void ShowColumnMenu(int column, QPoint globalPosition);
    // Runs a change of the model and redraws.
    void Change(const std::function<void()>& change);
    void CalendarClicked(const QDate& date);
    void CloseTimePicker(bool keep);
    void HideCalendarAndPicker();

    std::unique_ptr<TimerEditor> timers_;
    QMenu* dateMenu_ = nullptr;
    QMenu* timeMenu_ = nullptr;
    QAction* date_ = nullptr;
    std::vector<QAction*> weekdays_;
    QAction* hideDate_ = nullptr;
    QAction* hideDays_ = nullptr;
    QAction* hideMonths_ = nullptr;
    QAction* time_ = nullptr;
    QAction* hideSeconds_ = nullptr;
    QAction* hideMinutes_ = nullptr;
    QAction* hideHours_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QTimeEdit* timePicker_ = nullptr;
    QPoint rightClickAt_;  // global
    bool closingPicker_ = false;
};

}  // namespace ovis::gui
