// The counter editor in a real window (offscreen).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "support/file_bytes.h"
#include "tables/counter_columns.h"
#include "tables/counter_timer_fixture.h"
#include "tables/gui/Zel_Counter.h"
#include "tables/gui/chooser_popup.h"
#include "tables/gui/grid_driver.h"
#include "tables/gui/grid_font.h"

using namespace ovis;
using namespace ovis::gui;
namespace col = ovis::counter_column;
using test::CounterRow;

namespace {

// A project and its counter editor window, opened.
struct Editor : test::CounterTimerProject {
    int closedCalls = 0;
    int savedCalls = 0;
    std::vector<int> helpContexts;
    TFormCounter window{store, dialogs,
                        CounterHooks{EditorHooks{[this] { ++closedCalls; }, [this](int c) { helpContexts.push_back(c); }, {}},
                                     [this] { ++savedCalls; }}};

    explicit Editor(std::initializer_list<TCounterRecord> rows = {}) {
        SetCounters(rows);
        window.OpenEditor();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the editor window was not exposed");
    }

    QTableView* View() { return window.Grid()->View(); }
    QWidget* Viewport() { return View()->viewport(); }
    QPoint Cell(int row, int column) { return window.Grid()->CellRect(row, column).center(); }
    QString Text(int row, int column) { return View()->model()->index(row, column).data().toString(); }
    TCounterRecord& Row(std::size_t i) { return tables->counters.Row(i); }

    void Click(int row, int column) { test::DragOn(Viewport(), Cell(row, column), Cell(row, column)); }
    void RightClick(int row, int column) {
        test::SendMouse(Viewport(), QEvent::MouseButtonPress, Cell(row, column), Qt::RightButton, Qt::RightButton);
        test::SendMouse(Viewport(), QEvent::MouseButtonRelease, Cell(row, column), Qt::NoButton, Qt::RightButton);
    }
    void Choose(const QString& entry) { test::ChooseEntry(window.Grid()->Chooser(), entry); }
    QStringList ChooserEntries() {
        QStringList entries;
        for (int i = 0; i < window.Grid()->Chooser()->count(); ++i) entries << window.Grid()->Chooser()->item(i)->text();
        return entries;
    }
    QStringList RowTexts(int row) {
        QStringList texts;
        for (int c = 0; c < col::kCount; ++c) texts << Text(row, c);
        return texts;
    }
};

}  // namespace

class CounterTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndGrid() {
        Editor e;
        QCOMPARE(e.window.windowTitle(), QStringLiteral(" Counter"));
        QVERIFY(e.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(e.View()->model()->columnCount(), 10);
        QCOMPARE(e.View()->model()->rowCount(), 21);
        QCOMPARE(e.View()->columnWidth(col::kDisplay), ScaledWidth(126, e.View()->font()));
        QStringList titles;
        for (QLabel* label : e.window.Grid()->findChildren<QLabel*>()) titles << label->text();
        for (const char* title :
             {"Nr", "Meldung", "Zählung", "Zählart", "Stand- Zähler -Ende", "Auto. DIS.", "Status", "Anzeige", "dx"})
            QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
        QCOMPARE(titles.size(), 9);
        QTest::keyClick(&e.window, Qt::Key_F1);
        QVERIFY(e.helpContexts == std::vector<int>{12001});
    }

    void editSaveAndReload() {
        Editor e{CounterRow("Fahrten", 0, 10)};
        e.window.NewMessageAction()->trigger();
        QCOMPARE(e.RowTexts(1), (QStringList{"002", "Counter - Meldung", "", " Ereignis", "0", "0", " OFF", "",
                                             "keine Anzeige", "+dx"}));

        // The counted message: every table in order, this one included.
        e.RightClick(1, col::kCounted);
        QCOMPARE(e.ChooserEntries(), (QStringList{"Lampe", "Taster", "Netz", "Tor", "Alarm", "Anzeige oben",
                                                  "Laufschrift", "Fahrten", "Counter - Meldung"}));
        e.Choose(QStringLiteral("Tor"));

        // The comparison value in the mask editor, clipped to 16777215.
        e.RightClick(1, col::kEnd);
        QLineEdit* mask = e.window.Grid()->NumberEditor();
        QVERIFY(mask->isVisible());
        QCOMPARE(mask->maxLength(), 8);
        mask->selectAll();
        QTest::keyClicks(mask, QStringLiteral("20000000"));
        QCOMPARE(mask->text(), QStringLiteral("16777215"));
        QCOMPARE(e.Text(1, col::kEnd), QStringLiteral("16777215"));
        QTest::keyClick(mask, Qt::Key_Return);
        QVERIFY(!mask->isVisible());
        QCOMPARE(int(e.Row(1).Ende), 16777215);

        // The start value typed into the cell, clipped to 100000.
        e.Click(1, col::kStart);
        QTest::mouseDClick(e.Viewport(), Qt::LeftButton, {}, e.Cell(1, col::kStart));
        QLineEdit* field = e.window.Grid()->InlineEditor();
        QVERIFY(field->isVisible());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("200000"));
        QCOMPARE(field->text(), QStringLiteral("100000"));
        QCOMPARE(int(e.Row(1).Stand), 100000);
        QTest::keyClick(field, Qt::Key_Return);

