#include "evaluation/evaluation_commands.h"

#include <algorithm>

namespace ovis {

const char* const kTooManyUnitsText =
    "Es können nicht mehr wie 10 Units gleichzeitig vom Interface geladen werden!\r"
    "              Bitte markieren Sie die gewünschten Units erneut.";

FileCommands CommandAvailability(EvaluationWindowMode mode, const CurrentRow& current, int unitCount,
                                 bool outputFolder) {
    FileCommands commands;
    if (mode == EvaluationWindowMode::DataUnits) {
        commands.rangeSelection = current.row < unitCount;
        commands.auswerten = current.fileFilled;
        commands.uebertragen = current.beginFilled && !current.fileFilled;
    } else {
        commands.erstellen = outputFolder;
        commands.auswerten = commands.umbenennen = commands.loeschen = current.fileFilled;
    }
    return commands;
}

UnitSelection SelectUnits(int first, int last, int unitCount) {
    UnitSelection selection;
    selection.firstRow = std::min(first, last);
    selection.lastRow = std::min(std::max(first, last), unitCount - 1);
    selection.empty = selection.firstRow > selection.lastRow;
    selection.tooMany = !selection.empty && selection.lastRow - selection.firstRow + 1 > kMaxUnitsPerReadout;
    return selection;
}

std::string DeleteFileQuestion(const std::string& name) { return "Wollen Sie die Datei \"" + name + "\" wirklich löschen?"; }

}  // namespace ovis
