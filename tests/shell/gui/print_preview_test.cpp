// "Drucken..." of the I/O and the program editor, the analyser and the statistics window on the
// demo: the shell's hook opens the print preview of their report on the report printer. With OVIS_SCREENSHOT_DIR set, each preview is
// saved there as a picture.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Statistik.h"
#include "evaluation/gui/analyser_opener.h"
#include "evaluation/recording_events.h"
#include "programs/gui/Zel_Programm.h"
#include "project/project_store.h"
#include "shell/demo_project.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/application_windows.h"
#include "shell/gui/report_printer.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "tables/gui/Zel_Klemmenplan.h"

using namespace ovis;

namespace {

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
        gui::TMainForm& main = windows->MainForm();
        main.Model().ChooseProject(base.path(), kDemoProjectName);
        if (!main.Model().OpenChosenProject()) qWarning("the demo project did not open");
        main.RefreshStates();
    }
};

// A day file of messages 1 to 3 with message 1 High from 08:00:00 to 08:00:30.
std::filesystem::path WriteDayFile(const std::filesystem::path& dir) {
    auto records = test::CreatedDayFile(3);
    records.insert(records.begin() + 5, {test::MakeEvent(1, true, {3, 1, 8}), test::MakeEvent(1, false, {3, 1, 8, 0, 30000})});
    const auto file = dir / "Tag 1.ofa";
    test::WriteRecordingFile(file, records);
    return file;
}

struct PreviewSeen {
    QString title;
    int pages = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// Triggers `print` and inspects the modal preview it opens, then closes it.
PreviewSeen PreviewOf(QAction* print, const QString& screenshot) {
    PreviewSeen seen;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        dialog->resize(1000, 1100);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QTRY_VERIFY(preview->pageCount() > 0);
        preview->fitToWidth();
        QTest::qWait(50);
        seen.title = dialog->windowTitle();
        seen.pages = preview->pageCount();
        seen.orientation = gui::ReportPrinter().pageLayout().orientation();
        const QString dir = qEnvironmentVariable("OVIS_SCREENSHOT_DIR");
        if (!dir.isEmpty()) dialog->grab().save(QDir(dir).filePath(screenshot));
        dialog->reject();
    });
    print->trigger();
    return seen;
}

}  // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void theIoEditorPrintsTheTerminalPlan() {
        Program p;
        p.windows->MainForm().Action(MenuCommand::Io)->trigger();
        gui::TFormKlPlan& klPlan = p.windows->KlPlan();
        QTRY_VERIFY(klPlan.isVisible());
        QVERIFY(klPlan.PrintAction()->isEnabled());
        const PreviewSeen seen = PreviewOf(klPlan.PrintAction(), QStringLiteral("preview_io.png"));
        QCOMPARE(seen.title, QStringLiteral("Druckvorschau - Anschlussplan               Projekt: Demo"));
        QCOMPARE(seen.pages, 1);
        QCOMPARE(seen.orientation, QPageLayout::Portrait);
        QVERIFY(p.dialogs.boxes.empty());
    }

    void theProgramEditorPrintsTheOpenProgramOnItsProgramPageOnly() {
        Program p;
        p.windows->MainForm().ToolButton(MenuCommand::Programm)->click();
        gui::TFormProgramm& programm = p.windows->Programm();
        QTRY_VERIFY(programm.isVisible());
        QVERIFY(programm.PrintAction()->isEnabled());
        const PreviewSeen seen = PreviewOf(programm.PrintAction(), QStringLiteral("preview_program.png"));
        QCOMPARE(seen.title, QStringLiteral("Druckvorschau - Programm: Main"));
        QCOMPARE(seen.pages, 1);
        QCOMPARE(seen.orientation, QPageLayout::Landscape);
        QVERIFY(p.dialogs.boxes.empty());
        programm.Pages()->setCurrentIndex(int(ProgramPage::Selection));
        QVERIFY(!programm.PrintAction()->isEnabled());
    }

    void theAnalyserPrintsItsPicture() {
        Program p;
        const auto file = WriteDayFile(p.base.path());
        QVERIFY(p.windows->Analyser().OpenFile(kAllMessagesFolder, file));
        gui::TFormAnalyser* analyser = p.windows->Analyser().Current();
        QVERIFY(analyser);
        QAction* drucken = analyser->Action("Drucken");
        QVERIFY(drucken->isEnabled());
        const PreviewSeen seen = PreviewOf(drucken, QStringLiteral("preview_analyser.png"));
        QCOMPARE(seen.title, QStringLiteral("Druckvorschau - Analyser"));
        QCOMPARE(seen.pages, 1);
        QVERIFY(p.dialogs.boxes.empty());
        p.windows->Analyser().CloseAnalyser();
    }

    void theStatisticsPrintTheComputedTab() {
        Program p;
        const auto file = WriteDayFile(p.base.path());
        gui::TFormStatistik& statistik = p.windows->Statistik();
        QVERIFY(statistik.OpenFile(kAllMessagesFolder, file, p.store->ProjectDirectory(), "01.03.2008"));
        statistik.show();
        QAction* drucken = statistik.Action("Drucken");
        QVERIFY(!drucken->isEnabled());
        statistik.BerechnenClick();
        QVERIFY(drucken->isEnabled());
        const PreviewSeen seen = PreviewOf(drucken, QStringLiteral("preview_statistics.png"));
        QCOMPARE(seen.title, QStringLiteral("Druckvorschau - Statistikauswertung"));
        QCOMPARE(seen.pages, 1);
        QVERIFY(p.dialogs.boxes.empty());
        statistik.Tabs()->setCurrentIndex(1);
        QVERIFY(!drucken->isEnabled());
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
