// The group editor in a real window (offscreen).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "evaluation/gui/Zel_Auswahl.h"
#include "support/file_bytes.h"
#include "tables/group_columns.h"
#include "tables/group_fixture.h"
#include "tables/gui/Zel_Gruppe.h"
#include "tables/gui/grid_driver.h"
#include "tables/gui/chooser_popup.h"
#include "tables/gui/grid_font.h"

using namespace ovis;
using namespace ovis::gui;
namespace col = ovis::group_column;
using test::GroupRow;

namespace {

// A project and its group editor window, opened.
struct Editor : test::GroupProject {
    int closedCalls = 0;
    int savedCalls = 0;
    std::vector<int> helpContexts;
    TFormGruppe window{store, dialogs,
                       GruppeHooks{EditorHooks{[this] { ++closedCalls; }, [this](int c) { helpContexts.push_back(c); }, {}},
                                   [this] { ++savedCalls; }, &OpenMemberSelection}};

    explicit Editor(std::initializer_list<TGruppeRecord> rows = {}) {
        SetGroups(rows);
        window.OpenEditor();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the editor window was not exposed");
    }

    QTableView* View() { return window.Grid()->View(); }
    QWidget* Viewport() { return View()->viewport(); }
    QPoint Cell(int row, int column) { return window.Grid()->CellRect(row, column).center(); }
    QString Text(int row, int column) { return View()->model()->index(row, column).data().toString(); }
    TGruppeRecord& Row(std::size_t i) { return tables->groups.Row(i); }
    int UndoLevels() { return window.Model().Table().UndoLevels(); }

    void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::LeftButton) {
        test::SendMouse(target, type, at, buttons, button);
    }
    void Drag(QPoint from, QPoint to) { test::DragOn(Viewport(), from, to); }
    void Click(int row, int column) { Drag(Cell(row, column), Cell(row, column)); }
    void RightClick(int row, int column) {
        Mouse(Viewport(), QEvent::MouseButtonPress, Cell(row, column), Qt::RightButton, Qt::RightButton);
        Mouse(Viewport(), QEvent::MouseButtonRelease, Cell(row, column), Qt::NoButton, Qt::RightButton);
    }
    void Choose(const QString& entry) { test::ChooseEntry(window.Grid()->Chooser(), entry); }
    QStringList ChooserEntries() {
        QStringList entries;
        for (int i = 0; i < window.Grid()->Chooser()->count(); ++i) entries << window.Grid()->Chooser()->item(i)->text();
        return entries;
    }
    // Opens the member selection of a row; ticks the named entries only.
    TFormAuswahl* Members(int row, const QStringList& ticked) {
        RightClick(row, col::kFirstMember);
        auto* dialog = qobject_cast<TFormAuswahl*>(window.MemberSelection());
        if (!dialog) return nullptr;
        for (int i = 0; i < dialog->List()->count(); ++i) {
            QListWidgetItem* item = dialog->List()->item(i);
            item->setCheckState(ticked.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
        }
        return dialog;
    }
};

QStringList Entries(QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
}

}  // namespace

class GruppeTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndGrid() {
        Editor e;
        QCOMPARE(e.window.windowTitle(), QStringLiteral(" Gruppen"));
        QVERIFY(!e.window.PrintAction()->isVisible());
        QVERIFY(!e.window.PrintAction()->isEnabled());
        QVERIFY(e.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(e.View()->model()->columnCount(), 9);
        QCOMPARE(e.View()->model()->rowCount(), 21);
        QCOMPARE(e.View()->columnWidth(col::kFirstMember), ScaledWidth(127, e.View()->font()));
        QCOMPARE(e.View()->columnWidth(col::kFolder), ScaledWidth(105, e.View()->font()));
        QStringList titles;
        for (QLabel* label : e.window.Grid()->findChildren<QLabel*>()) titles << label->text();
        for (const char* title : {"Nr", "Meldung", "1. Meldung", "Anzahl", "Scan", "Trigger", "Verzögerung", "Speichern"})
            QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
        QCOMPARE(titles.size(), 8);
        QTest::keyClick(&e.window, Qt::Key_F1);
        QVERIFY(e.helpContexts == std::vector<int>{4001});
    }

