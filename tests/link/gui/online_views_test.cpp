// The online views (offscreen) over a link to the Interface simulator on simulated time: the
// online analyser paints a change the simulator made and ends online mode when it closes; the
// online counter window shows increasing values and frees the link when it closes.
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "evaluation/analyser_navigation.h"
#include "evaluation/gui/analyser_online_window.h"
#include "link/gui/Zel_CounterOnline.h"
#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "link/online_analyser_link.h"
#include "link/open_editors.h"
#include "project/system_parameters.h"
#include "sim/online_plant.h"
#include "support/fixed_clock.h"
#include "support/temp_dir.h"

using namespace ovis;
using namespace std::chrono_literals;

namespace {

struct OnlineRig {
    test::TempDir base;
    test::LinkRig<test::SimulatorLine> rig;
    test::RecordingTimer timer;
    test::RecordingProgress progress;
    NoOpenEditors editors;
    SystemParameters parameters;
    InterfaceActions actions{rig.link, rig.dialogs, timer, progress, editors, parameters, [this] { return base.path(); }};
    sim::OnlinePlant plant{sim::OnlineOptions{}};
    test::FixedClock clock;
    ClockSetting clockSetting;
    OnlineStream stream{rig.link, clock, clockSetting,
                        OnlineProject{[] { return 1; }, [] { return false; }, [] { return 4; }}};
    OnlineAnalyserLink source{stream, rig.link, progress, actions};

    OnlineRig() {
        parameters.Record().Nummer = 1;
        clock.now.hour = 12;
        plant.Install(rig.line.simulator);
        rig.link.SetState(link_state::kDone);
        stream.Targets().messageCount = 4;
        actions.SetLinkIdle(false);
    }
    void StartOnline() {
        rig.link.Prepare(1, command::kOnlineStart, OnlineStartPayload(4));
        rig.link.SendTelegram();
    }
};

AnalyserRows Rows() {
    const std::vector<int> messages = {1, 2, 3, 4};
    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    return AnalyserRows::Build(messages, all, [](int n) { return "Meldung " + std::to_string(n); });
}

}  // namespace

class OnlineViewsTest : public QObject {
    Q_OBJECT

private slots:
    void analyserPaintsAChangeAndEndsOnlineModeOnClose() {
        OnlineRig r;
        r.source.Attach();
        auto* form = new gui::TFormAnalyserOnline(r.source, Rows(), {"Alle Meldungen"}, 0,
                                                  [](int n) { return "Meldung " + std::to_string(n); });
        bool closed = false;
        form->onClosed = [&] { closed = true; };
        QCOMPARE(form->windowTitle(), QStringLiteral("Analyser  ( Online )"));
        form->show();
        r.StartOnline();
        for (int i = 0; i < 3; ++i) form->Timer1Timer();  // reply 7: all Low
        r.rig.link.Prepare(1, command::kLevels, {2, 0, 3});  // the simulator switches message 3 on
        r.rig.link.SendTelegram();
        for (int i = 0; i < 5; ++i) form->Timer1Timer();
        QCOMPARE(form->EventLabel()->text(), QStringLiteral(" Meldung 3  aktiv"));
        bool sawEdge = false;
        for (int c = 1; c <= form->Model().Columns(); ++c) sawEdge |= form->Model().State(3, c) == 2;
        QVERIFY2(sawEdge, "a rising edge in the row of message 3");
        QCOMPARE(int(form->Model().State(1, 1)), 0);  // stepped before the levels arrived
        QCOMPARE(int(form->Model().State(1, 2)), 1);

        form->close();
        QVERIFY(closed);
        QCOMPARE(r.progress.Texts(), std::vector<std::string>{"Trennung vom Interface"});
        QVERIFY(r.actions.LinkIdle());
        QCOMPARE(int(r.rig.link.State()), int(link_state::kDone));
        // The line is free: a reset goes through.
        r.rig.link.Prepare(1, command::kReset);
        r.rig.link.SendTelegram();
        QCOMPARE(r.rig.link.Result(), LinkResult::Ok);
    }

    void anAbortStopsTheTick() {
        OnlineRig r;
        auto* form = new gui::TFormAnalyserOnline(r.source, Rows(), {"Alle Meldungen"}, 0,
                                                  [](int) { return std::string(); });
        form->StartPolling();
        r.rig.link.RequestAbort();
        form->Timer1Timer();
        QVERIFY(!form->Timer1().isActive());
        r.rig.link.ClearAbort();
        form->close();
        QVERIFY(r.actions.LinkIdle());
    }

