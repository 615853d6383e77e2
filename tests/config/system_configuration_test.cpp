#include "config/system_configuration.h"

#include <gtest/gtest.h>

#include "support/file_bytes.h"
#include "support/project_fixture.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;

struct RecordingHooks : ConfigurationHooks {
    int reopened = 0, groupsChanged = 0, redrawn = 0;
    void ReopenSerialPort() override { ++reopened; }
    void GroupsChanged() override { ++groupsChanged; }
    void RedrawEditors() override { ++redrawn; }
};

struct ConfigurationFixture : test::ProjectFixture {
    RecordingHooks hooks;
    SystemConfiguration config{store, dialogs, hooks};

    ConfigurationFixture() {
        CreateProject("P");
        store.SetCurrentProjectName("P");
        EXPECT_TRUE(store.OpenCurrentProject());
        tables->parameters.Record().Nachbarobjekt = "P";
        tables->parameters.Save(store.ProjectDirectory());
    }
    fs::path Acquisition() const { return store.ProjectDirectory() / "Daten" / "Datenerfassung"; }
    void AddFolders(std::initializer_list<std::pair<const char*, int>> folders) {
        int i = 1;
        for (auto [name, units] : folders) {
            config.Record().Ordner[i] = name;
            config.Record().Units[i] = static_cast<std::uint8_t>(units);
            fs::create_directories(Acquisition() / name);
            ++i;
        }
        tables->parameters.Save(store.ProjectDirectory());
        config.Show();
    }
    SystemParameters Reread() const {
        SystemParameters p;
        p.Load(store.ProjectDirectory());
        return p;
    }
};

TEST(SystemConfiguration, SmallMemoryAllowsOneFolder) {
    ConfigurationFixture f;
    f.config.Record().Speichergroesse = 0;
    f.config.Show();
    EXPECT_EQ(f.config.AllMessagesUnits(), 2);
    EXPECT_TRUE(f.config.CanCreateFolder());
    f.dialogs.inputs = {"Türen"};
    ASSERT_TRUE(f.config.CreateFolder());
    EXPECT_EQ(f.config.AllMessagesUnits(), 1);
    EXPECT_FALSE(f.config.CanCreateFolder());
    EXPECT_TRUE(fs::is_directory(f.Acquisition() / "Türen"));
}

TEST(SystemConfiguration, MemorySizeChanges) {
    struct Case {
        const char* name;
        int folders;
        int from, to;
        bool accepted;
        int allMessagesUnits;
    };
    const Case cases[] = {
        {"2 MByte to 512 KByte, three folders", 3, 2, 1, true, 15 - 3 - 1},
        {"to 128 KByte with two folders is refused", 2, 2, 0, false, 63 - 10 - 1},
        {"to 128 KByte with one folder", 1, 2, 0, true, 3 - 1 - 1},
        {"512 KByte to 2 MByte", 2, 1, 2, true, 63 - 2 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigurationFixture f;
        f.config.Record().Speichergroesse = static_cast<std::uint8_t>(c.from);
        if (c.folders >= 1) f.AddFolders({{"A", 5}});
        if (c.folders >= 2) f.AddFolders({{"A", 5}, {"B", 5}});
        if (c.folders >= 3) f.AddFolders({{"A", 5}, {"B", 5}, {"C", 5}});
        EXPECT_EQ(f.config.ChooseMemorySize(c.to), c.accepted);
        EXPECT_EQ(f.config.Record().Speichergroesse, c.accepted ? c.to : c.from);
        EXPECT_EQ(f.config.AllMessagesUnits(), c.allMessagesUnits);
        EXPECT_EQ(f.dialogs.boxes.size(), c.accepted ? 0u : 1u);
    }
}

TEST(SystemConfiguration, UnitsListAndChoice) {
    ConfigurationFixture f;
    f.config.Record().Speichergroesse = 0;  // 3 units: U1 = 3 - 1 - units of folders
    f.config.Record().Speichergroesse = 1;  // 15 units
    f.AddFolders({{"A", 2}, {"B", 8}});
    EXPECT_EQ(f.config.AllMessagesUnits(), 4);
    EXPECT_EQ(f.config.UnitsChoiceLimit(1), 5) << "2 units while U1 is 4 offers 1 to 5";
    f.config.ChooseUnits(1, 5);
    EXPECT_EQ(f.config.Record().Units[1], 5);
    EXPECT_EQ(f.config.AllMessagesUnits(), 1);
    EXPECT_TRUE(f.config.HasUnsavedChanges());
}

TEST(SystemConfiguration, CreatingAFolderWritesOnlyThatChange) {
    ConfigurationFixture f;
    f.config.Show();
    f.config.Record().Nummer = 17;  // pending, unsaved
    f.AddFolders({});
    f.config.Record().Nummer = 17;
    f.tables->parameters.SetSavedImage([&] { auto r = f.config.Record(); r.Nummer = 1; return r; }());
    f.dialogs.inputs = {"  ", "a*b", "Neu"};
    ASSERT_TRUE(f.config.CreateFolder());
    ASSERT_EQ(f.dialogs.prompts.size(), 3u);
    EXPECT_EQ(f.dialogs.prompts[0].caption, "Neuer Ordner...");
    EXPECT_EQ(f.dialogs.prompts[0].initial, "Neuer Ordner");
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text.rfind("Der Name des Ordners a*b enthält unerlaubte Zeichen.", 0), 0u);
    SystemParameters file = f.Reread();
    EXPECT_EQ(file.FolderName(1), "Neu");
    EXPECT_EQ(file.FolderUnits(1), 1);
    EXPECT_EQ(file.FolderUnits(0), 61);
    EXPECT_EQ(file.InterfaceNumber(), 1) << "other pending changes stay unsaved";
    EXPECT_TRUE(f.config.HasUnsavedChanges());
}

