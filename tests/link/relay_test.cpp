// The relay files: start-up creation, the Client's and the Server's steps on COMTD.DAT and
// COMRD.DAT.
#include "link/relay.h"

#include <gtest/gtest.h>

#include <cstring>

#include "project/system_parameters.h"
#include "link/link_fakes.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::CountingDelay;
using test::PumpHook;
namespace ls = link_state;
namespace fs = std::filesystem;

struct RelayRig {
    test::TempDir dir;
    CountingDelay delay;
    PumpHook pump;
    Relay relay{delay, pump};
    LinkData link;
    // The common set-up: both PCs reach the relay files in one directory.
    RelaySettings client{RelayMode::Client, dir.path(), dir.path()};
    RelaySettings server{RelayMode::Server, dir.path(), dir.path()};

    RelayRig() { EXPECT_TRUE(CreateRelayFiles(dir.path(), delay)); }

    std::vector<TRelayRecord> Records(const char* name) const {
        auto bytes = test::ReadBytes(dir / name);
        std::vector<TRelayRecord> records(bytes.size() / sizeof(TRelayRecord));
        std::memcpy(records.data(), bytes.data(), records.size() * sizeof(TRelayRecord));
        return records;
    }
    void WriteRecords(const char* name, const std::vector<TRelayRecord>& records) {
        std::vector<std::uint8_t> bytes(records.size() * sizeof(TRelayRecord));
        std::memcpy(bytes.data(), records.data(), bytes.size());
        test::WriteBytes(dir / name, bytes);
    }
    // COMRD.DAT with the header `last` and ring records 1 to 255 each carrying its own number.
    void WriteRing(int last) {
        std::vector<TRelayRecord> records(kRelayReceiveRecords, TRelayRecord{});
        records[0].Marker = std::uint8_t(last);
        for (int n = 1; n <= kRelayRingSize; ++n) {
            records[std::size_t(n)] = {std::uint8_t(n), 3, {1, 9, std::uint8_t(n)}};
        }
        WriteRecords(kRelayReceiveFileName, records);
    }
    void SetTelegram(std::vector<std::uint8_t> bytes) {
        link.length = int(bytes.size());
        std::memcpy(&link.telegram, bytes.data(), bytes.size());
    }
};

TEST(LinkRelayFiles, StartUpCreatesTheFourFiles) {
    test::TempDir dir;
    CountingDelay delay;
    test::WriteBytes(dir / "COMINFO.DAT", {1, 2, 3});
    test::WriteBytes(dir / "COMTD.DAT", std::vector<std::uint8_t>(132, 0xEE));
    ASSERT_TRUE(CreateRelayFiles(dir.path(), delay));
    EXPECT_EQ(test::ReadBytes(dir / "COMTD.DAT"), std::vector<std::uint8_t>(132, 0)) << "created anew, slot free";
    EXPECT_EQ(test::ReadBytes(dir / "COMRD.DAT"), std::vector<std::uint8_t>(256 * 132, 0));
    EXPECT_EQ(test::ReadBytes(dir / "COMOVL.DAT"), std::vector<std::uint8_t>(200, 0));
    EXPECT_EQ(test::ReadBytes(dir / "COMINFO.DAT"), (std::vector<std::uint8_t>{1, 2, 3})) << "kept when it exists";

    test::TempDir fresh;
    ASSERT_TRUE(CreateRelayFiles(fresh.path(), delay));
    EXPECT_TRUE(fs::exists(fresh / "COMINFO.DAT"));
    EXPECT_EQ(fs::file_size(fresh / "COMINFO.DAT"), 0u);
}

TEST(LinkRelayFiles, StartUpInADirectoryThatCannotHoldThemGivesUp) {
    CountingDelay delay;
    EXPECT_FALSE(CreateRelayFiles("/nonexistent-dir/for/relay", delay));
    EXPECT_LE(delay.total, std::chrono::seconds(5)) << "bounded retries";
}

TEST(LinkRelayFiles, ServerDirectoryTextBecomesAPath) {
    SystemParameters parameters;
    parameters.Record().RelayMode = int(RelayMode::Client);
    parameters.Record().ServerDirectory.assign("\\mnt\\server\\Ovis\\");
    test::TempDir project;
    parameters.Save(project.path());
    parameters.Load(project.path());
    RelaySettings settings = RelaySettingsFrom(parameters, "/base");
    EXPECT_EQ(settings.mode, RelayMode::Client);
    EXPECT_EQ(settings.serverDirectory, fs::path("/mnt/server/Ovis/"));
    EXPECT_EQ(settings.baseDirectory, fs::path("/base"));
}

