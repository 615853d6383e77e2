#include "evaluation/analyser_edit_commands.h"

#include "evaluation/column_states.h"

namespace ovis {

EditContext EditContextAt(const AnalyserModel& model, const TRecording& recording, bool outputFolder) {
    EditContext context;
    context.target.cursor = model.CursorTime();
    const int cursor = model.Cursor();
    const AnalyserRows& rows = model.Rows();
    for (int row : model.Marks().MarkedRows()) {
        if (row > rows.Count()) continue;
        context.rows.push_back(row);
        context.target.rows.push_back({rows.Message(row), model.State(row, cursor) == kHighThroughout});
    }
    const int current = model.Marks().Current();
    EditMenuState state;
    state.division = model.Division();
    state.outputFolder = outputFolder;
    state.currentRowEmpty = current < 1 || current > rows.Count();
    state.currentCode = state.currentRowEmpty ? 0 : model.State(current, cursor);
    state.markedRows = int(context.rows.size());
    const int single = context.rows.size() == 1 ? context.rows.front() : current;
    if (context.rows.size() <= 1 && !state.currentRowEmpty) {
        state.markedHasRecords = HasRecordFrom3(recording, rows.Message(single));
        state.markedCode = model.State(single, cursor);
    }
    context.menu = EditMenuEnabling(state);
    return context;
}

namespace {

bool Enabled(EditCommand command, const AnalyserEditMenu& menu) {
    switch (command) {
        case EditCommand::Create: return menu.erzeugen;
        case EditCommand::Delete: return menu.loeschen;
        case EditCommand::Begin: return menu.anfang;
        case EditCommand::End: return menu.ende;
        case EditCommand::Shift: return menu.verschieben;
        case EditCommand::Add: return menu.hinzufuegen;
        case EditCommand::Remove: return menu.entfernen;
    }
    return false;
}

EditResult Run(EditCommand command, TRecording& rec, const EditContext& context, int division, Dialogs& dialogs) {
    const EditTarget& target = context.target;
    switch (command) {
        case EditCommand::Create: return CreatePulse(rec, target);
        case EditCommand::Delete: return DeletePeriod(rec, target);
        case EditCommand::Begin: return SetPeriodBegin(rec, target);
        case EditCommand::End: return SetPeriodEnd(rec, target);
        case EditCommand::Add: return AddMessage(rec, target.rows.back().message);
        case EditCommand::Remove: return RemoveMessage(rec, target.rows.back().message);
        case EditCommand::Shift: {
            const auto value = AskShiftValue(dialogs);
            if (!value) return {};
            return ShiftEvents(rec, target, division, *value, [&] {
                return dialogs.Show(BoxKind::Warning, ShiftBeyondEndQuestion(), Buttons::YesNo) == Answer::Yes;
            });
        }
    }
    return {};
}

}  // namespace

std::optional<std::int64_t> AskShiftValue(Dialogs& dialogs) {
    const auto input = dialogs.Input("Alle Ereignisse verschieben um", "Bitte geben Sie einen Wert ein (+ oder -) !", "0");
    if (!input) return std::nullopt;
    const auto value = ParseShiftValue(*input);
    if (!value) {
        dialogs.Information(ShiftNotANumberText(*input));
        return std::nullopt;
    }
    if (*value == 0) return std::nullopt;
    return value;
}

bool RunEditCommand(EditCommand command, TRecording& rec, RecordingUndo& undo, const EditContext& context, int division,
                    Dialogs& dialogs) {
    if (!Enabled(command, context.menu)) return false;
    if (context.target.rows.empty() && command != EditCommand::Shift) return false;
    const bool snapshot = command != EditCommand::Add;
    if (snapshot) undo.Snapshot(rec);
    const EditResult result = Run(command, rec, context, division, dialogs);
    if (!result.refusal.empty()) dialogs.Show(BoxKind::Warning, result.refusal);
    if (!result.changed && snapshot) undo.Undo(rec);  // the snapshot equals the records
    return result.changed;
}

bool ShowPeriodDuration(const TRecording& rec, const EditContext& context, Dialogs& dialogs) {
    if (!context.menu.info || context.target.rows.empty()) return false;
    dialogs.Information(PeriodDurationText(rec, context.target.rows.back().message, context.target.cursor));
    return true;
}

}  // namespace ovis
