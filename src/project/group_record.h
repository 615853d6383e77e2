#pragma once
// One group message, a record of "Gruppen.ofd".
#include <cstddef>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

inline constexpr int kMaxGroupMembers = 100;

struct TGruppeRecord {
    LeInt32 Nr;
    PString<255> Bezeichnung;
    LeWord Mitglied[kMaxGroupMembers];
    LeInt32 Anzahl;
    PString<255> Scan;            // "einmal" or "zyklisch"
    PString<255> Trigger;         // "aktiv", "inaktiv" or "beliebig"
    LeInt32 Verzoegerung;
    PString<255> Einheit;         // "Min" or "Std"
    PString<255> SpeicherOrdner;  // empty: not recorded
    LeInt32 Reserve1;
    PString<255> Reserve2;
};

static_assert(sizeof(TGruppeRecord) == 1752);
static_assert(offsetof(TGruppeRecord, Bezeichnung) == 4);
static_assert(offsetof(TGruppeRecord, Mitglied) == 260);
static_assert(offsetof(TGruppeRecord, Anzahl) == 460);
static_assert(offsetof(TGruppeRecord, Scan) == 464);
static_assert(offsetof(TGruppeRecord, Trigger) == 720);
static_assert(offsetof(TGruppeRecord, Verzoegerung) == 976);
static_assert(offsetof(TGruppeRecord, Einheit) == 980);
static_assert(offsetof(TGruppeRecord, SpeicherOrdner) == 1236);
static_assert(offsetof(TGruppeRecord, Reserve1) == 1492);
static_assert(offsetof(TGruppeRecord, Reserve2) == 1496);

}  // namespace ovis
