#pragma once
// TParameterRecord: the system parameters of a project, the one record of "Parameter.ofp".
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"
#include "records/pascal_string.h"

namespace ovis {

inline constexpr int kFolderCount = 15;          // Ordner / Units index 0 to 14
inline constexpr int kAllMessagesFolder = 0;
inline constexpr int kMaxAcquisitionFolders = 13; // folders 1 to 13
inline constexpr int kOutputFolder = 14;
inline constexpr int kModuleSlots = 256;

enum class RelayMode : std::int32_t { None = 0, Server = 1, Client = 2 };

struct TParameterRecord {
    std::uint8_t Nummer;
    PString<255> Nachbarobjekt;
    std::uint8_t BaudFaktor;
    std::uint8_t BaudFaktor2;
    Bool8 Modem;
    std::uint8_t reserved260[62];
    std::uint8_t AnzahlInterfaces;
    std::uint8_t Schnittstelle;
    std::uint8_t BaudFaktorPC;
    std::uint8_t reserved325[2];
    Bool8 ModemPC;
    std::uint8_t reserved328[127];
    std::uint8_t Speichergroesse;
    std::uint8_t reserved456[252];
    PString<255> Ordner[kFolderCount];
    std::uint8_t reserved4548[12288];
    std::uint8_t Units[kFolderCount];
    std::uint8_t reserved16851[111];
    std::uint8_t Modulanordnung[kModuleSlots];  // ring positions 1..256 at index 0..255
    std::uint8_t alignment17218[2];
    LeInt32 RelayMode;
    LeInt32 ResetNachSpannungsverlust;
    LeInt32 ResetUmMitternacht;
    PString<255> ServerDirectory;
    LeInt32 Systemerweiterung;
    std::uint8_t reserved17492[100];
};

static_assert(sizeof(TParameterRecord) == 17592);
static_assert(offsetof(TParameterRecord, Nachbarobjekt) == 1);
static_assert(offsetof(TParameterRecord, BaudFaktor) == 257);
static_assert(offsetof(TParameterRecord, BaudFaktor2) == 258);
static_assert(offsetof(TParameterRecord, Modem) == 259);
static_assert(offsetof(TParameterRecord, AnzahlInterfaces) == 322);
static_assert(offsetof(TParameterRecord, Schnittstelle) == 323);
static_assert(offsetof(TParameterRecord, BaudFaktorPC) == 324);
static_assert(offsetof(TParameterRecord, ModemPC) == 327);
static_assert(offsetof(TParameterRecord, Speichergroesse) == 455);
static_assert(offsetof(TParameterRecord, Ordner) == 708);
static_assert(offsetof(TParameterRecord, Units) == 16836);
static_assert(offsetof(TParameterRecord, Modulanordnung) == 16962);
static_assert(offsetof(TParameterRecord, RelayMode) == 17220);
static_assert(offsetof(TParameterRecord, ResetNachSpannungsverlust) == 17224);
static_assert(offsetof(TParameterRecord, ResetUmMitternacht) == 17228);
static_assert(offsetof(TParameterRecord, ServerDirectory) == 17232);
static_assert(offsetof(TParameterRecord, Systemerweiterung) == 17488);

}  // namespace ovis
