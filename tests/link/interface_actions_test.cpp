// The Interface actions against the simulator: menu questions, the unsaved-input checks, the
// connection timer's tick with reset, software update, configuration and the online starts.
#include "link/interface_actions.h"

#include <gtest/gtest.h>

#include <map>

#include "project/system_parameters.h"
#include "link/firmware_image.h"
#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::LinkRig;
using test::SimulatorLine;
namespace ls = link_state;
using namespace std::chrono_literals;

class FakeEditors final : public OpenEditors {
public:
    struct State {
        bool open = false, unsaved = false;
    };
    bool IsOpen(EditorKind editor) const override {
        auto it = editors.find(editor);
        return it != editors.end() && it->second.open;
    }
    bool MarkUnsavedForReconfiguration(EditorKind editor) override {
        queried.push_back(editor);
        return editors[editor].unsaved;
    }
    void Focus(EditorKind editor) override { focused.push_back(editor); }

    std::map<EditorKind, State> editors;
    std::vector<EditorKind> queried, focused;
};

struct ActionsRig {
    test::TempDir base;
    LinkRig<SimulatorLine> rig;
    test::RecordingTimer timer;
    test::RecordingProgress progress;
    FakeEditors editors;
    SystemParameters parameters;
    std::vector<std::string> events;
    bool transferFails = false;
    std::function<void()> duringTransfer;
    std::vector<bool> transfers;  // withBackup of each transfer
    InterfaceActions actions;

    explicit ActionsRig(sim::SimulatorOptions options = {}, int onlineMessages = 300)
        : rig(LinkTuning{}, options),
          actions(rig.link, rig.dialogs, timer, progress, editors, parameters, [this] { return base.path(); },
                  Hooks(onlineMessages)) {
        parameters.Record().Nummer = std::uint8_t(options.address);
        rig.link.SetState(ls::kDone);
    }

    InterfaceActionHooks Hooks(int onlineMessages) {
        auto note = [this](const char* name) { return [this, name] { events.push_back(name); }; };
        InterfaceActionHooks h;
        h.clearOnlineStates = note("clearOnlineStates");
        h.resetFolderIndex = note("resetFolderIndex");
        h.openOnlineAnalyser = note("openOnlineAnalyser");
        h.startAnalyserPoll = note("startAnalyserPoll");
        h.closeAnalyser = note("closeAnalyser");
        h.raiseAnalyser = note("raiseAnalyser");
        h.openOnlineVisualisation = note("openOnlineVisualisation");
        h.startVisualisationTimer = note("startVisualisationTimer");
        h.raiseCounterWindow = note("raiseCounterWindow");
        h.openCounterWindow = note("openCounterWindow");
        h.onlineMessageCount = [onlineMessages] { return onlineMessages; };
        h.transferConfiguration = [this](bool withBackup, ProgressWindow&) {
            transfers.push_back(withBackup);
            if (duringTransfer) duringTransfer();
            return transferFails;
        };
        return h;
    }

    const sim::InterfaceSimulator& Sim() const { return rig.line.simulator; }
    std::vector<int> Commands() const {
        std::vector<int> commands;
        for (const auto& r : Sim().Received()) commands.push_back(r.telegram.command);
        return commands;
    }
    void Run(ActionTag tag) {
        actions.StartAction(tag);
        actions.Timer1Timer();
    }
    void WriteFirmware(const std::vector<std::uint8_t>& bytes) { test::WriteBytes(base / "IFACE.BIN", bytes); }
};

