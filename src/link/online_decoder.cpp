#include "link/online_decoder.h"

#include <algorithm>

#include "project/recording_event.h"

namespace ovis {

namespace {

constexpr std::size_t kPayloadStart = 2;
constexpr std::uint8_t kVisuRoleNotQueuedLowFromAllLevels = 6;

std::uint8_t RoleOf(int message, std::span<const std::uint8_t> roles) {
    return message >= 1 && std::size_t(message) <= roles.size() ? roles[std::size_t(message - 1)] : 0;
}

std::uint16_t ElementOf(int message, std::span<const std::uint16_t> elements) {
    return message >= 1 && std::size_t(message) <= elements.size() ? elements[std::size_t(message - 1)] : 0;
}

void Apply(const OnlineEvent& item, std::uint8_t code, const OnlineTargets& targets) {
    if (item.message < 1 || item.message > targets.messageCount) return;
    if (targets.analyserStates) targets.analyserStates->Apply(item.message, item.high);
    if (!targets.visuQueue || (code != reply::kLevelChanges && code != reply::kAllLevels)) return;
    if (code == reply::kAllLevels && item.role == kVisuRoleNotQueuedLowFromAllLevels && !item.high) return;
    const auto state = std::uint8_t((item.high ? 1 : 0) + (item.role < 3 ? 1 : 0));
    targets.visuQueue->Append({item.role, ElementOf(item.message, targets.elements), state});
}

}  // namespace

bool IsOnlineReply(std::uint8_t code) {
    return code == reply::kLevelChanges || code == reply::kAllLevels || code == reply::kLevelReports ||
           code == reply::kAllLevelsAsked;
}

std::vector<OnlineEvent> DecodeOnline(std::span<const std::uint8_t> received, const OnlineTargets& targets,
                                      OnlineEvent& current) {
    std::vector<OnlineEvent> items;
    if (received.size() <= kPayloadStart || !IsOnlineReply(received[1])) return items;
    const std::uint8_t code = received[1];
    const auto payload = received.subspan(kPayloadStart);
    auto emit = [&](int message, bool high) {
        current = {message, high, RoleOf(message, targets.roles)};
        Apply(current, code, targets);
        items.push_back(current);
    };
    if (code == reply::kAllLevels || code == reply::kAllLevelsAsked) {
        const std::size_t receivedBits = payload.size() * 8;
        const std::size_t last = std::min({std::size_t(std::clamp(targets.messageCount, 0, int(kMessageNumberMask))),
                                           receivedBits});
        for (std::size_t m = 1; m <= last; ++m) {
            const auto mask = std::uint8_t(0x80 >> ((m - 1) % 8));
            emit(int(m), (payload[(m - 1) / 8] & mask) != 0);
        }
        return items;
    }
    const std::size_t itemSize = code == reply::kLevelChanges ? 4 : 3;
    for (std::size_t p = 0; p + 1 < payload.size(); p += itemSize) {
        const std::uint8_t a = payload[p];
        emit((a & 3) * 256 + payload[p + 1], (a & 4) != 0);
    }
    return items;
}

}  // namespace ovis