    void newRowThroughTheMenu() {
        Editor e;
        e.window.NewMessageAction()->trigger();
        const QStringList expected{"001", "Gruppen - Meldung", "", "0", "einmal", "  aktiv", "0", "", ""};
        for (int c = 0; c < col::kCount; ++c) QCOMPARE(e.Text(0, c), expected[c]);
        e.window.SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(e.dialogs.boxes.back().text).contains(QStringLiteral("kein Gruppenmitglied")));
        QCOMPARE(e.View()->currentIndex().column(), int(col::kFirstMember));
        QCOMPARE(e.savedCalls, 0);
    }

    void choosersOnARange() {
        Editor e{GroupRow("a"), GroupRow("b"), GroupRow("c")};
        e.Drag(e.Cell(0, col::kTrigger), e.Cell(1, col::kTrigger));
        QVERIFY(!e.window.Grid()->Chooser()->isVisible());  // choosers open on a right click
        e.RightClick(1, col::kTrigger);
        e.Choose(QStringLiteral("  inaktiv"));
        QCOMPARE(e.Text(0, col::kTrigger), QStringLiteral(" inaktiv"));
        QCOMPARE(e.Text(1, col::kTrigger), QStringLiteral(" inaktiv"));
        QCOMPARE(e.Text(2, col::kTrigger), QStringLiteral("  aktiv"));

        e.RightClick(2, col::kFolder);
        QCOMPARE(e.ChooserEntries(), (QStringList{"  nicht speichern", "  Tür", "  Antrieb"}));
        e.Choose(QStringLiteral("  Tür"));
        QCOMPARE(e.Text(2, col::kFolder), QStringLiteral("Tür"));
        QCOMPARE(e.View()->currentIndex().row(), 2);  // a right click outside the selection selects the cell

        e.RightClick(2, col::kScan);
        e.Choose(QStringLiteral("  zyklisch"));
        QCOMPARE(e.Text(2, col::kScan), QStringLiteral("zyklisch"));
        QCOMPARE(e.UndoLevels(), 3);
    }

    void delayEditors() {
        TGruppeRecord hours = GroupRow("h");
        hours.Verzoegerung = 2500;
        Editor e{GroupRow("m"), hours};
        e.RightClick(1, col::kUnit);
        e.Choose(QStringLiteral("  Std"));
        QCOMPARE(e.Text(1, col::kDelay), QStringLiteral("1000"));
        QCOMPARE(e.Text(1, col::kUnit), QStringLiteral(" Std"));

        // The mask editor over both rows: 60000 in minutes, 1000 in hours.
        e.Drag(e.Cell(0, col::kDelay), e.Cell(1, col::kDelay));
        e.RightClick(0, col::kDelay);
        QLineEdit* mask = e.window.Grid()->NumberEditor();
        QVERIFY(mask->isVisible());
        mask->selectAll();
        QTest::keyClicks(mask, QStringLiteral("70000"));
        QCOMPARE(mask->text(), QStringLiteral("60000"));
        QCOMPARE(e.Text(0, col::kDelay), QStringLiteral("60000"));
        QCOMPARE(e.Text(1, col::kDelay), QStringLiteral("1000"));
        QTest::keyClick(mask, Qt::Key_Return);
        QCOMPARE(int(e.Row(0).Verzoegerung), 60000);

        // Typed in the cell: clipped to the hours' limit at once; 0 turns the unit to minutes.
        e.Click(1, col::kDelay);
        QTest::mouseDClick(e.Viewport(), Qt::LeftButton, {}, e.Cell(1, col::kDelay));
        QLineEdit* field = e.window.Grid()->InlineEditor();
        QVERIFY(field->isVisible());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("2000"));
        QCOMPARE(field->text(), QStringLiteral("1000"));
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("0"));
        QCOMPARE(e.Text(1, col::kUnit), QString());
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->isVisible());
        QCOMPARE(QString::fromStdString(e.Row(1).Einheit.str()), QStringLiteral("Min"));
        e.window.UndoAction()->trigger();
        QCOMPARE(e.Text(1, col::kDelay), QStringLiteral("1000"));
        QCOMPARE(e.Text(1, col::kUnit), QStringLiteral(" Std"));
    }

    void memberSelectionThroughTheDialog() {
        Editor e{GroupRow("a", {2}), GroupRow("b", {2}), GroupRow("c", {3})};
        e.Drag(e.Cell(0, col::kFirstMember), e.Cell(1, col::kFirstMember));
        QVERIFY(!e.window.MemberSelection());  // the selection opens on a right click
        e.RightClick(1, col::kFirstMember);
        QPointer<TFormAuswahl> dialog = qobject_cast<TFormAuswahl*>(e.window.MemberSelection());
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->pos(), e.window.frameGeometry().topLeft() + QPoint(333, 90));
        QCOMPARE(Entries(dialog->List()), (QStringList{"Taster", "Netz", "Tor"}));
        QCOMPARE(dialog->List()->item(0)->checkState(), Qt::Checked);
        QCOMPARE(dialog->List()->currentRow(), 0);

        // The same members again: nothing to undo.
        dialog->UebernehmenClick();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(e.UndoLevels(), 0);
        QVERIFY(!e.window.UndoAction()->isEnabled());

        // "Netz" and "Tor" for both selected rows: one undo level.
        dialog = e.Members(1, {"Netz", "Tor"});
        QVERIFY(dialog);
        dialog->UebernehmenClick();
        QTRY_VERIFY(dialog.isNull());
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(e.Text(row, col::kFirstMember), QStringLiteral("Netz"));
            QCOMPARE(e.Text(row, col::kMemberCount), QStringLiteral("2"));
            QCOMPARE(int(e.Row(std::size_t(row)).Mitglied[1]), 4);  // I/O row number of "Tor"
        }
        QCOMPARE(e.Text(2, col::kFirstMember), QStringLiteral("Netz"));
        QCOMPARE(e.Text(2, col::kMemberCount), QStringLiteral("1"));
        QCOMPARE(e.UndoLevels(), 1);
        e.window.UndoAction()->trigger();
        QCOMPARE(e.Text(0, col::kFirstMember), QStringLiteral("Taster"));
        QCOMPARE(e.Text(1, col::kMemberCount), QStringLiteral("1"));

        // "Abbrechen" (Escape) changes nothing; help shows its own page.
        dialog = e.Members(2, {});
        QVERIFY(dialog);
        QCOMPARE(dialog->List()->currentRow(), 1);
        for (QAction* action : dialog->findChildren<QAction*>())
            if (action->text() == QStringLiteral("Hilfe")) action->trigger();
        QVERIFY(e.helpContexts == std::vector<int>{4002});
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(e.Text(2, col::kMemberCount), QStringLiteral("1"));
    }

    void moreThanAHundredMembersAreRefused() {
        Editor e{GroupRow("a", {2})};
        for (std::size_t i = 0; i < 101; ++i) e.tables->io.Row(i) = test::IoRow("E" + std::to_string(i + 1));
        e.tables->io.SetCount(101);
        e.RightClick(0, col::kFirstMember);
        QPointer<TFormAuswahl> dialog = qobject_cast<TFormAuswahl*>(e.window.MemberSelection());
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        dialog->AlleKeineClick();
        dialog->UebernehmenClick();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(int(e.Row(0).Anzahl), 1);
        dialog->List()->item(100)->setCheckState(Qt::Unchecked);
        dialog->UebernehmenClick();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(int(e.Row(0).Anzahl), 100);
        QCOMPARE(e.Text(0, col::kFirstMember), QStringLiteral("E1"));
    }

    void closingTheEditorClosesTheSelection() {
        Editor e{GroupRow("a", {2})};
        e.RightClick(0, col::kFirstMember);
        QPointer<TFormAuswahl> dialog = qobject_cast<TFormAuswahl*>(e.window.MemberSelection());
        QVERIFY(dialog);
        e.window.close();
        QVERIFY(!e.window.isVisible());
        QTRY_VERIFY(dialog.isNull());
    }

    void saveAndRefresh() {
        Editor e{GroupRow("a", {2}, test::kDoorFolder)};
        e.window.NewMessageAction()->trigger();
        QVERIFY(e.Members(1, {"Tor"}));
        qobject_cast<TFormAuswahl*>(e.window.MemberSelection())->UebernehmenClick();
        e.window.SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(0));
        QCOMPARE(e.savedCalls, 1);
        QCOMPARE(test::ReadBytes(e.Dir() / "Gruppen.ofd").size(), 2 * sizeof(TGruppeRecord));
        QVERIFY(!e.window.UndoAction()->isEnabled());

        // The system configuration renamed the folder and saved the table.
        e.Row(0).SpeicherOrdner = "Eingang";
        e.window.Refresh();
        QCOMPARE(e.Text(0, col::kFolder), QStringLiteral("Eingang"));
    }

    void closeQuestion() {
        Editor e{GroupRow("a", {2})};
        e.window.NewMessageAction()->trigger();
        e.dialogs.answers = {Answer::Cancel};
        e.window.close();
        QVERIFY(e.window.isVisible());
        QCOMPARE(QString::fromStdString(e.dialogs.boxes.back().text),
                 QStringLiteral("Möchten Sie die Änderungen in \"Anlage\" speichern?"));
        QVERIFY(e.window.QueryUnsavedForReconfiguration());
        e.dialogs.answers = {Answer::No};
        e.window.close();
        QVERIFY(!e.window.isVisible());
        QCOMPARE(e.closedCalls, 1);
        QCOMPARE(e.tables->groups.Count(), std::size_t(0));  // reloaded from the (empty) file
    }

    void screenshotOfAFilledEditor() {
        Editor e;
        const char* names[] = {"T\xFCren offen", "Netzausfall", "Taster Halle", "St\xF6rung Antrieb", "Tor auf/zu"};
        for (std::size_t i = 0; i < 24; ++i) {
            TGruppeRecord row = GroupRow(std::string(names[i % 5]) + " " + std::to_string(i + 1),
                                         {std::uint16_t(2 + i % 3), 4}, i % 3 ? test::kDoorFolder : test::kDriveFolder);
            row.Scan = i % 4 ? "einmal" : "zyklisch";
            row.Trigger = i % 3 == 0 ? "aktiv" : i % 3 == 1 ? "inaktiv" : "beliebig";
            row.Verzoegerung = std::int32_t(i % 5 ? (i * 37) % 60000 : 0);
            row.Einheit = i % 2 ? "Min" : "Std";
            if (row.Verzoegerung == 0) row.Einheit = "Min";
            if (i % 7 == 6) row.SpeicherOrdner = "";
            e.tables->groups.Append(row);
        }
        e.tables->groups.Row(3).Verzoegerung = 60000;
        e.tables->groups.Row(3).Einheit = "Min";
        e.window.Refresh();
        e.Click(2, col::kName);
        // The window grows by the scroll bar once its layout ran.
        QTRY_VERIFY(e.View()->mapTo(&e.window, QPoint(e.View()->width(), 0)).x() <= e.window.width());
        QVERIFY(e.View()->verticalScrollBar()->isVisible());
        QVERIFY(e.window.grab().toImage().save(QStringLiteral("/tmp/ovis-gruppe.png")));
        QCOMPARE(e.Text(3, col::kDelay), QStringLiteral("60000"));
    }
};

QTEST_MAIN(GruppeTest)
#include "gruppe_test.moc"
