#include "shell/start_view_display.h"

#include <algorithm>

#include "project/led_parameter_record.h"

namespace ovis {

LedShades ModuleColourPair(int colourCode) {
    return ModuleShades(colourCode).value_or(*ModuleShades(static_cast<int>(LedModuleColour::Rot)));
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

LedFrame StartViewFrame(const LedTable& table, int colourCode) {
    const LedShades shades = ModuleColourPair(colourCode);
    LedFrame frame;
    frame.columns = StartViewColumns(table);
    frame.SetLitColour(shades.lit);
    frame.dark = shades.dark;
    return frame;
}

}  // namespace ovis
