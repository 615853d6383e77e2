// The LED display simulation on the main window over the demo base: started and stopped with
// the simulation button after the x0/x1 check, stopped by a press on the display panel while the
// LED table editor is open and by closing, and the start view playing after start-up.
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "led/gui/led_display_panel.h"
#include "led/gui/led_simulation_driver.h"
#include "led/led_simulation_fixture.h"
#include "project/project_store.h"
#include "shell/demo_project.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/application_windows.h"
#include "shell/main_window_model.h"
#include "shell/start_view_display.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace ovis;
using namespace ovis::gui;

namespace {

struct DemoShell {
    test::TempDir base;
    std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    std::unique_ptr<ProjectStore> store;
    ShellHooks hooks;
    std::unique_ptr<TMainForm> form;

    DemoShell() {
        CreateDemoBase(base.path());
        store = std::make_unique<ProjectStore>(*tables, dialogs, base.path());
        form = std::make_unique<TMainForm>(*store, dialogs, hooks);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
        form->LedEditingLine()->show();  // as the LED table editor shows it
        dialogs.boxes.clear();           // the demo base has no help pages
    }
    QPushButton* Button() const { return form->SimulationButton(); }
    DisplayColumns Shown() const { return form->LedPanel()->Frame().columns; }
};

bool AllDark(const DisplayColumns& columns) {
    return std::all_of(columns.begin(), columns.end(), [](std::uint8_t c) { return c == 0; });
}

}  // namespace

class MainFormSimulationTest : public QObject {
    Q_OBJECT

private slots:
    void theButtonStartsAndStopsTheMovingDisplay() {
        DemoShell s;
        QCOMPARE(s.Button()->text(), QStringLiteral("Start Simulation"));
        QTest::mouseClick(s.Button(), Qt::LeftButton);
        QCOMPARE(s.Button()->text(), QStringLiteral("Stop Simulation"));
        QVERIFY(s.form->Simulation().Running());
        QVERIFY(!AllDark(s.Shown()));
        const DisplayColumns first = s.Shown();
        QTRY_VERIFY_WITH_TIMEOUT(s.Shown() != first, 2000);

        QTest::mouseClick(s.Button(), Qt::LeftButton);
        QCOMPARE(s.Button()->text(), QStringLiteral("Start Simulation"));
        QVERIFY(!s.form->Simulation().Running());
        const DisplayColumns stopped = s.Shown();
        QTest::qWait(200);
        QCOMPARE(s.Shown(), stopped);
        QVERIFY(s.dialogs.boxes.empty());
    }

    void framesShowEachLedInThePreviewOfItsMixedColourCode() {
        DemoShell s;
        s.tables->led.Assign(std::vector<TLedRecord>{test::SimMessageRecord(kLinksFromX1, 1, 5, {0x41}),
                                                     test::SimMessageRecord(kLinksFromX1, 1, 5, {0x01})});
        s.tables->led.Row(1).Farbe[0] = 0;
        s.form->StartSimulation();
        LedDisplayPanel* panel = s.form->LedPanel();
        const QImage image = panel->grab().toImage();
        auto pixel = [&](int column, int row) {  // display column and LED row, 0-based
            return image.pixelColor(panel->LedCentre(column / 5, column % 5 + 1, row + 1)).rgb() & 0xFFFFFF;
        };
        const std::uint32_t dark = panel->Frame().dark;
        QCOMPARE(pixel(4, 0), 0x00FF00u);  // green alone
        QCOMPARE(pixel(4, 6), 0x00FFFFu);  // green and blue: code 3
        QCOMPARE(pixel(4, 3), dark);
        QCOMPARE(pixel(3, 0), dark);
    }

    void aWindowWithX1BelowX0IsReportedAndNothingStarts() {
        DemoShell s;
        s.tables->led.Row(0).X0 = 61;
        QTest::mouseClick(s.Button(), Qt::LeftButton);
        QCOMPARE(s.dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(s.dialogs.boxes[0].kind, BoxKind::Warning);
        QCOMPARE(s.dialogs.boxes[0].text,
                 std::string("Der Wert von x0 in Zeile Nr. 1 muß kleiner sein als der von x1!\r\r          Geben Sie "
                             "bitte einen entsprechenden Wert an."));
        QCOMPARE(s.Button()->text(), QStringLiteral("Start Simulation"));
        QVERIFY(!s.form->Simulation().Running());
    }

    void aPressOnThePanelStopsOnlyWhileTheLedEditorIsOpen() {
        DemoShell s;
        QTest::mouseClick(s.Button(), Qt::LeftButton);
        QTest::mousePress(s.form->LedPanel(), Qt::LeftButton);
        QVERIFY(s.form->Simulation().Running());

        s.form->Model().EditorOpening(EditorSlot::LedEditor);
        QTest::mousePress(s.form->LedPanel(), Qt::LeftButton);
        QVERIFY(!s.form->Simulation().Running());
        QCOMPARE(s.Button()->text(), QStringLiteral("Start Simulation"));
        QVERIFY(AllDark(s.Shown()));
    }

    void closingTheMainWindowStopsTheSimulation() {
        DemoShell s;
        s.form->StartSimulation();
        QVERIFY(s.form->Simulation().Running());
        s.form->close();
        QVERIFY(!s.form->Simulation().Running());
    }

    void theDemoStartViewPlaysAfterStartUpUntilAProjectIsOpened() {
        test::TempDir base;
        CreateDemoBase(base.path());
        auto tables = std::make_unique<ProjectTables>();
        test::ScriptedDialogs dialogs;
        ProjectStore store(*tables, dialogs, base.path());
        ApplicationWindows windows(store, dialogs);
        dialogs.boxes.clear();  // the demo base has no help pages
        windows.Show();
        TMainForm& main = windows.MainForm();
        QTRY_VERIFY_WITH_TIMEOUT(main.Simulation().Running(), 2000);
        const DisplayColumns first = main.LedPanel()->Frame().columns;
        QVERIFY(!AllDark(first));
        QTRY_VERIFY_WITH_TIMEOUT(main.LedPanel()->Frame().columns != first, 2000);
        QVERIFY(dialogs.boxes.empty());

        main.Model().BeginOpenProject();
        QVERIFY(!main.Simulation().Running());
    }
};

QTEST_MAIN(MainFormSimulationTest)
#include "main_form_simulation_test.moc"
