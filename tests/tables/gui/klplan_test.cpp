// The I/O editor in a real window (offscreen).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "support/file_bytes.h"
#include "tables/gui/Zel_Klemmenplan.h"
#include "tables/gui/grid_driver.h"
#include "tables/gui/chooser_popup.h"
#include "tables/gui/grid_font.h"
#include "tables/gui/terminal_panel_widget.h"
#include "tables/io_columns.h"
#include "tables/io_fixture.h"

using namespace ovis;
using namespace ovis::gui;
namespace col = ovis::io_column;

namespace {

// Types text character by character, also characters beyond ASCII.
void Type(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

// A project and its I/O editor window, opened.
struct Editor : test::IoProject {
    int closedCalls = 0;
    int printCalls = 0;
    std::vector<std::size_t> savedRows;
    std::vector<int> helpContexts;
    TFormKlPlan window{store, dialogs,
                       KlPlanHooks{EditorHooks{[this] { ++closedCalls; }, [this](int c) { helpContexts.push_back(c); },
                                               [this] { ++printCalls; }},
                                   [this](std::size_t rows) { savedRows.push_back(rows); }}};

    explicit Editor(std::initializer_list<TIoRecord> rows = {}) {
        SetRows(rows);
        window.OpenEditor();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the editor window was not exposed");
    }

    QTableView* View() { return window.Grid()->View(); }
    QWidget* Viewport() { return View()->viewport(); }
    QPoint Cell(int row, int column) { return window.Grid()->CellRect(row, column).center(); }
    QString Text(int row, int column) { return View()->model()->index(row, column).data().toString(); }
    TIoRecord& Row(std::size_t i) { return tables->io.Row(i); }
    TerminalPanelWidget* Panel() { return window.Panel(); }
    QPoint Line(int line, int column) {
        return Panel()->Lines()->visualRect(Panel()->Lines()->model()->index(line - 1, column)).center();
    }

    void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::LeftButton) {
        test::SendMouse(target, type, at, buttons, button);
    }
    void Drag(QWidget* target, QPoint from, QPoint to) { test::DragOn(target, from, to); }
    void Click(int row, int column) { Drag(Viewport(), Cell(row, column), Cell(row, column)); }
    void Choose(ChooserPopup* chooser, const QString& entry) { test::ChooseEntry(chooser, entry); }
};

}  // namespace

class KlPlanTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndGrid() {
        Editor e;
        QCOMPARE(e.window.windowTitle(), QStringLiteral(" I / O"));
        QVERIFY(e.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(e.View()->model()->rowCount(), 21);
        QCOMPARE(e.Text(0, col::kNumber), QStringLiteral("001"));
        QCOMPARE(e.View()->rowHeight(0), 16);
        QCOMPARE(e.View()->columnWidth(col::kName), ScaledWidth(128, e.View()->font()));
        QVERIFY(e.View()->columnWidth(col::kName) < 2 * 128);
        QVERIFY(e.window.PrintAction()->isVisible());
        QVERIFY(e.window.PrintAction()->isEnabled());
        e.window.PrintAction()->trigger();
        QCOMPARE(e.printCalls, 1);
        QVERIFY(!e.window.IoMenu()->menuAction()->isVisible());
        const int narrow = e.View()->width();
        e.window.ResetRowsAction()->trigger();
        QCOMPARE(e.View()->model()->rowCount(), 32);
        QVERIFY2(e.View()->width() > narrow, "wider for the scroll bar");
        QCOMPARE(e.window.size(), e.window.minimumSize());
        QCOMPARE(e.window.size(), e.window.maximumSize());
        QTest::keyClick(&e.window, Qt::Key_F1);
        QVERIFY(e.helpContexts == std::vector<int>{3001});
    }

    void newRowThroughTheMenu() {
        Editor e;
        QVERIFY(e.window.NewMessageAction()->isEnabled());
        QVERIFY(!e.window.UndoAction()->isEnabled());
        e.window.NewMessageAction()->trigger();
        QCOMPARE(e.Text(0, col::kName), QStringLiteral("I/O - Meldung"));
        QCOMPARE(e.Text(0, col::kModule), QStringLiteral("  1"));
        QCOMPARE(e.Text(0, col::kKind), QStringLiteral(" DC"));
        QCOMPARE(e.Text(0, col::kRecord), QStringLiteral("Alle Meldungen"));
        QVERIFY(e.window.UndoAction()->isEnabled());
        e.window.UndoAction()->trigger();
        QCOMPARE(e.Text(0, col::kName), QString());
        QVERIFY(!e.window.UndoAction()->isEnabled());
    }

