#include "shell/main_window_model.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "shell/shell_test_projects.h"
#include "support/file_bytes.h"
#include "support/project_fixture.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;
using C = MenuCommand;

struct RecordingHooks final : ShellHooks {
    int reopened = 0;
    int stopped = 0;
    void ReopenSerialPort() override { ++reopened; }
    void StopStartViewSimulation() override { ++stopped; }
};

// A started main window over a temporary base directory.
struct ShellFixture : test::ProjectFixture {
    RecordingHooks hooks;
    MainWindowModel model{store, hooks};

    ShellFixture() {
        model.FormCreate();
        model.FormShow();
    }

    // Phase A and B as the browser drives them when the user double-clicks the project.
    bool Open(const std::string& name) {
        model.BeginOpenProject();
        model.ChooseProject(base.path(), name);
        return model.ProjectBrowserClosed();
    }

    bool Enabled(C command) const { return model.State(command).enabled; }
};

const C kProjectCommands[] = {C::Systemkonfiguration, C::Visualisierung, C::Io,       C::Gruppen,   C::Led,
                              C::Counter,             C::Timer,          C::Programm, C::AuswertungUnits,
                              C::SoftwareUpdate,      C::Auswahl,        C::Analyser, C::Statistik, C::Video};
const C kInterfaceButtons[] = {C::Neukonfiguration, C::Reset, C::AnalyserOnline, C::CounterOnline};
const C kAlwaysEnabled[] = {C::NeuesProjekt, C::Druckereinrichtung, C::Beenden, C::Inhalt, C::Info};

TEST(MainWindowMenus, ToolButtonsFollowTheMenuOrderWithTheirHints) {
    std::vector<std::string> hints;
    for (const auto& item : MenuItems())
        if (item.buttonHint) hints.push_back(item.buttonHint);
    const std::vector<std::string> expected = {
        "Projekt öffnen...", "Projekt speichern unter...", "Systemkonfiguration", "I / O",   "Gruppen",
        "LED",               "Counter",                    "Timer",               "Programm", "Neukonfiguration",
        "Reset",             "Analyser (Online)",          "Counter (Online)",    "Analyser - Auswertung",
        "Statistik - Auswertung", "Hilfe"};
    EXPECT_EQ(hints, expected);
}

TEST(MainWindowMenus, EveryMenuHoldsItsItemsInOrder) {
    struct Case {
        MenuId menu;
        const char* caption;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {MenuId::Projekt, " &Projekt ",
         {"Neues Projekt...", "Projekt öffnen...", "Projekt speichern unter...", "Systemkonfiguration...",
          "Druckereinrichtung", "Beenden"}},
        {MenuId::Bearbeiten, " &Bearbeiten ",
         {"Rückgängig", "Ausschneiden", "Kopieren", "Einfügen", "Visualisierung", "I / O", "Gruppen", "LED", "Counter",
          "Timer", "Programm"}},
        {MenuId::Ovis, " &Ovis ",
         {"Neukonfiguration", "Reset", "Analyser (Online)", "Counter (Online)", "Auswertung (Units)",
          "Software - Update"}},
        {MenuId::Auswertung, " A&uswertung ", {"Auswahl", "Analyser", "Statistik", "Video"}},
        {MenuId::Hilfe, " &Hilfe ", {"Inhalt", "Info"}},
    };
    ASSERT_EQ(Menus().size(), std::size(cases));
    for (std::size_t m = 0; m < std::size(cases); ++m) {
        SCOPED_TRACE(cases[m].caption);
        EXPECT_EQ(Menus()[m].id, cases[m].menu);
        EXPECT_STREQ(Menus()[m].caption, cases[m].caption);
        std::vector<std::string> items;
        for (const auto& item : MenuItems())
            if (item.menu == cases[m].menu) items.push_back(item.caption);
        EXPECT_EQ(items, cases[m].items);
    }
}

TEST(MainWindowMenus, HiddenItemsAndShortcuts) {
    std::set<C> hidden;
    for (const auto& item : MenuItems())
        if (item.hidden) hidden.insert(item.command);
    EXPECT_EQ(hidden, (std::set<C>{C::Rueckgaengig, C::Ausschneiden, C::Kopieren, C::Einfuegen, C::SoftwareUpdate,
                                   C::Auswahl}));
    const std::pair<C, const char*> shortcuts[] = {
        {C::Rueckgaengig, "Ctrl+Z"}, {C::Ausschneiden, "Ctrl+X"}, {C::Kopieren, "Ctrl+C"}, {C::Einfuegen, "Ctrl+V"}};
    for (auto [command, keys] : shortcuts) EXPECT_STREQ(MenuItem(command).shortcut, keys);
}

