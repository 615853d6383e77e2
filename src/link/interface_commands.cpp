#include "link/interface_commands.h"

#include <algorithm>

namespace ovis {

std::vector<std::uint8_t> MemoryWritePayload(MemoryArea area, std::uint16_t address, std::span<const std::uint8_t> data) {
    const std::size_t count = std::min(data.size(), kMaxMemoryWriteData);
    std::vector<std::uint8_t> payload(4 + count);
    payload[0] = std::uint8_t(area);
    payload[1] = 0;
    payload[2] = std::uint8_t(address >> 8);
    payload[3] = std::uint8_t(address & 0xFF);
    std::copy_n(data.begin(), count, payload.begin() + 4);
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