TEST(SystemConfiguration, ExistingFolderDirectoryIsRefused) {
    ConfigurationFixture f;
    fs::create_directories(f.Acquisition() / "Tore");
    f.config.Show();
    f.dialogs.inputs = {"TORE"};
    EXPECT_FALSE(f.config.CreateFolder());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text, "Der Gruppen-Ordner TORE existiert bereits!");
}

TEST(SystemConfiguration, RenamingAFolderRenamesItsDirectoryAndTheGroupsFollow) {
    ConfigurationFixture f;
    f.AddFolders({{"Alt", 3}});
    TGruppeRecord group{};
    group.SpeicherOrdner = "Alt";
    f.tables->groups.Append(group);
    f.dialogs.inputs = {"Neu"};
    ASSERT_TRUE(f.config.RenameFolder(FolderField::Grid, 1));
    EXPECT_EQ(f.dialogs.prompts[0].initial, "Alt");
    EXPECT_TRUE(fs::is_directory(f.Acquisition() / "Neu"));
    EXPECT_FALSE(fs::exists(f.Acquisition() / "Alt"));
    EXPECT_EQ(f.Reread().FolderName(1), "Neu");
    EXPECT_EQ(f.tables->groups.Row(0).SpeicherOrdner.str(), "Neu");
    GroupTable reread;
    reread.Load(f.store.ProjectDirectory() / "Gruppen.ofd");
    EXPECT_EQ(reread.Row(0).SpeicherOrdner.str(), "Neu");
}

TEST(SystemConfiguration, WhichFoldersCanBeRenamed) {
    ConfigurationFixture f;
    f.AddFolders({{"A", 2}});
    EXPECT_TRUE(f.config.CanRenameFolder(FolderField::AllMessages, 0));
    EXPECT_TRUE(f.config.CanRenameFolder(FolderField::Output, 0));
    EXPECT_TRUE(f.config.CanRenameFolder(FolderField::Grid, 1));
    EXPECT_FALSE(f.config.CanRenameFolder(FolderField::Grid, 2)) << "an empty grid line";
    f.dialogs.inputs = {"B"};
    EXPECT_FALSE(f.config.RenameFolder(FolderField::Grid, 2));
    EXPECT_TRUE(f.dialogs.prompts.empty());
}

