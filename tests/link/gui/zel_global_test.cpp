// The progress window, and the link's timers driving actions against the simulator while the
// window stays usable.
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "project/system_parameters.h"
#include "link/firmware_image.h"
#include "link/gui/Zel_Global.h"
#include "link/gui/link_controller.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/file_bytes.h"
#include "support/scripted_dialogs.h"

using namespace ovis;
using namespace ovis::gui;

class TestZelGlobal : public QObject {
    Q_OBJECT

private:
    static TFormGlobal* OpenProgressWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TFormGlobal*>(w); form && form->isVisible()) return form;
        return nullptr;
    }

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName("OvisTest");
        QCoreApplication::setApplicationName("zel_global_test");
    }

    void looksAsTheProgressWindow() {
        int aborts = 0;
        TFormGlobal form([&] { ++aborts; });
        form.SetStepText("Programm wird übertragen ...");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QString("Information"));
        QCOMPARE(form.size(), QSize(254, 93));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(form.ProgressBar1->maximum(), 12);
        QCOMPARE(form.Panel1->text(), QString("Programm wird übertragen ..."));
        QCOMPARE(form.Panel1->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(form.Panel1->frameShadow(), QFrame::Sunken);
        QCOMPARE(form.Button1->text(), QString("Abbrechen"));
        const QRect screen = form.screen()->availableGeometry();
        QVERIFY((form.frameGeometry().center() - screen.center()).manhattanLength() <= 6);  // centred

        form.SetMaximum(205);
        form.SetPosition(17);
        QCOMPARE(form.ProgressBar1->maximum(), 205);
        QCOMPARE(form.ProgressBar1->value(), 17);
        form.grab().save(QDir::temp().filePath("ovis-progress.png"));

        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());  // only "Abbrechen" ends the action
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        QCOMPARE(aborts, 1);
    }

    void progressWindowsCloseWithTheirAction() {
        QtProgressWindows windows([] {});
        auto window = windows.Open("Verbindungsaufbau zur Ovis");
        QVERIFY(OpenProgressWindow() != nullptr);
        // On the screen and painted before the action sends its first telegram.
        QVERIFY(OpenProgressWindow()->windowHandle()->isExposed());
        QVERIFY(OpenProgressWindow()->PaintCount() > 0);
        QCOMPARE(OpenProgressWindow()->Panel1->text(), QString("Verbindungsaufbau zur Ovis"));
        window.reset();
        QVERIFY(OpenProgressWindow() == nullptr);
    }

    // Reset with answer No through the menu slot: Timer1 connects and resets the simulated
    // Interface on COM1.
    void resetRunsFromTheConnectionTimer() {
        sim::PseudoTerminal terminal;
        sim::SimulatorThread simulator({}, terminal.MasterFd());
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        QTemporaryDir base;
        SystemParameters parameters;
        test::ScriptedDialogs dialogs;
        dialogs.answers = {Answer::No};
        NoOpenEditors editors;
        LinkController controller({dialogs, parameters, [&] { return std::filesystem::path(base.path().toStdString()); },
                                   editors});

        controller.InterfaceResetClick();
        QCOMPARE(controller.actions().Tag(), ActionTag::Reset);
        QVERIFY(controller.Timer1().isActive());
        QCOMPARE(controller.Timer1().interval(), 50);
        QVERIFY(controller.rs232().Port().PortIsOpen());

        QStringList texts;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (TFormGlobal* form = OpenProgressWindow(); form && !texts.contains(form->Panel1->text()))
                texts << form->Panel1->text();
        });
        watch.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(controller.actions().LastActionCompleted(), 5000);
        QVERIFY(controller.actions().LinkIdle());
        QVERIFY(!controller.Timer1().isActive());
        QVERIFY(texts.contains("Reset der Ovis"));
        QVERIFY(OpenProgressWindow() == nullptr);
        simulator.With([](sim::InterfaceSimulator& s) {
            QCOMPARE(int(s.Received().size()), 2);
            QCOMPARE(int(s.Received()[1].telegram.command), 3);
        });
        qunsetenv("OVIS_COM1");
    }

    // "Abbrechen" during the transfer ends the software update: the window stays live while
    // the link runs.
    void abortEndsTheSoftwareUpdate() {
        sim::PseudoTerminal terminal;
        sim::SimulatorThread simulator({}, terminal.MasterFd(), 115200);
        qputenv("OVIS_COM1", QByteArray::fromStdString(terminal.SlavePath()));
        QTemporaryDir base;
        const FirmwareImage image = MakeTestFirmwareImage();
        test::WriteBytes(base.filePath("IFACE.BIN").toStdString(), {image.begin(), image.end()});
        SystemParameters parameters;
        test::ScriptedDialogs dialogs;
        dialogs.answers = {Answer::Yes};
        NoOpenEditors editors;
        LinkController controller({dialogs, parameters, [&] { return std::filesystem::path(base.path().toStdString()); },
                                   editors});
        controller.rs232().Port().ReopenPort();  // the update uses the port as it is

        controller.InterfaceProgrammierungClick();
        QCOMPARE(controller.actions().Tag(), ActionTag::SoftwareUpdate);
        bool clicked = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            TFormGlobal* form = OpenProgressWindow();
            if (!clicked && form && form->ProgressBar1->maximum() == 205 && form->ProgressBar1->value() >= 3) {
                clicked = true;
                form->grab().save(QDir::temp().filePath("ovis-update-progress.png"));
                QTest::mouseClick(form->Button1, Qt::LeftButton);
            }
        });
        watch.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(clicked && controller.actions().LinkIdle() && !controller.Timer1().isActive(), 20000);
        QVERIFY(!controller.actions().LastActionCompleted());
        QVERIFY(OpenProgressWindow() == nullptr);
        simulator.With([](sim::InterfaceSimulator& s) {
            int blocks = 0;
            for (const auto& r : s.Received()) blocks += r.telegram.command == 4;
            QVERIFY(blocks >= 3);
            QVERIFY(blocks < 205);
            QCOMPARE(int(s.Received().back().telegram.command), 4);  // no command 18
        });
        qunsetenv("OVIS_COM1");
    }

    void housekeepingLaysOutThenStartsTheSimulation() {
        SystemParameters parameters;
        parameters.Record().RelayMode = int(RelayMode::Client);
        parameters.Derive();
        test::ScriptedDialogs dialogs;
        NoOpenEditors editors;
        QStringList steps;
        HousekeepingHooks hooks;
        hooks.layOutLedModules = [&] { steps << "layout"; };
        hooks.startLedSimulation = [&] { steps << "simulation"; };
        QTemporaryDir base;
        LinkController controller({dialogs, parameters, [&] { return std::filesystem::path(base.path().toStdString()); },
                                   editors, {}, hooks});
        controller.FormShow();
        QVERIFY(!QFile::exists(base.filePath("COMTD.DAT")));  // a Client creates no relay files
        QTRY_COMPARE(steps, (QStringList{"layout", "simulation"}));
        QTest::qWait(250);
        QCOMPARE(steps.size(), 2);
        QVERIFY(!controller.Timer2().isActive());
    }
};

QTEST_MAIN(TestZelGlobal)
#include "zel_global_test.moc"
