#pragma once
// The process-wide state of the link: one telegram to send, one receive buffer, one state byte,
// the result of the last exchange and the abort request.
#include <array>
#include <cstdint>
#include <span>

#include "link/telegram.h"

namespace ovis {

struct LinkData {
    TTelegram telegram;
    int length = 2;  // telegram bytes to send, Address and Command included (2 to 130)
    std::array<std::uint8_t, kTelegramCapacity> receiveBuffer{};
    int receiveLength = 0;
    std::uint8_t state = link_state::kIdle;
    LinkResult result = LinkResult::Ok;
    bool abortRequested = false;
    // The key that stops a running video replay: Escape after "Abbrechen" of a progress window.
    std::uint8_t replayStopKey = 0;

    // The telegram bytes to send, from Address on.
    std::span<const std::uint8_t> TelegramBytes() const {
        return {reinterpret_cast<const std::uint8_t*>(&telegram), std::size_t(length)};
    }
    std::span<std::uint8_t, kTelegramCapacity> TelegramStorage() {
        return std::span<std::uint8_t, kTelegramCapacity>(reinterpret_cast<std::uint8_t*>(&telegram),
                                                          kTelegramCapacity);
    }
    bool TelegramReceived() const { return (state & link_state::kTelegramReceived) != 0; }
    void ClearTelegramReceived() { state = std::uint8_t(state & ~link_state::kTelegramReceived); }
};

}  // namespace ovis