TEST(LinkActionMenus, QuestionsChooseTheAction) {
    const char* without = "Ovis konfigurieren  o h n e  Datensicherung ?";
    const char* with = "Ovis konfigurieren mit Datensicherung ?";
    const char* reset = "Ovis Reset mit Analyser (Online)?";
    struct Case {
        const char* name;
        void (InterfaceActions::*click)();
        std::vector<Answer> answers;
        std::vector<std::string> texts;
        ActionTag tag;  // None: nothing started
        bool reopens;
    } cases[] = {
        {"reset yes", &InterfaceActions::InterfaceResetClick, {Answer::Yes}, {reset}, ActionTag::ResetWithAnalyser, true},
        {"reset no", &InterfaceActions::InterfaceResetClick, {Answer::No}, {reset}, ActionTag::Reset, true},
        {"reset cancel", &InterfaceActions::InterfaceResetClick, {Answer::Cancel}, {reset}, ActionTag::None, false},
        {"configure yes", &InterfaceActions::InterfaceNeukonfigurationClick, {Answer::Yes}, {without},
         ActionTag::Configure, true},
        {"configure no yes", &InterfaceActions::InterfaceNeukonfigurationClick, {Answer::No, Answer::Yes},
         {without, with}, ActionTag::ConfigureWithBackup, true},
        {"configure no cancel", &InterfaceActions::InterfaceNeukonfigurationClick, {Answer::No, Answer::Cancel},
         {without, with}, ActionTag::None, false},
        {"configure cancel", &InterfaceActions::InterfaceNeukonfigurationClick, {Answer::Cancel}, {without},
         ActionTag::None, false},
        {"update yes", &InterfaceActions::InterfaceProgrammierungClick, {Answer::Yes}, {kSoftwareUpdateQuestion},
         ActionTag::SoftwareUpdate, false},
        {"update no", &InterfaceActions::InterfaceProgrammierungClick, {Answer::No}, {kSoftwareUpdateQuestion},
         ActionTag::None, false},
    };
    for (const auto& c : cases) {
        ActionsRig r;
        const int opensBefore = r.rig.line.opens;
        r.rig.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        (r.actions.*c.click)();
        std::vector<std::string> texts;
        for (const auto& box : r.rig.dialogs.boxes) texts.push_back(box.text);
        EXPECT_EQ(texts, c.texts) << c.name;
        const bool started = c.tag != ActionTag::None;
        EXPECT_EQ(r.timer.running, started) << c.name;
        if (started) {
            EXPECT_EQ(r.timer.interval, 50) << c.name;
            EXPECT_EQ(r.actions.Tag(), c.tag) << c.name;
            EXPECT_EQ(r.rig.link.Result(), LinkResult::ConnectRequested) << c.name;
        }
        EXPECT_EQ(r.rig.line.opens - opensBefore, c.reopens ? 1 : 0) << c.name;
    }
}

