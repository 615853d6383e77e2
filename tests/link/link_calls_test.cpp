// SendTelegram, FinishExchange and AwaitReply: repetitions, warnings, dropped telegrams.
#include <gtest/gtest.h>

#include "link/interface_commands.h"
#include "link/link.h"
#include "link/link_fakes.h"

namespace ovis {
namespace {

using test::LinkRig;
using test::ScriptedLine;
using test::SimulatorLine;
namespace ls = link_state;

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

TEST(LinkSendTelegram, SilentLineMakesElevenAttemptsThenWarns) {
    LinkRig<ScriptedLine> rig;
    rig.link.Prepare(1, 3);
    rig.link.SendTelegram();
    EXPECT_EQ(rig.link.Result(), LinkResult::TimedOut);
    EXPECT_EQ(Count(rig.line.written, "#&1218)"), 11);
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text, "Das Interface reagiert nicht!!!");
    EXPECT_EQ(rig.dialogs.boxes[0].kind, BoxKind::Warning);
}

TEST(LinkSendTelegram, AnswerOnALaterAttemptSucceedsWithoutWarning) {
    LinkRig<ScriptedLine> rig;
    rig.line.turns = {{"#&1218)#&1218)#&1218)", "&1218)"}, {"*", "*"}, {",", ","}};
    rig.link.Prepare(1, 3);
    rig.link.SendTelegram();
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
    EXPECT_EQ(int(rig.link.State()), int(ls::kDone));
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(LinkSendTelegram, AbortEndsTheRepetitionsWithoutWarning) {
    LinkRig<ScriptedLine> rig;
    rig.link.Prepare(1, 3);
    rig.pump.onPump = [&] {
        if (Count(rig.line.written, "#&") == 2) rig.link.RequestAbort();
    };
    rig.link.SendTelegram();
    EXPECT_EQ(rig.link.Result(), LinkResult::Aborted);
    EXPECT_EQ(Count(rig.line.written, "#&"), 2);
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(LinkFinishExchange, SilentLineWarnsAfterExactlyTenTimeOuts) {
    LinkRig<ScriptedLine> rig;
    rig.link.SetState(ls::kDone);
    rig.link.FinishExchange();
    EXPECT_EQ(rig.link.Result(), LinkResult::Aborted);
    EXPECT_EQ(rig.line.written, std::string(10, '#'));
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text,
              "          Die Ringleitung ist offen oder unterbrochen!!!\r\r"
              "Zwischen Interface und PC erfolgt keine Datenübermittlung.");
}

TEST(LinkFinishExchange, AcknowledgingConfirmsInsteadOfCalling) {
    LinkRig<ScriptedLine> rig;
    rig.line.turns = {{"*", "%"}, {",", ","}};
    rig.link.SetState(ls::kAcknowledging);
    rig.link.FinishExchange();
    EXPECT_EQ(rig.line.written, "*,");
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
}

TEST(LinkFinishExchange, TelegramsThatArriveMeanwhileAreDropped) {
    LinkRig<SimulatorLine> rig;
    rig.line.simulator.Queue({1, 12, {1, 2, 3}});
    rig.line.simulator.Queue({1, 12, {4}});
    rig.link.SetState(ls::kDone);
    rig.link.FinishExchange();
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
    EXPECT_EQ(int(rig.link.State()), int(ls::kDone));
    EXPECT_EQ(rig.line.simulator.WaitingTelegrams(), 0u) << "both taken by the PC";
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(LinkAwaitReply, TakesTheAcceptedReplyAndDropsOthers) {
    LinkRig<SimulatorLine> rig;
    const std::uint8_t data[] = {0x11, 0x22, 0x33};
    rig.line.simulator.Memory().Write(1, 0x8A8D, data);
    rig.line.simulator.Queue({1, 12, {9, 9}});  // an unrelated telegram comes first
    rig.link.SetState(ls::kDone);
    rig.link.Prepare(1, command::kMemoryRead, MemoryReadPayload(MemoryArea::Firmware, 0x8A8D, 3));
    rig.link.SendTelegram();
    ASSERT_EQ(rig.link.Result(), LinkResult::Ok);
    rig.link.AwaitReply({command::kMemoryRead});
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
    const auto& d = rig.link.Data();
    EXPECT_EQ(std::vector<std::uint8_t>(d.receiveBuffer.begin(), d.receiveBuffer.begin() + d.receiveLength),
              (std::vector<std::uint8_t>{1, 5, 0x11, 0x22, 0x33}));
    EXPECT_EQ(int(rig.link.State()), int(ls::kDone)) << "the conversation is finished";
    EXPECT_EQ(rig.line.simulator.WaitingTelegrams(), 0u);
}

TEST(LinkAwaitReply, AbortEndsAHopelessWait) {
    LinkRig<ScriptedLine> rig;
    rig.link.SetState(ls::kDone);
    rig.delay.onPause = [&] {
        if (rig.delay.pauses == 50) rig.link.RequestAbort();
    };
    rig.link.AwaitReply({5});
    EXPECT_EQ(rig.link.Result(), LinkResult::Aborted);
    EXPECT_TRUE(rig.line.written.empty()) << "while Done the PC only listens";
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

}  // namespace
}  // namespace ovis
