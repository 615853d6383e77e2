#include "link/relay.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "project/system_parameters.h"
#include "records/codepage.h"
#include "records/io_error.h"
#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

constexpr RelayRetry kClientRetry{200, milliseconds(5)};
constexpr RelayRetry kClientSyncRetry{50, milliseconds(5)};
constexpr RelayRetry kServerRetry{100, milliseconds(10)};
constexpr int kClientSlotReReads = 20;
// About a second of 5 ms re-reads for the Server to deliver a placed request; SendTelegram's
// eleven attempts then wait about as long as eleven passes of the direct line.
constexpr int kClientTakenReReads = 200;
constexpr int kCreateAttempts = 100;

// A relay file of `dir`; an empty path (nothing to open) when no directory is set.
fs::path RelayPath(const fs::path& dir, const char* name) {
    return dir.empty() ? fs::path() : ResolveInDirectory(dir, name);
}

bool CreateWithRetries(const fs::path& path, const Bytes& bytes, Delay& delay) {
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        if (attempt > 0) delay.WaitMs(10);
        try {
            WriteFileAtomically(path, bytes);
            return true;
        } catch (const IoError&) {
        }
    }
    return false;
}

// The same telegram: length and bytes.
bool SameRequest(const TRelayRecord& a, const TRelayRecord& b) {
    return a.Length == b.Length && std::memcmp(a.Bytes, b.Bytes, a.Length) == 0;
}

}  // namespace

RelaySettings RelaySettingsFrom(const SystemParameters& parameters, const fs::path& baseDirectory) {
    std::string directory = ToUtf8(parameters.ServerDirectoryText());
    std::replace(directory.begin(), directory.end(), '\\', char(fs::path::preferred_separator));
    return {parameters.Relay(), baseDirectory, fs::path(directory)};
}

bool CreateRelayFiles(const fs::path& base, Delay& delay) {
    TRelayRecord free{};
    bool ok = CreateWithRetries(base / kRelaySendFileName, EncodeRecords(&free, 1), delay);
    ok = CreateWithRetries(base / kRelayReceiveFileName, Bytes(kRelayReceiveRecords * sizeof(TRelayRecord), 0),
                           delay) && ok;
    RelayFile check(delay);
    if (check.Open(base / kRelayReceiveFileName, kClientSyncRetry)) check.Close();
    ok = CreateWithRetries(base / kOverlayFileName, Bytes(kOverlayRecordSize, 0), delay) && ok;
    std::error_code ec;
    if (!fs::exists(ResolveInDirectory(base, kInfoFileName), ec))
        ok = CreateWithRetries(base / kInfoFileName, {}, delay) && ok;
    return ok;
}

void Relay::Reset() {
    ClearRecordsPending();
    lastSequence_ = 0;
    placed_.reset();
    releasePending_ = false;
}

void Relay::ClearRecordsPending() {
    receiveFile_.Close();
    recordsPending_ = false;
}

void Relay::ClientReceiveStep(LinkData& link, const RelaySettings& settings) {
    if (!recordsPending_) {
        delay_.WaitMs(5);
        if (receiveFile_.Open(RelayPath(settings.baseDirectory, kRelayReceiveFileName), kClientRetry)) {
            TRelayRecord header{};
            if (!receiveFile_.Read(0, header)) {
                receiveFile_.Close();
            } else {
                if (header.Marker == 0) lastSequence_ = 0;
                if (header.Marker == lastSequence_) {
                    receiveFile_.Close();
                } else {
                    targetSequence_ = header.Marker;
                    recordsPending_ = true;
                }
            }
        }
    }
    if (recordsPending_) {
        lastSequence_ = NextRelaySequence(lastSequence_);
        TRelayRecord record{};
        if (!receiveFile_.Read(lastSequence_, record)) {
            ClearRecordsPending();
        } else {
            link.receiveLength = std::min<int>(record.Length, kTelegramCapacity);
            std::memcpy(link.receiveBuffer.data(), record.Bytes, std::size_t(link.receiveLength));
            link.state = link_state::kTelegramReceived | link_state::kDone;
            if (lastSequence_ == targetSequence_) ClearRecordsPending();
        }
    }
    if (link.abortRequested && link.state == link_state::kDone) link.result = LinkResult::Aborted;
}

void Relay::ClientSynchroniseStep(LinkData& link, const RelaySettings& settings) {
    RelayFile file(delay_);
    if (file.Open(RelayPath(settings.baseDirectory, kRelayReceiveFileName), kClientSyncRetry)) {
        TRelayRecord header{};
        if (file.Read(0, header)) {
            lastSequence_ = header.Marker;
            link.state = link_state::kDone;
        }
    }
    if (link.abortRequested) link.result = LinkResult::Aborted;
}

