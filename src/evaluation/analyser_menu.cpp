#include "evaluation/analyser_menu.h"

#include "evaluation/analyser_navigation.h"

namespace ovis {

AnalyserFileMenu FileModeMenu(bool outputFolder, int shownRows, int division, bool conditionColumn) {
    AnalyserFileMenu menu;
    menu.speichern = menu.bearbeiten = outputFolder && shownRows > 0;
    menu.suchen = shownRows > 0;
    menu.drucken = true;
    menu.exportieren = shownRows > 0;
    menu.ereignisSuchen = conditionColumn;
    menu.zoomIn = division < kFinestDivision;
    menu.zoomOut = division > kCoarsestDivision;
    return menu;
}

}  // namespace ovis

namespace ovis {

AnalyserEditMenu EditMenuEnabling(const EditMenuState& s) {
    AnalyserEditMenu m{true, true, true, true, true, true, true, true, true, true};
    m.verschieben = s.division != kCoarsestDivision;
    if (!s.outputFolder) {
        const bool info = s.currentCode == 6;
        m = AnalyserEditMenu{};
        m.info = info;
        return m;
    }
    if (s.currentRowEmpty) {
        m.bereich = m.erzeugen = m.loeschen = m.anfang = m.ende = m.entfernen = m.hinzufuegen = m.grenzen = m.info = false;
        return m;
    }
    if (s.markedRows <= 1) {
        if (s.markedHasRecords) {
            m.hinzufuegen = false;
            if (s.markedCode == 1) {
                m.loeschen = m.info = false;
            } else if (s.markedCode != 6) {
                m.erzeugen = m.loeschen = m.anfang = m.ende = m.info = false;
            }
        } else {
            m.bereich = m.erzeugen = m.loeschen = m.anfang = m.ende = m.entfernen = m.info = false;
        }
        return m;
    }
    m.entfernen = m.hinzufuegen = m.info = false;
    return m;
}

}  // namespace ovis