TEST(LinkRelayClientSend, PlacesTheTelegramInAFreeSlotAndWaitsUntilTheServerFreesIt) {
    RelayRig rig;
    rig.SetTelegram({1, 4, 3, 0, 0x80, 0x01, 0});
    std::vector<TRelayRecord> seen;
    rig.pump.onPump = [&] {
        seen = rig.Records(kRelaySendFileName);
        if (rig.pump.calls == 30) rig.WriteRecords(kRelaySendFileName, {TRelayRecord{}});  // the Server delivered it
    };
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::Ok);
    EXPECT_EQ(int(rig.link.state), int(ls::kDone));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Marker, 1);
    EXPECT_EQ(seen[0].Length, 7);
    EXPECT_EQ(std::vector<std::uint8_t>(seen[0].Bytes, seen[0].Bytes + 7),
              (std::vector<std::uint8_t>{1, 4, 3, 0, 0x80, 0x01, 0}));
    EXPECT_EQ(rig.pump.calls, 30) << "re-read until the slot was freed";
}

TEST(LinkRelayClientSend, ARequestNotYetTakenIsWaitedForAndNeverPlacedTwice) {
    RelayRig rig;
    rig.SetTelegram({1, 4, 3, 0, 0x80, 0x01, 0});
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::TimedOut) << "no Server took it";
    EXPECT_EQ(rig.pump.calls, 200) << "about a second of re-reads";
    EXPECT_EQ(rig.Records(kRelaySendFileName)[0].Marker, 1) << "it stays for the Server";

    // The repetition of the same telegram: the Server delivers it meanwhile.
    rig.WriteRecords(kRelaySendFileName, {TRelayRecord{}});
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::Ok);
    EXPECT_EQ(rig.Records(kRelaySendFileName)[0].Marker, 0) << "taken, not placed again";

    // The same telegram once more, as a new request: it is placed.
    rig.pump.onPump = [&] {
        if (rig.pump.calls == 205) rig.WriteRecords(kRelaySendFileName, {TRelayRecord{}});
    };
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::Ok);
}

TEST(LinkRelayClientSend, AnotherTelegramWaitsUntilTheEarlierRequestIsTaken) {
    RelayRig rig;
    rig.SetTelegram({1, 3});
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    ASSERT_EQ(rig.link.result, LinkResult::TimedOut);

    rig.SetTelegram({1, 4, 9});
    rig.pump.calls = 0;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::TimedOut);
    EXPECT_EQ(rig.pump.calls, 20) << "the slot is not free";
    auto slot = rig.Records(kRelaySendFileName);
    EXPECT_EQ(slot[0].Length, 2) << "the earlier request is not overwritten";
}

TEST(LinkRelayClientSend, OccupiedSlotGivesUpAfterTwentyReReads) {
    RelayRig rig;
    rig.WriteRecords(kRelaySendFileName, {TRelayRecord{1, 2, {5, 5}}});
    rig.SetTelegram({1, 3});
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::TimedOut);
    EXPECT_EQ(int(rig.link.state), int(ls::kDone));
    EXPECT_EQ(rig.pump.calls, 20) << "window messages once per re-read";
    auto slot = rig.Records(kRelaySendFileName);
    EXPECT_EQ(slot[0].Bytes[0], 5) << "the waiting request is not overwritten";
}

TEST(LinkRelayClientSend, SlotFreedWhileWaitingIsTaken) {
    RelayRig rig;
    rig.WriteRecords(kRelaySendFileName, {TRelayRecord{1, 2, {5, 5}}});
    std::uint8_t placedCommand = 0;
    rig.pump.onPump = [&] {
        if (rig.pump.calls == 4) rig.WriteRecords(kRelaySendFileName, {TRelayRecord{}});
        if (rig.pump.calls == 10) {
            placedCommand = rig.Records(kRelaySendFileName)[0].Bytes[1];
            rig.WriteRecords(kRelaySendFileName, {TRelayRecord{}});
        }
    };
    rig.SetTelegram({1, 3});
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::Ok);
    EXPECT_EQ(placedCommand, 3);
}