    void analyserTaktAndStartStop() {
        OnlineRig r;
        auto* form = new gui::TFormAnalyserOnline(r.source, Rows(), {"Alle Meldungen"}, 0,
                                                  [](int) { return std::string(); });
        form->StartStop1Click();
        form->Timer1Timer();
        QCOMPARE(form->Model().Cursor(), 1);
        form->StartStop1Click();
        form->Timer1Timer();
        QCOMPARE(form->Model().Cursor(), 2);
        form->Takt1Click();
        QVERIFY(form->Action("Takt1")->isChecked());
        form->Timer1Timer();
        QCOMPARE(form->Model().Cursor(), 2);
        QVERIFY(!form->Action("Speichern")->isEnabled());
        QVERIFY(!form->Action("ZoomIn")->isEnabled());
        form->close();
    }

    void maximisedTheColumnsFollowTheScreenWidth() {
        OnlineRig r;
        auto* form = new gui::TFormAnalyserOnline(r.source, Rows(), {"Alle Meldungen"}, 0,
                                                  [](int) { return std::string(); });
        form->show();
        QCOMPARE(form->Model().Columns(), 60);
        form->showMaximized();
        QTRY_VERIFY(form->isMaximized());
        QCOMPARE(form->Model().Columns(), ColumnsForWindow(true, form->screen()->geometry().width()));
        form->showNormal();
        QTRY_COMPARE(form->Model().Columns(), 60);
        QCOMPARE(form->size(), QSize(gui::TFormAnalyserOnline::kNormalWidth, gui::TFormAnalyserOnline::kNormalHeight));
        QCOMPARE(form->Action("Hilfe1")->shortcut(), QKeySequence(Qt::Key_F1));
        form->close();
    }

    void counterWindowShowsIncreasingValuesAndFreesTheLink() {
        OnlineRig r;
        auto& memory = r.rig.line.simulator.Memory();
        const std::uint8_t directory[] = {7, 6, 0, 4, 13, 0, 2};  // 4 inputs, 2 counters: messages 5 and 6
        memory.Write(3, 0x8200, directory);
        CounterTable counters;
        for (int k = 0; k < 2; ++k) {
            TCounterRecord row{};
            row.Bezeichnung = k == 0 ? "Zähler A" : "Zähler B";
            row.Zaehlart = "Ereignis";
            counters.Append(row);
        }
        std::vector<bool> openChanges;
        auto* form = new gui::TFormCounterOnline({r.rig.link, r.actions, r.progress, counters, [] { return std::uint8_t(1); },
                                                  [] { return 5; }, {}, [&](bool open) { openChanges.push_back(open); }});
        form->FormShow();
        QCOMPARE(form->windowTitle(), QStringLiteral(" Counter ( Online )"));
        QCOMPARE(form->Grid()->rowCount(), 21);
        QCOMPARE(form->Grid()->width(), 705);
        QCOMPARE(form->Grid()->item(0, 0)->text(), QStringLiteral("001"));
        QCOMPARE(form->Grid()->item(1, 3)->text(), QStringLiteral(" Ereignis"));
        r.plant.Advance(r.rig.line.simulator, 1s);
        form->Timer1Timer();
        const int first = form->Grid()->item(0, 4)->text().toInt();
        r.plant.Advance(r.rig.line.simulator, 2s);
        r.plant.Advance(r.rig.line.simulator, 3s);
        form->Timer1Timer();
        QCOMPARE(form->Grid()->item(0, 4)->text().toInt(), first + 2);
        QCOMPARE(int(counters.Rows()[0].Stand), first + 2);

        form->Timer1().stop();
        form->close();  // refused while reading is marked active; Timer2 closes it
        QCOMPARE(openChanges, std::vector<bool>{true});
        QTRY_COMPARE(openChanges, (std::vector<bool>{true, false}));
        QCOMPARE(r.progress.Texts(), std::vector<std::string>{"Trennung vom Interface"});
        QVERIFY(r.actions.LinkIdle());
    }
};

QTEST_MAIN(OnlineViewsTest)
#include "online_views_test.moc"
