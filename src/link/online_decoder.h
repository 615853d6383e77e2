#pragma once
// DecodeOnline: the event telegrams of online mode (replies 6, 7, 12 and 20) as items of one
// message each, applied to the analyser's online states and the visualisation's queue.
#include <cstdint>
#include <span>
#include <vector>

#include "evaluation/analyser_online_state.h"
#include "link/visu_queue.h"

namespace ovis {

namespace reply {
inline constexpr std::uint8_t kLevelChanges = 6;
inline constexpr std::uint8_t kAllLevels = 7;
inline constexpr std::uint8_t kLevelReports = 12;
inline constexpr std::uint8_t kAllLevelsAsked = 20;
}  // namespace reply

// Whether `code` is one of the online replies.
bool IsOnlineReply(std::uint8_t code);

// Where the decoded items go. Null targets are closed windows.
struct OnlineTargets {
    int messageCount = 0;                      // N: I/O messages plus LED messages
    std::span<const std::uint8_t> roles;       // low byte of VisuRolle per I/O row (message k at k - 1)
    OnlineStateTable* analyserStates = nullptr;  // the analyser's, when it is open and follows this Interface
    VisuQueue* visuQueue = nullptr;            // the visualisation's, when it is open
    std::span<const std::uint16_t> elements;   // the picture element bound to each message (k at k - 1)
};

// Decodes the telegram `received` (address, reply code, payload). Every item becomes the current
// event in turn; the items are returned in order. Only received bytes are read: a reply-6 or
// reply-12 item needs its two message bytes, a reply 7 or 20 yields the messages whose bits
// arrived (numbers up to 1023, the messages a telegram can name), and nothing at all when N is 0. Items of message numbers outside 1..N change neither
// the analyser's states nor the visualisation's queue.
std::vector<OnlineEvent> DecodeOnline(std::span<const std::uint8_t> received, const OnlineTargets& targets,
                                      OnlineEvent& current);

}  // namespace ovis
