#include "project/project_store.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include "project/staged_directory.h"
#include "support/file_bytes.h"
#include "support/project_fixture.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;
using test::ProjectFixture;

TEST(ProjectStore, NameLoopAsksUntilAcceptedAndShowsTheLastText) {
    ProjectFixture f;
    f.CreateProject("Demo");
    f.dialogs.inputs = {"   ", "a/b", "demo", "  Neu  "};
    auto name = f.store.AskProjectName(NameRequest::NewProject);
    ASSERT_EQ(name, "Neu");
    ASSERT_EQ(f.dialogs.prompts.size(), 4u);
    EXPECT_EQ(f.dialogs.prompts[0].caption, "Projektname eintragen...");
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "Geben Sie einen Projektnamen an:");
    EXPECT_EQ(f.dialogs.prompts[0].initial, "");
    EXPECT_EQ(f.dialogs.prompts[2].initial, "a/b") << "the box shows the text last entered";
    ASSERT_EQ(f.dialogs.boxes.size(), 2u) << "blanks only ask again without a message";
    EXPECT_EQ(f.dialogs.boxes[0].kind, BoxKind::Warning);
    EXPECT_EQ(f.dialogs.boxes[1].kind, BoxKind::Information);
    EXPECT_EQ(f.dialogs.boxes[1].text, "Das Projekt demo existiert bereits!");
}

TEST(ProjectStore, SaveAsNameLoopStartsWithTheCurrentNameAndRefusesIt) {
    ProjectFixture f;
    f.CreateProject("Demo");
    f.store.SetCurrentProjectName("Demo");
    f.dialogs.inputs = {"Demo"};  // then cancelled
    EXPECT_FALSE(f.store.AskProjectName(NameRequest::SaveAs).has_value());
    EXPECT_EQ(f.dialogs.prompts[0].caption, "Projekt speichern unter...");
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "Projektname eintragen:");
    EXPECT_EQ(f.dialogs.prompts[0].initial, "Demo");
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Das Projekt Demo existiert bereits!");
}

TEST(ProjectStore, NewProjectWritesTheWholeFileSet) {
    ProjectFixture f;
    f.dialogs.inputs = {"Anlage"};
    ASSERT_TRUE(f.store.NewProject());
    EXPECT_EQ(f.store.CurrentProjectName(), "Anlage");
    const fs::path dir = f.ProjectDir("Anlage");
    struct Entry {
        const char* path;
        std::uintmax_t size;  // files only
    };
    const Entry files[] = {
        {"Parameter.ofp", 17592}, {"LEDParameter.ofp", 1628}, {"IO.ofd", 0},        {"IOSignale.ofd", 20 * 4864},
        {"Counter.ofd", 0},       {"Gruppen.ofd", 0},         {"Led.ofd", 0},       {"Timer.ofd", 0},
        {"Auswahl.ofp", 0},       {"Statistik.ofp", 0},       {"Programme/Main.pgm", 0},
    };
    for (const auto& e : files) {
        SCOPED_TRACE(e.path);
        ASSERT_TRUE(fs::is_regular_file(dir / e.path));
        EXPECT_EQ(fs::file_size(dir / e.path), e.size);
    }
    for (const char* d : {"Daten/Datenausgabe/Ausgangsdaten", "Daten/Datenerfassung/Alle Meldungen", "Programme"})
        EXPECT_TRUE(fs::is_directory(dir / d)) << d;
    for (int m = 1; m <= 20; ++m) {
        EXPECT_EQ(f.tables->signalNames.Module(m).Modulbezeichnung.str(), "nicht belegt");
        EXPECT_TRUE(f.tables->signalNames.Module(m).Signal[17].empty());
    }
}