TEST(LinkRelayClientSend, MissingFileLeavesTheRequestForTheNextExchange) {
    RelayRig rig;
    fs::remove(rig.dir / kRelaySendFileName);
    rig.link.state = ls::kSendRequest;
    rig.relay.ClientSendStep(rig.link, rig.client);
    EXPECT_EQ(int(rig.link.state), int(ls::kSendRequest));
    EXPECT_EQ(rig.link.result, LinkResult::Ok);
    EXPECT_FALSE(fs::exists(rig.dir / kRelaySendFileName)) << "a Client never creates relay files";
}

TEST(LinkRelayServer, PicksUpAWaitingRequestUntilTheInterfaceConfirmedIt) {
    RelayRig rig;
    rig.WriteRecords(kRelaySendFileName, {TRelayRecord{1, 4, {2, 7, 0xAB, 0xCD}}});
    for (int pass = 0; pass < 2; ++pass) {
        rig.link.state = ls::kDone;
        rig.relay.ServerPickUpStep(rig.link, rig.server);
        EXPECT_EQ(int(rig.link.state), int(ls::kSendRequest)) << "not confirmed: sent again " << pass;
        EXPECT_EQ(rig.link.length, 4);
        EXPECT_EQ(std::vector<std::uint8_t>(rig.link.TelegramBytes().begin(), rig.link.TelegramBytes().end()),
                  (std::vector<std::uint8_t>{2, 7, 0xAB, 0xCD}));
        EXPECT_EQ(rig.Records(kRelaySendFileName)[0].Marker, 1) << "it stays in the slot";
    }
    rig.relay.ServerReleaseStep(rig.server);
    EXPECT_EQ(rig.Records(kRelaySendFileName)[0].Marker, 0);
    rig.link.state = ls::kDone;
    rig.relay.ServerPickUpStep(rig.link, rig.server);
    EXPECT_EQ(int(rig.link.state), int(ls::kDone)) << "delivered once";
}

TEST(LinkRelayServer, ASlotThatCouldNotBeFreedIsFreedByTheNextPickUpWithoutSendingAgain) {
    RelayRig rig;
    const std::vector<TRelayRecord> request{TRelayRecord{1, 2, {1, 3}}};
    rig.WriteRecords(kRelaySendFileName, request);
    rig.link.state = ls::kDone;
    rig.relay.ServerPickUpStep(rig.link, rig.server);
    ASSERT_EQ(int(rig.link.state), int(ls::kSendRequest));
    fs::rename(rig.dir / kRelaySendFileName, rig.dir / "weg");  // busy: it cannot be opened
    rig.relay.ServerReleaseStep(rig.server);
    fs::rename(rig.dir / "weg", rig.dir / kRelaySendFileName);
    rig.link.state = ls::kDone;
    rig.relay.ServerPickUpStep(rig.link, rig.server);
    EXPECT_EQ(int(rig.link.state), int(ls::kDone)) << "delivered already";
    EXPECT_EQ(rig.Records(kRelaySendFileName)[0].Marker, 0);

    rig.WriteRecords(kRelaySendFileName, request);  // the Client's next request
    rig.relay.ServerPickUpStep(rig.link, rig.server);
    EXPECT_EQ(int(rig.link.state), int(ls::kSendRequest));
}

TEST(LinkRelayServer, RequestWithoutAddressAndCommandIsTakenButNotSent) {
    RelayRig rig;
    rig.WriteRecords(kRelaySendFileName, {TRelayRecord{1, 1, {2}}});
    rig.link.state = ls::kDone;
    rig.relay.ServerPickUpStep(rig.link, rig.server);
    EXPECT_EQ(int(rig.link.state), int(ls::kDone));
    EXPECT_EQ(rig.Records(kRelaySendFileName)[0].Marker, 0);
}

TEST(LinkRelayServer, ForwardsIntoTheRingWrappingFrom255To1) {
    RelayRig rig;
    for (int i = 1; i <= 257; ++i) {
        rig.link.receiveBuffer[0] = 1;
        rig.link.receiveBuffer[1] = std::uint8_t(i);
        rig.link.receiveLength = 2;
        rig.relay.ServerForwardStep(rig.link, rig.server);
    }
    auto ring = rig.Records(kRelayReceiveFileName);
    ASSERT_EQ(ring.size(), 256u);
    EXPECT_EQ(ring[0].Marker, 2) << "257 telegrams: 1 to 255, then 1 and 2";
    EXPECT_EQ(ring[1].Marker, 1);
    EXPECT_EQ(ring[1].Bytes[1], std::uint8_t(256));
    EXPECT_EQ(ring[2].Bytes[1], std::uint8_t(257));
    EXPECT_EQ(ring[3].Bytes[1], 3) << "older records stay until overwritten";
    EXPECT_EQ(ring[255].Marker, 255);
    EXPECT_EQ(ring[255].Length, 2);
}