TEST(MainWindowMenus, EvaluationModes) {
    struct Case {
        C command;
        EvaluationMode mode;
        const char* caption;
        std::optional<int> help;
        bool holds;
    };
    const Case cases[] = {
        {C::AuswertungUnits, EvaluationMode::DataUnits, "Datenauswertung  ( Interface - Units )", 9001, false},
        {C::Analyser, EvaluationMode::Analyser, "Datenauswertung  ( Analyser )", 9002, true},
        {C::Statistik, EvaluationMode::Statistics, "Datenauswertung  ( Statistik )", 9002, true},
        {C::Video, EvaluationMode::Video, "Datenauswertung  ( Video )", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const auto& evaluation = EvaluationModeOf(c.command);
        EXPECT_EQ(evaluation.mode, c.mode);
        EXPECT_STREQ(evaluation.caption, c.caption);
        EXPECT_EQ(evaluation.helpContext, c.help);

        ShellFixture f;
        f.model.EvaluationOpening(c.mode);
        EXPECT_EQ(f.model.EditorOpen(EditorSlot::EvaluationWindow), c.holds);
        EXPECT_EQ(f.Enabled(C::ProjektOeffnen), !c.holds);
    }
}

TEST(MainWindowModel, CaptionsKeepTheirBlanks) {
    EXPECT_EQ(OpenedProjectCaption("A"), " Ovis       Aktuelles Projekt :  A");
    EXPECT_EQ(SavedAsProjectCaption("A"), "Ovis     Aktuelles Projekt : A");
    EXPECT_EQ(EditorFailureText("kaputt"), "Exception: kaputt");
}

TEST(MainWindowModel, BeforeAProjectIsOpenOnlyTheGeneralCommandsWork) {
    ShellFixture f;
    EXPECT_EQ(f.model.Caption(), "Ovis");
    EXPECT_FALSE(f.model.ProjectOpen());
    EXPECT_TRUE(f.model.StartViewShown());
    for (C c : kProjectCommands) EXPECT_FALSE(f.Enabled(c)) << MenuItem(c).caption;
    for (C c : kInterfaceButtons) EXPECT_FALSE(f.Enabled(c)) << MenuItem(c).caption;
    for (C c : kAlwaysEnabled) EXPECT_TRUE(f.Enabled(c)) << MenuItem(c).caption;
    EXPECT_TRUE(f.Enabled(C::ProjektOeffnen));
    EXPECT_FALSE(f.Enabled(C::ProjektSpeichernUnter));
    for (C c : {C::Rueckgaengig, C::Ausschneiden, C::Kopieren, C::Einfuegen}) {
        EXPECT_FALSE(f.model.State(c).enabled);
        EXPECT_FALSE(f.model.State(c).visible);
    }
    EXPECT_TRUE(f.model.MenuButtonEnabled(MenuId::Ovis)) << "the menu opens; its items are disabled";
}

TEST(MainWindowModel, OpeningEnablesTheProjectCommandsAndTheInterfaceOnlyWithRows) {
    struct Case {
        std::size_t ioRows, ledRows;
        bool interface;
    };
    const Case cases[] = {{0, 0, false}, {3, 0, true}, {0, 1, true}, {32, 2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "io " << c.ioRows << " led " << c.ledRows);
        ShellFixture f;
        test::WriteProject(f.store, "Anlage", c.ioRows, c.ledRows);
        ASSERT_TRUE(f.Open("Anlage"));
        EXPECT_EQ(f.model.Caption(), " Ovis       Aktuelles Projekt :  Anlage");
        EXPECT_TRUE(f.model.ProjectOpen());
        EXPECT_FALSE(f.model.StartViewShown());
        EXPECT_FALSE(f.model.ProjectChosen());
        EXPECT_FALSE(f.model.AnyEditorOpen()) << "the browser's entry is cleared";
        EXPECT_EQ(f.store.Tables().io.Count(), c.ioRows);
        for (C command : kProjectCommands) EXPECT_TRUE(f.Enabled(command)) << MenuItem(command).caption;
        EXPECT_TRUE(f.model.State(C::Video).visible);
        EXPECT_TRUE(f.model.State(C::Visualisierung).visible);
        EXPECT_EQ(f.model.VisualisationOnlineState().enabled, c.interface);
        EXPECT_TRUE(f.Enabled(C::ProjektSpeichernUnter));
        for (C command : kInterfaceButtons) EXPECT_EQ(f.Enabled(command), c.interface) << MenuItem(command).caption;
        EXPECT_EQ(f.model.MenuButtonEnabled(MenuId::Ovis), c.interface);
        EXPECT_EQ(f.hooks.reopened, 1);
        EXPECT_EQ(f.hooks.stopped, 1);
    }
}

TEST(MainWindowModel, AnOpenAnalyserHoldsTheInterfaceActions) {
    ShellFixture f;
    test::WriteProject(f.store, "Anlage", 3, 0);
    ASSERT_TRUE(f.Open("Anlage"));
    const C held[] = {C::Neukonfiguration, C::Reset, C::AuswertungUnits, C::SoftwareUpdate, C::AnalyserOnline};
    const C free[] = {C::Analyser, C::CounterOnline, C::Statistik, C::Io};
    f.model.AnalyserOpenChanged(true);
    for (C command : held) EXPECT_FALSE(f.Enabled(command)) << MenuItem(command).caption;
    for (C command : free) EXPECT_TRUE(f.Enabled(command)) << MenuItem(command).caption;
    f.model.AnalyserOpenChanged(false);
    for (C command : held) EXPECT_TRUE(f.Enabled(command)) << MenuItem(command).caption;
}

TEST(MainWindowModel, OnlineViewsHoldTheirCommands) {
    struct Case {
        const char* view;
        void (MainWindowModel::*changed)(bool);
        std::vector<C> held, free;
    } const cases[] = {
        {"online analyser", &MainWindowModel::OnlineAnalyserOpenChanged,
         {C::Neukonfiguration, C::Reset, C::AuswertungUnits, C::SoftwareUpdate, C::AnalyserOnline, C::Analyser,
          C::CounterOnline},
         {C::Statistik, C::Io}},
        {"online counters", &MainWindowModel::CounterWindowOpenChanged,
         {C::Neukonfiguration, C::Reset, C::AuswertungUnits, C::SoftwareUpdate, C::AnalyserOnline, C::CounterOnline},
         {C::Analyser, C::Statistik}},
        {"online visualisation", &MainWindowModel::VisualisationOnlineOpenChanged,
         {C::Neukonfiguration, C::Reset, C::AuswertungUnits, C::SoftwareUpdate, C::AnalyserOnline, C::CounterOnline,
          C::Visualisierung, C::Video},
         {C::Analyser, C::Statistik, C::Io}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view);
        ShellFixture f;
        test::WriteProject(f.store, "Anlage", 3, 0);
        ASSERT_TRUE(f.Open("Anlage"));
        ASSERT_TRUE(f.model.VisualisationOnlineState().enabled);
        (f.model.*c.changed)(true);
        for (C command : c.held) EXPECT_FALSE(f.Enabled(command)) << MenuItem(command).caption;
        for (C command : c.free) EXPECT_TRUE(f.Enabled(command)) << MenuItem(command).caption;
        EXPECT_FALSE(f.model.VisualisationOnlineState().enabled) << "one online view at a time";
        (f.model.*c.changed)(false);
        for (C command : c.held) EXPECT_TRUE(f.Enabled(command)) << MenuItem(command).caption;
        EXPECT_TRUE(f.model.VisualisationOnlineState().enabled);
    }
}

TEST(MainWindowModel, TheOnlineVisualisationButtonWaitsForAProjectAndAFreeVisualisationWindow) {
    ShellFixture f;
    EXPECT_FALSE(f.model.VisualisationOnlineState().enabled) << "no project yet";
    EXPECT_TRUE(f.model.VisualisationOnlineState().visible);
    test::WriteProject(f.store, "Anlage", 3, 0);
    ASSERT_TRUE(f.Open("Anlage"));
    EXPECT_TRUE(f.model.VisualisationOnlineState().enabled);
    f.model.EditorOpening(EditorSlot::VisualisationEditor);
    EXPECT_FALSE(f.model.VisualisationOnlineState().enabled) << "the parameter mode holds the window";
    f.model.EditorClosed(EditorSlot::VisualisationEditor);
    EXPECT_TRUE(f.model.VisualisationOnlineState().enabled);
    f.model.AnalyserOpenChanged(true);
    EXPECT_TRUE(f.model.VisualisationOnlineState().enabled) << "an analyser of a file leaves the link free";
}

TEST(MainWindowModel, TheSerialPortIsReopenedUnlessTheRelayModeIsClient) {
    for (int relayMode : {0, 1, 2}) {
        SCOPED_TRACE(relayMode);
        ShellFixture f;
        f.tables->parameters.Record().RelayMode = relayMode;
        test::WriteProject(f.store, "Anlage");
        // A new project resets the relay mode; write it into the file as the user would have set it.
        auto parameters = f.tables->parameters.Record();
        parameters.RelayMode = relayMode;
        WriteRecords(f.ProjectDir("Anlage") / "Parameter.ofp", &parameters, 1);
        ASSERT_TRUE(f.Open("Anlage"));
        EXPECT_EQ(f.hooks.reopened, relayMode == 2 ? 0 : 1);
        f.dialogs.inputs = {"Kopie"};
        ASSERT_TRUE(f.model.SaveProjectAs());
        EXPECT_EQ(f.hooks.reopened, relayMode == 2 ? 0 : 2);
    }
}

TEST(MainWindowModel, ABrowserClosedWithoutChoiceOpensNothing) {
    ShellFixture f;
    test::WriteProject(f.store, "Anlage");
    f.model.BeginOpenProject();
    EXPECT_TRUE(f.model.EditorOpen(EditorSlot::ProjectBrowser));
    EXPECT_FALSE(f.Enabled(C::ProjektOeffnen));
    EXPECT_FALSE(f.model.StartViewShown());
    EXPECT_FALSE(f.model.ProjectBrowserClosed());
    EXPECT_FALSE(f.model.EditorOpen(EditorSlot::ProjectBrowser));
    EXPECT_EQ(f.model.Caption(), "Ovis");
    EXPECT_FALSE(f.Enabled(C::Io));
    f.model.FormActivate();
    EXPECT_TRUE(f.Enabled(C::ProjektOeffnen));
}

TEST(MainWindowModel, AFailedLoadChangesNeitherCaptionNorMenus) {
    ShellFixture f;
    test::WriteProject(f.store, "Kaputt");
    test::WriteBytes(f.ProjectDir("Kaputt") / "IO.ofd", test::PatternBytes(100));  // not a whole record
    EXPECT_FALSE(f.Open("Kaputt"));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(f.model.Caption(), "Ovis");
    EXPECT_FALSE(f.model.ProjectOpen());
    EXPECT_FALSE(f.Enabled(C::Io));
    EXPECT_EQ(f.hooks.reopened, 0);
}

TEST(MainWindowModel, EditorOpenFlagsHoldOpeningAndSaveAsUntilActivationAfterTheLastClose) {
    ShellFixture f;
    test::WriteProject(f.store, "Anlage", 1);
    ASSERT_TRUE(f.Open("Anlage"));

    f.model.EditorOpening(EditorSlot::IoEditor);
    f.model.EditorOpening(EditorSlot::CounterEditor);
    EXPECT_FALSE(f.Enabled(C::ProjektOeffnen));
    EXPECT_FALSE(f.Enabled(C::ProjektSpeichernUnter));
    EXPECT_TRUE(f.Enabled(C::NeuesProjekt)) << "a new project may replace the tables while editors are open";

    f.model.FormActivate();
    EXPECT_FALSE(f.Enabled(C::ProjektOeffnen)) << "two editors are open";

    f.model.EditorClosed(EditorSlot::IoEditor);
    f.model.FormActivate();
    EXPECT_FALSE(f.Enabled(C::ProjektOeffnen)) << "the counter editor is still open";

    f.model.EditorClosed(EditorSlot::CounterEditor);
    EXPECT_FALSE(f.Enabled(C::ProjektOeffnen)) << "only the next activation enables it";
    f.model.FormActivate();
    EXPECT_TRUE(f.Enabled(C::ProjektOeffnen));
    EXPECT_TRUE(f.Enabled(C::ProjektSpeichernUnter));
}

TEST(MainWindowModel, ActivationWithoutProjectEnablesOnlyOpening) {
    ShellFixture f;
    f.model.EditorOpening(EditorSlot::ProjectBrowser);
    f.model.EditorClosed(EditorSlot::ProjectBrowser);
    f.model.FormActivate();
    EXPECT_TRUE(f.Enabled(C::ProjektOeffnen));
    EXPECT_FALSE(f.Enabled(C::ProjektSpeichernUnter));
}

TEST(MainWindowModel, TheFirstSizeFitsTheScreen) {
    EXPECT_EQ(FirstMainWindowSize({1920, 1040}), (WindowSize{1300, 760}));
    EXPECT_EQ(FirstMainWindowSize({1280, 984}), (WindowSize{1280, 760}));
    EXPECT_EQ(FirstMainWindowSize({1024, 728}), (WindowSize{1024, 728}));
    EXPECT_EQ(FirstMainWindowSize({1300, 760}), (WindowSize{1300, 760}));
}

TEST(MainWindowModel, AnEditorThatFailedToShowReleasesItsEntry) {
    ShellFixture f;
    f.model.EditorOpening(EditorSlot::LedEditor);
    f.model.EditorFailedToOpen(EditorSlot::LedEditor);
    f.model.FormActivate();
    EXPECT_FALSE(f.model.AnyEditorOpen());
    EXPECT_TRUE(f.Enabled(C::ProjektOeffnen));
}

TEST(MainWindowModel, NewProjectHoldsTheInterfaceUntilTheFirstSaveOfANonEmptyTable) {
    ShellFixture f;
    f.dialogs.inputs = {"Neu"};
    ASSERT_TRUE(f.model.NewProject());
    EXPECT_EQ(f.model.Caption(), " Ovis       Aktuelles Projekt :  Neu");
    EXPECT_TRUE(f.model.NewProjectFlag());
    EXPECT_FALSE(f.model.StartViewShown());
    EXPECT_EQ(f.hooks.stopped, 1);
    EXPECT_EQ(f.hooks.reopened, 1);
    EXPECT_TRUE(f.Enabled(C::Io));
    for (C c : kInterfaceButtons) EXPECT_FALSE(f.Enabled(c));
    EXPECT_FALSE(f.model.MenuButtonEnabled(MenuId::Ovis));

    f.model.InterfaceTableSaved(0);
    EXPECT_TRUE(f.model.NewProjectFlag()) << "an empty table changes nothing";
    EXPECT_FALSE(f.model.InterfaceCommandsEnabled());

    f.store.Tables().io.Append(TIoRecord{});
    f.model.InterfaceTableSaved(1);
    EXPECT_FALSE(f.model.NewProjectFlag());
    for (C c : kInterfaceButtons) EXPECT_TRUE(f.Enabled(c));
    EXPECT_TRUE(f.model.MenuButtonEnabled(MenuId::Ovis));
}

// Every save of the I/O or LED table sets the Interface commands from the rows of both tables,
// whether the project is new or not.
TEST(MainWindowModel, ASaveEnablesTheInterfaceWhileTheIoOrLedTableHasARow) {
    struct Case {
        const char* name;
        std::size_t ioBefore, ledBefore;  // rows of the project opened
        std::size_t ioSaved, ledSaved;    // rows when the I/O table is saved
        bool enabled;
    } cases[] = {
        {"an empty project gets its first row", 0, 0, 1, 0, true},
        {"the only rows are deleted", 3, 0, 0, 0, false},
        {"the I/O table is emptied while LED rows remain", 3, 2, 0, 2, true},
        {"an empty I/O table saved beside LED rows", 0, 2, 0, 2, true},
        {"an empty project saved empty", 0, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        ShellFixture f;
        test::WriteProject(f.store, "Anlage", c.ioBefore, c.ledBefore);
        ASSERT_TRUE(f.Open("Anlage")) << c.name;
        ASSERT_EQ(f.model.InterfaceCommandsEnabled(), c.ioBefore + c.ledBefore > 0) << c.name;
        ProjectTables& tables = f.store.Tables();
        tables.io.SetCount(0);
        for (std::size_t i = 0; i < c.ioSaved; ++i) tables.io.Append(TIoRecord{});
        tables.led.SetCount(c.ledSaved);
        f.model.InterfaceTableSaved(c.ioSaved);
        EXPECT_EQ(f.model.InterfaceCommandsEnabled(), c.enabled) << c.name;
        EXPECT_EQ(f.model.MenuButtonEnabled(MenuId::Ovis), c.enabled) << c.name;
        for (C command : kInterfaceButtons) EXPECT_EQ(f.Enabled(command), c.enabled) << c.name;
        EXPECT_FALSE(f.model.NewProjectFlag()) << c.name;
    }
}

TEST(MainWindowModel, NewProjectWithLedRowsEnablesTheInterfaceButKeepsWaitingForTheFirstRows) {
    ShellFixture f;
    f.dialogs.inputs = {"Neu"};
    ASSERT_TRUE(f.model.NewProject());
    f.store.Tables().led.SetCount(1);
    f.model.InterfaceTableSaved(0);  // the I/O table saved empty
    EXPECT_TRUE(f.model.InterfaceCommandsEnabled());
    EXPECT_TRUE(f.model.NewProjectFlag());
}

TEST(MainWindowModel, NewProjectCancelledChangesNothingButTheStartView) {
    ShellFixture f;
    EXPECT_FALSE(f.model.NewProject());  // no scripted name: cancelled
    EXPECT_EQ(f.model.Caption(), "Ovis");
    EXPECT_FALSE(f.model.NewProjectFlag());
    EXPECT_FALSE(f.model.ProjectOpen());
    EXPECT_FALSE(f.model.StartViewShown());
    EXPECT_EQ(f.hooks.reopened, 0);
}

TEST(MainWindowModel, NewProjectWhileAnEditorIsOpenKeepsSaveAsHeld) {
    ShellFixture f;
    f.model.EditorOpening(EditorSlot::TimerEditor);
    f.dialogs.inputs = {"Neu"};
    ASSERT_TRUE(f.model.NewProject());
    EXPECT_TRUE(f.Enabled(C::Io));
    EXPECT_FALSE(f.Enabled(C::ProjektSpeichernUnter));
    f.model.EditorClosed(EditorSlot::TimerEditor);
    f.model.FormActivate();
    EXPECT_TRUE(f.Enabled(C::ProjektSpeichernUnter));
}

TEST(MainWindowModel, SaveAsCopiesTheProjectAndSetsItsCaption) {
    ShellFixture f;
    test::WriteProject(f.store, "Alt", 2);
    ASSERT_TRUE(f.Open("Alt"));
    f.dialogs.inputs = {"  Neu  "};
    ASSERT_TRUE(f.model.SaveProjectAs());
    EXPECT_EQ(f.model.Caption(), "Ovis     Aktuelles Projekt : Neu");
    EXPECT_EQ(f.store.CurrentProjectName(), "Neu");
    EXPECT_TRUE(fs::exists(f.ProjectDir("Neu") / "IO.ofd"));
    EXPECT_TRUE(fs::exists(f.ProjectDir("Alt") / "IO.ofd"));
    EXPECT_EQ(f.store.Tables().io.Count(), 2u);

    f.dialogs.inputs.clear();
    EXPECT_FALSE(f.model.SaveProjectAs()) << "cancelled";
    EXPECT_EQ(f.model.Caption(), "Ovis     Aktuelles Projekt : Neu");
}

TEST(MainWindowModel, SelectionPresentFollowsTheFirstIoRowsOfTheSelection) {
    struct Case {
        int shownIndex;  // -1: nothing shown
        bool present;
    };
    const Case cases[] = {{-1, false}, {0, true}, {2, true}, {3, false}, {999, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shownIndex);
        ShellFixture f;
        test::WriteProject(f.store, "Anlage", 3);
        std::vector<TAuswahlRecord> selection(kFolderCount);
        for (auto& r : selection) std::fill(std::begin(r.Shown), std::end(r.Shown), std::uint8_t{0});
        if (c.shownIndex >= 0) selection[0].Shown[c.shownIndex] = 1;
        WriteRecords(f.ProjectDir("Anlage") / "Auswahl.ofp", selection.data(), selection.size());
        ASSERT_TRUE(f.Open("Anlage"));
        EXPECT_EQ(f.model.SelectionPresent(), c.present);
    }
}

TEST(MainWindowModel, ClosingStopsTheStartViewOnlyWhileItIsShown) {
    ShellFixture f;
    f.model.FormClose();
    EXPECT_EQ(f.hooks.stopped, 1);
    test::WriteProject(f.store, "Anlage");
    ASSERT_TRUE(f.Open("Anlage"));
    f.model.FormClose();
    EXPECT_EQ(f.hooks.stopped, 2) << "once by opening, not again by closing";
}

}  // namespace
}  // namespace ovis