TEST(LinkActionMenus, BoxesUseTheirButtonSets) {
    ActionsRig r;
    r.rig.dialogs.answers = {Answer::No, Answer::Cancel, Answer::No};
    r.actions.InterfaceNeukonfigurationClick();
    r.actions.InterfaceProgrammierungClick();
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 3u);
    EXPECT_EQ(r.rig.dialogs.boxes[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(r.rig.dialogs.boxes[1].buttons, Buttons::YesCancel);
    EXPECT_EQ(r.rig.dialogs.boxes[2].buttons, Buttons::YesNo);
    EXPECT_EQ(r.rig.dialogs.boxes[2].kind, BoxKind::Warning);
    EXPECT_EQ(r.rig.dialogs.boxes[2].text,
              "Soll wirklich ein Software-UpDate (Flash-EPROM) des Interfaces durchgeführt werden???\r"
              "         Hiermit werden nicht die Daten der Meldungen zum Interface übertragen!!!");
}

TEST(LinkActionMenus, BusyLinkRefusesEveryAction) {
    ActionsRig r;
    r.actions.SetLinkIdle(false);
    r.rig.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    r.actions.InterfaceNeukonfigurationClick();
    r.actions.InterfaceResetClick();
    r.actions.InterfaceProgrammierungClick();
    r.actions.VisualisierungClick();
    EXPECT_TRUE(r.rig.dialogs.boxes.empty());
    EXPECT_EQ(r.timer.starts, 0);

    r.actions.AnsichtAnalyserClick();
    r.actions.AnsichtCounterClick();
    EXPECT_EQ(r.events, (std::vector<std::string>{"raiseAnalyser", "raiseCounterWindow"}));
    EXPECT_EQ(r.timer.starts, 0);
}

TEST(LinkActionUnsavedInput, AnOpenEditorWithUnsavedInputStopsTheReconfiguration) {
    struct Case {
        std::map<EditorKind, FakeEditors::State> editors;
        std::optional<EditorKind> blocking;
        const char* word;
    } cases[] = {
        {{{EditorKind::Io, {true, true}}}, EditorKind::Io, "I/O"},
        {{{EditorKind::Io, {true, false}}, {EditorKind::Groups, {true, true}}}, EditorKind::Groups, "Gruppe"},
        {{{EditorKind::Programs, {true, true}}, {EditorKind::Led, {true, true}}}, EditorKind::Led, "LED"},
        {{{EditorKind::Counters, {true, true}}}, EditorKind::Counters, "Counter"},
        {{{EditorKind::Timers, {true, true}}}, EditorKind::Timers, "Timer"},
        {{{EditorKind::Programs, {true, true}}}, EditorKind::Programs, "Programm"},
        {{{EditorKind::Io, {false, true}}}, std::nullopt, nullptr},  // a closed editor asks nothing
        {{{EditorKind::Io, {true, false}}, {EditorKind::Timers, {true, false}}}, std::nullopt, nullptr},
    };
    for (const auto& c : cases) {
        ActionsRig r;
        r.editors.editors = c.editors;
        r.rig.dialogs.answers = {Answer::Yes};
        r.actions.InterfaceNeukonfigurationClick();
        if (c.blocking) {
            ASSERT_EQ(r.rig.dialogs.boxes.size(), 2u) << c.word;
            EXPECT_EQ(r.rig.dialogs.boxes[1].kind, BoxKind::Information);
            EXPECT_EQ(r.rig.dialogs.boxes[1].text, std::string("Bevor Sie das Interface konfigurieren können, müssen "
                                                               "Ihre Eingaben im Fenster ") +
                                                       c.word + " abgespeichert werden!");
            EXPECT_EQ(r.editors.focused, std::vector<EditorKind>{*c.blocking});
            EXPECT_EQ(r.timer.starts, 0) << c.word;
        } else {
            EXPECT_EQ(r.rig.dialogs.boxes.size(), 1u);
            EXPECT_EQ(r.timer.starts, 1);
        }
        for (EditorKind queried : r.editors.queried) EXPECT_TRUE(r.editors.IsOpen(queried)) << "only open editors";
    }
}

TEST(LinkActionReset, ResetsAndFreesTheLink) {
    ActionsRig r;
    r.Run(ActionTag::Reset);
    ASSERT_EQ(r.Commands(), (std::vector<int>{4, 3}));
    EXPECT_EQ(r.Sim().Received()[0].telegram.payload, (std::vector<std::uint8_t>{3, 0, 0x80, 0x01, 0}));
    EXPECT_EQ(r.progress.Texts(), (std::vector<std::string>{"Verbindungsaufbau zur Ovis", "Reset der Ovis"}));
    ASSERT_EQ(r.progress.windows.size(), 1u);
    EXPECT_EQ(r.progress.windows[0]->maximum, 17);
    EXPECT_EQ(r.progress.windows[0]->positions.size(), 18u);
    EXPECT_TRUE(r.progress.AllClosed());
    EXPECT_GE(r.rig.delay.total, 100ms + 17 * 100ms);
    EXPECT_TRUE(r.actions.LinkIdle());
    EXPECT_TRUE(r.actions.LastActionCompleted());
    EXPECT_EQ(r.rig.link.Result(), LinkResult::Ok);
    EXPECT_FALSE(r.timer.running);
    EXPECT_TRUE(r.rig.dialogs.boxes.empty());
    EXPECT_EQ(r.events, (std::vector<std::string>{"clearOnlineStates", "resetFolderIndex"}))
        << "answer No: the analyser is not opened";
}

TEST(LinkActionReset, WithAnalyserStartsOnlineMode) {
    ActionsRig r({}, 300);
    r.Run(ActionTag::ResetWithAnalyser);
    ASSERT_EQ(r.Commands(), (std::vector<int>{4, 3, 7}));
    EXPECT_EQ(r.Sim().Received()[2].telegram.payload, (std::vector<std::uint8_t>{0, 1, 0x01, 0x2C}));
    EXPECT_EQ(r.events, (std::vector<std::string>{"clearOnlineStates", "resetFolderIndex", "openOnlineAnalyser",
                                                  "startAnalyserPoll"}));
}

TEST(LinkActionConnect, SilentInterfaceShowsTheRingWarningAndRunsNothing) {
    ActionsRig r(sim::SimulatorOptions{.silent = true});
    r.Run(ActionTag::Reset);
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 1u);
    EXPECT_NE(r.rig.dialogs.boxes[0].text.find("Die Ringleitung ist offen oder unterbrochen!!!"), std::string::npos);
    EXPECT_EQ(r.progress.Texts(), std::vector<std::string>{"Verbindungsaufbau zur Ovis"});
    EXPECT_TRUE(r.progress.AllClosed());
    EXPECT_TRUE(r.actions.LinkIdle());
    EXPECT_EQ(r.rig.link.Result(), LinkResult::Ok);
    EXPECT_FALSE(r.rig.link.AbortRequested());
    EXPECT_FALSE(r.actions.LastActionCompleted());
}

