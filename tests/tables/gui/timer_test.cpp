// The timer editor in a real window (offscreen).
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>

#include "support/file_bytes.h"
#include "tables/counter_timer_fixture.h"
#include "tables/gui/Zel_Timer.h"
#include "tables/gui/grid_driver.h"
#include "tables/timer_columns.h"

using namespace ovis;
using namespace ovis::gui;
namespace col = ovis::timer_column;
using test::TimerRow;

namespace {

// A project and its timer editor window, opened.
struct Editor : test::CounterTimerProject {
    int closedCalls = 0;
    std::vector<int> helpContexts;
    TFormTimer window{store, dialogs, clock,
                      TimerHooks{EditorHooks{[this] { ++closedCalls; }, [this](int c) { helpContexts.push_back(c); }, {}}, {}}};

    explicit Editor(std::initializer_list<TTimerRecord> rows = {}) {
        SetTimers(rows);
        window.OpenEditor();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the editor window was not exposed");
    }

    QTableView* View() { return window.Grid()->View(); }
    QWidget* Viewport() { return View()->viewport(); }
    QPoint Cell(int row, int column) { return window.Grid()->CellRect(row, column).center(); }
    QString Text(int row, int column) { return View()->model()->index(row, column).data().toString(); }
    TTimerRecord& Row(std::size_t i) { return tables->timers.Row(i); }
    int UndoLevels() { return window.Model().Table().UndoLevels(); }

    void Click(int row, int column) { test::DragOn(Viewport(), Cell(row, column), Cell(row, column)); }
    void RightClick(int row, int column) {
        test::SendMouse(Viewport(), QEvent::MouseButtonPress, Cell(row, column), Qt::RightButton, Qt::RightButton);
        test::SendMouse(Viewport(), QEvent::MouseButtonRelease, Cell(row, column), Qt::NoButton, Qt::RightButton);
    }
    // A right click on a cell, then an item of the column's menu.
    void Command(int row, int column, QAction* action) {
        RightClick(row, column);
        QMenu* menu = column == col::kDate ? window.DateMenu() : window.TimeMenu();
        QVERIFY(menu->isVisible());
        QVERIFY(action->isEnabled());
        menu->close();
        action->trigger();
    }

    // A left click on a day of the calendar; `page` -1, 0 or 1: the previous, shown or next month.
    void ClickDay(int day, int page) {
        auto* view = window.Calendar()->findChild<QTableView*>();
        QVERIFY(view);
        QAbstractItemModel* days = view->model();
        int month = -1;  // the page of the cells passed
        for (int r = 0; r < days->rowCount(); ++r) {
            for (int c = 0; c < days->columnCount(); ++c) {
                bool number = false;
                const int value = days->index(r, c).data().toInt(&number);
                if (!number || value == 0) continue;
                if (value == 1) ++month;
                if (value == day && month == page) {
                    const QPoint at = view->visualRect(days->index(r, c)).center();
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                    return;
                }
            }
        }
        QFAIL("day not shown");
    }
};

}  // namespace

class TimerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The desktop's locale must not change the cells or the picker.
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    }

    void windowAndGrid() {
        Editor e;
        QCOMPARE(e.window.windowTitle(), QStringLiteral(" Timer"));
        QCOMPARE(e.View()->model()->columnCount(), 4);
        QCOMPARE(e.View()->model()->rowCount(), 21);
        QStringList titles;
        for (QLabel* label : e.window.Grid()->findChildren<QLabel*>()) titles << label->text();
        QCOMPARE(titles, (QStringList{"Nr", "Meldung", "Datum", "Uhrzeit"}));
        QTest::keyClick(&e.window, Qt::Key_F1);
        QVERIFY(e.helpContexts == std::vector<int>{6001});
    }

    void newRowFromTheClock() {
        Editor e;
        e.clock.now = {2026, 1, 9, 23, 5, 7, 0};
        e.window.NewMessageAction()->trigger();
        QCOMPARE(e.Text(0, col::kName), QStringLiteral("Timer - Meldung"));
        QCOMPARE(e.Text(0, col::kDate), QStringLiteral("    09.01"));
        QCOMPARE(e.Text(0, col::kTime), QStringLiteral(" 23:05:07"));
    }

    void columnMenus() {
        Editor e{TimerRow("a", "24.05"), TimerRow("b", "24.05")};
        e.RightClick(0, col::kName);
        QVERIFY(e.window.ContextMenu()->isVisible());
        e.window.ContextMenu()->close();

        e.RightClick(0, col::kDate);
        QVERIFY(e.window.DateMenu()->isVisible());
        QVERIFY(e.window.HideDateAction()->isEnabled());
        e.window.DateMenu()->close();
        e.Command(0, col::kDate, e.window.HideDaysAction());
        e.Command(0, col::kDate, e.window.HideMonthsAction());
        QCOMPARE(e.Text(0, col::kDate), QStringLiteral("    xx.xx"));
        QCOMPARE(e.Text(1, col::kDate), QStringLiteral("    24.05"));

        e.Command(1, col::kDate, e.window.WeekdayAction(0));
        QCOMPARE(e.Text(1, col::kDate), QStringLiteral(" Montag"));
        e.RightClick(1, col::kDate);
        QVERIFY(!e.window.HideDateAction()->isEnabled());
        e.window.DateMenu()->close();

        e.Command(1, col::kTime, e.window.HideSecondsAction());
        e.Command(1, col::kTime, e.window.HideMinutesAction());
        QCOMPARE(e.Text(1, col::kTime), QStringLiteral(" 12:xx:xx"));
        QCOMPARE(e.UndoLevels(), 5);
    }

    void calendar() {
        Editor e{TimerRow("a", "24.12"), TimerRow("b", "01.01")};
        e.Command(0, col::kDate, e.window.DateAction());
        QCalendarWidget* calendar = e.window.Calendar();
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2024, 12, 24));
        QVERIFY(calendar->geometry().bottom() < e.window.height());

        // A day of the next month only turns the page; a second click applies it.
        e.ClickDay(2, 1);
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->monthShown(), 1);
        QTest::qWait(10);
        QCOMPARE(e.Text(0, col::kDate), QStringLiteral("    24.12"));
        e.ClickDay(2, 0);
        QVERIFY(!calendar->isVisible());
        QCOMPARE(e.Text(0, col::kDate), QStringLiteral("    02.01"));
        QCOMPARE(e.UndoLevels(), 1);

        // Turning the page by its arrow: the first click on a day applies.
        e.Command(0, col::kDate, e.window.DateAction());
        QVERIFY(calendar->isVisible());
        calendar->showNextMonth();
        QTest::qWait(10);
        e.ClickDay(14, 0);
        QVERIFY(!calendar->isVisible());
        QCOMPARE(e.Text(0, col::kDate), QStringLiteral("    14.02"));

        // A press in the grid hides the calendar; so does scrolling.
        e.Command(1, col::kDate, e.window.DateAction());
        QVERIFY(calendar->isVisible());
        e.Click(1, col::kName);
        QVERIFY(!calendar->isVisible());
        e.Command(1, col::kDate, e.window.DateAction());
        QVERIFY(calendar->isVisible());
        QTest::keyClick(e.View(), Qt::Key_Escape);
        QVERIFY(!calendar->isVisible());
        QCOMPARE(e.Text(1, col::kDate), QStringLiteral("    01.01"));
    }

    void timePicker() {
        Editor e{TimerRow("a", "24.12", "12:30:45"), TimerRow("b", "24.12", "06:00:00")};
        e.Click(0, col::kTime);
        test::DragOn(e.Viewport(), e.Cell(0, col::kTime), e.Cell(1, col::kTime));
        e.Command(0, col::kTime, e.window.TimeAction());
        QTimeEdit* picker = e.window.TimePicker();
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->text(), QStringLiteral("12:30:45"));

        // Changing it shows its time in both rows; Escape stores nothing.
        picker->setCurrentSection(QDateTimeEdit::HourSection);
        QTest::keyClick(picker, Qt::Key_Up);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(e.Text(0, col::kTime), QStringLiteral(" 14:30:45"));
        QCOMPARE(e.Text(1, col::kTime), QStringLiteral(" 14:30:45"));
        QTest::keyClick(picker, Qt::Key_Escape);
        QVERIFY(!picker->isVisible());
        QCOMPARE(e.Text(0, col::kTime), QStringLiteral(" 12:30:45"));
        QCOMPARE(e.Text(1, col::kTime), QStringLiteral(" 06:00:00"));
        QCOMPARE(e.UndoLevels(), 0);

        // Enter stores it in both rows with one undo level.
        e.Command(0, col::kTime, e.window.TimeAction());
        picker->setCurrentSection(QDateTimeEdit::MinuteSection);
        QTest::keyClick(picker, Qt::Key_Down);
        QTest::keyClick(picker, Qt::Key_Return);
        QVERIFY(!picker->isVisible());
        QCOMPARE(QString::fromStdString(e.Row(1).Uhrzeit.str()), QStringLiteral("12:29:45"));
        QCOMPARE(e.UndoLevels(), 1);

        // A press in the grid leaves the picker and stores its time.
        e.Command(1, col::kTime, e.window.HideSecondsAction());
        QCOMPARE(e.Text(1, col::kTime), QStringLiteral(" 12:29:xx"));
        e.Command(1, col::kTime, e.window.TimeAction());
        QVERIFY(picker->isVisible());
        e.Click(1, col::kName);
        QVERIFY(!picker->isVisible());
        QCOMPARE(e.Text(1, col::kTime), QStringLiteral(" 12:29:45"));
        QCOMPARE(e.UndoLevels(), 3);
    }

    void hidingRules() {
        Editor e;
        for (int i = 0; i < 30; ++i) e.tables->timers.Append(TimerRow("t" + std::to_string(i + 1)));
        e.window.Refresh();
        QCalendarWidget* calendar = e.window.Calendar();
        QTimeEdit* picker = e.window.TimePicker();

        // A press elsewhere in the application leaves the calendar open.
        e.Command(1, col::kDate, e.window.DateAction());
        QVERIFY(calendar->isVisible());
        QLabel* title = e.window.Grid()->findChild<QLabel*>();
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(calendar->isVisible());

        // Scrolling the grid hides it, and so does a menu of the window.
        e.View()->verticalScrollBar()->setValue(3);
        QVERIFY(!calendar->isVisible());
        e.View()->verticalScrollBar()->setValue(0);
        e.Command(1, col::kDate, e.window.DateAction());
        QVERIFY(calendar->isVisible());
        emit e.window.EditMenu()->aboutToShow();
        QVERIFY(!calendar->isVisible());

        // Scrolling leaves the picker like any other way out but Escape: its time is stored.
        e.Command(1, col::kTime, e.window.TimeAction());
        QVERIFY(picker->isVisible());
        picker->setCurrentSection(QDateTimeEdit::SecondSection);
        QTest::keyClick(picker, Qt::Key_Up);
        e.View()->verticalScrollBar()->setValue(2);
        QVERIFY(!picker->isVisible());
        QCOMPARE(QString::fromStdString(e.Row(1).Uhrzeit.str()), QStringLiteral("12:30:46"));
        QCOMPARE(e.UndoLevels(), 1);
    }

    void saveAndReload() {
        Editor e{TimerRow("a")};
        e.window.NewMessageAction()->trigger();
        e.Command(1, col::kDate, e.window.WeekdayAction(4));
        e.Command(1, col::kTime, e.window.HideHoursAction());
        e.window.SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(0));
        const auto written = test::ReadBytes(e.Dir() / "Timer.ofd");
        QCOMPARE(written.size(), 2 * sizeof(TTimerRecord));

        e.window.close();
        QVERIFY(!e.window.isVisible());
        e.store.LoadAllTables();
        e.window.OpenEditor();
        QCOMPARE(e.Text(1, col::kName), QStringLiteral("Timer - Meldung"));
        QCOMPARE(e.Text(1, col::kDate), QStringLiteral(" Freitag"));
        QCOMPARE(e.Text(1, col::kTime), QStringLiteral(" xx:05:06"));
        e.window.SaveAction()->trigger();
        QCOMPARE(test::ReadBytes(e.Dir() / "Timer.ofd"), written);
    }

    void screenshotWithTheCalendar() {
        Editor e{TimerRow("T\xFCr auf", "24.12", "06:30:00"), TimerRow("Nachtabsenkung", "01.01", "22:00:00", "Montag"),
                 TimerRow("Wochenende", "24.05", "00:00:00", "Samstag", "  .  .    ", "xx:  :  "),
                 TimerRow("Monatsende", "31.05", "18:45:30", "", "  .xx.    ", "  :  :xx")};
        e.Command(0, col::kDate, e.window.DateAction());
        QVERIFY(e.window.Calendar()->isVisible());
        QVERIFY(e.window.grab().toImage().save(QStringLiteral("/tmp/ovis-timer.png")));
        e.Click(3, col::kName);
        e.Command(3, col::kTime, e.window.TimeAction());
        QVERIFY(e.window.TimePicker()->isVisible());
        QVERIFY(e.window.grab().toImage().save(QStringLiteral("/tmp/ovis-timer-picker.png")));
    }
};

QTEST_MAIN(TimerTest)
#include "timer_test.moc"
