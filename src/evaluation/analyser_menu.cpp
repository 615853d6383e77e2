#include "evaluation/analyser_menu.h"

#include "evaluation/analyser_navigation.h"

namespace ovis {

AnalyserFileMenu FileModeMenu(bool outputFolder, int shownRows, int division, bool conditionColumn) {
    AnalyserFileMenu menu;
    menu.speichern = menu.bearbeiten = outputFolder && shownRows > 0;
    menu.suchen = shownRows > 0;
    menu.drucken = true;
    menu.ereignisSuchen = conditionColumn;
    menu.zoomIn = division < kFinestDivision;
    menu.zoomOut = division > kCoarsestDivision;
    return menu;
}

}  // namespace ovis