    void chooserAppliesToTheDraggedRange() {
        Editor e{test::IoRow("a"), test::IoRow("b"), test::IoRow("c"), test::IoRow("d")};
        e.Drag(e.Viewport(), e.Cell(0, col::kKind), e.Cell(2, col::kKind));
        QCOMPARE(e.View()->selectionModel()->selectedIndexes().size(), 3);
        e.Choose(e.window.Grid()->Chooser(), QStringLiteral("  LED"));
        for (int row = 0; row < 3; ++row) QCOMPARE(e.Text(row, col::kKind), QStringLiteral(" LED"));
        QCOMPARE(e.Text(3, col::kKind), QStringLiteral(" DC"));

        e.Click(3, col::kModule);
        e.Choose(e.window.Grid()->Chooser(), QStringLiteral("  12"));
        QCOMPARE(e.Text(3, col::kModule), QStringLiteral(" 12"));
        QCOMPARE(int(e.Row(3).Modul), 12);

        e.Click(3, col::kKind);
        QVERIFY(e.window.Grid()->Chooser()->isVisible());
        QTest::keyClick(e.window.Grid()->Chooser(), Qt::Key_Escape);
        QVERIFY(!e.window.Grid()->Chooser()->isVisible());
        QCOMPARE(e.Text(3, col::kKind), QStringLiteral(" DC"));
    }

    void numberEditorClipsAndStoresOnLeaving() {
        TIoRecord row = test::IoRow("a");
        row.Einheit = "Min";
        row.AusVerzoegerung = 2;
        Editor e{row, row};
        e.Drag(e.Viewport(), e.Cell(0, col::kOnDelay), e.Cell(1, col::kOnDelay));
        QLineEdit* field = e.window.Grid()->NumberEditor();
        QVERIFY(field->isVisible());
        QTest::keyClicks(field, QStringLiteral("70000"));
        QCOMPARE(field->text(), QStringLiteral("60000"));
        QCOMPARE(e.Text(1, col::kOnDelay), QStringLiteral("60000"));
        QCOMPARE(int(e.Row(1).EinVerzoegerung), 0);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->isVisible());
        QCOMPARE(int(e.Row(0).EinVerzoegerung), 60000);
        QCOMPARE(int(e.Row(1).EinVerzoegerung), 60000);

        e.Click(0, col::kUnit);
        e.Choose(e.window.Grid()->Chooser(), QStringLiteral("  Std"));
        QCOMPARE(e.Text(0, col::kOnDelay), QStringLiteral("1000"));

