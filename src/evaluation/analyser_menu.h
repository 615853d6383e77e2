#pragma once
// Which of the analyser's menu entries are enabled in file mode.
namespace ovis {

struct AnalyserFileMenu {
    bool speichern = false;
    bool bearbeiten = false;
    bool suchen = false;
    bool drucken = false;
    bool ereignisSuchen = false;
    bool zoomIn = false;
    bool zoomOut = false;
    bool takt = false;
    bool startStop = false;
};

// "Speichern" and "Bearbeiten" for a file of the output folder with a shown row, "Suchen" with a
// shown row, "Drucken" always, "Ereignis suchen" while the condition column is shown, the zoom
// entries below the finest and above the coarsest division; "Takt" and "Start/Stop" never.
AnalyserFileMenu FileModeMenu(bool outputFolder, int shownRows, int division, bool conditionColumn);

}  // namespace ovis
