// The main window over a temporary base directory: menus and states, EditorOpenFlags, the
// project commands through the window, the about box, help and the start-view picture.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "shell/demo_project.h"
#include "shell/gui/Zel_Hilfe.h"
#include "shell/gui/Zel_Info.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/Zel_Open.h"
#include "led/gui/led_display_panel.h"
#include "project/project_store.h"
#include "shell/shell_test_projects.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;
using namespace ovis::gui;
using C = MenuCommand;
namespace fs = std::filesystem;

namespace {

struct RecordingHooks final : ShellHooks {
    int reopened = 0;
    void ReopenSerialPort() override { ++reopened; }
};

// A base directory with help pages, a settings file naming the start-view project and that
// project; the window is created over it.
struct Shell {
    test::TempDir base;
    std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    ProjectStore store{*tables, dialogs, base.path()};
    RecordingHooks hooks;
    std::unique_ptr<TMainForm> form;

    explicit Shell(bool complete = true) {
        fs::create_directories(store.ProjectRoot());
        if (complete) {
            fs::create_directories(base / "Hilfe");
            std::ofstream(base / "Hilfe" / "index.html") << "<html><body><h1>Inhalt</h1></body></html>";
            std::ofstream(base / "Hilfe" / "100.html") << "<html><body><h1>Hauptfenster</h1></body></html>";
            test::WriteProject(store, "Start", 0, 0);
            std::ofstream(base / "Ovis.ini") << "Start";
        }
    }

    TMainForm& Create() {
        form = std::make_unique<TMainForm>(store, dialogs, hooks);
        return *form;
    }

    TMainForm& Show() {
        Create().show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
        return *form;
    }

    // Opens a project through the model, as the browser would after a double click.
    void OpenThroughModel(const std::string& name) {
        form->Model().BeginOpenProject();
        form->Model().ChooseProject(base.path(), name);
        QVERIFY(form->Model().ProjectBrowserClosed());
        form->RefreshStates();
    }
};

bool Enabled(TMainForm& form, C command) { return form.Action(command)->isEnabled(); }

// Runs `check` on the modal window that `trigger` opens, once it is shown.
template <typename Window>
void WithModal(const std::function<void()>& trigger, const std::function<void(Window&)>& check) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window) {
            seen = true;
            check(*window);
        }
        if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    });
    trigger();
    QVERIFY(seen);
}

int RowOf(TFormOpen& browser, const std::string& name) {
    for (std::size_t i = 0; i < browser.Items().size(); ++i)
        if (browser.Items()[i].name == name) return static_cast<int>(i);
    return -1;
}