TEST(ProjectStore, NewProjectCarriesTheLoadedParametersAndResetsTheProjectSpecificOnes) {
    ProjectFixture f;
    TParameterRecord& p = f.tables->parameters.Record();
    p.Nummer = 7;
    p.BaudFaktor = 12;
    p.BaudFaktorPC = 4;
    p.Speichergroesse = 1;
    p.Ordner[0] = "Alles";
    p.Ordner[1] = "Tueren";
    p.Ordner[14] = "Ausgabe";
    p.Units[0] = 10;
    p.Units[14] = 1;
    p.Modulanordnung[0] = 1;
    p.Modulanordnung[1] = 3;
    p.Schnittstelle = 4;
    p.RelayMode = 2;
    p.Systemerweiterung = 2;
    p.ResetNachSpannungsverlust = 1;
    p.ResetUmMitternacht = 1;
    p.reserved4548[100] = 0x5A;
    f.tables->ledParameters.Record().AnzahlModule = 9;
    f.tables->ledParameters.Record().ModuleFarbe[0] = 3;
    f.tables->ledParameters.Record().Position[1].X = 77;

    f.dialogs.inputs = {"Neu"};
    ASSERT_TRUE(f.store.NewProject());

    const SystemParameters& loaded = f.tables->parameters;
    EXPECT_EQ(loaded.InterfaceNumber(), 7);
    EXPECT_EQ(loaded.BaudFactor(), 12);
    EXPECT_EQ(loaded.PcBaudFactor(), 4);
    EXPECT_EQ(loaded.MemorySizeCode(), 1);
    EXPECT_EQ(loaded.FolderName(0), "Alles");
    EXPECT_EQ(loaded.FolderName(14), "Ausgabe");
    EXPECT_EQ(loaded.FolderUnits(0), 10);
    EXPECT_EQ(loaded.Record().reserved4548[100], 0x5A);
    EXPECT_EQ(loaded.FolderName(1), "");
    EXPECT_EQ(loaded.ModuleCount(), 0);
    EXPECT_EQ(loaded.AcquisitionFolderCount(), 0);
    EXPECT_EQ(loaded.PortNumber(), 1);
    EXPECT_EQ(loaded.Relay(), RelayMode::None);
    EXPECT_EQ(loaded.BusExtension(), 0);
    EXPECT_EQ(loaded.ResetAfterPowerLoss(), 0);
    EXPECT_EQ(loaded.ResetAtMidnight(), 0);

    const TLedParameterRecord& led = f.tables->ledParameters.Record();
    EXPECT_EQ(led.AnzahlModule.get(), 0);
    EXPECT_EQ(led.Position[0].X.get(), 5);
    EXPECT_EQ(led.Position[0].Y.get(), 5);
    for (auto* field : {&led.UrsprungX, &led.UrsprungY, &led.RasterX, &led.RasterY, &led.AbstandX, &led.AbstandY})
        EXPECT_EQ(field->get(), 5);
    EXPECT_EQ(led.ModuleFarbe[0].get(), 3) << "other bytes are carried over";
    EXPECT_EQ(led.Position[1].X.get(), 77);
}

TEST(ProjectStore, NewProjectAfterStartViewInheritsTheStartViewParameters) {
    ProjectFixture f;
    f.tables->parameters.Record().Nummer = 42;
    f.CreateProject("Start");
    f.tables->parameters.Load(f.ProjectDir("Start"));
    f.tables->parameters.Record().Nummer = 42;
    f.tables->parameters.Save(f.ProjectDir("Start"));
    test::WriteBytes(f.store.SettingsFile(), {'S', 't', 'a', 'r', 't', '\r', '\n', 'x'});

    auto fresh = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    ProjectStore store(*fresh, dialogs, f.base.path());
    store.LoadStartView();
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(store.CurrentProjectName(), "") << "no project counts as open after the start view";
    EXPECT_EQ(fresh->parameters.InterfaceNumber(), 42);

    dialogs.inputs = {"Zweit"};
    ASSERT_TRUE(store.NewProject());
    EXPECT_EQ(fresh->parameters.InterfaceNumber(), 42);
}

TEST(ProjectStore, SettingsFileYieldsItsFirstLine) {
    struct Case {
        std::string text;
        std::string name;
    };
    const Case cases[] = {{"Demo", "Demo"}, {"Demo\r\nZweit\r\n", "Demo"}, {"Demo\nX", "Demo"}, {"", ""}, {"\r\n", ""}};
    for (const auto& c : cases) EXPECT_EQ(StartViewNameFromText(c.text), c.name);
}

