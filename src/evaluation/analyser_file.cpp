#include "evaluation/analyser_file.h"

#include "records/io_error.h"

namespace ovis {

std::string SaveChangesQuestion(const std::string& fileName) {
    return "Möchten Sie die Änderungen in \"" + fileName + "\" speichern?";
}

bool SaveAnalyserFile(TRecording& recording, RecordingUndo& undo, Dialogs& dialogs) {
    try {
        recording.Save();
        undo.Clear();
        return true;
    } catch (const IoError& e) {
        dialogs.Error(e.what());
        return false;
    }
}

bool MayCloseAnalyser(TRecording& recording, RecordingUndo& undo, Dialogs& dialogs) {
    if (!recording.IsModified()) return true;
    switch (dialogs.Show(BoxKind::Warning, SaveChangesQuestion(recording.FileName()), Buttons::YesNoCancel)) {
        case Answer::Yes: return SaveAnalyserFile(recording, undo, dialogs);
        case Answer::No: undo.Clear(); return true;
        default: return false;
    }
}

}  // namespace ovis
