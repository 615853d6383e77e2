#pragma once
// The analyser's edit commands as the menus run them: the marked rows and their levels at the
// cursor taken when the edit menu opens, the enabling of the entries, the undo snapshot before a
// command, the questions and messages of a command, and the undo step dropped again when the
// command changed nothing.
#include <vector>

#include "evaluation/analyser_edit.h"
#include "evaluation/analyser_menu.h"
#include "evaluation/analyser_model.h"
#include "evaluation/recording_undo.h"
#include "platform/dialogs.h"

namespace ovis {

struct EditContext {
    EditTarget target;      // the marked rows' messages and levels at the cursor
    std::vector<int> rows;  // the marked rows, in row order
    AnalyserEditMenu menu;
};

// The context when the edit menu opens: a row is High at the cursor when its cursor cell has
// code 6. The current row (the row last clicked) decides about the empty-row step; with no marked
// row the current row stands for the one marked row.
EditContext EditContextAt(const AnalyserModel& model, const TRecording& recording, bool outputFolder);

enum class EditCommand { Create, Delete, Begin, End, Shift, Add, Remove };

// Runs `command` when the menu enables it: a snapshot first (except "Meldungen hinzufügen"), then
// the command with its questions; a refusal is shown. True when the records changed; a command
// that changed nothing leaves no undo step.
bool RunEditCommand(EditCommand command, TRecording& recording, RecordingUndo& undo, const EditContext& context,
                    int division, Dialogs& dialogs);

// The "Ereignis verschieben" input box and the value's checks; nothing when the command ends.
std::optional<std::int64_t> AskShiftValue(Dialogs& dialogs);

// "Info Ereignisdauer" for the last marked row; false when the menu disables it.
bool ShowPeriodDuration(const TRecording& recording, const EditContext& context, Dialogs& dialogs);

}  // namespace ovis