void DoubleClickRow(TFormOpen& browser, int row) {
    QVERIFY(QTest::qWaitForWindowActive(&browser));
    QTreeView* view = browser.ReportView();
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    // The first click of a double click, then the double click itself.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void startUpReportsAMissingHelpIndexAndSettingsFile() {
        Shell shell(false);
        shell.Create();
        QVERIFY(shell.dialogs.boxes.size() >= 2);
        const std::string expected =
            "Hilfe-Datei nicht gefunden\r" + (shell.base.path() / "Hilfe" / "index.html").string();
        QCOMPARE(shell.dialogs.boxes[0].text, expected);
        QCOMPARE(shell.dialogs.boxes[1].kind, BoxKind::Error);
        QVERIFY(shell.dialogs.boxes[1].text.find("Ovis.ini") != std::string::npos);
        QCOMPARE(shell.form->windowTitle(), QStringLiteral("Ovis"));
    }

    void menusAndButtonsBeforeAProjectIsOpen() {
        Shell shell;
        TMainForm& form = shell.Show();
        QVERIFY(shell.dialogs.boxes.empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("Ovis"));

        const QStringList menuTexts = {" &Projekt ", " &Bearbeiten ", " &Ovis ", " A&uswertung ", " &Hilfe "};
        const MenuId menus[] = {MenuId::Projekt, MenuId::Bearbeiten, MenuId::Ovis, MenuId::Auswertung, MenuId::Hilfe};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(form.MenuButton(menus[i])->text(), menuTexts[i]);
            QVERIFY(form.MenuButton(menus[i])->menu());
            QVERIFY(form.MenuButton(menus[i])->isEnabled());
        }

        QStringList hints;
        for (QAction* action : form.ToolBar()->actions())
            if (!action->isSeparator()) hints << action->toolTip();
        QCOMPARE(hints, QStringList({"Projekt öffnen...", "Projekt speichern unter...", "Systemkonfiguration", "I / O",
                                     "Gruppen", "LED", "Counter", "Timer", "Programm", "Neukonfiguration", "Reset",
                                     "Analyser (Online)", "Counter (Online)", "Analyser - Auswertung",
                                     "Statistik - Auswertung", "Hilfe"}));
        for (QAction* action : form.ToolBar()->actions())
            if (!action->isSeparator()) QVERIFY2(!action->icon().isNull(), qPrintable(action->toolTip()));

        for (C c : {C::ProjektSpeichernUnter, C::Systemkonfiguration, C::Io, C::Led, C::Neukonfiguration, C::Analyser})
            QVERIFY2(!form.ToolButton(c)->isEnabled(), MenuItem(c).caption);
        QVERIFY(form.ToolButton(C::ProjektOeffnen)->isEnabled());
        QVERIFY(form.ToolButton(C::Inhalt)->isEnabled());
        QVERIFY(Enabled(form, C::NeuesProjekt));
        QVERIFY(Enabled(form, C::Info));
        for (C c : {C::Rueckgaengig, C::Kopieren, C::SoftwareUpdate, C::Auswahl})
            QVERIFY2(!form.Action(c)->isVisible(), MenuItem(c).caption);
        for (C c : {C::Visualisierung, C::Video}) {
            QVERIFY2(form.Action(c)->isVisible(), MenuItem(c).caption);
            QVERIFY2(!form.Action(c)->isEnabled(), MenuItem(c).caption);
        }
        QVERIFY(form.VisualisationBar()->isVisible());
        QCOMPARE(form.VisualisationOnlineAction()->toolTip(), QStringLiteral("Visualisierung - Online"));
        QVERIFY(!form.VisualisationOnlineAction()->icon().isNull());
        QVERIFY(!form.VisualisationOnlineAction()->isEnabled());
        QCOMPARE(form.Action(C::Kopieren)->shortcut(), QKeySequence(QKeySequence::Copy));

        QVERIFY(!form.LedEditingLine()->isVisible());
        QVERIFY(!form.LedPanel()->Editing());
        QCOMPARE(form.SimulationButton()->text(), QStringLiteral("Start Simulation"));
        QCOMPARE(form.ShowTextButton()->text(), QStringLiteral("Text anzeigen"));
        QCOMPARE(form.LedScrollBar()->maximum(), 1275);
        QCOMPARE(form.LedText()->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void openingThroughTheBrowserEnablesTheProjectCommands() {
        Shell shell;
        test::WriteProject(shell.store, "Anlage", 4, 0);
        TMainForm& form = shell.Show();
        WithModal<TFormOpen>([&] { form.Action(C::ProjektOeffnen)->trigger(); },
                             [&](TFormOpen& browser) {
                                 QCOMPARE(browser.windowTitle(), QStringLiteral("Projekt öffnen"));
                                 QVERIFY(form.Model().EditorOpen(EditorSlot::ProjectBrowser));
                                 QVERIFY(!Enabled(form, C::ProjektOeffnen));
                                 const int row = RowOf(browser, "Anlage");
                                 QVERIFY(row >= 0);
                                 DoubleClickRow(browser, row);
                                 QVERIFY(!browser.isVisible());
                             });
        QCOMPARE(form.windowTitle(), QStringLiteral(" Ovis       Aktuelles Projekt :  Anlage"));
        QCOMPARE(shell.store.CurrentProjectName(), std::string("Anlage"));
        QCOMPARE(shell.store.Tables().io.Count(), std::size_t(4));
        QVERIFY(!form.Model().AnyEditorOpen());
        for (C c : {C::Systemkonfiguration, C::Io, C::Gruppen, C::Programm, C::Neukonfiguration, C::CounterOnline,
                    C::Analyser, C::Statistik})
            QVERIFY2(form.ToolButton(c)->isEnabled(), MenuItem(c).caption);
        QVERIFY(form.Action(C::AuswertungUnits)->isEnabled());
        for (C c : {C::Visualisierung, C::Video}) QVERIFY2(Enabled(form, c) && form.Action(c)->isVisible(), MenuItem(c).caption);
        QVERIFY(form.VisualisationOnlineAction()->isEnabled());
        QVERIFY(form.MenuButton(MenuId::Ovis)->isEnabled());
        QCOMPARE(shell.hooks.reopened, 1);
    }

    void aProjectWithoutRowsHoldsTheInterfaceCommands() {
        Shell shell;
        test::WriteProject(shell.store, "Leer");
        TMainForm& form = shell.Show();
        shell.OpenThroughModel("Leer");
        QVERIFY(form.ToolButton(C::Io)->isEnabled());
        for (C c : {C::Neukonfiguration, C::Reset, C::AnalyserOnline, C::CounterOnline})
            QVERIFY2(!form.ToolButton(c)->isEnabled(), MenuItem(c).caption);
        QVERIFY(!form.MenuButton(MenuId::Ovis)->isEnabled());
    }

    void newProjectThroughTheWindow() {
        Shell shell;
        TMainForm& form = shell.Show();
        shell.dialogs.inputs = {"  Neubau  "};
        form.Action(C::NeuesProjekt)->trigger();
        QCOMPARE(shell.dialogs.prompts.size(), std::size_t(1));
        QCOMPARE(shell.dialogs.prompts[0].caption, std::string("Projektname eintragen..."));
        QCOMPARE(form.windowTitle(), QStringLiteral(" Ovis       Aktuelles Projekt :  Neubau"));
        QVERIFY(fs::exists(shell.base / "Projekte" / "Neubau" / "Parameter.ofp"));
        QVERIFY(form.Model().NewProjectFlag());
        QVERIFY(form.ToolButton(C::Io)->isEnabled());
        QVERIFY(!form.ToolButton(C::Reset)->isEnabled());
        QVERIFY(!form.MenuButton(MenuId::Ovis)->isEnabled());

        form.InterfaceTableSaved(2);  // the I/O editor saved its first rows
        QVERIFY(form.ToolButton(C::Reset)->isEnabled());
        QVERIFY(form.MenuButton(MenuId::Ovis)->isEnabled());
        QVERIFY(!form.Model().NewProjectFlag());
    }

    void saveAsThroughTheWindow() {
        Shell shell;
        test::WriteProject(shell.store, "Alt", 1);
        TMainForm& form = shell.Show();
        shell.OpenThroughModel("Alt");
        QVERIFY(Enabled(form, C::ProjektSpeichernUnter));
        shell.dialogs.inputs = {"Alt", "Kopie"};
        form.Action(C::ProjektSpeichernUnter)->trigger();
        QCOMPARE(shell.dialogs.prompts.size(), std::size_t(2));
        QCOMPARE(shell.dialogs.prompts[0].initial, std::string("Alt"));
        QCOMPARE(shell.dialogs.boxes.back().text, std::string("Das Projekt Alt existiert bereits!"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Ovis     Aktuelles Projekt : Kopie"));
        QVERIFY(fs::exists(shell.base / "Projekte" / "Kopie" / "IO.ofd"));
        QCOMPARE(shell.hooks.reopened, 2);
    }

    void editorOpenFlagsHoldTheProjectCommandsUntilTheWindowIsActivatedAgain() {
        Shell shell;
        test::WriteProject(shell.store, "Anlage", 1);
        TMainForm& form = shell.Show();
        shell.OpenThroughModel("Anlage");

        QWidget editor;
        editor.setWindowTitle(QStringLiteral("I/O"));
        form.RegisterEditor(C::Io, EditorSlot::IoEditor, [&] { editor.show(); });
        form.ToolButton(C::Io)->click();
        QVERIFY(editor.isVisible());
        QVERIFY(form.Model().EditorOpen(EditorSlot::IoEditor));
        QVERIFY(!form.ToolButton(C::ProjektOeffnen)->isEnabled());
        QVERIFY(!form.ToolButton(C::ProjektSpeichernUnter)->isEnabled());

        // Back to the main window with the editor still open: nothing changes.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(!form.ToolButton(C::ProjektOeffnen)->isEnabled());

        // The editor closes; the next activation of the main window enables the commands.
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.close();
        form.EditorClosed(EditorSlot::IoEditor);
        QVERIFY(!form.ToolButton(C::ProjektOeffnen)->isEnabled());
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.ToolButton(C::ProjektOeffnen)->isEnabled());
        QVERIFY(form.ToolButton(C::ProjektSpeichernUnter)->isEnabled());
    }

    void anEditorThatFailsToShowIsReportedAndReleased() {
        Shell shell;
        test::WriteProject(shell.store, "Anlage", 1);
        TMainForm& form = shell.Show();
        shell.OpenThroughModel("Anlage");
        form.RegisterEditor(C::Led, EditorSlot::LedEditor, [] { throw std::runtime_error("kein Speicher"); });
        form.Action(C::Led)->trigger();
        QCOMPARE(shell.dialogs.boxes.back().text, std::string("Exception: kein Speicher"));
        QVERIFY(!form.Model().EditorOpen(EditorSlot::LedEditor));
    }

    void itemsWithoutTheirWindowShowTheLaterNote() {
        Shell shell;
        test::WriteProject(shell.store, "Anlage", 1);
        TMainForm& form = shell.Show();
        shell.OpenThroughModel("Anlage");
        for (C c : {C::Systemkonfiguration, C::Gruppen, C::Neukonfiguration, C::Analyser}) {
            shell.dialogs.boxes.clear();
            form.Action(c)->trigger();
            QCOMPARE(shell.dialogs.boxes.size(), std::size_t(1));
            QCOMPARE(shell.dialogs.boxes[0].text, std::string("Diese Funktion folgt in einer späteren Version."));
            QVERIFY2(!form.Model().AnyEditorOpen(), MenuItem(c).caption);
        }
        int called = 0;
        form.SetCommandHandler(C::Reset, [&] { ++called; });
        shell.dialogs.boxes.clear();
        form.Action(C::Reset)->trigger();
        QCOMPARE(called, 1);
        QVERIFY(shell.dialogs.boxes.empty());

        EvaluationMode opened = EvaluationMode::Video;
        form.SetEvaluationOpener([&](EvaluationMode mode) { opened = mode; });
        form.Action(C::Statistik)->trigger();
        QCOMPARE(opened, EvaluationMode::Statistics);
        QVERIFY(form.Model().EditorOpen(EditorSlot::EvaluationWindow));
        QVERIFY(!Enabled(form, C::ProjektOeffnen));
    }

    void theAboutBox() {
        Shell shell;
        TMainForm& form = shell.Show();
        WithModal<TFormInfo>([&] { form.Action(C::Info)->trigger(); },
                             [&](TFormInfo& info) {
                                 QCOMPARE(info.windowTitle(), QStringLiteral("Info"));
                                 QVERIFY(info.isModal());
                                 QStringList texts;
                                 for (QLabel* label : info.findChildren<QLabel*>()) texts << label->text();
                                 QVERIFY(texts.contains(QStringLiteral("Ovis")));
                                 QVERIFY(texts.contains(QStringLiteral("1.5  vom  01.01.2006")));
                                 QCOMPARE(info.OkButton()->text(), QStringLiteral("OK"));
                                 info.OkButton()->click();
                                 QVERIFY(!info.isVisible());
                             });
    }

    void thePrinterSetUpChoosesAndPrintsNothing() {
        Shell shell;
        TMainForm& form = shell.Show();
        WithModal<QPrintDialog>([&] { form.Action(C::Druckereinrichtung)->trigger(); },
                                [&](QPrintDialog& dialog) {
                                    QCOMPARE(dialog.windowTitle(), QStringLiteral("Druckereinrichtung"));
                                    QStringList buttons;
                                    for (QAbstractButton* button : dialog.findChildren<QPushButton*>())
                                        if (button->isVisible()) buttons << button->text().remove(QLatin1Char('&'));
                                    QVERIFY2(buttons.contains(QStringLiteral("OK")), qPrintable(buttons.join(", ")));
                                    QVERIFY2(!buttons.contains(QStringLiteral("Drucken")), qPrintable(buttons.join(", ")));
                                    QVERIFY2(!buttons.contains(QStringLiteral("Print")), qPrintable(buttons.join(", ")));
                                });
    }

    void helpShowsTheContextPage() {
        Shell shell;
        TMainForm& form = shell.Show();
        form.Action(C::Inhalt)->trigger();
        QVERIFY(form.HelpWindow());
        QVERIFY(form.HelpWindow()->isVisible());
        QVERIFY(form.HelpWindow()->Browser()->source().toLocalFile().endsWith(QStringLiteral("100.html")));
        form.ShowHelp(1001);  // no page of its own: the contents
        QVERIFY(form.HelpWindow()->Browser()->source().toLocalFile().endsWith(QStringLiteral("index.html")));
        QVERIFY(form.HelpWindow()->Browser()->toPlainText().contains(QStringLiteral("Inhalt")));
    }

    void helpFallsBackToTheInstalledPagesWhenTheBaseDirectoryHasNone() {
        test::TempDir base, installed;
        std::ofstream(installed / "index.html") << "<html><body><h1>Installiert</h1></body></html>";
        std::ofstream(installed / "100.html") << "<html><body><h1>Hauptfenster</h1></body></html>";
        TFormHilfe help(base.path(), installed.path());
        help.ShowContext(100);
        QCOMPARE(help.Browser()->source().toLocalFile(), QString::fromStdString((installed / "100.html").string()));
        help.ShowContext(1001);
        QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("Installiert")));

        // Pages of the base directory win over the installed ones.
        fs::create_directories(base / "Hilfe");
        std::ofstream(base / "Hilfe" / "100.html") << "<html><body><h1>Eigene</h1></body></html>";
        help.ShowContext(100);
        QCOMPARE(help.Browser()->source().toLocalFile(), QString::fromStdString((base / "Hilfe" / "100.html").string()));
    }

    void theFirstSizeFitsTheScreen() {
        Shell shell;
        TMainForm& form = shell.Create();
        const QRect available = form.screen()->availableGeometry();
        QCOMPARE(form.width(), std::min(1300, available.width()));
        QCOMPARE(form.height(), std::min(760, available.height()));
    }

    void theDisplayShowsTheStartViewInTheFirstModuleColour() {
        Shell shell;
        // The start-view project gets a message lighting the top LED of display column 1 and
        // the bottom LED of column 2, on green modules.
        TLedRecord message;
        std::memset(&message, 0, sizeof message);
        message.Status = true;
        message.Modulzahl = 1;
        message.ModulListe[0] = 1;
        message.Spalten[0] = 0x40;
        message.Spalten[1] = 0x01;
        auto led = std::make_unique<LedTable>();
        led->Append(message);
        led->Save(shell.store.ProjectRoot() / "Start" / "Led.ofd");
        TLedParameterRecord parameters = DefaultLedParameterRecord();
        parameters.ModuleFarbe[0] = 3;
        WriteRecords(shell.store.ProjectRoot() / "Start" / "LEDParameter.ofp", &parameters, 1);

        TMainForm& form = shell.Show();
        LedDisplayPanel* panel = form.LedPanel();
        QCOMPARE(panel->Frame().LitColour(0, 0), 0x00FF00u);
        const QImage image = panel->grab().toImage();
        // LED column 1..5 and row 1..7 of module 1.
        auto pixel = [&](int column, int row) {
            return image.pixelColor(panel->LedCentre(0, column + 1, row + 1)).rgb() & 0xFFFFFF;
        };
        QCOMPARE(pixel(0, 0), 0x00FF00u);
        QCOMPARE(pixel(0, 1), 0x006000u);
        QCOMPARE(pixel(1, 6), 0x00FF00u);
        QCOMPARE(pixel(1, 5), 0x006000u);
        QCOMPARE(pixel(4, 3), 0x006000u);
    }

    void closingEmitsClosed() {
        Shell shell;
        TMainForm& form = shell.Show();
        QSignalSpy closed(&form, &TMainForm::Closed);
        form.Action(C::Beenden)->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!form.isVisible());
    }

    // With OVIS_SCREENSHOT set to a .png path: the window over the demo base with the demo
    // project open, and beside it ("-browser", "-info") the project browser and the about box.
    void screenshotWithTheDemoProject() {
        const QString target = QString::fromLocal8Bit(qgetenv("OVIS_SCREENSHOT"));
        if (target.isEmpty()) QSKIP("OVIS_SCREENSHOT not set");
        auto beside = [&](const char* suffix) {
            QString path = target;
            return path.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String(suffix));
        };
        test::TempDir base;
        CreateDemoBase(base.path());
        fs::create_directories(base / "Hilfe");
        std::ofstream(base / "Hilfe" / "index.html") << "<html></html>";
        auto tables = std::make_unique<ProjectTables>();
        test::ScriptedDialogs dialogs;
        ProjectStore store(*tables, dialogs, base.path());
        ShellHooks hooks;
        TMainForm form(store, dialogs, hooks);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        WithModal<TFormOpen>([&] { form.Action(C::ProjektOeffnen)->trigger(); },
                             [&](TFormOpen& browser) {
                                 QVERIFY(QTest::qWaitForWindowExposed(&browser));
                                 QVERIFY(browser.grab().save(beside("-browser")));
                                 DoubleClickRow(browser, RowOf(browser, kDemoProjectName));
                             });
        QCOMPARE(store.CurrentProjectName(), std::string(kDemoProjectName));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.Action(C::ProjektOeffnen)->isEnabled());
        QVERIFY(form.grab().save(target));
        WithModal<TFormInfo>([&] { form.Action(C::Info)->trigger(); },
                             [&](TFormInfo& info) { QVERIFY(info.grab().save(beside("-info"))); });
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