TEST(LinkActionConnect, TickWithoutRequestOnlyFreesTheLink) {
    ActionsRig r;
    r.actions.Timer1Timer();
    EXPECT_TRUE(r.progress.windows.empty());
    EXPECT_TRUE(r.Sim().Received().empty());
    EXPECT_TRUE(r.actions.LinkIdle());
}

TEST(LinkActionUpdate, TransfersTheFirmwareAndTheAddressPatch) {
    ActionsRig r(sim::SimulatorOptions{.address = 7});
    const FirmwareImage image = MakeTestFirmwareImage();
    r.WriteFirmware({image.begin(), image.end()});
    r.Run(ActionTag::SoftwareUpdate);

    std::vector<int> expected = {1, 19};
    expected.insert(expected.end(), 205, 4);
    expected.insert(expected.end(), {4, 18});
    ASSERT_EQ(r.Commands(), expected);
    for (int k = 0; k < 205; ++k) {
        const auto& payload = r.Sim().Received()[std::size_t(2 + k)].telegram.payload;
        ASSERT_EQ(payload.size(), 84u);
        EXPECT_EQ(payload[0], 1);
        EXPECT_EQ(payload[2] << 8 | payload[3], 0x8A80 + 80 * k);
    }
    auto memory = r.Sim().Memory().Read(1, 0x8A80, 16400);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), memory.begin()));
    for (std::size_t i = image.size(); i < memory.size(); ++i)
        EXPECT_EQ(memory[i], 0x8A80 + i == 0xBEFF ? 7 : 0) << "offset " << i;
    EXPECT_EQ(r.Sim().Memory().Read(1, 0xCA90, 1)[0], 0) << "nothing beyond the range";

    EXPECT_EQ(r.progress.Texts(), (std::vector<std::string>{"Verbindungsaufbau zur Ovis", "Programm wird gelöscht ...",
                                                            "Programm wird übertragen ...",
                                                            "Interface wird programmiert ..."}));
    const auto& positions = r.progress.windows[0]->positions;
    EXPECT_EQ(std::count(positions.begin(), positions.end(), 205), 1);
    EXPECT_EQ(positions.back(), 100);
    EXPECT_GE(r.rig.delay.total, 50ms + 1000ms + 205 * 10ms + 10ms + 100 * 100ms);
    EXPECT_TRUE(r.actions.LastActionCompleted());
    EXPECT_TRUE(r.rig.dialogs.boxes.empty());
}

TEST(LinkActionUpdate, MissingFirmwareEndsSilently) {
    ActionsRig r;
    r.Run(ActionTag::SoftwareUpdate);
    EXPECT_TRUE(r.Sim().Received().empty());
    EXPECT_TRUE(r.rig.dialogs.boxes.empty());
    EXPECT_FALSE(r.actions.LastActionCompleted());
    EXPECT_TRUE(r.actions.LinkIdle());
}

TEST(LinkActionUpdate, ShortFirmwareIsAFileErrorBeforeAnythingIsSent) {
    ActionsRig r;
    r.WriteFirmware(std::vector<std::uint8_t>(12368, 0x55));
    r.Run(ActionTag::SoftwareUpdate);
    EXPECT_TRUE(r.Sim().Received().empty());
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(r.rig.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_NE(r.rig.dialogs.boxes[0].text.find("IFACE.BIN"), std::string::npos);
    EXPECT_TRUE(r.progress.AllClosed());
    EXPECT_FALSE(r.actions.LastActionCompleted());
}

TEST(LinkActionUpdate, AbortSendsNoMoreBlocks) {
    ActionsRig r;
    const FirmwareImage image = MakeTestFirmwareImage();
    r.WriteFirmware({image.begin(), image.end()});
    r.progress.onPosition = [&](int position) {
        if (position == 10 && r.progress.windows[0]->maximum == 205) r.rig.link.RequestAbort();
    };
    r.Run(ActionTag::SoftwareUpdate);
    auto commands = r.Commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), 4), 10);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), 18), 0);
    EXPECT_FALSE(r.actions.LastActionCompleted());
    EXPECT_FALSE(r.rig.link.AbortRequested()) << "cleared at the end of the tick";
    EXPECT_TRUE(r.actions.LinkIdle());
}

