#include "visualisation/visu_window_model.h"

namespace ovis {

VisuButtons VisuButtonsFor(VisuMode mode, bool sonderEnabled) {
    VisuButtons b;
    b.sonder = sonderEnabled;
    switch (mode) {
        case VisuMode::Online:
            b.sonder = b.aendern = b.speichern = b.zurueck = b.einfuegenLoeschen = b.vor = false;
            break;
        case VisuMode::Parameter:
            b.info = b.relais = false;
            break;
        case VisuMode::Video:
            b.info = b.relais = b.sonder = b.aendern = b.speichern = false;
            break;
    }
    return b;
}

std::string VisuCaption(VisuMode mode, const std::string& fileName) {
    switch (mode) {
        case VisuMode::Parameter: return "Zel - Visualisierung  ( Parameter )";
        case VisuMode::Online: return "Zel - Visualisierung  ( online )";
        case VisuMode::Video: return "Zel - Visualisierung  ( Video )     Datei : " + fileName;
    }
    return kVisuFormCaption;
}

}  // namespace ovis
