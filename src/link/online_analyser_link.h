#pragma once
// The live event stream as the online analyser reaches it: its tick polls the stream, reads the
// current event and the analyser's online states, and its close ends the online connection.
#include "evaluation/analyser_online_state.h"
#include "link/interface_actions.h"
#include "link/online_poll.h"

namespace ovis {

class OnlineAnalyserLink final : public OnlineSource {
public:
    OnlineAnalyserLink(OnlineStream& stream, Link& link, ProgressWindows& progressWindows, InterfaceActions& actions)
        : stream_(stream), link_(link), progressWindows_(progressWindows), actions_(actions) {}

    // The analyser opened: decoded items change its states from now on.
    void Attach() { stream_.Targets().analyserStates = &states_; }
    void ClearOnConnect() { states_.ClearOnConnect(); }

    // The link stays busy while the analyser polls.
    bool Poll() override {
        actions_.SetLinkIdle(false);
        stream_.OnlinePoll();
        return link_.Result() != LinkResult::Aborted;
    }
    OnlineEvent CurrentEvent() const override { return stream_.CurrentEvent(); }
    OnlineStateTable& States() override { return states_; }
    void End() override {
        stream_.Targets().analyserStates = nullptr;
        EndOnline(link_, progressWindows_);
        actions_.SetLinkIdle(true);
    }

private:
    OnlineStream& stream_;
    Link& link_;
    ProgressWindows& progressWindows_;
    InterfaceActions& actions_;
    OnlineStateTable states_;
};

}  // namespace ovis
