// The composed program: main window, I/O editor and Interface link working together on the demo,
// with the Interface simulator on COM1.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "link/configuration_image_sources.h"
#include "link/image_memory.h"
#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Statistik.h"
#include "evaluation/recording_events.h"
#include "project/statistics_file.h"
#include "evaluation/gui/analyser_online_window.h"
#include "evaluation/gui/analyser_opener.h"
#include "link/gui/Zel_Interface.h"
#include "link/gui/link_controller.h"
#include "shell/demo_project.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/application_windows.h"
#include "shell/shell_test_projects.h"
#include "programs/gui/Zel_Programm.h"
#include "project/project_store.h"
#include "shell/demo_events.h"
#include "sim/memory_card.h"
#include "sim/online_plant.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "tables/gui/Zel_Counter.h"
#include "tables/gui/Zel_Gruppe.h"
#include "tables/gui/Zel_Klemmenplan.h"
#include "tables/gui/Zel_Timer.h"
#include "visualisation/gui/Zel_Visualisierung.h"

using namespace ovis;

class ApplicationWindowsTest : public QObject {
    Q_OBJECT

    struct Program {
        test::TempDir base;
        std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
        test::ScriptedDialogs dialogs;
        std::unique_ptr<ProjectStore> store;
        std::unique_ptr<gui::ApplicationWindows> windows;

        Program() {
            CreateDemoBase(base.path());
            store = std::make_unique<ProjectStore>(*tables, dialogs, base.path());
            windows = std::make_unique<gui::ApplicationWindows>(*store, dialogs);
            windows->Show();
        }
        gui::TMainForm& Main() { return windows->MainForm(); }
        void OpenDemo() {
            Main().Model().ChooseProject(base.path(), kDemoProjectName);
            QVERIFY(Main().Model().OpenChosenProject());
            Main().RefreshStates();
        }
    };

private slots:
    void startsOnTheStartViewWithTheProjectCommandsDisabled() {
        Program p;
        QCOMPARE(p.tables->io.Count(), std::size_t(32));  // the start view's tables are loaded
        QCOMPARE(p.store->CurrentProjectName(), std::string());
        QVERIFY(!p.Main().Action(MenuCommand::Io)->isEnabled());
        QVERIFY(!p.Main().Action(MenuCommand::Systemkonfiguration)->isEnabled());
    }

