// The evaluation window against the simulator's memory card: choosing a folder reads its units,
// "Datei übertragen" reads them into a file that the analyser mode then lists.
#include <QMenuBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include "link/gui/Zel_Interface.h"
#include "link/gui/link_controller.h"
#include "sim/memory_card.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/project_fixture.h"

using namespace ovis;
using namespace ovis::gui;

namespace {

std::shared_ptr<const sim::MemoryCard> ThreeDays() {
    std::vector<sim::CardEvent> events;
    for (int day = 1; day <= 3; ++day)
        for (int i = 0; i < 20; ++i) events.push_back({0, {2009, 1, day, 6, i, 0, 0}, 1 + i % 4, i % 2 == 0});
    return std::make_shared<const sim::MemoryCard>(events);
}

QTreeWidgetItem* Node(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

QString Text(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

}  // namespace

class TestZelInterface : public QObject {
    Q_OBJECT

private slots:
    void readsUnitsIntoAFileAndListsIt() {
        sim::PseudoTerminal terminal;
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        test::ProjectFixture p;
        p.CreateProject("Anlage");
        p.store.SetCurrentProjectName("Anlage");
        QVERIFY(p.store.OpenCurrentProject());
        sim::SimulatorThread simulator(sim::SimulatorOptions{.address = p.tables->parameters.Record().Nummer},
                                       terminal.MasterFd());
        simulator.With([](sim::InterfaceSimulator& s) { sim::InstallMemoryCard(s, ThreeDays()); });
        NoOpenEditors editors;
        LinkController controller({p.dialogs, p.tables->parameters, [&] { return p.base.path(); }, editors});
        int closed = 0;
        InterfaceWindowHooks hooks;
        hooks.closed = [&] { ++closed; };
        TFormInterface form(p.store, p.dialogs, controller, hooks);

        form.Open(EvaluationWindowMode::DataUnits);
        QCOMPARE(form.windowTitle(), QString("Datenauswertung  ( Interface - Units )"));
        QCOMPARE(form.Tree()->topLevelItemCount(), 2);
        QCOMPARE(form.Tree()->topLevelItem(0)->text(0), QString("Datenerfassung"));
        QCOMPARE(form.Tree()->topLevelItem(1)->text(0), QString("Datenausgabe"));
        QVERIFY(form.Tree()->topLevelItem(0)->isExpanded());
        QCOMPARE(form.UnitCount(), 0);  // nothing is read on opening
        simulator.With([](sim::InterfaceSimulator& s) { QVERIFY(s.Received().empty()); });
        QVERIFY(!form.Uebertragen()->isEnabled());

        // The output folder is refused without a telegram.
        form.Tree()->setCurrentItem(Node(form.Tree(), "Ausgangsdaten"));
        QCOMPARE(p.dialogs.boxes.back().text,
                 std::string("Bei diesem Ordner können generell keine Daten (Units) aus dem Interface gelesen werden."));

        form.Tree()->setCurrentItem(Node(form.Tree(), "Alle Meldungen"));
        QCOMPARE(form.UnitCount(), 3);
        QCOMPARE(Text(form.Grid(), 0, 1), QString(" 03.01.2009   06:00"));
        QCOMPARE(Text(form.Grid(), 2, 1), QString(" 01.01.2009   06:00"));
        QVERIFY(Text(form.Grid(), 0, 0).isEmpty());
        QVERIFY(form.Uebertragen()->isEnabled());
        QCOMPARE(form.Grid()->selectionMode(), QAbstractItemView::ExtendedSelection);

        form.Grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 3), true);
        p.dialogs.inputs = {" Messung "};
        form.DateiUebertragenClick();
        QCOMPARE(p.dialogs.prompts.back().caption, std::string("Daten speichern unter..."));
        QCOMPARE(p.dialogs.prompts.back().initial, std::string("Alle Meldungen"));
        const auto file = p.store.ProjectDirectory() / "Daten" / "Datenerfassung" / "Alle Meldungen" / "Messung.ofa";
        QVERIFY(std::filesystem::exists(file));
        QCOMPARE(std::filesystem::file_size(file), std::uintmax_t(10 * 2 * 22));
        QCOMPARE(Text(form.Grid(), 0, 0), QString("Messung"));
        QCOMPARE(Text(form.Grid(), 0, 1), QString(" 02.01.2009   06:00"));
        QCOMPARE(Text(form.Grid(), 0, 2), QString(" 1 KB"));
        QVERIFY(Text(form.Grid(), 1, 1).isEmpty());
        QVERIFY(form.Auswerten()->isEnabled());
        QVERIFY(controller.actions().LinkIdle());

        // Until the analyser exists, evaluating a file says it comes later.
        form.DateiAuswertenClick();
        QCOMPARE(p.dialogs.boxes.back().text, std::string("Diese Funktion folgt in einer späteren Version."));
        QCOMPARE(form.FileBeginDate(), std::string("02.01.2009"));

        form.close();
        QCOMPARE(closed, 1);
        QCOMPARE(form.Mode(), EvaluationWindowMode::Closed);

        // The analyser mode opens on the node chosen last and lists its files.
        form.Open(EvaluationWindowMode::Analyser);
        QCOMPARE(form.windowTitle(), QString("Datenauswertung  ( Analyser )"));
        QCOMPARE(Text(form.Grid(), 0, 0), QString("Messung"));
        QCOMPARE(Text(form.Grid(), 0, 1), QString(" 02.01.2009   06:00"));
        QVERIFY(form.Umbenennen()->isEnabled());
        QVERIFY(form.Loeschen()->isEnabled());
        QVERIFY(!form.Erzeugen()->isEnabled());

        p.dialogs.inputs = {"Messung", "Tag 2"};
        form.DateiBezeichnungClick();
        QCOMPARE(Text(form.Grid(), 0, 0), QString("Tag 2"));
        p.dialogs.answers = {Answer::Yes};
        form.DateiLoeschenClick();
        QCOMPARE(p.dialogs.boxes.back().text, std::string("Wollen Sie die Datei \"Tag 2\" wirklich löschen?"));
        QVERIFY(Text(form.Grid(), 0, 0).isEmpty());

        // The output folder in statistics mode: "Datei erstellen"; the project has no output rows.
        form.close();
        form.Open(EvaluationWindowMode::Statistics);
        form.Tree()->setCurrentItem(Node(form.Tree(), "Ausgangsdaten"));
        QVERIFY(form.Erzeugen()->isEnabled());
        p.dialogs.inputs = {"Tag"};
        form.DateiErzeugenClick();
        QCOMPARE(p.dialogs.prompts.back().caption, std::string("Daten erstellen in..."));
        QCOMPARE(p.dialogs.boxes.back().text, std::string("Es sind keine Ausgangsdaten - Meldungen definiert !"));
        form.close();
        qunsetenv("OVIS_COM1");
    }

    void menus() {
        test::ProjectFixture p;
        p.CreateProject("Anlage");
        p.store.SetCurrentProjectName("Anlage");
        QVERIFY(p.store.OpenCurrentProject());
        NoOpenEditors editors;
        LinkController controller({p.dialogs, p.tables->parameters, [&] { return p.base.path(); }, editors});
        TFormInterface form(p.store, p.dialogs, controller, {});
        QStringList menus;
        for (QAction* a : form.Menus()->actions()) menus << a->text() + (a->isVisible() ? "" : " (verborgen)");
        QCOMPARE(menus, (QStringList{"Datei", "Auswahl (verborgen)", "?"}));
        QStringList items;
        for (QAction* a : form.Menus()->actions().front()->menu()->actions()) items << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(items, (QStringList{"Datei auswerten", "Datei übertragen", "-", "Datei umbenennen", "Datei erstellen",
                                     "Datei löschen", "-", "Schließen"}));
        QCOMPARE(form.GridMenu()->actions().size(), 5);
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
    }
};

QTEST_MAIN(TestZelInterface)
#include "zel_interface_test.moc"
