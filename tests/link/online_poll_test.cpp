// OnlinePoll on simulated time: the bounded retries on a silent line, the restart of online mode
// after a reply 12, the relay Client's differences, EndOnline and its visualisation form.
#include "link/online_poll.h"

#include <gtest/gtest.h>

#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "sim/online_plant.h"
#include "support/fixed_clock.h"

namespace ovis {
namespace {

using test::FixedClock;
using test::LinkRig;
using test::ScriptedLine;
using test::SimulatorLine;
namespace ls = link_state;

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

template <typename Line>
struct PollRig {
    LinkRig<Line> rig;
    FixedClock clock;
    ClockSetting clockSetting;
    int number = 1;
    bool client = false;
    int messageCount = 10;
    OnlineStream stream{rig.link, clock, clockSetting,
                        OnlineProject{[this] { return number; }, [this] { return client; },
                                      [this] { return messageCount; }}};

    PollRig() {
        clock.now.hour = 12;
        rig.link.SetState(ls::kDone);
    }
};

TEST(OnlinePoll, SilentLineRetriesHundredTimesWithFiveResyncPairsThenIsDone) {
    PollRig<ScriptedLine> poll;
    poll.rig.link.SetState(ls::kIdle);
    poll.stream.OnlinePoll();
    EXPECT_EQ(int(poll.rig.link.State()), int(ls::kDone));
    EXPECT_EQ(poll.rig.link.Result(), LinkResult::Ok);
    EXPECT_EQ(Count(poll.rig.line.written, "&%"), 5);
    EXPECT_EQ(Count(poll.rig.line.written, "#"), 96) << "the first pass and every retry but the resyncs call";
    EXPECT_TRUE(poll.rig.dialogs.boxes.empty()) << "no message";
    // The first pass, then retries 0 to 49 call; retry 50 resynchronises, 51 to 59 call again.
    const std::string& w = poll.rig.line.written;
    EXPECT_EQ(w.substr(0, 51), std::string(51, '#'));
    EXPECT_EQ(w.substr(51, 2), "&%");
    EXPECT_EQ(w.substr(53, 9), std::string(9, '#'));
    EXPECT_EQ(w.substr(62, 2), "&%");
    poll.rig.link.SetState(ls::kIdle);
    poll.stream.OnlinePoll();
    EXPECT_EQ(Count(poll.rig.line.written, "&%"), 10) << "the next poll counts afresh";
}

TEST(OnlinePoll, ClientMakesNoRetriesAndSetsNoClock) {
    PollRig<ScriptedLine> poll;
    poll.client = true;
    poll.clock.now.hour = 4;
    poll.rig.relay.mode = RelayMode::Client;
    poll.rig.relay.baseDirectory = "/nonexistent";
    poll.rig.relay.serverDirectory = "/nonexistent";
    poll.stream.OnlinePoll();
    EXPECT_TRUE(poll.rig.line.written.empty());
    EXPECT_TRUE(poll.clockSetting.Armed());
}

TEST(OnlinePoll, AbortEndsThePoll) {
    PollRig<ScriptedLine> poll;
    poll.rig.link.SetState(ls::kIdle);
    poll.rig.pump.onPump = [&] {
        if (Count(poll.rig.line.written, "#") == 3) poll.rig.link.RequestAbort();
    };
    poll.stream.OnlinePoll();
    EXPECT_EQ(poll.rig.link.Result(), LinkResult::Aborted);
    EXPECT_LT(Count(poll.rig.line.written, "#"), 10);
}

TEST(OnlinePoll, ClockIsSetAtHourFourOnceFromAFreeLine) {
    PollRig<SimulatorLine> poll;
    poll.clock.now.hour = 4;
    poll.stream.OnlinePoll();
    poll.stream.OnlinePoll();
    int clockTelegrams = 0;
    for (const auto& r : poll.rig.line.simulator.Received())
        if (r.telegram.address == 0 && r.telegram.command == command::kMemoryWrite) ++clockTelegrams;
    EXPECT_EQ(clockTelegrams, 1);
}

class OnlineRestart : public testing::Test {
protected:
    PollRig<SimulatorLine> poll;
    sim::OnlinePlant plant{sim::OnlineOptions{.reply12Every = 1, .events = {}}};
    OnlineStateTable states;
    std::vector<std::pair<std::uint8_t, int>> telegrams;  // reply code, items

    void SetUp() override {
        plant.Install(poll.rig.line.simulator);
        poll.stream.Targets().messageCount = poll.messageCount;
        poll.stream.Targets().analyserStates = &states;
        poll.stream.SetItemObserver([this](std::uint8_t code, std::span<const OnlineEvent> items) {
            telegrams.push_back({code, int(items.size())});
        });
        poll.rig.link.Prepare(1, command::kOnlineStart, OnlineStartPayload(poll.messageCount));
        poll.rig.link.SendTelegram();
        ASSERT_EQ(poll.rig.link.Result(), LinkResult::Ok);
    }

