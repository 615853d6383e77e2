#pragma once
// TRelayRecord: one record of the relay files COMTD.DAT and COMRD.DAT.
#include <cstddef>
#include <cstdint>

#include "link/telegram.h"

namespace ovis {

inline constexpr const char* kRelaySendFileName = "COMTD.DAT";     // telegram to send
inline constexpr const char* kRelayReceiveFileName = "COMRD.DAT";  // telegrams received
inline constexpr const char* kOverlayFileName = "COMOVL.DAT";
inline constexpr const char* kInfoFileName = "COMINFO.DAT";
inline constexpr int kRelayRingSize = 255;           // COMRD.DAT records 1 to 255
inline constexpr int kRelayReceiveRecords = 256;     // header plus ring
inline constexpr std::size_t kOverlayRecordSize = 200;
inline constexpr std::size_t kInfoRecordSize = 2460;

struct TRelayRecord {
    // COMTD.DAT: 1 = a request is waiting, 0 = free. COMRD.DAT record 0: number of the record
    // written last (0 = none); records 1 to 255: the record's own number.
    std::uint8_t Marker;
    std::uint8_t Length;  // telegram bytes that follow
    std::uint8_t Bytes[kTelegramCapacity];
};

static_assert(sizeof(TRelayRecord) == 132);
static_assert(alignof(TRelayRecord) == 1);
static_assert(offsetof(TRelayRecord, Marker) == 0);
static_assert(offsetof(TRelayRecord, Length) == 1);
static_assert(offsetof(TRelayRecord, Bytes) == 2);

// The ring number after `number`: 1 to 255, then 1 again.
constexpr int NextRelaySequence(int number) { return number >= kRelayRingSize ? 1 : number + 1; }

}  // namespace ovis
