// The program editor in a real window (offscreen).
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "programs/gui/Zel_Programm.h"
#include "programs/gui/io_module_view.h"
#include "programs/program_columns.h"
#include "tables/counter_timer_fixture.h"
#include "support/directory_trash.h"
#include "tables/gui/grid_driver.h"

using namespace ovis;
using namespace ovis::gui;
namespace col = ovis::program_column;

namespace {

TProgrammLine Line(std::size_t position, const std::string& name, const std::string& a, const std::string& logic = "TRUE",
                   const std::string& b = "") {
    TProgrammLine line{};
    line.Nr = std::int32_t(position + 1);
    line.Einheit = "Milli";
    line.Order = "NONE";
    line.Bezeichnung = name;
    line.MeldungA = a;
    line.Logik = logic;
    line.MeldungB = b;
    return line;
}

// A project with a Main program and the sub-program "Neben", and the program editor opened on
// Main.
struct Editor : test::CounterTimerProject {
    test::DirectoryTrash trash{base / "Papierkorb"};
    std::vector<int> helpContexts;
    int closedCalls = 0;
    std::unique_ptr<TFormProgramm> window;

    Editor() {
        WriteProgram("Main", {Line(0, "Licht", "Taster"), Line(1, "Warnung", "Netz", "AND", "Tor")});
        WriteProgram("Neben", {Line(0, "Summer", "Alarm")});
        tables->program.Load(ProjectDir(kName), "Main");
        window = std::make_unique<TFormProgramm>(
            store, dialogs, trash, EditorHooks{[this] { ++closedCalls; }, [this](int c) { helpContexts.push_back(c); }, {}});
        window->OpenEditor();
        if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the editor window was not exposed");
    }

    void WriteProgram(const std::string& name, std::initializer_list<TProgrammLine> lines) {
        ProgramTable table;
        table.Assign(std::span<const TProgrammLine>(lines.begin(), lines.size()));
        table.Save(ProgramFilePath(ProjectDir(kName), name));
    }
    std::filesystem::path ProgramFile(const std::string& name) { return ProgramFilePath(ProjectDir(kName), name); }

    TableGrid* GridOf(ProgramPage page) { return page == ProgramPage::Program ? window->Grid() : window->PageGrid(page); }
    QWidget* Viewport(ProgramPage page) { return GridOf(page)->View()->viewport(); }
    QPoint Cell(ProgramPage page, int row, int column) { return GridOf(page)->CellRect(row, column).center(); }
    QString Text(ProgramPage page, int row, int column) {
        return GridOf(page)->View()->model()->index(row, column).data().toString();
    }
    void Click(ProgramPage page, int row, int column) {
        test::DragOn(Viewport(page), Cell(page, row, column), Cell(page, row, column));
    }
    void RightClick(ProgramPage page, int row, int column) {
        test::SendMouse(Viewport(page), QEvent::MouseButtonPress, Cell(page, row, column), Qt::RightButton,
                        Qt::RightButton);
        test::SendMouse(Viewport(page), QEvent::MouseButtonRelease, Cell(page, row, column), Qt::NoButton,
                        Qt::RightButton);
    }
    // Picks an item of the context menu that a right click opened.
    void ChooseFromContextMenu(QAction* action) {
        QMenu* menu = window->ContextMenu();
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(action->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key(key), modifiers);
    }
    QStringList AblageEntries() {
        QStringList entries;
        for (int i = 0; i < window->Ablage()->count(); ++i) entries << window->Ablage()->itemText(i);
        return entries;
    }
};

}  // namespace

class ProgrammTest : public QObject {
    Q_OBJECT
private slots:
    void windowPagesAndMenus() {
        Editor e;
        QCOMPARE(e.window->windowTitle(), QStringLiteral(" Programm :  Main"));
        QVERIFY(e.window->windowFlags() & Qt::WindowStaysOnTopHint);
        QStringList pages;
        for (int i = 0; i < e.window->Pages()->count(); ++i) pages << e.window->Pages()->tabText(i);
        QCOMPARE(pages, (QStringList{"Programm", "Auswahl", "I / O", "Gruppen", "LED", "Counter", "Timer", "Datenausgabe"}));
        QCOMPARE(e.Text(ProgramPage::Program, 1, col::kLogic), QStringLiteral("    AND"));
        QCOMPARE(e.Text(ProgramPage::Program, 1, col::kOperandB), QStringLiteral("Tor"));
        QVERIFY(!e.window->NewAction()->isVisible());
        QVERIFY(!e.window->BlankLineAction()->isVisible());
        QVERIFY(!e.window->ResetMenu()->menuAction()->isVisible());

        // The program page edits; the read-only pages only copy.
        QVERIFY(e.window->SaveAction()->isEnabled());
        QVERIFY(e.window->SaveAsAction()->isEnabled());
        QVERIFY(!e.window->OpenAction()->isEnabled());
        e.window->ShowPage(ProgramPage::Groups);
        QVERIFY(!e.window->SaveAction()->isEnabled());
        QVERIFY(!e.window->SaveAsAction()->isEnabled());
        QVERIFY(!e.window->NewMessageAction()->isEnabled());
        QVERIFY(!e.window->PasteAction()->isEnabled());
        QVERIFY(e.window->CopyAction()->isEnabled());
        QCOMPARE(e.Text(ProgramPage::Groups, 0, 1), QStringLiteral("Alarm"));
        QCOMPARE(e.Text(ProgramPage::Led, 1, 1), QStringLiteral("Laufschrift"));

        // Help by page.
        QTest::keyClick(e.window.get(), Qt::Key_F1);
        e.window->ShowPage(ProgramPage::Selection);
        QTest::keyClick(e.window.get(), Qt::Key_F1);
        QVERIFY(e.helpContexts == (std::vector<int>{7001, 7002}));
    }

