#pragma once
// One LED display message, a record of "Led.ofd".
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

inline constexpr int kLedColumns = 1275;
inline constexpr int kLedModulePositions = 255;

struct TLedRecord {
    PString<255> Bezeichnung;
    PString<255> Text;
    std::uint8_t Spalten[kLedColumns];
    std::uint8_t ModulListe[kLedModulePositions];
    std::uint8_t padding2042[2];
    LeInt32 LetzteSpalte;
    LeInt32 X0;
    LeInt32 X1;
    LeInt32 Umbruch;
    std::uint8_t reserved2060[1];
    std::uint8_t Farbe[31];
    std::uint8_t AnzahlFarben;
    std::uint8_t Helligkeit[15];
    std::uint8_t AnzahlHelligkeiten;
    std::uint8_t padding2109[3];
    LeInt32 Richtung;
    LeInt32 Dx;
    LeInt32 Distanz;
    LeInt32 Verzoegerung;
    PString<255> Einheit;
    Bool8 SpeichernEingang;
    Bool8 Status;
    PString<255> Schriftart;
    std::uint8_t padding2642[2];
    LeInt32 Schriftgroesse;
    std::uint8_t Schriftstil;
    std::uint8_t padding2649[3];
    LeInt32 Modulzahl;
    PString<255> Reserve2;
};

static_assert(sizeof(TLedRecord) == 2912);
static_assert(offsetof(TLedRecord, Text) == 256);
static_assert(offsetof(TLedRecord, Spalten) == 512);
static_assert(offsetof(TLedRecord, ModulListe) == 1787);
static_assert(offsetof(TLedRecord, LetzteSpalte) == 2044);
static_assert(offsetof(TLedRecord, X0) == 2048);
static_assert(offsetof(TLedRecord, X1) == 2052);
static_assert(offsetof(TLedRecord, Umbruch) == 2056);
static_assert(offsetof(TLedRecord, Farbe) == 2061);
static_assert(offsetof(TLedRecord, AnzahlFarben) == 2092);
static_assert(offsetof(TLedRecord, Helligkeit) == 2093);
static_assert(offsetof(TLedRecord, AnzahlHelligkeiten) == 2108);
static_assert(offsetof(TLedRecord, Richtung) == 2112);
static_assert(offsetof(TLedRecord, Dx) == 2116);
static_assert(offsetof(TLedRecord, Distanz) == 2120);
static_assert(offsetof(TLedRecord, Verzoegerung) == 2124);
static_assert(offsetof(TLedRecord, Einheit) == 2128);
static_assert(offsetof(TLedRecord, SpeichernEingang) == 2384);
static_assert(offsetof(TLedRecord, Status) == 2385);
static_assert(offsetof(TLedRecord, Schriftart) == 2386);
static_assert(offsetof(TLedRecord, Schriftgroesse) == 2644);
static_assert(offsetof(TLedRecord, Schriftstil) == 2648);
static_assert(offsetof(TLedRecord, Modulzahl) == 2652);
static_assert(offsetof(TLedRecord, Reserve2) == 2656);

}  // namespace ovis