TEST(SystemConfiguration, RenamingTheOutputFolderActsBelowDatenausgabe) {
    ConfigurationFixture f;
    f.config.Show();
    f.dialogs.inputs = {"Ausgabe"};
    ASSERT_TRUE(f.config.RenameFolder(FolderField::Output, 0));
    EXPECT_TRUE(fs::is_directory(f.store.ProjectDirectory() / "Daten" / "Datenausgabe" / "Ausgabe"));
    EXPECT_EQ(f.Reread().FolderName(14), "Ausgabe");
}

TEST(SystemConfiguration, DeletingFolders) {
    struct Case {
        const char* name;
        bool withFile;
        std::optional<Answer> answer;
        bool deleted;
    };
    const Case cases[] = {
        {"empty folder needs no confirmation", false, std::nullopt, true},
        {"files and Yes", true, Answer::Yes, true},
        {"files and No", true, Answer::No, false},
        {"files and Cancel", true, Answer::Cancel, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigurationFixture f;
        f.AddFolders({{"A", 2}, {"B", 3}, {"C", 4}});
        if (c.withFile) test::WriteBytes(f.Acquisition() / "B" / "x.ofa", {1});
        if (c.answer) f.dialogs.answers = {*c.answer};
        TGruppeRecord group{};
        group.SpeicherOrdner = "B";
        f.tables->groups.Append(group);
        f.tables->selection.Folder(2).Shown[0] = 0;
        f.tables->selection.Folder(3).Shown[0] = 0;
        f.tables->selection.Folder(3).Shown[1] = 0;

        int cursor = f.config.DeleteFolder(2, 3);
        EXPECT_EQ(f.dialogs.boxes.size(), c.withFile ? 1u : 0u);
        EXPECT_EQ(fs::exists(f.Acquisition() / "B"), !c.deleted);
        if (!c.deleted) {
            EXPECT_EQ(f.config.FolderCount(), 3);
            EXPECT_EQ(f.tables->groups.Row(0).SpeicherOrdner.str(), "B");
            continue;
        }
        EXPECT_EQ(cursor, 2) << "the cursor moves up from the removed last line";
        EXPECT_EQ(f.config.FolderCount(), 2);
        SystemParameters file = f.Reread();
        EXPECT_EQ(file.FolderName(2), "C");
        EXPECT_EQ(file.FolderUnits(2), 4);
        EXPECT_EQ(file.FolderName(3), "");
        EXPECT_EQ(file.FolderUnits(0), 63 - 2 - 4 - 1);
        EXPECT_EQ(f.tables->groups.Row(0).SpeicherOrdner.str(), "");
        EXPECT_EQ(f.tables->selection.Folder(2).Shown[1], 0) << "the selection of C moved down";
        EXPECT_EQ(f.tables->selection.Folder(3).Shown[0], 1) << "folder 3 on shows everything";
        EXPECT_FALSE(f.config.HasUnsavedChanges());
    }
}

TEST(SystemConfiguration, DeletingSavesPendingChangesButTheyStillCountAsUnsaved) {
    ConfigurationFixture f;
    f.AddFolders({{"A", 2}});
    f.config.Record().Nummer = 9;
    f.config.DeleteFolder(1, 1);
    EXPECT_EQ(f.Reread().InterfaceNumber(), 9);
    EXPECT_TRUE(f.config.HasUnsavedChanges());
}

TEST(SystemConfiguration, ModuleInsertionAndDeletion) {
    auto ring = [](const SystemConfiguration& c) {
        std::vector<int> codes;
        for (int i = 0; i < c.ModuleCount(); ++i) codes.push_back(c.Record().Modulanordnung[i]);
        return codes;
    };
    struct Case {
        const char* name;
        std::vector<int> before;
        std::function<void(SystemConfiguration&)> edit;
        std::vector<int> after;
    };
    const Case cases[] = {
        {"three RELAIS6 after module 2 of five", {1, 2, 4, 5, 6}, [](SystemConfiguration& c) { c.InsertModules(3, 2, 4); },
         {1, 2, 3, 3, 3, 4, 5, 6}},
        {"selection on the last module appends", {1, 2}, [](SystemConfiguration& c) { c.InsertModules(7, 2, 2); }, {1, 2, 7}},
        {"selection below the modules appends", {1}, [](SystemConfiguration& c) { c.InsertModules(5, 4, 5); }, {1, 5, 5}},
        {"into an empty ring", {}, [](SystemConfiguration& c) { c.InsertModules(1, 1, 1); }, {1}},
        {"delete a range", {1, 2, 3, 4, 5}, [](SystemConfiguration& c) { c.DeleteModules(2, 3); }, {1, 4, 5}},
        {"delete beyond the end is limited", {1, 2, 3}, [](SystemConfiguration& c) { c.DeleteModules(3, 8); }, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigurationFixture f;
        for (std::size_t i = 0; i < c.before.size(); ++i) f.config.Record().Modulanordnung[i] = std::uint8_t(c.before[i]);
        f.config.Show();
        c.edit(f.config);
        EXPECT_EQ(ring(f.config), c.after);
        EXPECT_EQ(f.config.Record().Modulanordnung[c.after.size()], 0) << "the list ends with 0";
    }
}

TEST(SystemConfiguration, FiftyModulesAtMost) {
    ConfigurationFixture f;
    for (int i = 0; i < 60; ++i) f.config.Record().Modulanordnung[i] = 1;
    f.config.Show();
    EXPECT_EQ(f.config.ModuleCount(), 50);
    EXPECT_FALSE(f.config.CanInsertModules());
    f.config.DeleteModules(1, 2);
    f.config.InsertModules(2, 1, 5);
    EXPECT_EQ(f.config.ModuleCount(), 50) << "only as many as fit";
}

TEST(SystemConfiguration, SaveStoresTheProjectAsNeighbourAndReopensThePort) {
    ConfigurationFixture f;
    f.config.Show();
    f.config.Record().Nummer = 12;
    ASSERT_TRUE(f.config.Save());
    SystemParameters file = f.Reread();
    EXPECT_EQ(file.InterfaceNumber(), 12);
    EXPECT_EQ(file.Record().Nachbarobjekt.str(), "P");
    EXPECT_EQ(f.hooks.reopened, 1);
    EXPECT_FALSE(f.config.HasUnsavedChanges());

    f.config.Record().RelayMode = 2;
    ASSERT_TRUE(f.config.Save());
    EXPECT_EQ(f.hooks.reopened, 1) << "a Client never opens the port";
}

TEST(SystemConfiguration, WrongNeighbourEndsTheSaveWithAWarning) {
    ConfigurationFixture f;
    f.config.Show();
    f.config.Record().AnzahlInterfaces = 2;
    f.config.Record().Nachbarobjekt = "Gibt es nicht";
    EXPECT_FALSE(f.config.Save());
    ASSERT_EQ(f.dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.dialogs.boxes[0].text,
              "                 Achtung !!!     \r\rFalsches Nachbarobjekt gewählt?\r\rBitte die Nachbarobjekte korrigieren.");
    EXPECT_EQ(f.hooks.reopened, 0);
}

TEST(SystemConfiguration, CloseQuestion) {
    struct Case {
        const char* name;
        bool change;
        std::optional<Answer> answer;
        bool closes;
        int numberInFile;
        int numberInMemory;
    };
    const Case cases[] = {
        {"unchanged closes without asking", false, std::nullopt, true, 1, 1},
        {"Yes saves", true, Answer::Yes, true, 5, 5},
        {"No reloads", true, Answer::No, true, 1, 1},
        {"Cancel keeps it open", true, Answer::Cancel, false, 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigurationFixture f;
        f.config.Show();
        if (c.change) f.config.Record().Nummer = 5;
        if (c.answer) f.dialogs.answers = {*c.answer};
        EXPECT_EQ(f.config.Close(), c.closes);
        EXPECT_EQ(f.dialogs.boxes.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(f.dialogs.boxes[0].text, "Änderung speichern ?");
        }
        EXPECT_EQ(f.Reread().InterfaceNumber(), c.numberInFile);
        EXPECT_EQ(f.config.Record().Nummer, c.numberInMemory);
    }
}

}  // namespace
}  // namespace ovis