TEST(LinkRelayClientReceive, ReadsTheNewRecordsOnePerExchangeAcrossTheWrap) {
    RelayRig rig;
    rig.WriteRing(254);
    rig.link.state = ls::kIdle;
    rig.relay.ClientSynchroniseStep(rig.link, rig.client);
    EXPECT_EQ(int(rig.link.state), int(ls::kDone));
    EXPECT_EQ(rig.relay.LastSequence(), 254) << "older records are skipped";

    rig.WriteRing(2);  // 255, 1 and 2 are new
    std::vector<int> read;
    for (int i = 0; i < 5; ++i) {
        rig.link.state = ls::kDone;
        rig.relay.ClientReceiveStep(rig.link, rig.client);
        if (rig.link.TelegramReceived()) read.push_back(rig.link.receiveBuffer[2]);
    }
    EXPECT_EQ(read, (std::vector<int>{255, 1, 2}));
    EXPECT_FALSE(rig.relay.RecordsPending());
}

TEST(LinkRelayClientReceive, HeaderZeroStartsTheRingAfresh) {
    RelayRig rig;
    rig.WriteRing(40);
    rig.link.state = ls::kIdle;
    rig.relay.ClientSynchroniseStep(rig.link, rig.client);
    rig.WriteRing(0);  // the Server started anew
    rig.link.state = ls::kDone;
    rig.relay.ClientReceiveStep(rig.link, rig.client);
    EXPECT_FALSE(rig.link.TelegramReceived());
    EXPECT_EQ(rig.relay.LastSequence(), 0);
    rig.WriteRing(1);
    rig.relay.ClientReceiveStep(rig.link, rig.client);
    ASSERT_TRUE(rig.link.TelegramReceived());
    EXPECT_EQ(rig.link.receiveBuffer[2], 1);
    EXPECT_EQ(rig.link.receiveLength, 3);
}

// Each side's base directory and server directory are four distinct directories; every step
// touches the file of its own directory only.
struct FourDirectories {
    test::TempDir clientBase, clientServer, serverBase, serverServer;
    CountingDelay delay;
    PumpHook pump;
    RelaySettings client{RelayMode::Client, clientBase.path(), clientServer.path()};
    RelaySettings server{RelayMode::Server, serverBase.path(), serverServer.path()};

    FourDirectories() {
        for (const auto* dir : {&clientBase, &clientServer, &serverBase, &serverServer})
            EXPECT_TRUE(CreateRelayFiles(dir->path(), delay));
    }
    // The first record of `name` in each directory, in the order above.
    std::vector<TRelayRecord> FirstRecords(const char* name, int index = 0) const {
        std::vector<TRelayRecord> records;
        for (const auto* dir : {&clientBase, &clientServer, &serverBase, &serverServer}) {
            auto bytes = test::ReadBytes(*dir / name);
            TRelayRecord record{};
            std::memcpy(&record, bytes.data() + std::size_t(index) * sizeof record, sizeof record);
            records.push_back(record);
        }
        return records;
    }
    static std::vector<int> Markers(const std::vector<TRelayRecord>& records) {
        std::vector<int> markers;
        for (const auto& r : records) markers.push_back(r.Marker);
        return markers;
    }
};

TEST(LinkRelayDirectories, ClientSendsIntoItsServerDirectory) {
    FourDirectories dirs;
    Relay relay(dirs.delay, dirs.pump);
    LinkData link;
    link.length = 2;
    link.telegram.Address = 1;
    link.telegram.Command = 3;
    link.state = ls::kSendRequest;
    relay.ClientSendStep(link, dirs.client);
    EXPECT_EQ(link.result, LinkResult::TimedOut) << "placed; no Server took it";
    EXPECT_EQ(FourDirectories::Markers(dirs.FirstRecords(kRelaySendFileName)), (std::vector<int>{0, 1, 0, 0}));
}

