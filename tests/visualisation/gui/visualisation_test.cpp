// The visualisation window (offscreen): parameter mode hides an element and saves it, the
// parameter dialog checks its cells, the online view colours the element of a message the
// Interface simulator switches, and video mode plays a recording to its end. Pictures of the
// three modes are written to OVIS_VISU_SCREENSHOTS when that is set.
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cstring>
#include <memory>

#include "evaluation/recording_events.h"
#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "link/online_analyser_link.h"
#include "link/open_editors.h"
#include "link/visu_memory.h"
#include "project/grafik_file.h"
#include "project/project_store.h"
#include "project/system_parameters.h"
#include "sim/online_plant.h"
#include "support/fixed_clock.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "visualisation/gui/Zel_VisInit.h"
#include "visualisation/gui/Zel_Visualisierung.h"

using namespace ovis;

namespace {

TIoRecord Row(const char* name, int role) {
    TIoRecord row;
    std::memset(&row, 0, sizeof row);
    row.Bezeichnung.assign(name);
    row.VisuRolle = role;
    return row;
}

// A base directory with a project and an object of two lifts with texts.
struct VisuRig {
    test::TempDir base;
    std::filesystem::path project = base.path() / kProjectsFolder / "Anlage";
    test::ScriptedDialogs dialogs;
    test::FixedClock clock;
    std::vector<TIoRecord> rows{Row("Ruf", 3), Row("Tuer", 1), Row("Kabine", 6), Row("Stoerung", 4), Row("Pumpe", 9)};
    std::vector<VisuMode> closed;
    std::function<void()> poll;
    std::function<std::optional<std::vector<std::uint8_t>>(std::uint16_t, std::size_t)> readMemory;
    std::function<bool(int, bool)> switchRelay;
    bool replayStop = false;

    VisuRig() {
        std::filesystem::create_directories(project);
        TGrafikRecord r = DefaultGrafikRecord();
        r.Objektbezeichnung.assign("Verwaltungsgeb\x84ude Nord");  // code page 437 "ä"
        r.Gruppeneinteilung.assign("Gruppe A: Aufzug 1 und 2");
        const std::uint8_t lifts[2][kVisuLiftParameters] = {{6, 1, 1, 2, 3, 2}, {5, 2, 1, 1, 2, 1}};
        for (int lift = 0; lift < 2; ++lift)
            for (int c = 0; c < kVisuLiftParameters; ++c) r.Aufzug[lift][c] = lifts[lift][c];
        r.Statusmeldung[0].assign("A1 Inspektion");
        r.Statusmeldung[1].assign("A1 T\x81r offen");
        r.Stoermeldung[0].assign("A1 Notruf");
        r.HaltBezeichnung[0].assign("EG");
        SaveGrafik(base / "Grafik.ofd", r);
    }

    std::unique_ptr<gui::TFormVisualisierung> Window() {
        return std::make_unique<gui::TFormVisualisierung>(gui::VisualisationServices{
            dialogs, clock, [this] { return project; }, [this] { return rows; }, {},
            [this] {
                if (poll) poll();
            },
            [this](VisuMode mode) { closed.push_back(mode); },
            [this](std::uint16_t start, std::size_t count) { return readMemory(start, count); },
            [this](int message, bool on) { return switchRelay(message, on); },
            [this] { return replayStop; }, [this] { replayStop = false; }});
    }
};

void Screenshot(const gui::TFormVisualisierung& form, const char* name) {
    const QByteArray dir = qgetenv("OVIS_VISU_SCREENSHOTS");
    if (!dir.isEmpty()) form.Picture().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

}  // namespace

class VisualisationTest : public QObject {
    Q_OBJECT

private slots:
    void parameterModeHidesAnElementAndSaves() {
        VisuRig r;
        auto form = r.Window();
        QVERIFY(form->OpenParameter());
        QCOMPARE(form->windowTitle(), QStringLiteral("Zel - Visualisierung  ( Parameter )"));
        QVERIFY(!form->Button("Info")->isVisible());
        QVERIFY(form->Button("Einfügen/Löschen")->isVisible());
        QCOMPARE(form->Cursor(), (VisuCursorPosition{1, 1}));
        QCOMPARE(int(form->States().Get(1, 1)), int(kVisuMarked));
        form->Button(">>")->click();
        QCOMPARE(form->Cursor(), (VisuCursorPosition{1, 2}));
        form->Button("Einfügen/Löschen")->click();
        QVERIFY(form->IsChanged());
        Screenshot(*form, "parameter");
        form->Button("Speichern")->click();
        QVERIFY(!form->IsChanged());
        const GrafikLoad saved = LoadGrafik(r.base / "Grafik.ofd");
        QVERIFY(saved.record.Elemente[0][1].X.get() < 0);
        QVERIFY(saved.record.Elemente[0][0].X.get() > 0);
        QCOMPARE(int(saved.record.Anzahl[5]), 6 + 5 + 5 + 5);
        // The hidden element takes no message: "Tuer" (kind 1) is bound to element 1, and the next
        // message of kind 1 would take element 3.
        QCOMPARE(int(form->Binding().elements[1]), 1);
        form->close();
        QCOMPARE(r.closed, std::vector<VisuMode>{VisuMode::Parameter});
    }