    void aNameCopiedOnTheIoPageIsPastedIntoMeldungAAndSaved() {
        Editor e;
        e.window->ShowPage(ProgramPage::Io);
        e.Click(ProgramPage::Io, 3, 1);
        e.Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(e.AblageEntries(), QStringList{"Tor"});

        e.window->ShowPage(ProgramPage::Program);
        e.Click(ProgramPage::Program, 0, col::kOperandA);
        QVERIFY(e.window->PasteAction()->isEnabled());
        e.Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.Text(ProgramPage::Program, 0, col::kOperandA), QStringLiteral("Tor"));
        e.Key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(e.dialogs.boxes.empty(), e.dialogs.boxes.empty() ? "" : e.dialogs.boxes.front().text.c_str());
        e.window->close();
        QVERIFY(!e.window->isVisible());
        QCOMPARE(e.closedCalls, 1);

        // Reopened from the file.
        e.tables->program.Load(e.ProjectDir(Editor::kName), "Main");
        e.window->OpenEditor();
        QCOMPARE(e.Text(ProgramPage::Program, 0, col::kOperandA), QStringLiteral("Tor"));
        QCOMPARE(e.tables->program.lines.Row(0).MeldungA.str(), std::string("Tor"));
    }

    void copyAndPasteWithTheMouse() {
        Editor e;
        e.window->ShowPage(ProgramPage::Counters);
        e.tables->counters.Append(test::CounterRow("Fahrten"));
        e.window->TablesChanged();
        e.RightClick(ProgramPage::Counters, 0, 1);
        e.ChooseFromContextMenu(e.window->CopyAction());
        QCOMPARE(e.AblageEntries(), QStringList{"Fahrten"});

        e.window->ShowPage(ProgramPage::Program);
        e.RightClick(ProgramPage::Program, 1, col::kTarget);
        e.ChooseFromContextMenu(e.window->PasteAction());
        QCOMPARE(e.Text(ProgramPage::Program, 1, col::kTarget), QStringLiteral("Fahrten"));
    }

    void theIoPageShowsTheModuleOfTheSelectedMessage() {
        Editor e;
        e.window->ShowPage(ProgramPage::Io);
        e.Click(ProgramPage::Io, 1, 1);  // "Taster" on module 1
        QCOMPARE(e.window->IoModule()->PositionLabel()->text(), QStringLiteral("01"));
        QCOMPARE(e.window->IoModule()->TypeLabel()->text(), QStringLiteral("OPTO16"));
        e.tables->io.Row(2).Modul = 15;
        e.Click(ProgramPage::Io, 2, 1);
        QCOMPARE(e.window->IoModule()->TypeLabel()->text(), QStringLiteral("Modul nicht definiert!"));
    }

    void theSelectionPageOpensAndDeletesPrograms() {
        Editor e;
        e.window->ShowPage(ProgramPage::Selection);
        QTableWidget* list = e.window->ProgramList();
        QCOMPARE(list->rowCount(), 9);
        QCOMPARE(list->item(0, 0)->text(), QStringLiteral("001"));
        QCOMPARE(list->item(0, 1)->text(), QStringLiteral("Main"));
        QCOMPARE(list->item(1, 1)->text(), QStringLiteral("Neben"));
        QCOMPARE(list->item(1, 2)->text(), QStringLiteral(" 3 KB"));

        // The open program cannot be deleted.
        list->setCurrentCell(0, 1);
        QVERIFY(e.window->OpenAction()->isEnabled());
        QVERIFY(!e.window->DeleteAction()->isEnabled());

        // The preview shows the selected program.
        list->setCurrentCell(1, 1);
        QCOMPARE(e.Text(ProgramPage::Selection, 0, col::kName), QStringLiteral("Summer"));
        QVERIFY(e.window->DeleteAction()->isEnabled());
        e.dialogs.answers = {Answer::Yes, Answer::Yes};
        e.window->DeleteAction()->trigger();
        QVERIFY(!std::filesystem::exists(e.ProgramFile("Neben")));
        QVERIFY(std::filesystem::exists(e.base / "Papierkorb" / "Neben.pgm"));
        QCOMPARE(list->item(1, 1)->text(), QString());
        QCOMPARE(list->currentRow(), 0);
    }

    void openingAnotherProgram() {
        Editor e;
        e.window->ShowPage(ProgramPage::Selection);
        e.window->ProgramList()->setCurrentCell(1, 1);
        QVERIFY(e.window->OpenAction()->isEnabled());
        e.window->OpenAction()->trigger();
        QCOMPARE(e.window->windowTitle(), QStringLiteral(" Programm :  Neben"));
        QCOMPARE(e.Text(ProgramPage::Program, 0, col::kName), QStringLiteral("Summer"));
        // The open program cannot be deleted.
        QVERIFY(!e.window->DeleteAction()->isEnabled());
    }

    void programNamesWithUmlautsAreShownAsTheFileSystemHoldsThem() {
        Editor e;
        e.WriteProgram("L\xC3\xBC" "ftung", {Line(0, "Abluft", "Netz")});
        e.window->OpenEditor();
        e.window->ShowPage(ProgramPage::Selection);
        QTableWidget* list = e.window->ProgramList();
        QCOMPARE(list->item(1, 1)->text(), QStringLiteral("Lüftung"));
        list->setCurrentCell(1, 1);
        e.window->OpenAction()->trigger();
        QCOMPARE(e.window->windowTitle(), QStringLiteral(" Programm :  Lüftung"));
        QCOMPARE(e.Text(ProgramPage::Program, 0, col::kName), QStringLiteral("Abluft"));
        // Copied from the list, the name enters the record's code page.
        e.window->ShowPage(ProgramPage::Selection);
        list->setCurrentCell(1, 1);
        list->setFocus();
        e.window->KopierenClick();
        QCOMPARE(e.window->Ablage()->currentText(), QStringLiteral("Lüftung"));
        QCOMPARE(e.window->Model().Names().Names().front().view(), std::string_view("L\xFC" "ftung"));
    }

    void aFailedSaveSelectsTheFaultyCellBeforeItsBox() {
        Editor e;
        e.WriteProgram("Main", {Line(0, "Licht", "Taster"), Line(1, "Warnung", "Netz", "TRUE", "Tor")});
        e.tables->program.Load(e.Dir(), "Main");
        e.window->OpenEditor();
        QModelIndex selectedWhileShown;
        e.dialogs.onShow = [&](const test::ScriptedDialogs::Box&) {
            selectedWhileShown = e.window->Grid()->View()->currentIndex();
        };
        e.window->SaveAction()->trigger();
        QCOMPARE(e.dialogs.boxes.size(), std::size_t(1));
        QVERIFY(e.dialogs.boxes.back().text.find("logischen Fehler") != std::string::npos);
        QCOMPARE(selectedWhileShown.row(), 1);
        QCOMPARE(selectedWhileShown.column(), int(col::kLogic));

        // "Speichern unter..." checks first, in the same order.
        selectedWhileShown = {};
        e.window->SaveAsAction()->setEnabled(true);
        e.window->SpeichernUnterClick();
        QCOMPARE(selectedWhileShown.row(), 1);
        QCOMPARE(selectedWhileShown.column(), int(col::kLogic));
    }

    void theColumnTitlesOfEveryPageDoNotOverlap() {
        Editor e;
        for (ProgramPage page : {ProgramPage::Program, ProgramPage::Led, ProgramPage::Io, ProgramPage::Counters}) {
            QList<QLabel*> labels = e.GridOf(page)->findChildren<QLabel*>();
            QVERIFY(!labels.isEmpty());
            std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
            for (int i = 1; i < labels.size(); ++i)
                QVERIFY2(labels[i]->x() >= labels[i - 1]->x() + labels[i - 1]->width(),
                         qPrintable(labels[i - 1]->text() + " / " + labels[i]->text()));
        }
    }

    void aPressAnywhereClosesTheDelayEditor() {
        Editor e;
        e.Click(ProgramPage::Program, 0, col::kDelay);
        e.Key(Qt::Key_Return);
        QLineEdit* mask = e.window->Grid()->NumberEditor();
        QVERIFY(mask->isVisible());
        mask->selectAll();
        QTest::keyClicks(mask, QStringLiteral("70000"));
        QCOMPARE(mask->text(), QStringLiteral("60000"));
        QTest::mouseClick(e.window->Ablage(), Qt::LeftButton);
        e.window->Ablage()->hidePopup();
        QVERIFY(!mask->isVisible());
        QCOMPARE(int(e.tables->program.lines.Row(0).Wert), 60000);
    }

    void aLineDraggedByItsNumberBeyondTheEndIsAppended() {
        Editor e;
        test::DragOn(e.Viewport(ProgramPage::Program), e.Cell(ProgramPage::Program, 0, col::kNumber),
                     e.Cell(ProgramPage::Program, 5, col::kNumber));
        QCOMPARE(e.Text(ProgramPage::Program, 0, col::kName), QStringLiteral("Warnung"));
        QCOMPARE(e.Text(ProgramPage::Program, 1, col::kName), QStringLiteral("Licht"));
        QCOMPARE(e.tables->program.lines.Count(), std::size_t(2));
    }
};

QTEST_MAIN(ProgrammTest)
#include "programm_test.moc"
