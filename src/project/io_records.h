#pragma once
// The I/O terminal plan ("IO.ofd") and the terminal designations per module ("IOSignale.ofd").
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

struct TIoRecord {
    LeInt32 Nr;
    PString<255> Bezeichnung;
    LeInt32 Modul;
    PString<5> Klemmreihe;   // "Oben" or "Unten"
    PString<4> Pegel[8];     // "High", "Low" or "  X"
    PString<8> Typ;          // "AC", "DC", "Taste", "Relais", "LED", "Opto", "Trans"
    std::uint8_t alignment319[1];
    LeInt32 EinVerzoegerung;
    PString<5> Einheit;      // "Milli", "Sek", "Min", "Std"
    std::uint8_t alignment330[2];
    LeInt32 AusVerzoegerung;
    Bool8 Erfassung;
    std::uint8_t alignment337[3];
    LeInt32 VisuRolle;
};

static_assert(sizeof(TIoRecord) == 344);
static_assert(offsetof(TIoRecord, Bezeichnung) == 4);
static_assert(offsetof(TIoRecord, Modul) == 260);
static_assert(offsetof(TIoRecord, Klemmreihe) == 264);
static_assert(offsetof(TIoRecord, Pegel) == 270);
static_assert(offsetof(TIoRecord, Typ) == 310);
static_assert(offsetof(TIoRecord, EinVerzoegerung) == 320);
static_assert(offsetof(TIoRecord, Einheit) == 324);
static_assert(offsetof(TIoRecord, AusVerzoegerung) == 332);
static_assert(offsetof(TIoRecord, Erfassung) == 336);
static_assert(offsetof(TIoRecord, VisuRolle) == 340);

inline constexpr int kSignalsPerModule = 18;
inline constexpr int kSignalModules = 20;

struct TIoSignalRecord {
    PString<255> Signal[kSignalsPerModule];  // terminals 1..18 at index 0..17
    PString<255> Modulbezeichnung;
};

static_assert(sizeof(TIoSignalRecord) == 4864);
static_assert(offsetof(TIoSignalRecord, Modulbezeichnung) == 4608);

}  // namespace ovis