        e.RightClick(1, col::kStatus);
        QCOMPARE(e.ChooserEntries(), (QStringList{" DISABLE", " ENABLE"}));
        e.Choose(QStringLiteral(" ENABLE"));
        e.RightClick(1, col::kDisplay);
        e.Choose(QStringLiteral("Laufschrift"));
        e.RightClick(1, col::kAutoDisable);
        e.Choose(QStringLiteral(" ON"));
        e.RightClick(1, col::kDirection);
        e.Choose(QStringLiteral("-dx"));
        e.RightClick(1, col::kMode);
        e.Choose(QStringLiteral(" Millisek."));
        const QStringList edited{"002", "Counter - Meldung", "Tor", " Millisek.", "100000", "16777215", " ON",
                                 "ENABLE", "Laufschrift", "-dx"};
        QCOMPARE(e.RowTexts(1), edited);
        QVERIFY(e.window.UndoAction()->isEnabled());

        e.window.SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(0));
        QCOMPARE(e.savedCalls, 1);
        QVERIFY(!e.window.UndoAction()->isEnabled());
        const auto written = test::ReadBytes(e.Dir() / "Counter.ofd");
        QCOMPARE(written.size(), 2 * sizeof(TCounterRecord));

        // Reloaded from the file, the rows show the same and save to the same bytes.
        e.window.close();
        QVERIFY(!e.window.isVisible());
        e.store.LoadAllTables();
        e.window.OpenEditor();
        QCOMPARE(e.RowTexts(1), edited);
        e.window.SaveAction()->trigger();
        QCOMPARE(test::ReadBytes(e.Dir() / "Counter.ofd"), written);
    }

    void startValueCheck() {
        Editor e{CounterRow("a", 10, 10), CounterRow("b", 11, 10)};
        QModelIndex selectedWhileShown;
        e.dialogs.onShow = [&](const test::ScriptedDialogs::Box&) { selectedWhileShown = e.View()->currentIndex(); };
        e.window.SaveAction()->trigger();
        // The faulty cell is selected before the box opens.
        QCOMPARE(selectedWhileShown.row(), 1);
        QCOMPARE(selectedWhileShown.column(), int(col::kStart));
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(e.dialogs.boxes.back().text),
                 QString::fromUtf8("Der Startwert in Zeile Nr. 2 muß kleiner sein als der Vergleichswert!\r\r"
                                   "                 Geben Sie bitte einen entsprechenden Wert an."));
        QCOMPARE(e.View()->currentIndex().row(), 1);
        QCOMPARE(e.View()->currentIndex().column(), int(col::kStart));
        QCOMPARE(e.savedCalls, 0);
    }

    void closeQuestion() {
        Editor e{CounterRow("a")};
        e.window.NewMessageAction()->trigger();
        e.dialogs.answers = {Answer::Cancel};
        e.window.close();
        QVERIFY(e.window.isVisible());
        QVERIFY(e.window.QueryUnsavedForReconfiguration());
        e.dialogs.answers = {Answer::No};
        e.window.close();
        QVERIFY(!e.window.isVisible());
        QCOMPARE(e.closedCalls, 1);
        QCOMPARE(e.tables->counters.Count(), std::size_t(0));  // reloaded from the (empty) file
    }

    void screenshotOfAFilledEditor() {
        Editor e;
        for (std::size_t i = 0; i < 24; ++i) {
            TCounterRecord row = CounterRow("Z\xE4hler " + std::to_string(i + 1), std::int32_t(i), std::int32_t(i * 1000));
            row.Zaehlung = i % 2 ? "Tor" : "Netz";
            row.Zaehlart = i % 3 ? "Ereignis" : "Millisek.";
            row.AutoDis = i % 4 == 0;
            row.Status = i % 5 == 0 ? "EN+RST" : "ENABLE";
            row.Anzeige = i % 3 ? "keine Anzeige" : "Laufschrift";
            row.DxNegativ = i % 2 == 0;
            e.tables->counters.Append(row);
        }
        e.tables->counters.Row(2).Ende = 16777215;
        e.window.Refresh();
        e.Click(2, col::kName);
        QTRY_VERIFY(e.View()->mapTo(&e.window, QPoint(e.View()->width(), 0)).x() <= e.window.width());
        QVERIFY(e.window.grab().toImage().save(QStringLiteral("/tmp/ovis-counter.png")));
        QCOMPARE(e.Text(2, col::kEnd), QStringLiteral("16777215"));
    }
};

QTEST_MAIN(CounterTest)
#include "counter_test.moc"
