// Saving the analyser's recording and the question on closing.
#include <gtest/gtest.h>

#include <memory>

#include "evaluation/analyser_file.h"
#include "evaluation/recording_events.h"
#include "support/file_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

class AnalyserFileTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();
    std::unique_ptr<RecordingUndo> undo = std::make_unique<RecordingUndo>();
    test::ScriptedDialogs dialogs;

    AnalyserFileTest() {
        test::WriteRecordingFile(dir / "Ausgabe.ofa", test::CreatedDayFile(2));
        recording->Load(dir.path(), "Ausgabe");
    }
    void Change() {
        undo->Snapshot(*recording);
        recording->Event(3).Meldung = std::uint16_t(1 | kLevelHighBit);
    }
    bool FileChanged() const { return test::ReadBytes(dir / "Ausgabe.ofa")[20 + 1] != 0; }
};

TEST_F(AnalyserFileTest, AnUnchangedRecordingClosesWithoutAQuestion) {
    EXPECT_TRUE(MayCloseAnalyser(*recording, *undo, dialogs));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(AnalyserFileTest, TheAnswerDecidesAboutSavingAndClosing) {
    struct Case {
        Answer answer;
        bool closes;
        bool saved;
    } const cases[] = {{Answer::Cancel, false, false}, {Answer::No, true, false}, {Answer::Yes, true, true}};
    for (const auto& c : cases) {
        test::WriteRecordingFile(dir / "Ausgabe.ofa", test::CreatedDayFile(2));
        recording->Load(dir.path(), "Ausgabe");
        Change();
        dialogs.boxes.clear();
        dialogs.answers = {c.answer};
        EXPECT_EQ(MayCloseAnalyser(*recording, *undo, dialogs), c.closes);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, "Möchten Sie die Änderungen in \"Ausgabe\" speichern?");
        EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Warning);
        EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(FileChanged(), c.saved);
        EXPECT_EQ(recording->IsModified(), !c.saved);
        EXPECT_EQ(undo->Depth(), c.closes ? 0 : 1) << "saving and discarding clear the history";
        undo->Clear();
    }
}

TEST_F(AnalyserFileTest, AFailedSaveIsShownAndKeepsTheWindowOpen) {
    Change();
    std::filesystem::remove_all(dir.path());
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(MayCloseAnalyser(*recording, *undo, dialogs));
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].kind, BoxKind::Error);
    EXPECT_TRUE(recording->IsModified());
    EXPECT_EQ(undo->Depth(), 1) << "the history stays with the unsaved records";
}

}  // namespace
}  // namespace ovis
