#include "tables/gui/Zel_Timer.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>

#include "tables/gui/grid_font.h"
#include "tables/timer_columns.h"

namespace ovis::gui {
namespace {

namespace col = timer_column;

// The calendar opens this far left of and below the pointer.
constexpr QPoint kCalendarOffset{-110, 50};
constexpr int kCalendarLift = 30;

CalendarDate ToCalendarDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

EditorWindowLayout TimerLayout() {
    EditorWindowLayout layout;
    layout.caption = QStringLiteral(" Timer");
    layout.helpContext = kTimerHelpContext;
    layout.columnWidths = {24, 127, 64, 53};
    layout.titles = {{QStringLiteral("Nr"), col::kNumber, col::kNumber},
                     {QStringLiteral("Meldung"), col::kName, col::kName},
                     {QStringLiteral("Datum"), col::kDate, col::kDate},
                     {QStringLiteral("Uhrzeit"), col::kTime, col::kTime}};
    return layout;
}

TFormTimer::TFormTimer(ProjectStore& store, Dialogs& dialogs, const Clock& clock, TimerHooks hooks, QWidget* parent)
    : TFormTimer(std::make_unique<TimerEditor>(store, dialogs, clock), std::move(hooks), parent) {}

TFormTimer::TFormTimer(std::unique_ptr<TimerEditor> timers, TimerHooks hooks, QWidget* parent)
    : TableEditorWindow(timers->Table(), TimerLayout(), hooks.editor, parent), timers_(std::move(timers)) {
    timers_->SetSavedCallback(std::move(hooks.saved));
    BuildMenus();
    BuildCalendar();
    BuildTimePicker();
    connect(Grid(), &TableGrid::dialogRequested, this, &TFormTimer::ShowColumnMenu);
    connect(Grid(), &TableGrid::editorsHidden, this, &TFormTimer::HideCalendarAndPicker);
    Refresh();
}

TFormTimer::~TFormTimer() = default;

void TFormTimer::BuildMenus() {
    dateMenu_ = new QMenu(this);
    date_ = dateMenu_->addAction(QStringLiteral("Datum"), this, &TFormTimer::DatumClick);
    QMenu* weekdays = dateMenu_->addMenu(QStringLiteral("Wochentag"));
    for (std::size_t day = 0; day < kWeekdays.size(); ++day)
        weekdays_.push_back(weekdays->addAction(QString::fromLatin1(kWeekdays[day]), this,
                                                [this, day] { Change([this, day] { timers_->ChooseWeekday(day); }); }));
    QMenu* hideDate = dateMenu_->addMenu(QStringLiteral("Ausblenden"));
    hideDate_ = hideDate->menuAction();
    hideDays_ = hideDate->addAction(QStringLiteral("Tage"), this,
                                    [this] { Change([this] { timers_->HideDate(DatePart::Day); }); });
    hideMonths_ = hideDate->addAction(QStringLiteral("Monate"), this,
                                      [this] { Change([this] { timers_->HideDate(DatePart::Month); }); });

    timeMenu_ = new QMenu(this);
    time_ = timeMenu_->addAction(QStringLiteral("Uhrzeit"), this, &TFormTimer::UhrzeitClick);
    QMenu* hideTime = timeMenu_->addMenu(QStringLiteral("Ausblenden"));
    hideSeconds_ = hideTime->addAction(QStringLiteral("Sekunden"), this,
                                       [this] { Change([this] { timers_->HideTime(TimePart::Seconds); }); });
    hideMinutes_ = hideTime->addAction(QStringLiteral("Minuten"), this,
                                       [this] { Change([this] { timers_->HideTime(TimePart::Minutes); }); });
    hideHours_ = hideTime->addAction(QStringLiteral("Stunden"), this,
                                     [this] { Change([this] { timers_->HideTime(TimePart::Hours); }); });
}

void TFormTimer::BuildCalendar() {
    calendar_ = new QCalendarWidget(this);
    calendar_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setFont(GridFont(font()));
    calendar_->setAutoFillBackground(true);
    calendar_->hide();
    connect(calendar_, &QCalendarWidget::clicked, this, &TFormTimer::CalendarClicked);
    // Turning the page is told after the click that may have turned it, so that a day of the
    // neighbouring month counts as a click in another month.
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        QTimer::singleShot(0, this, [this, year, month] {
            if (calendar_->isVisible()) timers_->CalendarMonthShown(year, month);
        });
    });
}

