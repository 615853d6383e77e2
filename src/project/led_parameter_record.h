#pragma once
// The LED display modules, the one record of "LEDParameter.ofp".
#include <cstddef>

#include "records/le_types.h"

namespace ovis {

inline constexpr int kMaxLedModules = 100;

struct TLedModulePosition {
    LeInt32 X;
    LeInt32 Y;
};

enum class LedModuleColour : int { Rot = 1, Gelb = 2, Gruen = 3, Blau = 4, Weiss = 5 };

struct TLedParameterRecord {
    LeInt32 AnzahlModule;
    TLedModulePosition Position[kMaxLedModules];
    LeInt32 UrsprungX;
    LeInt32 UrsprungY;
    LeInt32 RasterX;
    LeInt32 RasterY;
    LeInt32 AbstandX;
    LeInt32 AbstandY;
    LeInt32 ModuleFarbe[kMaxLedModules];
    LeInt32 ModulHelligkeit[kMaxLedModules];
};

static_assert(sizeof(TLedParameterRecord) == 1628);
static_assert(offsetof(TLedParameterRecord, Position) == 4);
static_assert(offsetof(TLedParameterRecord, UrsprungX) == 804);
static_assert(offsetof(TLedParameterRecord, UrsprungY) == 808);
static_assert(offsetof(TLedParameterRecord, RasterX) == 812);
static_assert(offsetof(TLedParameterRecord, RasterY) == 816);
static_assert(offsetof(TLedParameterRecord, AbstandX) == 820);
static_assert(offsetof(TLedParameterRecord, AbstandY) == 824);
static_assert(offsetof(TLedParameterRecord, ModuleFarbe) == 828);
static_assert(offsetof(TLedParameterRecord, ModulHelligkeit) == 1228);

}  // namespace ovis