    void theIoEditorOpensFromTheMenuAndHoldsTheProjectCommands() {
        Program p;
        p.OpenDemo();
        QVERIFY(p.Main().Action(MenuCommand::Io)->isEnabled());
        p.Main().Action(MenuCommand::Io)->trigger();
        QTRY_VERIFY(p.windows->KlPlan().isVisible());
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::IoEditor));
        QVERIFY(!p.Main().Action(MenuCommand::ProjektOeffnen)->isEnabled());
        p.windows->KlPlan().close();
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::IoEditor));
        p.Main().Model().FormActivate();
        p.Main().RefreshStates();
        QVERIFY(p.Main().Action(MenuCommand::ProjektOeffnen)->isEnabled());
    }

    void savingTheIoTableSetsTheInterfaceCommands() {
        Program p;
        test::WriteProject(*p.store, "Leer");
        p.Main().Model().ChooseProject(p.base.path(), "Leer");
        QVERIFY(p.Main().Model().OpenChosenProject());
        p.Main().RefreshStates();
        QVERIFY(!p.Main().Action(MenuCommand::Reset)->isEnabled());

        p.Main().Action(MenuCommand::Io)->trigger();
        QTRY_VERIFY(p.windows->KlPlan().isVisible());
        p.windows->KlPlan().NewMessageAction()->trigger();
        p.windows->KlPlan().SaveAction()->trigger();
        for (MenuCommand c : {MenuCommand::Neukonfiguration, MenuCommand::Reset, MenuCommand::AnalyserOnline,
                              MenuCommand::CounterOnline})
            QVERIFY2(p.Main().Action(c)->isEnabled(), MenuItem(c).caption);
        QVERIFY(p.Main().MenuButton(MenuId::Ovis)->isEnabled());

        p.tables->io.SetCount(0);
        p.windows->KlPlan().SaveAction()->trigger();
        QVERIFY(!p.Main().Action(MenuCommand::Reset)->isEnabled());
        QVERIFY(!p.Main().MenuButton(MenuId::Ovis)->isEnabled());
        p.windows->KlPlan().close();
    }

    void theCounterAndTimerEditorsOpenFromTheMenuAndTheirButtons() {
        Program p;
        p.OpenDemo();
        p.dialogs.boxes.clear();
        p.Main().Action(MenuCommand::Counter)->trigger();
        QTRY_VERIFY(p.windows->Counter().isVisible());
        QCOMPARE(p.windows->Counter().windowTitle(), QStringLiteral(" Counter"));
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::CounterEditor));
        QVERIFY(p.windows->IsOpen(EditorKind::Counters));
        p.Main().ToolButton(MenuCommand::Timer)->click();
        QTRY_VERIFY(p.windows->Timer().isVisible());
        QCOMPARE(p.windows->Timer().windowTitle(), QStringLiteral(" Timer"));
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::TimerEditor));
        QVERIFY2(p.dialogs.boxes.empty(), p.dialogs.boxes.empty() ? "" : p.dialogs.boxes[0].text.c_str());

        // Unsaved input holds the reconfiguration.
        QVERIFY(!p.windows->MarkUnsavedForReconfiguration(EditorKind::Timers));
        p.windows->Timer().NewMessageAction()->trigger();
        QVERIFY(p.windows->MarkUnsavedForReconfiguration(EditorKind::Timers));

        p.windows->Counter().close();
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::CounterEditor));
        p.windows->Timer().UndoAction()->trigger();  // the editors ask with boxes of their own
        p.windows->Timer().close();
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::TimerEditor));
    }

    void theProgramEditorOpensFromItsButtonAndShowsWhatTheTimerEditorSaved() {
        Program p;
        p.OpenDemo();
        p.dialogs.boxes.clear();
        p.Main().ToolButton(MenuCommand::Programm)->click();
        gui::TFormProgramm& programm = p.windows->Programm();
        QTRY_VERIFY(programm.isVisible());
        QCOMPARE(programm.windowTitle(), QStringLiteral(" Programm :  Main"));
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::ProgramEditor));
        QVERIFY(p.windows->IsOpen(EditorKind::Programs));

        const int timers = programm.PageGrid(ProgramPage::Timers)->View()->model()->rowCount();
        const std::size_t timerRows = p.tables->timers.Count();
        p.Main().Action(MenuCommand::Timer)->trigger();
        QTRY_VERIFY(p.windows->Timer().isVisible());
        p.windows->Timer().NewMessageAction()->trigger();
        p.windows->Timer().SaveAction()->trigger();
        QVERIFY2(p.dialogs.boxes.empty(), p.dialogs.boxes.empty() ? "" : p.dialogs.boxes[0].text.c_str());
        QCOMPARE(p.tables->timers.Count(), timerRows + 1);
        QCOMPARE(programm.PageGrid(ProgramPage::Timers)->View()->model()->index(int(timerRows), 1).data().toString(),
                 QStringLiteral("Timer - Meldung"));
        QVERIFY(programm.PageGrid(ProgramPage::Timers)->View()->model()->rowCount() >= timers);
        p.windows->Timer().close();

        // Unsaved input holds the reconfiguration.
        QVERIFY(!p.windows->MarkUnsavedForReconfiguration(EditorKind::Programs));
        programm.NewMessageAction()->trigger();
        QVERIFY(p.windows->MarkUnsavedForReconfiguration(EditorKind::Programs));
        programm.UndoAction()->trigger();
        programm.close();
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::ProgramEditor));
    }

    void aRenamedFolderReachesTheOpenGroupEditor() {
        Program p;
        p.OpenDemo();
        TGruppeRecord group{};
        group.Bezeichnung = "Tor offen";
        group.Anzahl = 1;
        group.Mitglied[0] = 1;
        group.SpeicherOrdner = "Antriebe";
        p.tables->groups.Append(group);
        p.Main().Action(MenuCommand::Gruppen)->trigger();
        QTRY_VERIFY(p.windows->Gruppe().isVisible());
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::GroupEditor));
        QVERIFY(p.windows->IsOpen(EditorKind::Groups));

        SystemConfiguration configuration(*p.store, p.dialogs, *p.windows);
        configuration.Show();
        p.dialogs.inputs = {"Motoren"};
        QVERIFY(configuration.RenameFolder(FolderField::Grid, 2));
        QCOMPARE(p.tables->groups.Row(0).SpeicherOrdner.str(), std::string("Motoren"));
        p.windows->Gruppe().close();
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::GroupEditor));
    }

    static bool ReceivedCommand(sim::SimulatorThread& simulator, int command) {
        return simulator.With([command](sim::InterfaceSimulator& s) {
            for (const auto& r : s.Received())
                if (r.telegram.command == command) return true;
            return false;
        });
    }
    // Whether a column of row `row` holds state `state`.
    static bool RowShows(const gui::TFormAnalyserOnline& form, int row, int state) {
        for (int c = 1; c <= form.Model().Columns(); ++c)
            if (form.Model().State(row, c) == state) return true;
        return false;
    }
    static QWidget* TopLevel(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) return w;
        return nullptr;
    }

    void resetReachesTheSimulatedInterfaceOnComOne() {
        sim::PseudoTerminal terminal;
        sim::OnlinePlant plant{sim::OnlineOptions{}};  // outlives the simulator's thread
        sim::SimulatorThread simulator({}, terminal.MasterFd(), 0, [&](sim::InterfaceSimulator& s, sim::SimulatorRunner& r) {
            plant.Install(s);
            r.SetIdleWork([&plant](sim::InterfaceSimulator& sim, sim::Micros now) { plant.Advance(sim, now); });
        });
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        Program p;
        p.OpenDemo();
        QVERIFY2(p.windows->Link().rs232().Port().PortIsOpen(), "opening the project opens COM1");

        // The online views open on the Interface; closing each ends online mode and frees the link.
        p.dialogs.boxes.clear();
        QAction* counterItem = p.Main().Action(MenuCommand::CounterOnline);
        const QImage idle = counterItem->icon().pixmap(32, 32).toImage();
        counterItem->trigger();
        QWidget* counters = TopLevel("FormCounterOnline");
        QVERIFY(counters);
        QVERIFY2(counterItem->icon().pixmap(32, 32).toImage() != idle, "the item shows the reading");
        QVERIFY(!p.windows->Link().actions().LinkIdle());
        QVERIFY(!p.Main().Action(MenuCommand::Reset)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(ReceivedCommand(simulator, 5), 5000);
        QPointer<QWidget> counterWindow = counters;
        counters->close();
        QTRY_VERIFY_WITH_TIMEOUT(counterWindow.isNull(), 5000);
        QVERIFY(counterItem->icon().pixmap(32, 32).toImage() == idle);
        QVERIFY(p.windows->Link().actions().LinkIdle());
        QVERIFY(p.Main().Action(MenuCommand::Reset)->isEnabled());

        p.Main().Action(MenuCommand::AnalyserOnline)->trigger();
        QPointer<QWidget> analyser;
        QTRY_VERIFY_WITH_TIMEOUT(analyser = TopLevel("FormAnalyser"), 5000);
        QCOMPARE(analyser->windowTitle(), QStringLiteral("Analyser  ( Online )"));
        QTRY_VERIFY_WITH_TIMEOUT(ReceivedCommand(simulator, 7), 5000);
        QVERIFY(!p.Main().Action(MenuCommand::CounterOnline)->isEnabled());
        // A change the simulated Interface makes shows up as the last event and in the diagram.
        simulator.With([&](sim::InterfaceSimulator& s) { plant.Switch(s, 2, true); });
        auto* online = qobject_cast<gui::TFormAnalyserOnline*>(analyser.data());
        QVERIFY(online);
        QTRY_VERIFY_WITH_TIMEOUT(online->EventLabel()->text().endsWith(QStringLiteral("  aktiv")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(RowShows(*online, 2, 2), 5000);
        analyser->close();
        QTRY_VERIFY_WITH_TIMEOUT(analyser.isNull(), 5000);
        QVERIFY(p.windows->Link().actions().LinkIdle());
        QVERIFY(p.dialogs.boxes.empty());

        p.dialogs.boxes.clear();
        p.dialogs.answers = {Answer::No};
        p.Main().Action(MenuCommand::Reset)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(ReceivedCommand(simulator, 3), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(p.windows->Link().actions().LastActionCompleted(), 5000);
        simulator.With([](sim::InterfaceSimulator& s) {
            QVERIFY(!s.Received().empty());
            QCOMPARE(int(s.Received().back().telegram.command), 3);
        });
        qunsetenv("OVIS_COM1");
    }

    static gui::TFormVisualisierung* ShownVisualisation() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* visu = qobject_cast<gui::TFormVisualisierung*>(w); visu && visu->isVisible()) return visu;
        return nullptr;
    }

    void theVisualisationButtonOpensTheOnlineViewAndItsCloseFreesTheLink() {
        sim::PseudoTerminal terminal;
        sim::OnlinePlant plant{sim::OnlineOptions{}};
        sim::SimulatorThread simulator({}, terminal.MasterFd(), 0, [&](sim::InterfaceSimulator& s, sim::SimulatorRunner& r) {
            plant.Install(s);
            r.SetIdleWork([&plant](sim::InterfaceSimulator& sim, sim::Micros now) { plant.Advance(sim, now); });
        });
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        Program p;
        QAction* button = p.Main().VisualisationOnlineAction();
        QVERIFY(p.Main().VisualisationBar()->isVisible());
        QVERIFY(!button->isEnabled());
        p.OpenDemo();
        QVERIFY(button->isEnabled());
        QVERIFY(p.Main().Action(MenuCommand::Visualisierung)->isVisible());
        QVERIFY(p.Main().Action(MenuCommand::Video)->isVisible());

        p.dialogs.boxes.clear();
        button->trigger();
        gui::TFormVisualisierung* visu = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(visu = ShownVisualisation(), 5000);
        QCOMPARE(visu->windowTitle(), QStringLiteral("Zel - Visualisierung  ( online )"));
        QTRY_VERIFY_WITH_TIMEOUT(ReceivedCommand(simulator, 7), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(visu->TimerActive(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!p.windows->Link().actions().LinkIdle(), 5000);  // each poll holds the link
        QVERIFY(!button->isEnabled());
        for (MenuCommand c : {MenuCommand::Reset, MenuCommand::AnalyserOnline, MenuCommand::CounterOnline,
                              MenuCommand::Visualisierung, MenuCommand::Video})
            QVERIFY2(!p.Main().Action(c)->isEnabled(), MenuItem(c).caption);

        visu->close();
        QVERIFY(p.windows->Link().actions().LinkIdle());
        QVERIFY(button->isEnabled());
        QVERIFY(p.Main().Action(MenuCommand::Reset)->isEnabled());
        QVERIFY(p.dialogs.boxes.empty());

        p.dialogs.answers = {Answer::No};
        p.Main().Action(MenuCommand::Reset)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(ReceivedCommand(simulator, 3), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(p.windows->Link().actions().LinkIdle(), 5000);
        QCOMPARE(int(p.windows->Link().actions().Tag()), int(ActionTag::Reset));
        QVERIFY(p.windows->Link().actions().LastActionCompleted());
        QCOMPARE(p.dialogs.boxes.size(), std::size_t(1));  // only the question, no warning
        QCOMPARE(p.dialogs.boxes.front().text, std::string("Ovis Reset mit Analyser (Online)?"));
        qunsetenv("OVIS_COM1");
    }

    // A new user reads the demo's events out of the simulated Interface and sees the file listed.
    void theDemoReadsUnitsFromTheMainWindow() {
        sim::PseudoTerminal terminal;
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        Program p;
        p.OpenDemo();
        sim::SimulatorThread simulator(sim::SimulatorOptions{.address = p.tables->parameters.Record().Nummer},
                                       terminal.MasterFd());
        const auto card = std::make_shared<const sim::MemoryCard>(
            sim::ParseEventsText(DemoEventsText(LocalDateTime{2024, 3, 1})));
        simulator.With([&](sim::InterfaceSimulator& s) { sim::InstallMemoryCard(s, card); });

        p.Main().Action(MenuCommand::AuswertungUnits)->trigger();
        gui::TFormInterface& window = p.windows->Interface();
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QString("Datenauswertung  ( Interface - Units )"));
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::EvaluationWindow));
        window.Tree()->setCurrentItem(window.Tree()->findItems("Alle Meldungen", Qt::MatchExactly | Qt::MatchRecursive).front());
        QCOMPARE(window.UnitCount(), 3);
        QVERIFY(window.Grid()->item(0, 1)->text().startsWith(" 01.03.2024   "));
        window.Grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 2, 3), true);
        // The window's own name box, answered as a user would.
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(qobject_cast<QInputDialog*>(QApplication::activeModalWidget()));
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QCOMPARE(box->windowTitle(), QString("Daten speichern unter..."));
            box->setTextValue("Drei Tage");
            box->accept();
        });
        window.DateiUebertragenClick();
        QCOMPARE(window.Grid()->item(0, 0)->text(), QString("Drei Tage"));
        window.close();

        p.Main().Action(MenuCommand::Analyser)->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(p.Main().Model().EditorOpen(EditorSlot::EvaluationWindow));
        QCOMPARE(window.Grid()->item(0, 0)->text(), QString("Drei Tage"));
        QVERIFY(window.Grid()->item(0, 1)->text().startsWith(" 28.02.2024"));
        // "Datei auswerten" shows the file in the analyser.
        window.Grid()->setCurrentCell(0, 0);
        window.DateiAuswertenClick();
        QPointer<gui::TFormAnalyser> analyser = p.windows->Analyser().Current();
        QVERIFY(analyser && analyser->isVisible());
        QVERIFY(!p.Main().Action(MenuCommand::Reset)->isEnabled());
        analyser->close();
        QTRY_VERIFY(p.Main().Action(MenuCommand::Reset)->isEnabled());
        window.close();
        QVERIFY(!p.Main().Model().EditorOpen(EditorSlot::EvaluationWindow));
        qunsetenv("OVIS_COM1");
    }

    // "Statistik" opens the evaluation window in mode 3; "Datei auswerten" shows the statistics on
    // the "Meldung" tab with the file's begin date as the default date filter.
    void theStatisticsOpenFromTheEvaluationWindow() {
        Program p;
        p.OpenDemo();
        const std::filesystem::path project = p.store->ProjectDirectory();
        std::filesystem::remove(project / kStatisticsFileName);
        auto records = test::CreatedDayFile(3, 5, 7);
        records.insert(records.begin() + 5, {test::MakeEvent(2, true, {5, 7, 9}), test::MakeEvent(2, false, {5, 7, 10})});
        test::WriteRecordingFile(project / "Daten" / "Datenerfassung" / "Antriebe" / "Woche.ofa", records);

        p.Main().Action(MenuCommand::Statistik)->trigger();
        gui::TFormInterface& window = p.windows->Interface();
        QVERIFY(window.isVisible());
        QCOMPARE(window.Mode(), EvaluationWindowMode::Statistics);
        window.Tree()->setCurrentItem(window.Tree()->findItems("Antriebe", Qt::MatchExactly | Qt::MatchRecursive).front());
        QCOMPARE(window.Grid()->item(0, 0)->text(), QString("Woche"));
        window.Grid()->setCurrentCell(0, 0);
        window.DateiAuswertenClick();
        QCOMPARE(window.FileBeginDate(), std::string("07.05.2008"));
        gui::TFormStatistik& statistik = p.windows->Statistik();
        QVERIFY(statistik.isVisible());
        QCOMPARE(statistik.windowTitle(), QString("Statistik     Datei : Woche"));
        QCOMPARE(statistik.Tabs()->currentIndex(), 0);
        QCOMPARE(statistik.Settings().Record().Zeile[kDateFilterRow].Von[0], "07.05.2008");
        QVERIFY(std::filesystem::exists(project / kStatisticsFileName));
        statistik.close();
        window.close();
    }

    void theDemoConfiguresFromTheMainWindow() {
        sim::PseudoTerminal terminal;
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        Program p;
        p.OpenDemo();
        sim::SimulatorThread simulator(sim::SimulatorOptions{.address = p.tables->parameters.Record().Nummer},
                                       terminal.MasterFd());
        p.dialogs.boxes.clear();
        p.dialogs.answers = {Answer::Yes};
        p.Main().Action(MenuCommand::Neukonfiguration)->trigger();
        QCOMPARE(p.dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(p.dialogs.boxes[0].text, std::string("Ovis konfigurieren  o h n e  Datensicherung ?"));
        QTRY_VERIFY_WITH_TIMEOUT(p.windows->Link().actions().LastActionCompleted(), 60000);
        QCOMPARE(p.dialogs.boxes.size(), std::size_t(1));

        const ConfigurationSources sources = LoadConfigurationSources(p.store->ProjectDirectory(), *p.tables);
        const ConfigurationBuild build = BuildConfigurationImage(sources.Inputs(*p.tables, SystemClock().Now(), false));
        QVERIFY(!build.checkFailure);
        auto expected = test::MemoryAfter(build.image).Read(3, 0, sim::kAreaSize);
        simulator.With([&](sim::InterfaceSimulator& s) {
            QCOMPARE(int(s.Received().front().telegram.command), 1);
            auto memory = s.Memory().Read(3, 0, sim::kAreaSize);
            // The clock of the system header is taken when each image is built.
            std::fill(memory.begin() + 0x8018, memory.begin() + 0x8020, 0);
            std::fill(expected.begin() + 0x8018, expected.begin() + 0x8020, 0);
            QVERIFY(memory == expected);
        });
        qunsetenv("OVIS_COM1");
    }
};

QTEST_MAIN(ApplicationWindowsTest)
#include "application_windows_test.moc"