void TFormTimer::BuildTimePicker() {
    timePicker_ = new QTimeEdit(this);
    // hh:mm:ss with Latin digits, whatever the desktop's locale.
    timePicker_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    timePicker_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    timePicker_->setWrapping(true);
    timePicker_->setFont(GridFont(font()));
    timePicker_->hide();
    timePicker_->installEventFilter(this);
    connect(timePicker_, &QTimeEdit::timeChanged, this, [this](const QTime& time) {
        timers_->TimeChanged({time.hour(), time.minute(), time.second()});
        Grid()->Refresh();
    });
}

void TFormTimer::ShowColumnMenu(int column, QPoint globalPosition) {
    rightClickAt_ = globalPosition;
    if (column == col::kDate) {
        hideDate_->setEnabled(timers_->DateHidingEnabled());
        dateMenu_->popup(globalPosition);
    } else if (column == col::kTime) {
        timeMenu_->popup(globalPosition);
    }
}

void TFormTimer::Change(const std::function<void()>& change) {
    HideCalendarAndPicker();
    change();
    Refresh();
}

void TFormTimer::DatumClick() {
    HideCalendarAndPicker();
    const CalendarDate opens = timers_->OpenCalendar();
    {
        const QSignalBlocker blocker(calendar_);
        calendar_->setSelectedDate(QDate(opens.year, opens.month, opens.day));
    }
    calendar_->resize(calendar_->sizeHint());
    QPoint at = mapFromGlobal(rightClickAt_) + kCalendarOffset;
    const QWidget* view = Grid()->View();
    const int gridBottom = view->mapTo(this, QPoint(0, view->height())).y();
    if (at.y() + calendar_->height() > gridBottom) at.ry() -= calendar_->height() + kCalendarLift;
    at.setX(std::clamp(at.x(), 0, std::max(0, width() - calendar_->width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, height() - calendar_->height())));
    calendar_->move(at);
    calendar_->show();
    calendar_->raise();
    calendar_->setFocus();
}

void TFormTimer::CalendarClicked(const QDate& date) {
    if (!timers_->CalendarClicked(ToCalendarDate(date))) return;
    calendar_->hide();
    Refresh();
    Grid()->View()->setFocus();
}

void TFormTimer::UhrzeitClick() {
    HideCalendarAndPicker();
    const auto start = timers_->BeginTimeEdit();
    if (!start) return;
    {
        const QSignalBlocker blocker(timePicker_);
        timePicker_->setTime(QTime(start->hour, start->minute, start->second));
    }
    timePicker_->resize(timePicker_->sizeHint());
    const QRect cell = Grid()->CellRect(timers_->Table().CursorRow(), col::kTime);
    const QWidget* viewport = Grid()->View()->viewport();
    QPoint at = viewport->mapTo(this, cell.topLeft());
    at.ry() -= (timePicker_->height() - cell.height()) / 2;
    at.setX(std::min(at.x(), width() - timePicker_->width()));
    timePicker_->move(at);
    timePicker_->show();
    timePicker_->raise();
    timePicker_->setFocus();
}

void TFormTimer::CloseTimePicker(bool keep) {
    if (closingPicker_) return;
    closingPicker_ = true;
    if (keep)
        timers_->FinishTimeEdit();
    else
        timers_->CancelTimeEdit();
    timePicker_->hide();
    closingPicker_ = false;
    Refresh();
}

void TFormTimer::HideCalendarAndPicker() {
    calendar_->hide();
    if (timePicker_->isVisible() || timers_->TimeEditing()) CloseTimePicker(true);
}

bool TFormTimer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == timePicker_) {
        if (event->type() == QEvent::FocusOut && timePicker_->isVisible()) {
            CloseTimePicker(true);
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
                CloseTimePicker(key != Qt::Key_Escape);
                Grid()->View()->setFocus();
                return true;
            }
        }
        return false;
    }
    return TableEditorWindow::eventFilter(watched, event);
}

}  // namespace ovis::gui