TEST(ProjectStore, WriteStartViewWritesTheNameWithoutLineEnd) {
    ProjectFixture f;
    f.store.SetCurrentProjectName("Halle 3");
    f.store.WriteStartView();
    EXPECT_EQ(test::ReadBytes(f.store.SettingsFile()), (std::vector<std::uint8_t>{'H', 'a', 'l', 'l', 'e', ' ', '3'}));
    EXPECT_EQ(f.store.ReadStartView(), "Halle 3");
}

TEST(ProjectStore, MissingSettingsFileShowsTheErrorAndGoesOn) {
    ProjectFixture f;
    f.store.LoadStartView();
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_NE(f.dialogs.boxes[0].text.find("Ovis.ini"), std::string::npos);
    EXPECT_EQ(f.store.CurrentProjectName(), "");
}

TEST(ProjectStore, LoadStopsAtADamagedTableAndKeepsTheLaterTablesAsTheyWere) {
    ProjectFixture f;
    f.CreateProject("A");
    // Project A: one I/O row, a signal file that is too short.
    ResetIoRows(f.tables->io);
    f.tables->io.SetCount(1);
    SaveIoTable(f.tables->io, f.ProjectDir("A"));
    fs::resize_file(f.ProjectDir("A") / "IOSignale.ofd", 4864 * 19);
    // Tables in memory before the load.
    f.tables->io.SetCount(0);
    f.tables->groups.SetCount(2);
    f.tables->parameters.Record().Nummer = 9;

    f.store.SetCurrentProjectName("A");
    EXPECT_FALSE(f.store.OpenCurrentProject());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_NE(f.dialogs.boxes[0].text.find("IOSignale.ofd"), std::string::npos);
    EXPECT_EQ(f.tables->io.Count(), 1u) << "tables before the damaged one are loaded";
    EXPECT_EQ(f.tables->groups.Count(), 2u) << "tables after it keep their content";
    EXPECT_EQ(f.tables->parameters.InterfaceNumber(), 9);
}

TEST(ProjectStore, RecordingCountUsesTheOutputFolderOfThePreviousParameters) {
    ProjectFixture f;
    f.CreateProject("A");
    fs::path out = f.ProjectDir("A") / "Daten" / "Datenausgabe";
    fs::create_directories(out / "Alt");
    for (const char* file : {"1.ofa", "2.OFA", "3.txt"}) test::WriteBytes(out / "Alt" / file, {});
    f.tables->parameters.Record().Ordner[kOutputFolder] = "Alt";
    f.store.SetCurrentProjectName("A");
    ASSERT_TRUE(f.store.OpenCurrentProject());
    EXPECT_EQ(f.tables->outputRecordingCount, 2u);
    ASSERT_TRUE(f.store.OpenCurrentProject());
    EXPECT_EQ(f.tables->outputRecordingCount, 0u) << "now the loaded name \"Ausgangsdaten\" counts";
}

TEST(ProjectStore, SaveAsCopiesTheProjectAndStoresTheNewName) {
    ProjectFixture f;
    f.CreateProject("Alt");
    test::WriteBytes(f.ProjectDir("Alt") / "Daten" / "Datenausgabe" / "Ausgangsdaten" / "r.ofa", {1, 2, 3});
    f.store.SetCurrentProjectName("Alt");
    ASSERT_TRUE(f.store.OpenCurrentProject());
    ASSERT_TRUE(f.store.SaveProjectAs("Neu"));
    EXPECT_EQ(f.store.CurrentProjectName(), "Neu");
    EXPECT_TRUE(f.dialogs.boxes.empty());
    EXPECT_TRUE(fs::exists(f.ProjectDir("Alt") / "Parameter.ofp")) << "the old project stays";
    EXPECT_EQ(test::ReadBytes(f.ProjectDir("Neu") / "Daten" / "Datenausgabe" / "Ausgangsdaten" / "r.ofa"),
              (std::vector<std::uint8_t>{1, 2, 3}));
    SystemParameters reread;
    reread.Load(f.ProjectDir("Neu"));
    EXPECT_EQ(reread.Record().Nachbarobjekt.str(), "Neu");
    EXPECT_EQ(f.tables->outputRecordingCount, 1u);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(f.store.ProjectRoot())) ++entries;
    EXPECT_EQ(entries, 2u) << "no staging folder is left behind";
}

