#pragma once
// The online event stream of the PC: OnlinePoll keeps the line in conversation once per tick of
// an online window, sets the Interface clocks once a day, restarts online mode when a reply asks
// for it (reply 12 → command 20 → reply 20 → command 7) and decodes every event telegram.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "evaluation/analyser_online_state.h"
#include "link/clock_setting.h"
#include "link/link.h"
#include "link/online_decoder.h"
#include "link/progress.h"
#include "platform/clock.h"

namespace ovis {

inline constexpr const char* kDisconnectText = "Trennung vom Interface";

// What the stream needs from the project, read when it is needed.
struct OnlineProject {
    std::function<int()> interfaceNumber;  // Nummer
    std::function<bool()> client;          // relay mode "Client"
    // Reloads the I/O table of the current project and gives N (I/O plus LED messages).
    std::function<int()> reloadMessageCount;
};

class OnlineStream {
public:
    static constexpr int kMaxRetries = 100;
    static constexpr int kAddresses = 100;

    OnlineStream(Link& link, const Clock& clock, ClockSetting& clockSetting, OnlineProject project);

    // One poll: at most one received telegram, at most 100 retries on a silent line.
    void OnlinePoll();
    // Arms the pending online start command of the own Interface, if any.
    void SendPendingStart();

    // The decoding targets: N, roles and the open windows. Set by who opens and closes them.
    OnlineTargets& Targets() { return targets_; }
    OnlineEvent CurrentEvent() const { return current_; }
    // The pending start command (0, 20 or 7) of Interface `address` (1 to 100; others read 0).
    std::uint8_t PendingStart(int address) const;
    // Called with the items of every decoded telegram and its reply code.
    void SetItemObserver(std::function<void(std::uint8_t reply, std::span<const OnlineEvent>)> observer) {
        observer_ = std::move(observer);
    }
    // Called after a reply 7 (the open visualisation repaints its picture).
    void SetAllLevelsObserver(std::function<void()> observer) { allLevels_ = std::move(observer); }

private:
    void RetryOnSilence(int& retries);
    void TakeTelegram();

    Link& link_;
    const Clock& clock_;
    ClockSetting& clockSetting_;
    OnlineProject project_;
    OnlineTargets targets_;
    OnlineEvent current_;
    std::array<std::uint8_t, kAddresses + 1> pendingStart_{};
    std::function<void(std::uint8_t, std::span<const OnlineEvent>)> observer_;
    std::function<void()> allLevels_;
};

// Ends the online connection of a closing online window (its timer already stopped): the
// progress window with "Trennung vom Interface" while the conversation is finished, then the
// link Done and Ok, the replay stop key cleared. The caller frees the link (LinkIdle).
void EndOnline(Link& link, ProgressWindows& progressWindows);
// The online visualisation ends the same way without finishing the conversation; when its last
// poll did not end Ok it requests the abort of whatever exchange is still under way.
void EndOnlineVisualisation(Link& link, ProgressWindows& progressWindows);

}  // namespace ovis