TEST(LinkActionConfiguration, TransfersAndProgramsTheDataWithBackup) {
    struct Case {
        ActionTag tag;
        bool fails;
        std::vector<int> commands;
        std::vector<std::string> texts;
        bool completed;
    } cases[] = {
        {ActionTag::Configure, false, {}, {"Verbindungsaufbau zur Ovis", "Ovis wird konfiguriert"}, true},
        {ActionTag::ConfigureWithBackup, false, {3},
         {"Verbindungsaufbau zur Ovis", "Ovis wird konfiguriert", "Daten werden programmiert"}, true},
        {ActionTag::ConfigureWithBackup, true, {}, {"Verbindungsaufbau zur Ovis", "Ovis wird konfiguriert"}, false},
    };
    for (const auto& c : cases) {
        ActionsRig r;
        r.transferFails = c.fails;
        r.Run(c.tag);
        EXPECT_EQ(r.transfers, std::vector<bool>{c.tag == ActionTag::ConfigureWithBackup});
        EXPECT_EQ(r.Commands(), c.commands);
        EXPECT_EQ(r.progress.Texts(), c.texts);
        EXPECT_EQ(r.actions.LastActionCompleted(), c.completed);
        EXPECT_TRUE(r.progress.AllClosed());
        if (c.commands.size() == 1) {
            EXPECT_EQ(r.progress.windows.back()->maximum, 110);
        }
    }
}

TEST(LinkActionUpdate, FinalCommandNotTakenIsAFailure) {
    // Frozen after the address patch: command 18 is never echoed nor confirmed.
    ActionsRig r(sim::SimulatorOptions{.freezeAfter = 2 + 205 + 1});
    const FirmwareImage image = MakeTestFirmwareImage();
    r.WriteFirmware({image.begin(), image.end()});
    r.Run(ActionTag::SoftwareUpdate);
    EXPECT_EQ(r.Commands().size(), 208u);
    EXPECT_EQ(r.Commands().back(), 4);
    EXPECT_FALSE(r.actions.LastActionCompleted());
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(r.rig.dialogs.boxes[0].text, kInterfaceNotRespondingText);
    EXPECT_NE(r.progress.windows[0]->positions.back(), 100) << "no waiting for a programming that never started";
    EXPECT_TRUE(r.actions.LinkIdle());
}

TEST(LinkActionConfiguration, DataProgrammingNotTakenIsAFailure) {
    ActionsRig r(sim::SimulatorOptions{.freezeAfter = 1});
    // The transfer sends one telegram; the simulator hears nothing after it.
    r.duringTransfer = [&r] {
        r.rig.link.Prepare(1, 1);
        r.rig.link.SendTelegram();
    };
    r.Run(ActionTag::ConfigureWithBackup);
    EXPECT_EQ(r.Commands(), std::vector<int>{1});
    EXPECT_FALSE(r.actions.LastActionCompleted());
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(r.rig.dialogs.boxes[0].text, kInterfaceNotRespondingText);
    EXPECT_TRUE(r.progress.windows.back()->positions.empty()) << "no 110 steps";
    EXPECT_TRUE(r.progress.AllClosed());
}

TEST(LinkActionOnline, VisualisationStartsWithoutReopeningThePort) {
    ActionsRig r({}, 2);
    const int opens = r.rig.line.opens;
    r.actions.VisualisierungClick();
    EXPECT_EQ(r.rig.line.opens, opens);
    r.actions.Timer1Timer();
    EXPECT_EQ(r.Commands(), std::vector<int>{7});
    EXPECT_EQ(r.Sim().Received()[0].telegram.payload, (std::vector<std::uint8_t>{0, 1, 0, 2}));
    EXPECT_EQ(r.events.back(), "startVisualisationTimer");
}