TEST(ProjectStore, SaveAsThatCannotMoveKeepsThePreviousProjectCurrent) {
    ProjectFixture f;
    f.CreateProject("Alt");
    fs::create_directories(f.ProjectDir("Neu") / "belegt");
    f.store.SetCurrentProjectName("Alt");
    EXPECT_FALSE(f.store.SaveProjectAs("Neu"));
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Fehler beim Verschieben");
    EXPECT_EQ(f.store.CurrentProjectName(), "Alt");
    EXPECT_TRUE(fs::exists(f.ProjectDir("Neu") / "belegt"));
    EXPECT_FALSE(fs::exists(f.ProjectDir("Neu") / "Parameter.ofp"));
}

std::vector<std::string> EntryNames(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ProjectStore, ANewProjectThatCannotBeWrittenCompletelyLeavesNothing) {
    // A file-size limit stands in for a full disk: "IOSignale.ofd" (97280 bytes) is the first
    // file that does not fit, after two files were written.
    ProjectFixture f;
    fs::create_directories(f.ProjectDir("Alt"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{40000, 40000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        try {
            f.store.CreateProjectFiles("Neu");
        } catch (const IoError& e) {
            const std::string text = e.what();
            ::_exit(text.find("IOSignale.ofd") != std::string::npos && text.find("zu groß") != std::string::npos ? 1 : 2);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the write past the limit must fail with an error, not a signal";
    EXPECT_EQ(WEXITSTATUS(status), 1) << "IoError naming the file that did not fit";
    EXPECT_EQ(EntryNames(f.store.ProjectRoot()), (std::vector<std::string>{"Alt"}))
        << "neither the project nor its staging folder is left";
    f.CreateProject("Neu");
    EXPECT_TRUE(fs::exists(f.ProjectDir("Neu") / "Programme" / "Main.pgm")) << "the name is free for a new try";
}

TEST(ProjectStore, ANewProjectIsCompletedBeforeItAppearsUnderItsName) {
    ProjectFixture f;
    fs::path seen;
    EXPECT_THROW(f.store.CreateProjectFiles("Neu",
                                            [&](const fs::path& dir) {
                                                seen = dir;
                                                EXPECT_TRUE(fs::exists(dir / "Parameter.ofp"));
                                                EXPECT_FALSE(fs::exists(f.ProjectDir("Neu")));
                                                throw IoError("E/A-Fehler: abgebrochen.");
                                            }),
                 IoError);
    EXPECT_EQ(seen.parent_path(), f.store.ProjectRoot()) << "built beside its target";
    EXPECT_TRUE(EntryNames(f.store.ProjectRoot()).empty());

    f.CreateProject("Neu");
    EXPECT_THROW(f.CreateProject("Neu"), IoError) << "an existing project is never replaced";
    EXPECT_EQ(EntryNames(f.store.ProjectRoot()), (std::vector<std::string>{"Neu"}));
}

// A file last written two minutes ago.
void WriteAged(const fs::path& path) {
    test::WriteBytes(path, {1});
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(2));
}

TEST(ProjectStore, OnlyOpeningForWritingRemovesTheTemporaryFilesOfInterruptedSaves) {
    ProjectFixture f;
    f.CreateProject("A");
    const fs::path dir = f.ProjectDir("A");
    const fs::path recordings = dir / "Daten" / "Datenausgabe" / "Ausgangsdaten";
    test::WriteBytes(recordings / "r.ofa", {});
    test::WriteBytes(dir / "Fremd.ofd", {});
    const fs::path stale[] = {dir / SaveTempName("IO.ofd", 4711), dir / "Programme" / SaveTempName("Main.pgm", 1),
                              recordings / SaveTempName("r.ofa", 22)};
    const fs::path kept[] = {
        dir / ".Notizen.tmp1",                       // not a save of this program
        recordings / ".Notizen.tmp1",
        dir / SaveTempName("Fremd.ofd", 3),          // beside a file that is no project file
        recordings / SaveTempName("weg.ofa", 7),     // its recording does not exist
        dir / "Programme" / SaveTempName("IO.ofd", 5),  // a table file does not lie among the programs
        dir / ".IO.ofd.tmp01",                       // not the save's exact name
    };
    for (const auto& p : stale) WriteAged(p);
    for (const auto& p : kept) WriteAged(p);
    const fs::path fresh = dir / SaveTempName("Counter.ofd", 9);  // a save that may still be running
    test::WriteBytes(fresh, {1});
    fs::create_directory(dir / SaveTempName("Timer.ofd", 8));
    fs::create_symlink(dir / "IO.ofd", dir / SaveTempName("Led.ofd", 6));

    f.store.LoadAllTablesFrom(dir);
    for (const auto& p : stale) EXPECT_TRUE(fs::exists(p)) << "reading never deletes: " << p;

    f.store.SetCurrentProjectName("A");
    ASSERT_TRUE(f.store.OpenCurrentProject());
    for (const auto& p : stale) EXPECT_FALSE(fs::exists(p)) << p;
    for (const auto& p : kept) EXPECT_TRUE(fs::exists(p)) << p;
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::is_directory(dir / SaveTempName("Timer.ofd", 8)));
    EXPECT_TRUE(fs::is_symlink(dir / SaveTempName("Led.ofd", 6)));
    EXPECT_TRUE(fs::exists(dir / "IO.ofd"));
}

// A staging directory of a creation whose process ended without cleaning up, as after kill -9.
fs::path KilledCreation(const fs::path& root) {
    std::vector<fs::path> before;
    for (const auto& e : fs::directory_iterator(root)) before.push_back(e.path());
    const pid_t child = ::fork();
    if (child == 0) {
        StagedDirectory staged(root / "Neu");
        ::_exit(staged.Create() ? 1 : 0);  // no destructor runs
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (const auto& e : fs::directory_iterator(root))
        if (std::find(before.begin(), before.end(), e.path()) == before.end()) return e.path();
    ADD_FAILURE() << "no staging directory left";
    return {};
}

void Age(const fs::path& path, std::chrono::minutes age) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

TEST(ProjectStore, TheNextCreationRemovesStagingDirectoriesOfKilledCreations) {
    ProjectFixture f;
    const fs::path root = f.store.ProjectRoot();
    fs::create_directories(root);
    const fs::path abandoned = KilledCreation(root);
    const fs::path recent = KilledCreation(root);  // may belong to a creation on another PC
    StagedDirectory running(root / "Laufend");     // a creation still running in a live process
    ASSERT_FALSE(running.Create());
    const fs::path notes = root / ".ovis-staging-notizen";
    fs::create_directory(notes);
    for (const auto& dir : {abandoned, running.Path(), notes}) Age(dir, std::chrono::minutes(61));
    Age(recent, std::chrono::minutes(59));

    f.CreateProject("Neu");
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(recent)) << "younger than an hour";
    EXPECT_TRUE(fs::exists(running.Path())) << "its lock is held";
    EXPECT_TRUE(fs::exists(notes)) << "not a staging name";
    EXPECT_FALSE(fs::exists(f.ProjectDir("Neu") / ".ovis-staging.lock")) << "the lock file is not part of the project";
}

TEST(ProjectStore, BaseDirectoryResolution) {
    struct Case {
        std::optional<std::string> env, setting, home;
        std::string expected;
    };
    const Case cases[] = {
        {"/srv/ovis", "/etc/x", "/home/u", "/srv/ovis/"},
        {std::nullopt, "/data/ovis/", "/home/u", "/data/ovis/"},
        {"", "/data/ovis", "/home/u", "/data/ovis/"},
        {std::nullopt, std::nullopt, "/home/u", "/home/u/Ovis/"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolveBaseDirectory(c.env, c.setting, c.home).string(), c.expected);
}

}  // namespace
}  // namespace ovis

namespace ovis {
namespace {

TEST(ProjectStore, ATableFileWithMoreThanAThousandRecordsLoadsItsFirstThousandAndSaysSo) {
    test::ProjectFixture f;
    f.CreateProject("Gross");
    test::WriteBytes(f.ProjectDir("Gross") / "Timer.ofd", test::PatternBytes(1796 * 1002));
    f.store.SetCurrentProjectName("Gross");
    ASSERT_TRUE(f.store.OpenCurrentProject());
    EXPECT_EQ(f.tables->timers.Count(), 1000u);
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_NE(f.dialogs.boxes[0].text.find("Timer.ofd"), std::string::npos) << f.dialogs.boxes[0].text;
}

}  // namespace
}  // namespace ovis
