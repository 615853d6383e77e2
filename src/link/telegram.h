#pragma once
// The link's telegram, receive buffer, state byte and result.
#include <array>
#include <cstdint>

namespace ovis {

inline constexpr int kTelegramCapacity = 130;  // bytes from Address on
inline constexpr int kFrameCapacity = 263;     // characters of a frame, positions 1 to 263

struct TTelegram {
    std::uint8_t Address = 0;
    std::uint8_t Command = 0;
    std::array<std::uint8_t, kTelegramCapacity - 2> Payload{};
};
static_assert(sizeof(TTelegram) == kTelegramCapacity);

// Bits and named values of LinkState. Bits 0 to 4 hold the protocol state.
namespace link_state {
inline constexpr std::uint8_t kProtocolMask = 0x1F;
inline constexpr std::uint8_t kTelegramReceived = 0x40;
inline constexpr std::uint8_t kSendPending = 0x80;

inline constexpr std::uint8_t kIdle = 0;
inline constexpr std::uint8_t kAcknowledging = 1;
inline constexpr std::uint8_t kDone = 2;
inline constexpr std::uint8_t kClosing = 3;
inline constexpr std::uint8_t kAwaitingConfirm = 15;
inline constexpr std::uint8_t kAnswering = 17;
inline constexpr std::uint8_t kSending = 19;
inline constexpr std::uint8_t kReceiving = 21;
inline constexpr std::uint8_t kVerifying = 23;
inline constexpr std::uint8_t kReceived = 29;
inline constexpr std::uint8_t kResync = 31;

inline constexpr std::uint8_t kSendRequest = 130;   // SendPending plus Done
inline constexpr std::uint8_t kResyncRequest = 255;
}  // namespace link_state

enum class LinkResult : std::uint8_t { Ok = 0, Aborted = 1, TimedOut = 2, ConnectRequested = 3 };

}  // namespace ovis