    void closingWithChangesAsksAndCancelKeepsTheWindow() {
        VisuRig r;
        auto form = r.Window();
        QVERIFY(form->OpenParameter());
        form->Button("Einfügen/Löschen")->click();
        r.dialogs.answers = {Answer::Cancel};
        QVERIFY(!form->close());
        QCOMPARE(r.dialogs.boxes.back().text, std::string("Änderungen speichern ?"));
        r.dialogs.answers = {Answer::No};
        QVERIFY(form->close());
        QVERIFY(LoadGrafik(r.base / "Grafik.ofd").record.Elemente[0][0].X.get() >= 0);
    }

    void theParameterDialogChecksCellsAndShowsTheObject() {
        VisuRig r;
        auto form = r.Window();
        QVERIFY(form->OpenParameter());
        form->Button("Ändern")->click();
        gui::TFormVisInit* init = form->VisInit();
        QVERIFY(init);
        QCOMPARE(init->Objektbezeichnung()->text(), QStringLiteral("Verwaltungsgebäude Nord"));
        QCOMPARE(init->Lifts()->item(0, 0)->text(), QStringLiteral("     1"));
        init->Lifts()->item(2, 1)->setText("31");
        QCOMPARE(r.dialogs.boxes.back().text, std::string("Erlaubte Werte : 0..30 !"));
        QCOMPARE(init->Lifts()->item(2, 1)->text(), QStringLiteral("0"));
        init->Lifts()->item(2, 1)->setText("x");
        QCOMPARE(r.dialogs.boxes.back().text, std::string("Nur Zahlenwerte eingeben !"));
        init->Lifts()->item(2, 1)->setText("4");
        init->Texts()->item(2, 1)->setText(QStringLiteral("A2 Störung"));
        QVERIFY(init->AnsichtClick());
        QCOMPARE(int(form->Record().Aufzug[2][kHalte]), 4);
        QCOMPARE(form->Record().Statusmeldung[2].view(), std::string_view("A2 St\x94rung"));
        QVERIFY(form->IsChanged());
        r.dialogs.answers = {Answer::No};
        form->close();
    }

    void theOnlineViewColoursTheElementOfAChangedMessage() {
        VisuRig r;
        test::LinkRig<test::SimulatorLine> rig;
        test::RecordingTimer timer;
        test::RecordingProgress progress;
        NoOpenEditors editors;
        SystemParameters parameters;
        parameters.Record().Nummer = 1;
        InterfaceActions actions{rig.link, rig.dialogs, timer, progress, editors, parameters, [&] { return r.base.path(); }};
        sim::OnlinePlant plant{sim::OnlineOptions{}};
        plant.Install(rig.line.simulator);
        rig.link.SetState(link_state::kDone);
        r.clock.now.hour = 12;
        ClockSetting clockSetting;
        OnlineStream stream{rig.link, r.clock, clockSetting,
                            OnlineProject{[] { return 1; }, [] { return false; }, [] { return 5; }}};
        const std::vector<std::uint8_t> roles{3, 1, 6, 4, 9};
        r.poll = [&] { stream.OnlinePoll(); };
        r.readMemory = [&](std::uint16_t start, std::size_t count) { return ReadVisuMemory(rig.link, 1, start, count); };
        r.switchRelay = [&](int message, bool on) {
            rig.link.Prepare(1, command::kLevels, SwitchPayload(message, on));
            rig.link.SendTelegram();
            return rig.link.Result() == LinkResult::Ok;
        };

        auto form = r.Window();
        QVERIFY(form->OpenOnline());
        QCOMPARE(form->windowTitle(), QStringLiteral("Zel - Visualisierung  ( online )"));
        QVERIFY(form->Button("Relais")->isVisible());
        QVERIFY(!form->Button(">>")->isVisible());
        stream.Targets().messageCount = 5;
        stream.Targets().roles = roles;
        stream.Targets().visuQueue = &form->Queue();
        stream.Targets().elements = form->Binding().elements;
        actions.SetLinkIdle(false);
        rig.link.Prepare(1, command::kOnlineStart, OnlineStartPayload(5));
        rig.link.SendTelegram();
        for (int i = 0; i < 3; ++i) form->OnlineTick();
        QCOMPARE(int(form->States().Get(6, 1)), 0);
        rig.link.Prepare(1, command::kLevels, {2, 0, 3});  // the simulator switches message 3 on
        rig.link.SendTelegram();
        for (int i = 0; i < 5; ++i) form->OnlineTick();
        QCOMPARE(int(form->States().Get(6, 1)), 1);
        const QImage picture = form->Picture();
        const VisuScene scene(*std::make_unique<TGrafikRecord>(form->Record()));
        const VisuElement field = scene.Elements(6)[0];
        QCOMPARE(picture.pixelColor(field.x + 5, field.y + 3), QColor(Qt::yellow));
        Screenshot(*form, "online");

        form->Button("Info")->click();
        QVERIFY(form->List());
        QCOMPARE(form->List()->count(), 1);
        QVERIFY(form->List()->item(0)->text().endsWith(QStringLiteral("  Kabine  EIN")));
        form->Button("Relais")->click();
        QCOMPARE(form->List()->count(), 1);
        QCOMPARE(form->List()->item(0)->text(), QStringLiteral("Pumpe  AUS"));
        emit form->List()->itemActivated(form->List()->item(0));
        QCOMPARE(form->List()->item(0)->text(), QStringLiteral("Pumpe  EIN"));
        QVERIFY(plant.Level(5));
        for (int i = 0; i < 3; ++i) form->OnlineTick();
        QCOMPARE(int(form->Queue().Count()), 0);
        form->close();
        QCOMPARE(r.closed, std::vector<VisuMode>{VisuMode::Online});
    }