TEST(LinkActionOnline, AnalyserClickFromProjectOpenClosesTheAnalyserFirst) {
    ActionsRig r;
    r.actions.AnsichtAnalyserClick(true);
    EXPECT_EQ(r.events, std::vector<std::string>{"closeAnalyser"});
    EXPECT_EQ(r.actions.Tag(), ActionTag::AnalyserOnline);
    r.actions.Timer1Timer();
    EXPECT_EQ(r.Commands(), std::vector<int>{7});
    EXPECT_EQ(r.events.back(), "startAnalyserPoll");
}

// Until the online windows and the configuration image exist, their commands say so, send
// nothing and keep the link free: a Reset still runs afterwards.
TEST(LinkActionLaterWindows, CommandsWithoutTheirWindowLeaveTheLinkIdle) {
    struct Case {
        const char* name;
        void (*click)(InterfaceActions&);
        std::vector<Answer> answers;
        std::size_t questions;  // boxes before the note
    } cases[] = {
        {"Counter (Online)", [](InterfaceActions& a) { a.AnsichtCounterClick(); }, {}, 0},
        {"Analyser (Online)", [](InterfaceActions& a) { a.AnsichtAnalyserClick(); }, {}, 0},
        {"Reset, Ja", [](InterfaceActions& a) { a.InterfaceResetClick(); }, {Answer::Yes}, 1},
        {"Neukonfiguration", [](InterfaceActions& a) { a.InterfaceNeukonfigurationClick(); }, {Answer::Yes}, 0},
        {"Visualisierung", [](InterfaceActions& a) { a.VisualisierungClick(); }, {}, 0},
    };
    for (const auto& c : cases) {
        ActionsRig r;
        InterfaceActionHooks hooks = r.Hooks(300);
        hooks.openOnlineAnalyser = nullptr;
        hooks.openCounterWindow = nullptr;
        hooks.openOnlineVisualisation = nullptr;
        hooks.transferConfiguration = nullptr;
        InterfaceActions actions(r.rig.link, r.rig.dialogs, r.timer, r.progress, r.editors, r.parameters,
                                 [&r] { return r.base.path(); }, hooks);
        r.rig.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        c.click(actions);
        actions.Timer1Timer();  // a tick of the connection timer finds nothing requested
        ASSERT_EQ(r.rig.dialogs.boxes.size(), c.questions + 1) << c.name;
        EXPECT_EQ(r.rig.dialogs.boxes.back().kind, BoxKind::Information) << c.name;
        EXPECT_EQ(r.rig.dialogs.boxes.back().text, "Diese Funktion folgt in einer späteren Version.") << c.name;
        EXPECT_EQ(r.timer.starts, 0) << c.name;
        EXPECT_TRUE(r.progress.windows.empty()) << c.name;
        EXPECT_TRUE(r.Sim().Received().empty()) << c.name << ": nothing sent, no online mode";
        EXPECT_TRUE(actions.LinkIdle()) << c.name;

        r.rig.dialogs.boxes.clear();
        r.rig.dialogs.answers = {Answer::No};
        actions.InterfaceResetClick();
        EXPECT_EQ(actions.Tag(), ActionTag::Reset) << c.name;
        actions.Timer1Timer();
        EXPECT_EQ(r.Commands(), (std::vector<int>{4, 3})) << c.name;
        EXPECT_TRUE(actions.LastActionCompleted()) << c.name;
        EXPECT_TRUE(actions.LinkIdle()) << c.name;
        EXPECT_EQ(r.rig.dialogs.boxes.size(), 1u) << c.name << ": only the question";
    }
}

TEST(LinkActionOnline, CounterConnectKeepsTheLinkForTheCounterWindow) {
    ActionsRig r;
    r.actions.AnsichtCounterClick();
    EXPECT_EQ(r.progress.Texts(), std::vector<std::string>{"Verbindungsaufbau zum Interface"});
    EXPECT_TRUE(r.progress.AllClosed());
    EXPECT_FALSE(r.actions.LinkIdle()) << "the counter window polls now";
    EXPECT_EQ(r.events, std::vector<std::string>{"openCounterWindow"});
    EXPECT_EQ(r.timer.starts, 0);
}

}  // namespace
}  // namespace ovis
