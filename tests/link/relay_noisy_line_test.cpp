// The relay at the level of the link: a Client's requests through a Server on a line that
// garbles echoes (every request the Client was told "Ok" for reaches the Interface exactly once,
// as on the direct path), and what the Server's and the Client's callers see.
#include <gtest/gtest.h>

#include "link/interface_commands.h"
#include "link/link_fakes.h"
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

TEST(LinkRelayNoisyLine, EveryAcknowledgedRequestArrivesExactlyOnce) {
    test::TempDir dir;
    LinkRig<SimulatorLine> server(kShortPasses, kGarbling);
    server.relay = {RelayMode::Server, dir.path(), dir.path()};
    ASSERT_TRUE(CreateRelayFiles(dir.path(), server.delay));
    server.link.SetState(ls::kDone);
    LinkRig<ScriptedLine> client;
    client.relay = {RelayMode::Client, dir.path(), dir.path()};

    int timeouts = 0;
    for (int k = 0; k < kRequests; ++k) {
        PrepareRequest(client.link, k);
        client.link.SendTelegram();
        ASSERT_EQ(client.link.Result(), LinkResult::Ok) << "acknowledged: the request is in COMTD.DAT";
        // The Server keeps the line in conversation as `ovisctl relay-server` does.
        for (int pass = 0; pass < 3; ++pass) {
            server.link.Exchange();
            if (server.link.Result() == LinkResult::TimedOut) {
                ++timeouts;
                server.link.SetState(ls::kIdle);
            }
            server.link.Data().ClearTelegramReceived();
        }
    }
    EXPECT_GT(server.line.simulator.GarbledEchoes(), 0);
    EXPECT_EQ(WrittenAddresses(server.line.simulator), RequestAddresses());
    EXPECT_EQ(timeouts, 0) << "every relayed telegram got through within its attempts";
    EXPECT_TRUE(client.line.written.empty()) << "the Client never touches a serial line";
    EXPECT_TRUE(server.dialogs.boxes.empty());
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
    client.link.SendTelegram();
    ASSERT_EQ(client.link.Result(), LinkResult::Ok);

    server.link.Prepare(1, command::kReset);
    server.link.SendTelegram();  // the own telegram, then the Client's in the same exchange
    EXPECT_EQ(server.link.Result(), LinkResult::Ok);
    EXPECT_TRUE(server.link.FrameConfirmed());
    EXPECT_EQ(server.link.Data().telegram.Command, command::kReset);
    EXPECT_EQ(server.link.Data().length, 2);
    std::vector<int> commands;
    for (const auto& r : server.line.simulator.Received()) commands.push_back(r.telegram.command);
    EXPECT_EQ(commands, (std::vector<int>{command::kReset, command::kMemoryWrite}));
}

TEST(LinkRelayNoisyLine, AClientCountsAPlacedRequestAsTaken) {
    test::TempDir dir;
    LinkRig<ScriptedLine> client;
    client.relay = {RelayMode::Client, dir.path(), dir.path()};
    client.link.Prepare(1, 18);
    client.link.SetState(ls::kSendRequest);
    client.link.Exchange();
    EXPECT_FALSE(client.link.FrameConfirmed()) << "no COMTD.DAT: nothing placed";
    ASSERT_TRUE(CreateRelayFiles(dir.path(), client.delay));
    client.link.Exchange();
    EXPECT_TRUE(client.link.FrameConfirmed());
    EXPECT_EQ(client.link.Result(), LinkResult::Ok);
}

}  // namespace
}  // namespace ovis