    void videoModePlaysAShortFileToItsEnd() {
        VisuRig r;
        using test::MakeEvent;
        const std::vector<TRecordingEvent> records{TRecordingEvent{},
                                                   MakeEvent(0, false, {3, 1}),
                                                   MakeEvent(3, true, {3, 1, 8, 0, 0}),
                                                   MakeEvent(1, true, {3, 1, 8, 0, 500}),
                                                   MakeEvent(4, true, {3, 1, 8, 0, 900}),
                                                   MakeEvent(2, true, {3, 1, 8, 1, 0})};
        auto form = r.Window();
        QVERIFY(form->OpenVideo(records, "Tag1"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Zel - Visualisierung  ( Video )     Datei : Tag1"));
        QVERIFY(!form->Button("Speichern")->isVisible());
        QCOMPARE(form->Button("Einfügen/Löschen")->text(), QStringLiteral("Vorwärts  1:1"));
        QVERIFY(form->TimerActive());
        form->ReplayTick();
        QCOMPARE(int(form->States().Get(6, 1)), 1);
        form->Button(">>")->click();
        form->Button(">>")->click();
        QCOMPARE(form->Button("Einfügen/Löschen")->text(), QStringLiteral("Vorwärts   >>"));
        form->Button(">>")->click();
        r.clock.now.millisecond += 10;
        form->ReplayTick();
        QCOMPARE(form->Replay()->StateText(), std::string("  Dateiende"));
        QCOMPARE(int(form->States().Get(3, 1)), 1);
        QCOMPARE(int(form->States().Get(1, 1)), int(kVisuMarked));  // kind 1 High
        QCOMPARE(int(form->States().Get(4, 1)), 1);
        Screenshot(*form, "video");
        form->Button("Einfügen/Löschen")->click();
        QCOMPARE(form->Button("Einfügen/Löschen")->text(), QStringLiteral("Einzelbild"));
        form->Button("<<")->click();
        QCOMPARE(int(form->States().Get(1, 1)), int(kVisuOn));  // the last record taken back: kind 1 Low
        form->close();
        QVERIFY(!form->TimerActive());
        QVERIFY(!form->Replay());
    }

    void abbrechenOfAProgressWindowStopsTheReplayAndTheNextReplayStartsAfresh() {
        VisuRig r;
        using test::MakeEvent;
        const std::vector<TRecordingEvent> records{TRecordingEvent{}, MakeEvent(0, false, {3, 1}),
                                                   MakeEvent(3, true, {3, 1, 8, 0, 0}),
                                                   MakeEvent(1, true, {3, 1, 8, 0, 500})};
        auto form = r.Window();
        r.replayStop = true;  // left over from an earlier "Abbrechen"
        QVERIFY(form->OpenVideo(records, "Tag1"));
        QVERIFY(!r.replayStop);
        form->ReplayTick();
        QCOMPARE(int(form->States().Get(6, 1)), 1);
        r.replayStop = true;
        r.clock.now.millisecond += 600;
        form->ReplayTick();
        QVERIFY(!form->TimerActive());
        QCOMPARE(int(form->States().Get(3, 1)), 0);  // the record due was not played
        form->close();
    }

    void aDamagedGrafikFileIsReportedAndNothingOpens() {
        VisuRig r;
        std::filesystem::resize_file(r.base / "Grafik.ofd", 100);
        auto form = r.Window();
        QVERIFY(!form->OpenParameter());
        QVERIFY(!form->isVisible());
        QVERIFY(r.dialogs.boxes.back().text.find("beschädigt") != std::string::npos);
    }
};

QTEST_MAIN(VisualisationTest)
#include "visualisation_test.moc"
