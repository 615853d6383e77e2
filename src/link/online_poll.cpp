#include "link/online_poll.h"

#include "link/interface_commands.h"

namespace ovis {
namespace ls = link_state;

namespace {

bool RetryResyncs(int retries) { return retries >= 50 && retries <= 90 && retries % 10 == 0; }

}  // namespace

OnlineStream::OnlineStream(Link& link, const Clock& clock, ClockSetting& clockSetting, OnlineProject project)
    : link_(link), clock_(clock), clockSetting_(clockSetting), project_(std::move(project)) {}

std::uint8_t OnlineStream::PendingStart(int address) const {
    return address >= 1 && address <= kAddresses ? pendingStart_[std::size_t(address)] : 0;
}

void OnlineStream::SendPendingStart() {
    const int address = project_.interfaceNumber();
    if (address < 1 || address > kAddresses) return;
    std::uint8_t& pending = pendingStart_[std::size_t(address)];
    if (pending == 0) return;
    targets_.messageCount = project_.reloadMessageCount();
    link_.Prepare(std::uint8_t(address), pending, OnlineStartPayload(targets_.messageCount));
    link_.SetState(ls::kSendRequest);
    pending = 0;
}

void OnlineStream::RetryOnSilence(int& retries) {
    while (link_.Result() == LinkResult::TimedOut && retries < kMaxRetries) {
        if (link_.State() != ls::kAcknowledging) link_.SetState(ls::kIdle);
        if (RetryResyncs(retries)) link_.SetState(ls::kResyncRequest);
        link_.Exchange();
        if (++retries == kMaxRetries) {
            link_.SetState(ls::kDone);
            link_.SetResult(LinkResult::Ok);
            retries = 0;
        }
    }
}

void OnlineStream::OnlinePoll() {
    const bool client = project_.client();
    int retries = 0;
    do {
        if (link_.State() == ls::kDone) SendPendingStart();
        if (link_.State() == ls::kDone && !client) clockSetting_.Poll(link_, clock_, false);
        link_.Exchange();
        if (!client) RetryOnSilence(retries);
        if (link_.AbortRequested()) link_.SetResult(LinkResult::Aborted);
    } while (!link_.Data().TelegramReceived() && link_.State() != ls::kDone &&
             link_.Result() != LinkResult::Aborted);
    if (link_.Data().TelegramReceived()) TakeTelegram();
}

void OnlineStream::TakeTelegram() {
    LinkData& data = link_.Data();
    data.ClearTelegramReceived();
    const auto received = std::span<const std::uint8_t>(data.receiveBuffer.data(), std::size_t(data.receiveLength));
    if (received.size() < 2 || !IsOnlineReply(received[1])) return;
    const std::uint8_t code = received[1];
    const int own = project_.interfaceNumber();
    OnlineTargets targets = targets_;
    if (received[0] != own) targets.analyserStates = nullptr;
    const auto items = DecodeOnline(received, targets, current_);
    if (observer_) observer_(code, items);
    if (code == reply::kAllLevels && allLevels_) allLevels_();
    if (project_.client() || received[0] < 1 || received[0] > kAddresses) return;
    if (code == reply::kLevelReports) pendingStart_[received[0]] = command::kLevels;
    if (code == reply::kAllLevelsAsked) pendingStart_[received[0]] = command::kOnlineStart;
}

void EndOnline(Link& link, ProgressWindows& progressWindows) {
    const auto progress = progressWindows.Open(kDisconnectText);
    link.FinishExchange();
    link.SetState(ls::kDone);
    link.SetResult(LinkResult::Ok);
    link.ClearReplayStop();
}

void EndOnlineVisualisation(Link& link, ProgressWindows& progressWindows) {
    const auto progress = progressWindows.Open(kDisconnectText);
    if (link.Result() != LinkResult::Ok) link.RequestAbort();
    link.SetState(ls::kDone);
    link.SetResult(LinkResult::Ok);
    link.ClearReplayStop();
}

}  // namespace ovis