void Relay::ClientSendStep(LinkData& link, const RelaySettings& settings) {
    const fs::path path = RelayPath(settings.serverDirectory, kRelaySendFileName);
    RelayFile file(delay_);
    if (!file.Open(path, kClientRetry)) return;  // stays a send request for the next exchange
    link.result = LinkResult::TimedOut;
    TRelayRecord request{};
    request.Marker = 1;
    request.Length = std::uint8_t(link.length);
    std::memcpy(request.Bytes, &link.telegram, std::size_t(link.length));
    const bool repeated = placed_ && SameRequest(*placed_, request);

    TRelayRecord slot{};
    bool read = file.Read(0, slot);
    // Re-reads the slot while it holds a request, at most `reReads` times.
    auto waitWhileOccupied = [&](int reReads) {
        for (int reRead = 0; read && slot.Marker == 1 && reRead < reReads && !link.abortRequested; ++reRead) {
            pump_.ProcessPendingMessages();
            file.Close();
            delay_.WaitMs(5);
            read = file.Open(path, kClientRetry) && file.Read(0, slot);
        }
    };
    if (!repeated) {
        waitWhileOccupied(kClientSlotReReads);
        if (read && slot.Marker == 0) {
            placed_.reset();  // an earlier request, if any, was taken
            // The telegram first, then the marker: the Server never takes a half-written request.
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(&request);
            if (file.Write(0, 1, {bytes + 1, sizeof request - 1}, kClientRetry) &&
                file.Write(0, 0, {&request.Marker, 1}, kClientRetry)) {
                placed_ = request;
                slot.Marker = 1;
            }
        }
    }
    if (placed_ && SameRequest(*placed_, request)) {
        waitWhileOccupied(kClientTakenReReads);
        if (read && slot.Marker == 0) {
            placed_.reset();
            link.result = LinkResult::Ok;
        }
    }
    link.state = link_state::kDone;
    file.Close();
    if (link.abortRequested) link.result = LinkResult::Aborted;
}

void Relay::ServerPickUpStep(LinkData& link, const RelaySettings& settings) {
    RelayFile file(delay_);
    if (file.Open(RelayPath(settings.baseDirectory, kRelaySendFileName), kServerRetry)) {
        TRelayRecord request{};
        if (file.Read(0, request)) {
            if (request.Marker != 1) {
                releasePending_ = false;
            } else if (releasePending_ || request.Length < 2 || request.Length > kTelegramCapacity) {
                // Delivered already, or without address and command it cannot be sent: freed
                // without sending.
                const std::uint8_t free = 0;
                if (file.Write(0, 0, {&free, 1}, kServerRetry)) releasePending_ = false;
            } else {
                link.length = request.Length;
                std::memcpy(&link.telegram, request.Bytes, request.Length);
                link.state = link_state::kSendRequest;
            }
        }
        file.Close();
    }
    delay_.WaitMs(10);
}

void Relay::ServerReleaseStep(const RelaySettings& settings) {
    releasePending_ = true;
    RelayFile file(delay_);
    const std::uint8_t free = 0;
    if (file.Open(RelayPath(settings.baseDirectory, kRelaySendFileName), kServerRetry) &&
        file.Write(0, 0, {&free, 1}, kServerRetry))
        releasePending_ = false;
}

void Relay::ServerForwardStep(LinkData& link, const RelaySettings& settings) {
    RelayFile file(delay_);
    // A Server without a server directory keeps the ring in its own base directory, where its
    // start-up created it.
    const fs::path& directory = settings.serverDirectory.empty() ? settings.baseDirectory : settings.serverDirectory;
    if (!file.Open(RelayPath(directory, kRelayReceiveFileName), kServerRetry)) return;
    const int sequence = NextRelaySequence(lastSequence_);
    TRelayRecord record{};
    record.Marker = std::uint8_t(sequence);
    record.Length = std::uint8_t(link.receiveLength);
    std::memcpy(record.Bytes, link.receiveBuffer.data(), std::size_t(link.receiveLength));
    // The record first, then the header that announces it: a Client never reads a record
    // whose number it has seen before it is complete.
    TRelayRecord header{};
    header.Marker = std::uint8_t(sequence);
    if (file.WriteRecord(sequence, record, kServerRetry) && file.WriteRecord(0, header, kServerRetry))
        lastSequence_ = sequence;
    file.Close();
}

}  // namespace ovis
