// The relay at the level of the link: a Client's requests through a Server on a line that
// garbles echoes (every request the Client was told "Ok" for reaches the Interface exactly once,
// as on the direct path; none arrives twice), and what the Server's and the Client's callers see.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::LinkRig;
using test::ScriptedLine;
using test::SimulatorLine;
namespace ls = link_state;

constexpr int kRequests = 30;
// Short passes on a line garbling about every seventh echo: a single pass often runs out, eleven
// attempts practically never do.
const LinkTuning kShortPasses{.stepsPerPass = 150};
const sim::SimulatorOptions kGarbling{.garbleProbability = 0.15, .seed = 7};

void PrepareRequest(Link& link, int k) {
    const std::uint8_t data[] = {std::uint8_t(k)};
    link.Prepare(1, command::kMemoryWrite, MemoryWritePayload(MemoryArea::Output, std::uint16_t(0x100 + k), data));
}

// The address each telegram the simulator took was written to, in order.
std::vector<int> WrittenAddresses(const sim::InterfaceSimulator& simulator) {
    std::vector<int> addresses;
    for (const auto& r : simulator.Received()) addresses.push_back(r.telegram.payload[2] << 8 | r.telegram.payload[3]);
    return addresses;
}

std::vector<int> RequestAddresses() {
    std::vector<int> addresses;
    for (int k = 0; k < kRequests; ++k) addresses.push_back(0x100 + k);
    return addresses;
}

TEST(LinkRelayNoisyLine, TheDirectPathSurvivesTheLine) {
    LinkRig<SimulatorLine> direct(kShortPasses, kGarbling);
    direct.link.SetState(ls::kDone);
    for (int k = 0; k < kRequests; ++k) {
        PrepareRequest(direct.link, k);
        direct.link.SendTelegram();
        ASSERT_EQ(direct.link.Result(), LinkResult::Ok) << k;
    }
    EXPECT_EQ(WrittenAddresses(direct.line.simulator), RequestAddresses());
}

// Memory writes of `length` telegram bytes, each to an address of its own.
void PrepareRequest(Link& link, int k, int length) {
    const std::vector<std::uint8_t> data(std::size_t(length - 6), std::uint8_t(k));
    link.Prepare(1, command::kMemoryWrite, MemoryWritePayload(MemoryArea::Output, std::uint16_t(0x100 + k), data));
}

struct RelayOutcome {
    std::vector<int> acknowledged;  // told Ok
    std::vector<int> arrived;       // executed by the Interface, in order
};

// The Client sends `count` requests of `length` bytes through a Server whose line garbles a
// quarter of the echoes; the Server keeps the line in conversation while the Client waits, as
// `ovisctl relay-server` does beside it.
RelayOutcome RelayOverAGarblingLine(int length, int count) {
    test::TempDir dir;
    LinkRig<SimulatorLine> server(LinkTuning{.stepsPerPass = 2000},
                                  sim::SimulatorOptions{.garbleProbability = 0.25, .seed = unsigned(length)});
    server.relay = {RelayMode::Server, dir.path(), dir.path()};
    EXPECT_TRUE(CreateRelayFiles(dir.path(), server.delay));
    server.link.SetState(ls::kDone);
    LinkRig<ScriptedLine> client;
    client.relay = {RelayMode::Client, dir.path(), dir.path()};
    auto serverExchange = [&] {
        server.link.Exchange();
        if (server.link.Result() == LinkResult::TimedOut) server.link.SetState(ls::kIdle);
        server.link.Data().ClearTelegramReceived();
    };
    client.pump.onPump = serverExchange;  // while the Client re-reads its slot

    RelayOutcome outcome;
    for (int k = 0; k < count; ++k) {
        PrepareRequest(client.link, k, length);
        const std::size_t boxes = client.dialogs.boxes.size();
        client.link.SendTelegram();
        if (client.link.Result() == LinkResult::Ok) {
            outcome.acknowledged.push_back(k);
            EXPECT_EQ(client.dialogs.boxes.size(), boxes);
        } else {
            EXPECT_EQ(client.link.Result(), LinkResult::TimedOut);
            EXPECT_EQ(client.dialogs.boxes.size(), boxes + 1) << k;
            if (!client.dialogs.boxes.empty()) {
                EXPECT_EQ(client.dialogs.boxes.back().text, kInterfaceNotRespondingText);
            }
        }
    }
    for (int pass = 0; pass < 20; ++pass) serverExchange();  // a request still in the slot may arrive late
    EXPECT_GT(server.line.simulator.GarbledEchoes(), 0);
    for (int address : WrittenAddresses(server.line.simulator)) outcome.arrived.push_back(address - 0x100);
    EXPECT_TRUE(client.line.written.empty()) << "the Client never touches a serial line";
    EXPECT_TRUE(server.dialogs.boxes.empty());
    return outcome;
}

