#include "led/module_pictures.h"

#include <algorithm>

#include "led/led_font.h"

namespace ovis {

int ModuleColumnAtX(int x) { return std::clamp((x - 1) / kLedPitch + 1, 1, kGlyphColumns); }

int DisplayColumnOfClick(int scrollPosition, int modulePosition, int moduleColumn) {
    return scrollPosition + kGlyphColumns * (modulePosition - 1) + moduleColumn;
}

std::string ModuleCaption(int moduleNumber) {
    return (moduleNumber < 100 ? "Modul " : "Mod. ") + std::to_string(moduleNumber);
}

int SnapToGrid(int value, int grid) {
    if (grid < 1) return value;
    int below = value / grid * grid;
    if (value < 0 && below != value) below -= grid;
    return (value - below) * 2 >= grid ? below + grid : below;
}

int ModulePictureCount(const TLedParameterRecord& parameters) {
    return std::clamp<int>(parameters.AnzahlModule, 0, kMaxLedModules);
}

void StoreDroppedModule(TLedParameterRecord& parameters, int module, int left, int top) {
    if (module < 0 || module >= kMaxLedModules) return;
    parameters.Position[module].X = SnapToGrid(left, parameters.RasterX);
    parameters.Position[module].Y = SnapToGrid(top, parameters.RasterY);
}

}  // namespace ovis
