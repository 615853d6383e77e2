#include "evaluation/analyser_file.h"

#include "records/io_error.h"

namespace ovis {

std::string SaveChangesQuestion(const std::string& fileName) {
    return "Möchten Sie die Änderungen in \"" + fileName + "\" speichern?";
}

bool SaveAnalyserFile(TRecording& recording, Dialogs& dialogs) {
    try {
        recording.Save();
        return true;
    } catch (const IoError& e) {
        dialogs.Error(e.what());
        return false;
    }
}

bool MayCloseAnalyser(TRecording& recording, Dialogs& dialogs) {
    if (!recording.IsModified()) return true;
    switch (dialogs.Show(BoxKind::Warning, SaveChangesQuestion(recording.FileName()), Buttons::YesNoCancel)) {
        case Answer::Yes: return SaveAnalyserFile(recording, dialogs);
        case Answer::No: return true;
        default: return false;
    }
}

}  // namespace ovis