        e.Click(1, col::kOffDelay);
        QTest::keyClicks(field, QStringLiteral("9"));
        QCOMPARE(e.Text(1, col::kOffDelay), QStringLiteral("9"));
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(e.Text(1, col::kOffDelay), QStringLiteral("2"));
        QCOMPARE(int(e.Row(1).AusVerzoegerung), 2);
    }

    void inlineEditingAndUndo() {
        Editor e{test::IoRow("Tor auf")};
        e.Click(0, col::kName);
        QTest::mouseDClick(e.Viewport(), Qt::LeftButton, {}, e.Cell(0, col::kName));
        QLineEdit* field = e.window.Grid()->InlineEditor();
        QVERIFY(field->isVisible());
        field->selectAll();
        Type(field, QStringLiteral("Tür zu"));
        QCOMPARE(QString::fromLatin1(e.Row(0).Bezeichnung.str().c_str()), QStringLiteral("Tür zu"));
        Type(field, QStringLiteral("€"));
        QCOMPARE(field->text(), QStringLiteral("Tür zu€"));
        Type(field, QStringLiteral("→"));
        QCOMPARE(field->text(), QStringLiteral("Tür zu€"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->isVisible());
        e.window.UndoAction()->trigger();
        QCOMPARE(e.Text(0, col::kName), QStringLiteral("Tor auf"));
    }

    void terminalPanel() {
        Editor e{test::IoRow("a", 1), test::IoRow("b", 2, kLowerRow), test::IoRow("c", 3, kLowerRow, "Relais")};
        e.tables->signalNames.Module(1).Signal[0] = "Pumpe";
        e.Click(0, col::kName);
        TerminalPanelWidget* panel = e.Panel();
        QCOMPARE(panel->ModuleLabel()->text(), QStringLiteral("01"));
        QCOMPARE(panel->TypeLabel()->text(), QStringLiteral("OPTO16"));
        QCOMPARE(panel->Lines()->item(8, TerminalPanelWidget::kLabelColumn)->text(), QStringLiteral("C1"));
        QCOMPARE(panel->Lines()->item(0, TerminalPanelWidget::kDesignationColumn)->text(), QStringLiteral("Pumpe"));

        // Level of line 3 through its chooser, then the row switch.
        e.Mouse(panel->Lines()->viewport(), QEvent::MouseButtonPress, e.Line(3, TerminalPanelWidget::kLevelColumn),
                Qt::LeftButton);
        e.Choose(panel->LevelChooser(), QStringLiteral("  High"));
        QCOMPARE(e.Text(0, col::kTerminal), QStringLiteral(" I        3"));
        QCOMPARE(e.Text(0, col::kLevel), QStringLiteral(" High"));
        QCOMPARE(panel->Lines()->item(2, TerminalPanelWidget::kLevelColumn)->text(), QStringLiteral("High"));
        QVERIFY(panel->ToLowerButton()->isVisibleTo(panel));
        QVERIFY(!panel->ToUpperButton()->isVisibleTo(panel));
        QTest::mouseClick(panel->ToLowerButton(), Qt::LeftButton);
        QCOMPARE(e.Text(0, col::kTerminal), QStringLiteral(" I      11"));
        QVERIFY(panel->ToUpperButton()->isVisibleTo(panel));
        QCOMPARE(panel->Lines()->item(11, TerminalPanelWidget::kLevelColumn)->text(), QStringLiteral("High"));
        QCOMPARE(panel->Lines()->item(2, TerminalPanelWidget::kLevelColumn)->text(), QString());

        // OPTO6: S2 keeps one terminal.
        e.Click(1, col::kName);
        QCOMPARE(panel->TypeLabel()->text(), QStringLiteral("OPTO6"));
        QCOMPARE(panel->Lines()->item(10, TerminalPanelWidget::kLabelColumn)->text(), QStringLiteral("S2"));
        e.Mouse(panel->Lines()->viewport(), QEvent::MouseButtonPress, e.Line(11, TerminalPanelWidget::kLevelColumn),
                Qt::LeftButton);
        e.Choose(panel->LevelChooser(), QStringLiteral("  High"));
        QCOMPARE(e.Text(1, col::kTerminal), QStringLiteral(" I        2"));

        // RELAIS6: the row reads "Oben" once clicked, no row switch.
        e.Click(2, col::kName);
        QCOMPARE(QString::fromStdString(e.Row(2).Klemmreihe.str()), QStringLiteral("Oben"));
        QVERIFY(!panel->ToLowerButton()->isVisibleTo(panel));
        QVERIFY(!panel->ToUpperButton()->isVisibleTo(panel));

        // A position beyond the module list blinks and the scroll bar returns.
        panel->ModuleScrollBar()->setValue(12);
        QCOMPARE(panel->ModuleScrollBar()->value(), 3);
        QCOMPARE(panel->TypeLabel()->text(), QStringLiteral("Modul nicht definiert !"));
        QVERIFY(panel->BlinkTimer()->isActive());
        QCOMPARE(panel->BlinkTimer()->interval(), 500);
        QTRY_COMPARE_WITH_TIMEOUT(panel->TypeLabel()->text(), QString(), 1500);
        panel->ModuleScrollBar()->setValue(2);
        QVERIFY(!panel->BlinkTimer()->isActive());
        QCOMPARE(panel->TypeLabel()->text(), QStringLiteral("OPTO6"));
    }

    void designationsAreEditedInPlaceAndMovedByDragging() {
        Editor e{test::IoRow("a", 1)};
        auto& module = e.tables->signalNames.Module(1);
        module.Signal[0] = "A";
        module.Signal[1] = "B";
        module.Signal[2] = "C";
        e.Click(0, col::kName);
        QTableWidget* lines = e.Panel()->Lines();

        e.Drag(lines->viewport(), e.Line(1, TerminalPanelWidget::kDesignationColumn),
               e.Line(3, TerminalPanelWidget::kDesignationColumn));
        QCOMPARE(QString::fromStdString(module.Signal[0].str() + module.Signal[1].str() + module.Signal[2].str()), QStringLiteral("BCA"));
        QCOMPARE(lines->item(2, TerminalPanelWidget::kDesignationColumn)->text(), QStringLiteral("A"));

        lines->editItem(lines->item(4, TerminalPanelWidget::kDesignationColumn));
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(field);
        Type(field, QStringLiteral("Lüfter"));
        QCOMPARE(QString::fromLatin1(module.Signal[4].str().c_str()), QStringLiteral("Lüfter"));
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_COMPARE(lines->item(4, TerminalPanelWidget::kDesignationColumn)->text(), QStringLiteral("Lüfter"));

        e.window.UndoAction()->trigger();
        QVERIFY(module.Signal[4].empty());
        e.window.UndoAction()->trigger();
        QCOMPARE(QString::fromStdString(module.Signal[0].str()), QStringLiteral("A"));
    }

    void saveWritesTheFilesAndReportsTheRows() {
        Editor e{test::IoRow("a")};
        e.window.NewMessageAction()->trigger();
        e.window.SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(0));
        QVERIFY(e.savedRows == std::vector<std::size_t>{2});
        QCOMPARE(test::ReadBytes(e.Dir() / "IO.ofd").size(), 2 * sizeof(TIoRecord));
        QVERIFY(!e.window.UndoAction()->isEnabled());

        e.window.NewMessageAction()->trigger();  // a second "I/O - Meldung"
        e.window.SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(e.savedRows.size(), std::size_t(1));
        QCOMPARE(test::ReadBytes(e.Dir() / "IO.ofd").size(), 2 * sizeof(TIoRecord));
        QCOMPARE(e.View()->currentIndex().row(), 2);
        QCOMPARE(e.View()->currentIndex().column(), int(col::kName));
    }

    void closeQuestion() {
        Editor e{test::IoRow("a")};
        e.window.NewMessageAction()->trigger();
        e.dialogs.answers = {Answer::Cancel};
        e.window.close();
        QVERIFY(e.window.isVisible());
        QCOMPARE(e.closedCalls, 0);
        QCOMPARE(QString::fromStdString(e.dialogs.boxes.back().text), QStringLiteral("Möchten Sie die Änderungen in \"Anlage\" speichern?"));

        QVERIFY(e.window.QueryUnsavedForReconfiguration());
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(1));
        QVERIFY(e.window.isVisible());

        e.dialogs.answers = {Answer::No};
        e.window.close();
        QVERIFY(!e.window.isVisible());
        QCOMPARE(e.closedCalls, 1);
        QCOMPARE(e.tables->io.Count(), std::size_t(0));

        e.window.OpenEditor();
        QVERIFY(e.window.isVisible());
        e.window.close();
        QCOMPARE(e.closedCalls, 2);
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(2));
    }

    void screenshotOfAFilledEditor() {
        Editor e;
        e.window.ResetRowsAction()->trigger();
        e.window.ResetSignalsAction()->trigger();
        for (std::size_t i = 16; i < 32; ++i) e.Row(i).Typ = "Relais";
        e.Row(2).EinVerzoegerung = 500;
        e.Row(2).AusVerzoegerung = 250;
        e.Row(5).Pegel[5] = "Low";
        e.Row(7).Erfassung = false;
        e.Row(10).EinVerzoegerung = 3;
        e.Row(10).Einheit = "Sek";
        e.window.Refresh();
        e.Click(2, col::kName);
        QImage image = e.window.grab().toImage();
        QVERIFY(image.save(QStringLiteral("/tmp/ovis-io.png")));
        QCOMPARE(e.Text(2, col::kOnDelay), QStringLiteral("500"));
        QCOMPARE(e.Text(2, col::kUnit), QStringLiteral(" Milli"));
    }
};

QTEST_MAIN(KlPlanTest)
#include "klplan_test.moc"