TEST(LinkRelayNoisyLine, NoRequestIsLostOrDuplicatedAtAQuarterOfGarbledEchoes) {
    struct Case {
        int length;
        int count;
        bool allAcknowledged;  // a frame of 60 bytes practically never gets through unharmed
    } cases[] = {{7, 12, true}, {14, 8, true}, {60, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const RelayOutcome outcome = RelayOverAGarblingLine(c.length, c.count);
        EXPECT_TRUE(std::is_sorted(outcome.arrived.begin(), outcome.arrived.end()) &&
                    std::adjacent_find(outcome.arrived.begin(), outcome.arrived.end()) == outcome.arrived.end())
            << "each at most once, in order";
        for (int k : outcome.acknowledged) {
            EXPECT_NE(std::find(outcome.arrived.begin(), outcome.arrived.end(), k), outcome.arrived.end())
                << "acknowledged but lost: " << k;
        }
        if (c.allAcknowledged) {
            EXPECT_EQ(int(outcome.acknowledged.size()), c.count);
        } else {
            EXPECT_TRUE(outcome.arrived.empty());
        }
    }
}

TEST(LinkRelayNoisyLine, RelayingKeepsTheServersOwnTelegramAndOutcome) {
    test::TempDir dir;
    LinkRig<SimulatorLine> server;
    server.relay = {RelayMode::Server, dir.path(), dir.path()};
    ASSERT_TRUE(CreateRelayFiles(dir.path(), server.delay));
    LinkRig<ScriptedLine> client;
    client.relay = server.relay;
    client.relay.mode = RelayMode::Client;
    PrepareRequest(client.link, 7);
    client.link.SetState(ls::kSendRequest);
    client.link.Exchange();
    ASSERT_EQ(client.link.Result(), LinkResult::TimedOut) << "placed, but no Server took it yet";

    server.link.Prepare(1, command::kReset);
    server.link.SendTelegram();  // the own telegram, then the Client's in the same exchange
    EXPECT_EQ(server.link.Result(), LinkResult::Ok);
    EXPECT_TRUE(server.link.FrameConfirmed());
    EXPECT_EQ(server.link.Data().telegram.Command, command::kReset);
    EXPECT_EQ(server.link.Data().length, 2);
    std::vector<int> commands;
    for (const auto& r : server.line.simulator.Received()) commands.push_back(r.telegram.command);
    EXPECT_EQ(commands, (std::vector<int>{command::kReset, command::kMemoryWrite}));
    EXPECT_EQ(test::ReadBytes(dir / kRelaySendFileName)[0], 0) << "the slot is freed once confirmed";
    client.link.SetState(ls::kSendRequest);
    client.link.Exchange();
    EXPECT_EQ(client.link.Result(), LinkResult::Ok) << "the repetition sees it taken";
    EXPECT_EQ(test::ReadBytes(dir / kRelaySendFileName)[0], 0) << "and does not place it again";
}

TEST(LinkRelayNoisyLine, AClientCountsARequestAsTakenOnceTheServerFreedItsSlot) {
    test::TempDir dir;
    LinkRig<ScriptedLine> client;
    client.relay = {RelayMode::Client, dir.path(), dir.path()};
    client.link.Prepare(1, 18);
    client.link.SetState(ls::kSendRequest);
    client.link.Exchange();
    EXPECT_FALSE(client.link.FrameConfirmed()) << "no COMTD.DAT: nothing placed";
    ASSERT_TRUE(CreateRelayFiles(dir.path(), client.delay));
    client.link.Exchange();
    EXPECT_FALSE(client.link.FrameConfirmed()) << "placed, not taken";
    EXPECT_EQ(client.link.Result(), LinkResult::TimedOut);
    client.pump.calls = 0;
    client.pump.onPump = [&] {
        if (client.pump.calls == 5) test::WriteBytes(dir / kRelaySendFileName, std::vector<std::uint8_t>(132, 0));
    };
    client.link.SetState(ls::kSendRequest);
    client.link.Exchange();
    EXPECT_TRUE(client.link.FrameConfirmed());
    EXPECT_EQ(client.link.Result(), LinkResult::Ok);
}

}  // namespace
}  // namespace ovis
