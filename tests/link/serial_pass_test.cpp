// The conversations of a serial pass, as character transcripts against the transition table.
#include <gtest/gtest.h>

#include "link/link.h"
#include "link/link_fakes.h"

namespace ovis {
namespace {

using test::LinkRig;
using test::ScriptedLine;
using Turn = ScriptedLine::Turn;
namespace ls = link_state;

struct Conversation {
    const char* name;
    std::uint8_t startState;
    std::vector<Turn> turns;
    std::string written;  // everything the PC sent
    std::uint8_t endState;
    std::vector<std::uint8_t> received = {};  // the decoded telegram, when one is taken
    std::string initialInput = {};
    std::vector<std::uint8_t> telegram = {1, 3};
    int passes = 1;
};

void PrintTo(const Conversation& c, std::ostream* os) { *os << c.name; }

const Conversation kConversations[] = {
    {"PC sends a telegram", ls::kSendRequest,
     {{"#&1218)", "&1218)"}, {"*", "*"}, {",", ","}}, "#&1218)*,", ls::kDone},
    {"command 16 carries *, after its frame", ls::kSendRequest,
     {{"#&1221)*,", "&1221)"}, {"*", "*"}, {",", ","}}, "#&1221)*,*,", ls::kDone, {}, {}, {1, 16}},
    {"a wrong echo resends the whole frame", ls::kSendRequest,
     {{"#&1218)", "&124"}, {"&1218)", "&1218)"}, {"*", "*"}, {",", ","}}, "#&1218)&1218)*,", ls::kDone},
    {"% during the echo resends the frame", ls::kSendRequest,
     {{"#&1218)", "&1%"}, {"&1218)", "&1218)"}, {"*", "*"}, {",", ","}}, "#&1218)&1218)*,", ls::kDone},
    {"an echo without its & restarts once the frame's length is passed", ls::kSendRequest,
     {{"#&1218)", "C1218C"}, {"&1218)", "&1218)"}, {"*", "*"}, {",", ","}}, "#&1218)&1218)*,", ls::kDone},
    {"an early ) in the echo resends", ls::kSendRequest,
     {{"#&1218)", "&121)"}, {"&1218)", "&1218)"}, {"*", "*"}, {",", ","}}, "#&1218)&1218)*,", ls::kDone},
    {"the PC repeats * until the Interface confirms", ls::kSendRequest,
     {{"#&1218)", "&1218)"}, {"*", "C"}, {"*", "*"}, {",", ","}}, "#&1218)**,", ls::kDone},
    {"the Interface calls while Done", ls::kDone,
     {{"#%", "&12ba)"}, {"&12ba)", "*"}}, "#%&12ba)", ls::kTelegramReceived | ls::kAcknowledging, {0x01, 0xFE}, "#"},
    {"nothing on the line while Done ends the pass at once", ls::kDone, {}, "", ls::kDone},
    {"an Idle call answered with nothing to send", ls::kIdle, {{"#", "%"}, {",", ","}}, "#,", ls::kDone},
    {"an Idle call answered with a call", ls::kIdle, {{"#", "#"}, {",", ","}}, "#,", ls::kDone},
    {"an Idle call answered with a close", ls::kIdle, {{"#", ","}}, "#", ls::kDone},
    {"an Idle call answered with a frame", ls::kIdle,
     {{"#", "&12CE)"}, {"&12CE)", "*"}}, "#&12CE)", ls::kTelegramReceived | ls::kAcknowledging, {0x01, 0x45}},
    {"Acknowledging: the Interface has nothing more", ls::kAcknowledging, {{"*", "%"}, {",", ","}}, "*,", ls::kDone},
    {"Acknowledging: the Interface sends the next frame", ls::kAcknowledging,
     {{"*", "&1C1J)"}, {"&1C1J)", "*"}}, "*&1C1J)", ls::kTelegramReceived | ls::kAcknowledging, {0x04, 0x08}},
    {"a frame received while a send is pending is confirmed, dropped, and the telegram sent next", 0x81,
     {{"*", "&12CE)"}, {"&12CE)", "*"}, {"*", "%"}, {",", ","},
      {"#&1218)", "&1218)"}, {"*", "*"}, {",", ","}},
     "*&12CE)*,#&1218)*,", ls::kDone, {}, {}, {1, 3}, 2},
    {"the Interface's * while a send is pending asks the PC to send", 0x81, {{"*", "*"}}, "*,", ls::kSendRequest},
    {"the resynchronising pair", ls::kResyncRequest, {{"&%", "%"}, {",", ","}}, "&%,", ls::kDone},
};

class LinkSerialPass : public ::testing::TestWithParam<Conversation> {};

TEST_P(LinkSerialPass, FollowsTheTransitionTable) {
    const Conversation& c = GetParam();
    LinkRig<ScriptedLine> rig(LinkTuning{}, c.turns, c.initialInput);
    rig.link.Prepare(c.telegram[0], c.telegram[1],
                     std::span<const std::uint8_t>(c.telegram.data() + 2, c.telegram.size() - 2));
    rig.link.SetState(c.startState);
    for (int pass = 0; pass < c.passes; ++pass) rig.link.SerialPass();

    EXPECT_EQ(rig.line.written, c.written);
    EXPECT_TRUE(rig.line.TranscriptDone()) << "stopped before turn " << rig.line.next;
    EXPECT_EQ(int(rig.link.State()), int(c.endState));
    EXPECT_EQ(rig.link.Result(), LinkResult::Ok);
    const auto& data = rig.link.Data();
    EXPECT_EQ(std::vector<std::uint8_t>(data.receiveBuffer.begin(), data.receiveBuffer.begin() + data.receiveLength),
              c.received);
    EXPECT_TRUE(rig.line.input.empty()) << "characters left unread";
}

INSTANTIATE_TEST_SUITE_P(Transcripts, LinkSerialPass, ::testing::ValuesIn(kConversations),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(LinkSerialPassTimeout, SilentLineTimesOutAfterTheStepBound) {
    LinkRig<ScriptedLine> rig;
    rig.link.Prepare(1, 3);
    rig.link.SetState(ls::kSendRequest);
    rig.link.SerialPass();
    EXPECT_EQ(rig.link.Result(), LinkResult::TimedOut);
    EXPECT_EQ(rig.line.waits, 20000 - 5) << "every step waits for input, except the five that send \"1218)\"";
    EXPECT_EQ(rig.line.written, "#&1218)") << "the frame goes out once, one character per step";
    EXPECT_EQ(int(rig.link.State()), int(ls::kSending));
}

TEST(LinkSerialPassTimeout, TrafficDoesNotExtendThePass) {
    // A chattering Interface answers every character with "%": in Closing the PC sends "," each
    // time, and the pass still ends after its steps.
    LinkRig<ScriptedLine> rig;
    rig.line.turns.assign(1, {"#", "%"});
    rig.link.SetState(ls::kIdle);
    rig.pump.onPump = [&] { rig.line.input.push_back('C'); };
    rig.link.SerialPass();
    EXPECT_EQ(rig.link.Result(), LinkResult::TimedOut);
    EXPECT_EQ(int(rig.link.State()), int(ls::kClosing));
}

TEST(LinkSerialPassTimeout, AbortEndsThePassAfterTheCurrentStep) {
    LinkRig<ScriptedLine> rig;
    rig.link.SetState(ls::kIdle);
    rig.pump.onPump = [&] {
        if (rig.pump.calls == 3) rig.link.RequestAbort();
    };
    rig.link.SerialPass();
    EXPECT_EQ(rig.link.Result(), LinkResult::Aborted);
    EXPECT_EQ(rig.line.waits, 3);
}

TEST(LinkSerialPassTimeout, AbortWhileDoneIsReported) {
    LinkRig<ScriptedLine> rig;
    rig.link.SetState(ls::kDone);
    rig.link.RequestAbort();
    rig.link.SerialPass();
    EXPECT_EQ(rig.link.Result(), LinkResult::Aborted);
}

TEST(LinkSerialPassLineError, ThePreviousCharacterIsHandledOnceMore) {
    LinkRig<ScriptedLine> rig(LinkTuning{}, std::vector<Turn>{{"#%", "&1"}}, "#");
    rig.link.SetState(ls::kDone);
    rig.line.pendingErrors = 1;  // after "1" the queue is empty and an error is pending
    rig.pump.onPump = [&] {
        if (rig.line.written.size() >= 5) rig.link.RequestAbort();
    };
    rig.link.SerialPass();
    EXPECT_EQ(rig.line.written, "#%&11") << "the 1 is stored and echoed twice";
}

}  // namespace
}  // namespace ovis