TEST(LinkRelayDirectories, ServerTakesRequestsFromItsBaseDirectory) {
    FourDirectories dirs;
    for (const auto* dir : {&dirs.clientBase, &dirs.clientServer, &dirs.serverServer})
        test::WriteBytes(*dir / kRelaySendFileName, std::vector<std::uint8_t>{1, 2, 9, 9});
    std::vector<std::uint8_t> request(sizeof(TRelayRecord), 0);
    request[0] = 1;
    request[1] = 2;
    request[2] = 1;
    request[3] = 3;
    test::WriteBytes(dirs.serverBase / kRelaySendFileName, request);
    Relay relay(dirs.delay, dirs.pump);
    LinkData link;
    link.state = ls::kDone;
    relay.ServerPickUpStep(link, dirs.server);
    EXPECT_EQ(int(link.state), int(ls::kSendRequest));
    EXPECT_EQ(link.telegram.Command, 3);
    relay.ServerReleaseStep(dirs.server);
    EXPECT_EQ(test::ReadBytes(dirs.serverBase / kRelaySendFileName)[0], 0) << "taken";
    EXPECT_EQ(test::ReadBytes(dirs.clientServer / kRelaySendFileName)[0], 1) << "not touched";
}

TEST(LinkRelayDirectories, ServerForwardsIntoItsServerDirectory) {
    FourDirectories dirs;
    Relay relay(dirs.delay, dirs.pump);
    LinkData link;
    link.receiveBuffer[0] = 1;
    link.receiveBuffer[1] = 5;
    link.receiveLength = 2;
    relay.ServerForwardStep(link, dirs.server);
    EXPECT_EQ(FourDirectories::Markers(dirs.FirstRecords(kRelayReceiveFileName)), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(dirs.FirstRecords(kRelayReceiveFileName, 1)[3].Bytes[1], 5);
}

TEST(LinkRelayDirectories, ServerWithoutServerDirectoryForwardsIntoItsBaseDirectory) {
    FourDirectories dirs;
    Relay relay(dirs.delay, dirs.pump);
    LinkData link;
    link.receiveLength = 2;
    relay.ServerForwardStep(link, RelaySettings{RelayMode::Server, dirs.serverBase.path(), {}});
    EXPECT_EQ(FourDirectories::Markers(dirs.FirstRecords(kRelayReceiveFileName)), (std::vector<int>{0, 0, 1, 0}));
}

TEST(LinkRelayDirectories, ClientReadsTheRingOfItsBaseDirectory) {
    FourDirectories dirs;
    // A ring with three new telegrams in the Client's base directory, one elsewhere.
    auto ring = [](int last, std::uint8_t tag) {
        std::vector<std::uint8_t> bytes(kRelayReceiveRecords * sizeof(TRelayRecord), 0);
        bytes[0] = std::uint8_t(last);
        for (int n = 1; n <= last; ++n) {
            std::size_t at = std::size_t(n) * sizeof(TRelayRecord);
            bytes[at] = std::uint8_t(n);
            bytes[at + 1] = 3;
            bytes[at + 2] = 1;
            bytes[at + 3] = tag;
            bytes[at + 4] = std::uint8_t(n);
        }
        return bytes;
    };
    Relay relay(dirs.delay, dirs.pump);
    LinkData link;
    link.state = ls::kIdle;
    relay.ClientSynchroniseStep(link, dirs.client);
    ASSERT_EQ(int(link.state), int(ls::kDone));
    for (const auto* dir : {&dirs.clientServer, &dirs.serverBase, &dirs.serverServer})
        test::WriteBytes(*dir / kRelayReceiveFileName, ring(1, 0xEE));
    test::WriteBytes(dirs.clientBase / kRelayReceiveFileName, ring(3, 0x42));
    std::vector<int> read;
    for (int i = 0; i < 5; ++i) {
        link.state = ls::kDone;
        relay.ClientReceiveStep(link, dirs.client);
        if (link.TelegramReceived()) {
            EXPECT_EQ(link.receiveBuffer[1], 0x42);
            read.push_back(link.receiveBuffer[2]);
        }
    }
    EXPECT_EQ(read, (std::vector<int>{1, 2, 3}));
}

TEST(LinkRelayClientReceive, AbortWhileDoneIsReported) {
    RelayRig rig;
    rig.link.state = ls::kDone;
    rig.link.abortRequested = true;
    rig.relay.ClientReceiveStep(rig.link, rig.client);
    EXPECT_EQ(rig.link.result, LinkResult::Aborted);
}

}  // namespace
}  // namespace ovis
