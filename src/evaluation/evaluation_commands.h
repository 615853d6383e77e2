#pragma once
// Which file commands of the evaluation window are enabled, and the unit selection of
// "Datei übertragen".
#include <string>

namespace ovis {

// The window's modes; 0 while it is closed.
enum class EvaluationWindowMode : int { Closed = 0, DataUnits = 1, Analyser = 2, Statistics = 3, Video = 4 };

struct FileCommands {
    bool auswerten = false;    // "Datei auswerten"
    bool uebertragen = false;  // "Datei übertragen"
    bool umbenennen = false;   // "Datei umbenennen"
    bool erstellen = false;    // "Datei erstellen"
    bool loeschen = false;     // "Datei löschen"
    bool rangeSelection = false;
    bool operator==(const FileCommands&) const = default;
};

struct CurrentRow {
    int row = 0;
    bool fileFilled = false;   // the "Datei" cell
    bool beginFilled = false;  // the "Beginn" cell
};

// Data units: range selection while the row is below `unitCount`; "Datei auswerten" on a file
// row, "Datei übertragen" on a unit row. Other modes: "Datei erstellen" in the output folder;
// "Datei auswerten", "Datei umbenennen" and "Datei löschen" on a file row.
FileCommands CommandAvailability(EvaluationWindowMode mode, const CurrentRow& current, int unitCount,
                                 bool outputFolder);

inline constexpr int kMaxUnitsPerReadout = 10;

struct UnitSelection {
    int firstRow = 0;
    int lastRow = 0;         // clipped to the last unit
    bool tooMany = false;    // more than ten units: nothing is sent
    bool empty = false;      // no unit row in the selection
    int FirstUnit() const { return firstRow + 1; }
    int LastUnit() const { return lastRow + 1; }
};

// The rows `first` to `last` as units: the selection ends at the last unit (row unitCount - 1).
UnitSelection SelectUnits(int first, int last, int unitCount);

// "Es können nicht mehr wie 10 Units gleichzeitig vom Interface geladen werden!" and the request
// to mark them again.
extern const char* const kTooManyUnitsText;

// "Wollen Sie die Datei "NAME" wirklich löschen?"
std::string DeleteFileQuestion(const std::string& name);

}  // namespace ovis
