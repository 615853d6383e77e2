#pragma once
// Saving the analyser's recording and the question about unsaved changes when it closes.
#include <string>

#include "evaluation/recording_undo.h"
#include "platform/dialogs.h"
#include "project/recording.h"

namespace ovis {

// "Möchten Sie die Änderungen in "NAME" speichern?"
std::string SaveChangesQuestion(const std::string& fileName);

// "&Speichern": writes the recording back (atomically) and clears the undo history; a file error
// is shown and gives false, keeping the history.
bool SaveAnalyserFile(TRecording& recording, RecordingUndo& undo, Dialogs& dialogs);

// Closing in file mode: with unsaved changes asks Yes/No/Cancel; Yes saves, No discards the undo
// history, Cancel (or a failed save) keeps the window open. True when the window may close.
bool MayCloseAnalyser(TRecording& recording, RecordingUndo& undo, Dialogs& dialogs);

}  // namespace ovis
