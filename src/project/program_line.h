#pragma once
// One line of a logic program, a record of a "*.pgm" file.
#include <cstddef>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

struct TProgrammLine {
    LeInt32 Nr;
    PString<255> Bezeichnung;
    PString<255> MeldungA;
    PString<255> Logik;
    PString<255> MeldungB;
    LeInt32 Wert;
    PString<255> Einheit;
    PString<255> Order;
    PString<255> MeldungC;
    LeInt32 Reserve1;
    PString<255> Reserve2;
};

static_assert(sizeof(TProgrammLine) == 2060);
static_assert(offsetof(TProgrammLine, Bezeichnung) == 4);
static_assert(offsetof(TProgrammLine, MeldungA) == 260);
static_assert(offsetof(TProgrammLine, Logik) == 516);
static_assert(offsetof(TProgrammLine, MeldungB) == 772);
static_assert(offsetof(TProgrammLine, Wert) == 1028);
static_assert(offsetof(TProgrammLine, Einheit) == 1032);
static_assert(offsetof(TProgrammLine, Order) == 1288);
static_assert(offsetof(TProgrammLine, MeldungC) == 1544);
static_assert(offsetof(TProgrammLine, Reserve1) == 1800);
static_assert(offsetof(TProgrammLine, Reserve2) == 1804);

}  // namespace ovis
