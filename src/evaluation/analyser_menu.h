#pragma once
// Which of the analyser's menu entries are enabled in file mode.
namespace ovis {

struct AnalyserFileMenu {
    bool speichern = false;
    bool bearbeiten = false;
    bool suchen = false;
    bool drucken = false;
    bool exportieren = false;
    bool ereignisSuchen = false;
    bool zoomIn = false;
    bool zoomOut = false;
    bool takt = false;
    bool startStop = false;
};

// "Speichern" and "Bearbeiten" for a file of the output folder with a shown row, "Suchen" and
// "Exportieren" with a shown row, "Drucken" always, "Ereignis suchen" while the condition column
// is shown, the zoom entries below the finest and above the coarsest division; "Takt" and "Start/Stop" never.
AnalyserFileMenu FileModeMenu(bool outputFolder, int shownRows, int division, bool conditionColumn);

}  // namespace ovis

namespace ovis {

// The entries of the "Bearbeiten" menu and the diagram's pop-up menu.
struct AnalyserEditMenu {
    bool bereich = false;      // "&Bereich des Ereignisses festlegen"
    bool erzeugen = false;     // "Ereignis er&zeugen"
    bool loeschen = false;     // "Ereignis &löschen"
    bool verschieben = false;  // "Ereignis &verschieben"
    bool anfang = false;       // "&Anfang des Ereignisses setzen"
    bool ende = false;         // "&Ende des Ereignisses setzen"
    bool entfernen = false;    // "Meldungen e&ntfernen"
    bool hinzufuegen = false;  // "Meldungen &hinzufügen"
    bool grenzen = false;      // "Dateigrenzen &festlegen"
    bool info = false;         // "&Info Ereignisdauer"
    bool operator==(const AnalyserEditMenu&) const = default;
};

struct EditMenuState {
    int division = 2;
    bool outputFolder = false;
    bool currentRowEmpty = false;
    int currentCode = 0;  // the current row's cursor cell
    int markedRows = 0;
    // With one marked row (or none: the current row): its message has a record from record 3 on,
    // and its cursor cell.
    bool markedHasRecords = false;
    int markedCode = 0;
};

// The enabling each time the edit menu opens.
AnalyserEditMenu EditMenuEnabling(const EditMenuState& state);

}  // namespace ovis
