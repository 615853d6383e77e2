#include "link/visu_memory.h"

#include <algorithm>

#include "link/interface_commands.h"

namespace ovis {
namespace {

constexpr std::size_t kReadStep = 64;

}  // namespace

std::vector<VisuEventEntry> DecodeVisuEventList(std::span<const std::uint8_t> bytes) {
    std::vector<VisuEventEntry> entries;
    for (std::size_t at = 0; at + kVisuEventEntrySize <= bytes.size() && entries.size() < kVisuEventEntries;
         at += kVisuEventEntrySize) {
        const auto* b = bytes.data() + at;
        const int message = (b[6] & 0x7F) << 8 | b[7];
        if (message == 0) continue;
        entries.push_back({b[3], b[4], 2000 + b[5], b[2], b[1], b[0], message, (b[6] & 0x80) != 0});
    }
    return entries;
}

std::vector<std::uint8_t> EncodeVisuEventEntry(const VisuEventEntry& e) {
    return {std::uint8_t(e.second), std::uint8_t(e.minute),     std::uint8_t(e.hour),
            std::uint8_t(e.day),    std::uint8_t(e.month),      std::uint8_t(std::clamp(e.year - 2000, 0, 255)),
            std::uint8_t((e.message >> 8 & 0x7F) | (e.high ? 0x80 : 0)), std::uint8_t(e.message & 0xFF)};
}

bool RelayStateOf(std::span<const std::uint8_t> states, int message) {
    if (message < 1 || std::size_t(message - 1) / 8 >= states.size()) return false;
    return (states[std::size_t(message - 1) / 8] & (0x80 >> ((message - 1) % 8))) != 0;
}

std::vector<std::uint8_t> SwitchPayload(int message, bool on) {
    return {std::uint8_t(on ? 2 : 3), std::uint8_t(message >> 8 & 0xFF), std::uint8_t(message & 0xFF)};
}

std::optional<std::vector<std::uint8_t>> ReadVisuMemory(Link& link, std::uint8_t address, std::uint16_t start,
                                                        std::size_t count) {
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < count) {
        const std::size_t step = std::min(kReadStep, count - bytes.size());
        link.Prepare(address, command::kMemoryRead,
                     MemoryReadPayload(MemoryArea::Firmware, std::uint16_t(start + bytes.size()), std::uint8_t(step)));
        link.SendTelegram();
        if (link.Result() != LinkResult::Ok) return std::nullopt;
        link.AwaitTelegram({command::kMemoryRead});
        const LinkData& data = link.Data();
        const bool complete = link.Result() == LinkResult::Ok && data.receiveLength >= int(2 + step);
        if (complete)
            bytes.insert(bytes.end(), data.receiveBuffer.begin() + 2, data.receiveBuffer.begin() + 2 + long(step));
        link.EndReplies();
        if (!complete) return std::nullopt;
    }
    return bytes;
}

}  // namespace ovis
