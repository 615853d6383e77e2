#include "link/interface_commands.h"

#include <algorithm>

namespace ovis {

std::vector<std::uint8_t> MemoryWritePayload(MemoryArea area, std::uint16_t address, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> payload = {std::uint8_t(area), 0, std::uint8_t(address >> 8), std::uint8_t(address & 0xFF)};
    payload.insert(payload.end(), data.begin(), data.begin() + std::ptrdiff_t(std::min(data.size(), kMaxMemoryWriteData)));
    return payload;
}

std::vector<std::uint8_t> MemoryReadPayload(MemoryArea area, std::uint16_t address, std::uint8_t count) {
    return {std::uint8_t(area), 0, std::uint8_t(address >> 8), std::uint8_t(address & 0xFF), count};
}

std::vector<std::uint8_t> OnlineStartPayload(int messageCount) {
    return {0, 1, std::uint8_t((messageCount >> 8) & 0xFF), std::uint8_t(messageCount & 0xFF)};
}

std::vector<std::uint8_t> ClockPayload(const LocalDateTime& now) {
    const std::uint8_t time[] = {std::uint8_t(now.second), std::uint8_t(now.minute), std::uint8_t(now.hour),
                                 std::uint8_t(now.day),    std::uint8_t(now.month),  std::uint8_t(now.year & 0xFF),
                                 std::uint8_t((now.year >> 8) & 0xFF)};
    return MemoryWritePayload(MemoryArea::Configuration, kClockAddress, time);
}

}  // namespace ovis
