#pragma once
// One timer message, a record of "Timer.ofd".
#include <cstddef>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

struct TTimerRecord {
    PString<255> Bezeichnung;
    PString<255> Datum;       // dd.mm
    PString<255> Uhrzeit;     // hh:mm:ss
    PString<255> Wochentag;   // empty or "Montag" ... "Sonntag"
    PString<255> DatumMaske;  // "  .  .    ", "x" hides day / month
    PString<255> ZeitMaske;   // "  :  :  ", "x" hides hours / minutes / seconds
    LeInt32 Reserve1;
    PString<255> Reserve2;
};

static_assert(sizeof(TTimerRecord) == 1796);
static_assert(offsetof(TTimerRecord, Datum) == 256);
static_assert(offsetof(TTimerRecord, Uhrzeit) == 512);
static_assert(offsetof(TTimerRecord, Wochentag) == 768);
static_assert(offsetof(TTimerRecord, DatumMaske) == 1024);
static_assert(offsetof(TTimerRecord, ZeitMaske) == 1280);
static_assert(offsetof(TTimerRecord, Reserve1) == 1536);
static_assert(offsetof(TTimerRecord, Reserve2) == 1540);

}  // namespace ovis