    void Polls(int n) {
        for (int i = 0; i < n; ++i) {
            plant.Advance(poll.rig.line.simulator, poll.rig.line.now);
            poll.stream.OnlinePoll();
        }
    }

    std::vector<std::uint8_t> Commands() const {
        std::vector<std::uint8_t> commands;
        for (const auto& r : poll.rig.line.simulator.Received()) commands.push_back(r.telegram.command);
        return commands;
    }
};

TEST_F(OnlineRestart, Reply12AsksForAllLevelsAndReply20RestartsOnlineMode) {
    Polls(3);
    ASSERT_FALSE(telegrams.empty());
    EXPECT_EQ(telegrams[0], (std::pair<std::uint8_t, int>{7, 10}));
    ASSERT_TRUE(plant.Online());
    // A change reported as reply 12.
    poll.rig.line.simulator.Queue({1, 12, {0x04, 0x03, 0}});
    Polls(20);
    const auto commands = Commands();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands[1], command::kLevels);
    EXPECT_EQ(poll.rig.line.simulator.Received()[1].telegram.payload, (std::vector<std::uint8_t>{0, 1, 0, 10}));
    EXPECT_EQ(commands[2], command::kOnlineStart);
    EXPECT_EQ(int(states.At(3)), 3) << "Low from 7, High from 12, Low again from 20";
}

TEST_F(OnlineRestart, RepliesFromAnotherInterfaceLeaveTheAnalyserAndRestartThatInterface) {
    Polls(3);
    const OnlineStateTable before = states;
    poll.rig.line.simulator.Queue({7, 12, {0x04, 0x03, 0}});
    Polls(3);
    EXPECT_EQ(int(states.At(3)), int(before.At(3)));
    EXPECT_EQ(poll.stream.CurrentEvent().message, 3);
    EXPECT_EQ(int(poll.stream.PendingStart(7)), int(command::kLevels)) << "sent only when 7 is the configured address";
}

TEST_F(OnlineRestart, Reply7AsksTheVisualisationToRepaintAndFillsItsQueue) {
    VisuQueue queue;
    const std::vector<std::uint16_t> elements(10, 3);
    poll.stream.Targets().visuQueue = &queue;
    poll.stream.Targets().elements = elements;
    int repaints = 0;
    poll.stream.SetAllLevelsObserver([&] { ++repaints; });
    Polls(3);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(queue.Count(), 10) << "the levels of messages 1 to N";
    queue.Clear();
    poll.rig.line.simulator.Queue({1, 6, {0x04, 0x02, 0, 0}});
    Polls(3);
    EXPECT_EQ(repaints, 1);
    ASSERT_EQ(queue.Count(), 1);
    EXPECT_EQ(queue.Entries()[0].element, 3);
    EXPECT_EQ(queue.Entries()[0].state, 2) << "High, plus 1 for role 0";
}

TEST(EndOnline, ShowsTheDisconnectAndLeavesTheLineDone) {
    LinkRig<SimulatorLine> rig;
    test::RecordingProgress progress;
    rig.link.SetState(ls::kIdle);
    rig.link.SetResult(LinkResult::TimedOut);
    rig.link.Cancel();
    ASSERT_TRUE(rig.link.ReplayStopRequested()) << "Abbrechen also stops a running replay";
    EndOnline(rig.link, progress);
    EXPECT_FALSE(rig.link.ReplayStopRequested());
    EXPECT_TRUE(rig.link.AbortRequested()) << "left as it was";
    EXPECT_EQ(progress.Texts(), (std::vector<std::string>{"Trennung vom Interface"}));
    EXPECT_TRUE(progress.AllClosed());
    EXPECT_EQ(int(rig.link.State()), int(ls::kDone));
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
}

TEST(EndOnlineVisualisation, EndsWithoutATelegramAndAbortsOnlyAfterAFailedPoll) {
    struct Case {
        LinkResult last;
        bool abort;
    } const cases[] = {{LinkResult::Ok, false}, {LinkResult::TimedOut, true}, {LinkResult::Aborted, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.last));
        LinkRig<ScriptedLine> rig;
        test::RecordingProgress progress;
        rig.link.SetState(ls::kIdle);
        rig.link.SetResult(c.last);
        rig.link.Data().replayStopKey = kEscapeKey;
        EndOnlineVisualisation(rig.link, progress);
        EXPECT_FALSE(rig.link.ReplayStopRequested());
        EXPECT_EQ(rig.line.written, "") << "the conversation is not finished";
        EXPECT_EQ(progress.Texts(), (std::vector<std::string>{"Trennung vom Interface"}));
        EXPECT_TRUE(progress.AllClosed());
        EXPECT_EQ(int(rig.link.State()), int(ls::kDone));
        EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
        EXPECT_EQ(rig.link.AbortRequested(), c.abort);
    }
}

}  // namespace
}  // namespace ovis
