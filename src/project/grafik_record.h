#pragma once
// The lift visualisation's object: the one record of "Grafik.ofd" (texts in code page 437).
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

using LeSmallInt = LittleEndian<std::int16_t>;

inline constexpr int kVisuLifts = 8;
inline constexpr int kVisuLiftParameters = 6;
inline constexpr int kVisuElementKinds = 6;
inline constexpr int kVisuElementsPerKind = 480;
inline constexpr int kVisuStops = 50;
inline constexpr int kVisuTextLines = 25;
inline constexpr int kVisuSizes = 12;

// Columns of a lift's row in `Aufzug`.
enum LiftParameter : int { kHalte = 0, kErsterHalt = 1, kGruppe = 2, kSeiten = 3, kStatusmel = 4, kStoermel = 5 };

struct TElementPosition {
    LeSmallInt X;  // negative: the element is hidden (its absolute value is the position)
    LeSmallInt Y;
};

struct TGrafikRecord {
    PString<80> Objektbezeichnung;
    PString<80> Gruppeneinteilung;
    PString<2> HaltBezeichnung[kVisuStops];
    PString<16> Statusmeldung[kVisuTextLines];
    PString<16> Stoermeldung[kVisuTextLines];
    LeWord Anzahl[kVisuElementKinds];
    std::uint8_t Aufzug[kVisuLifts][kVisuLiftParameters];
    TElementPosition Elemente[kVisuElementKinds][kVisuElementsPerKind];
    LeSmallInt Groessen[kVisuSizes];
};

static_assert(sizeof(TElementPosition) == 4);
static_assert(sizeof(TGrafikRecord) == 12766 && alignof(TGrafikRecord) == 1);
static_assert(offsetof(TGrafikRecord, Objektbezeichnung) == 0);
static_assert(offsetof(TGrafikRecord, Gruppeneinteilung) == 81);
static_assert(offsetof(TGrafikRecord, HaltBezeichnung) == 162);
static_assert(offsetof(TGrafikRecord, Statusmeldung) == 312);
static_assert(offsetof(TGrafikRecord, Stoermeldung) == 737);
static_assert(offsetof(TGrafikRecord, Anzahl) == 1162);
static_assert(offsetof(TGrafikRecord, Aufzug) == 1174);
static_assert(offsetof(TGrafikRecord, Elemente) == 1222);
static_assert(offsetof(TGrafikRecord, Groessen) == 12742);

}  // namespace ovis
