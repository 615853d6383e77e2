#include "shell/start_view_display.h"

#include <algorithm>

#include "led/led_parameter_record.h"

namespace ovis {

LedColourPair ModuleColourPair(int colourCode) {
    switch (static_cast<LedModuleColour>(colourCode)) {
        case LedModuleColour::Gelb: return {0xFFFF00, 0x606000};
        case LedModuleColour::Gruen: return {0x00FF00, 0x006000};
        case LedModuleColour::Blau: return {0x0000FF, 0x000060};
        case LedModuleColour::Weiss: return {0xFFFFFF, 0x5F5F5F};
        case LedModuleColour::Rot:
        default: return {0xFF0000, 0x600000};
    }
}

DisplayColumns StartViewColumns(const LedTable& table) {
    DisplayColumns display{};
    const auto rows = table.Rows();
    const auto message = std::find_if(rows.begin(), rows.end(), [](const TLedRecord& r) { return bool(r.Status); });
    if (message == rows.end()) return display;
    const int modules = std::clamp<int>(message->Modulzahl, 0, kLedModulePositions);
    for (int p = 1; p <= modules; ++p) {
        const int physical = message->ModulListe[p - 1];
        if (physical == 0) continue;
        for (int e = 1; e <= 5; ++e) display[(physical - 1) * 5 + e - 1] = message->Spalten[(p - 1) * 5 + e - 1];
    }
    return display;
}

}  // namespace ovis
