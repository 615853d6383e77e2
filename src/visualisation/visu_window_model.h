#pragma once
// The visualisation window's modes: their captions and the buttons each shows.
#include <string>

namespace ovis {

enum class VisuMode { Parameter = 1, Online = 2, Video = 3 };

inline constexpr const char* kVisuFormCaption = "Zel - Visualisierung";
inline constexpr const char* kVisInitCaption = "Visualisierung ( Parameter )     Objekt :";

// Help pages: the window's by mode (13001 parameter, 13002 online, 13003 video), the parameter dialog's.
inline constexpr int kVisuHelpContextBase = 13000;
inline constexpr int kVisInitHelpContext = 13004;

struct VisuButtons {
    bool info = true, relais = true, sonder = false, aendern = true, speichern = true;
    bool zurueck = true, einfuegenLoeschen = true, vor = true, abbrechen = true, hilfe = true;
    bool operator==(const VisuButtons&) const = default;
};

// "Sonder" shows only when the project option enables it.
VisuButtons VisuButtonsFor(VisuMode mode, bool sonderEnabled);
// The window's caption; the file name is shown in video mode only.
std::string VisuCaption(VisuMode mode, const std::string& fileName = {});

}  // namespace ovis
