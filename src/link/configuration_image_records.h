#pragma once
// The records of the Interface's configuration memory (area 3) and of its output data (area 2).
// Multi-byte values are big-endian unless their type says little-endian.
#include <cstddef>
#include <cstdint>

#include "records/le_types.h"

namespace ovis {

struct BeWord {
    std::uint8_t bytes[2];
    void set(std::uint16_t value) {
        bytes[0] = std::uint8_t(value >> 8);
        bytes[1] = std::uint8_t(value);
    }
};

struct Be24 {
    std::uint8_t bytes[3];
    void set(std::uint32_t value) {
        bytes[0] = std::uint8_t(value >> 16);
        bytes[1] = std::uint8_t(value >> 8);
        bytes[2] = std::uint8_t(value);
    }
};

struct TSystemHeader {
    std::uint8_t Kennung;            // 0xAA
    std::uint8_t Datensicherung;     // 0xAA with data backup
    std::uint8_t Nummer;
    std::uint8_t DirectorySize;      // 1 + 3 e
    std::uint8_t Version;            // 10
    std::uint8_t Systemerweiterung;
    std::uint8_t BaudCode;
    std::uint8_t BaudCode2;
    std::uint8_t Modem;
    std::uint8_t LedModules;         // L, 0 without LED messages
    LeWord A1;
    LeWord A2;
    LeWord A3;
    LeWord Messages;                 // n_IO + n_LED
    LeWord LedModuleBytes;           // 5 L
    std::uint8_t InputBytes;
    std::uint8_t OutputBytes;
    std::uint8_t ResetUmMitternacht;
    std::uint8_t ResetNachSpannungsverlust;
    std::uint8_t Second;
    std::uint8_t Minute;
    std::uint8_t Hour;
    std::uint8_t Day;
    std::uint8_t Month;
    LeWord Year;
    std::uint8_t Weekday;            // 0 = Sunday
};
static_assert(sizeof(TSystemHeader) == 32);
static_assert(offsetof(TSystemHeader, LedModules) == 9);
static_assert(offsetof(TSystemHeader, A1) == 10);
static_assert(offsetof(TSystemHeader, Messages) == 16);
static_assert(offsetof(TSystemHeader, InputBytes) == 20);
static_assert(offsetof(TSystemHeader, Second) == 24);
static_assert(offsetof(TSystemHeader, Year) == 29);
static_assert(offsetof(TSystemHeader, Weekday) == 31);

struct TFolderPointer {
    std::uint8_t Unit;
    std::uint8_t Bank;   // 0x80
    std::uint8_t Zero;
};
struct TFolderRecord {
    TFolderPointer First;
    TFolderPointer End;
    TFolderPointer Current;
    std::uint8_t Zero[7];
};
static_assert(sizeof(TFolderRecord) == 16);
static_assert(offsetof(TFolderRecord, End) == 3);
static_assert(offsetof(TFolderRecord, Current) == 6);

struct TIoMessageRecord {
    std::uint8_t Flags;
    std::uint8_t RingByte;
    std::uint8_t Used;
    std::uint8_t High;
    BeWord AusVerzoegerung;
    BeWord EinVerzoegerung;
    std::uint8_t Zero[8];
};
static_assert(sizeof(TIoMessageRecord) == 16);
static_assert(offsetof(TIoMessageRecord, AusVerzoegerung) == 4);
static_assert(offsetof(TIoMessageRecord, EinVerzoegerung) == 6);

struct TLedMessageRecord {
    std::uint8_t Flags;
    std::uint8_t Window;
    std::uint8_t Modulzahl;
    std::uint8_t One[2];
    std::uint8_t Dx;
    BeWord Verzoegerung;
    std::uint8_t Umbruch;
    std::uint8_t Zero9[3];
    BeWord DataLength;
    std::uint8_t Zero14[2];
};
static_assert(sizeof(TLedMessageRecord) == 16);
static_assert(offsetof(TLedMessageRecord, Dx) == 5);
static_assert(offsetof(TLedMessageRecord, Verzoegerung) == 6);
static_assert(offsetof(TLedMessageRecord, Umbruch) == 8);
static_assert(offsetof(TLedMessageRecord, DataLength) == 12);

struct TCounterMessageRecord {
    std::uint8_t Flags;
    BeWord Zaehlung;
    std::uint8_t Zero3[4];
    BeWord Anzeige;
    std::uint8_t Zero9;
    Be24 Ende;
    Be24 Stand;
};
static_assert(sizeof(TCounterMessageRecord) == 16);
static_assert(offsetof(TCounterMessageRecord, Anzeige) == 7);
static_assert(offsetof(TCounterMessageRecord, Ende) == 10);
static_assert(offsetof(TCounterMessageRecord, Stand) == 13);

struct TTimerMessageRecord {
    std::uint8_t Flags;
    std::uint8_t Second;
    std::uint8_t Minute;
    std::uint8_t Hour;
    std::uint8_t Day;
    std::uint8_t Month;
    std::uint8_t Weekday;
    std::uint8_t Zero[9];
};
static_assert(sizeof(TTimerMessageRecord) == 16);
static_assert(offsetof(TTimerMessageRecord, Weekday) == 6);

struct TOutputFileMessageRecord {
    std::uint8_t Zero0;
    std::uint8_t StartBank;   // M
    BeWord Start;
    std::uint8_t EndBank;     // M
    BeWord End;
    std::uint8_t Zero[9];
};
static_assert(sizeof(TOutputFileMessageRecord) == 16);
static_assert(offsetof(TOutputFileMessageRecord, Start) == 2);
static_assert(offsetof(TOutputFileMessageRecord, End) == 5);

struct TGroupMessageRecord {
    std::uint8_t Flags;
    BeWord FirstMember;
    BeWord LastMember;
    std::uint8_t Zero5;
    BeWord Verzoegerung;
    std::uint8_t Folder;
    std::uint8_t Zero[7];
};
static_assert(sizeof(TGroupMessageRecord) == 16);
static_assert(offsetof(TGroupMessageRecord, LastMember) == 3);
static_assert(offsetof(TGroupMessageRecord, Verzoegerung) == 6);
static_assert(offsetof(TGroupMessageRecord, Folder) == 8);

struct TProgramMessageRecord {
    std::uint8_t Flags;
    std::uint8_t Operator;
    BeWord MeldungA;
    BeWord MeldungB;
    BeWord Wert;
    std::uint8_t Order;
    std::uint8_t Zero9[3];
    BeWord MeldungC;
    std::uint8_t Zero14[2];
};
static_assert(sizeof(TProgramMessageRecord) == 16);
static_assert(offsetof(TProgramMessageRecord, MeldungB) == 4);
static_assert(offsetof(TProgramMessageRecord, Wert) == 6);
static_assert(offsetof(TProgramMessageRecord, Order) == 8);
static_assert(offsetof(TProgramMessageRecord, MeldungC) == 12);

struct TLedIndexEntry {
    LeWord Start;
    LeWord Columns;   // LetzteSpalte + pad
};
static_assert(sizeof(TLedIndexEntry) == 4);

struct TInterfaceEvent {
    std::uint8_t ClassAndWordHigh;
    std::uint8_t WordLow;
    BeWord Delay;
};
static_assert(sizeof(TInterfaceEvent) == 4);

inline constexpr std::size_t kMessageRecordSize = 16;

}  // namespace ovis
