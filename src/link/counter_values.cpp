#include "link/counter_values.h"

#include "link/interface_commands.h"

namespace ovis {

std::uint16_t CounterValueAddress(int messageNumber) {
    return std::uint16_t(kCounterRecordsAddress + kCounterRecordSize * (messageNumber - 1) + kCounterStandOffset);
}

std::vector<std::optional<std::int32_t>> ReadCounterValues(Link& link, std::uint8_t address, int firstNumber,
                                                           int counterCount) {
    std::vector<std::optional<std::int32_t>> values(std::size_t(std::max(counterCount, 0)));
    link.Port().ReopenPort();
    for (std::size_t k = 0; k < values.size() && link.Result() != LinkResult::Aborted; ++k) {
        const int number = firstNumber + int(k);
        link.Prepare(address, command::kMemoryRead,
                     MemoryReadPayload(MemoryArea::Firmware, CounterValueAddress(number), kCounterStandBytes));
        link.SendTelegram();
        if (link.Result() != LinkResult::Ok) break;
        link.AwaitTelegram({command::kMemoryRead});
        const LinkData& data = link.Data();
        if (link.Result() != LinkResult::Aborted && data.receiveLength >= 2 + kCounterStandBytes) {
            const auto& b = data.receiveBuffer;
            values[k] = std::int32_t(b[2]) << 16 | std::int32_t(b[3]) << 8 | std::int32_t(b[4]);
        }
        link.EndReplies();
    }
    return values;
}

}  // namespace ovis
