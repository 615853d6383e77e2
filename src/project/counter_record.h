#pragma once
// One counter message, a record of "Counter.ofd".
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

struct TCounterRecord {
    LeInt32 Nr;
    PString<255> Bezeichnung;
    PString<255> Zaehlung;
    PString<255> Zaehlart;   // "Ereignis" or "Millisek."
    LeInt32 Stand;
    LeInt32 Ende;
    Bool8 AutoDis;
    PString<255> Status;     // "DISABLE", "ENABLE", "DIS+RST", "EN+RST"
    PString<255> Anzeige;    // LED message name or "keine Anzeige"
    Bool8 DxNegativ;
    std::uint8_t padding1294[2];
    LeInt32 Reserve1;
    PString<255> Reserve2;
};

static_assert(sizeof(TCounterRecord) == 1556);
static_assert(offsetof(TCounterRecord, Bezeichnung) == 4);
static_assert(offsetof(TCounterRecord, Zaehlung) == 260);
static_assert(offsetof(TCounterRecord, Zaehlart) == 516);
static_assert(offsetof(TCounterRecord, Stand) == 772);
static_assert(offsetof(TCounterRecord, Ende) == 776);
static_assert(offsetof(TCounterRecord, AutoDis) == 780);
static_assert(offsetof(TCounterRecord, Status) == 781);
static_assert(offsetof(TCounterRecord, Anzeige) == 1037);
static_assert(offsetof(TCounterRecord, DxNegativ) == 1293);
static_assert(offsetof(TCounterRecord, Reserve1) == 1296);
static_assert(offsetof(TCounterRecord, Reserve2) == 1300);

}  // namespace ovis
