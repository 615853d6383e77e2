// The name dialog of the evaluation window's file commands.
#include "evaluation/file_name_dialog.h"

#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

const std::string kFileList =
    "Bitte geben Sie einen anderen Namen ein!\r\r"
    "Folgende Zeichen dürfen im Dateinamen nicht enthalten sein: \\ / : * ? \" < > | ";
const std::string kProjectList =
    "Bitte geben Sie einen anderen Namen ein!\r\r"
    "Folgende Zeichen dürfen im Projektnamen nicht enthalten sein: \\ / : * ? \" < > | ";

TEST(FileNameDialog, Checks) {
    auto exists = [](const std::string& name) { return name == "alt"; };
    struct Case {
        FileNameCommand command;
        const char* entered;
        NameVerdict verdict;
        std::string name, message;
    };
    const std::vector<Case> cases = {
        {FileNameCommand::Transfer, "  neu  ", NameVerdict::Accepted, "neu", ""},
        {FileNameCommand::Transfer, "   ", NameVerdict::Empty, "", ""},
        {FileNameCommand::Transfer, "a/b", NameVerdict::Forbidden, "a/b",
         "Der neue Ordnername a/b enthält unerlaubte Zeichen. " + kProjectList},
        {FileNameCommand::Create, "a|b", NameVerdict::Forbidden, "a|b",
         "Der neue Dateiname a|b enthält unerlaubte Zeichen. " + kFileList},
        {FileNameCommand::Rename, "a\"b", NameVerdict::Forbidden, "a\"b",
         "Der neue Dateiname a\"b enthält unerlaubte Zeichen. " + kFileList},
        {FileNameCommand::Transfer, " alt", NameVerdict::Exists, "alt",
         "Die Datei \"alt\" existiert bereits! Wollen Sie diese Überschreiben?"},
        {FileNameCommand::Create, "alt", NameVerdict::Exists, "alt",
         "Die Datei \"alt\" existiert bereits! Wollen Sie diese überschreiben?"},
        {FileNameCommand::Rename, "alt", NameVerdict::Exists, "alt", "Die Datei \"alt\" existiert bereits!"},
    };
    for (const auto& c : cases) {
        const NameCheck check = CheckFileName(c.command, c.entered, exists);
        EXPECT_EQ(check.verdict, c.verdict) << c.entered;
        EXPECT_EQ(check.name, c.name) << c.entered;
        EXPECT_EQ(check.message, c.message) << c.entered;
    }
}

TEST(FileNameDialog, RenameToItsOwnNameAsksAgain) {
    test::TempDir dir;
    test::WriteRecordingFile(dir / "Messung.ofa", test::CreatedDayFile(1));
    test::ScriptedDialogs dialogs;
    dialogs.inputs = {"messung", "", " Neu "};
    EXPECT_EQ(AskFileName(dialogs, FileNameCommand::Rename, "Messung", dir.path()), "Neu");
    ASSERT_EQ(dialogs.prompts.size(), 3u);
    EXPECT_EQ(dialogs.prompts[0].caption, "Datei umbenennen in...");
    EXPECT_EQ(dialogs.prompts[0].prompt, "Dateiname eintragen:");
    EXPECT_EQ(dialogs.prompts[0].initial, "Messung");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(dialogs.boxes[0].text, "Die Datei \"messung\" existiert bereits!");
}

TEST(FileNameDialog, OverwriteQuestionYesAcceptsNoAsksAgainCancelEnds) {
    test::TempDir dir;
    test::WriteRecordingFile(dir / "a.ofa", test::CreatedDayFile(1));
    test::ScriptedDialogs dialogs;
    dialogs.inputs = {"a", "a"};
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(AskFileName(dialogs, FileNameCommand::Transfer, "Alle Meldungen", dir.path()), "a");
    EXPECT_EQ(dialogs.prompts[0].caption, "Daten speichern unter...");
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Warning);
    EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::YesNo);
    test::ScriptedDialogs cancel;
    EXPECT_EQ(AskFileName(cancel, FileNameCommand::Create, "Ausgangsdaten", dir.path()), std::nullopt);
    EXPECT_EQ(cancel.prompts[0].caption, "Daten erstellen in...");
}

}  // namespace
}  // namespace ovis
