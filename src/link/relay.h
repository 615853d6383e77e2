#pragma once
// The relay through the shared files COMTD.DAT and COMRD.DAT: a Client PC sends its telegrams
// through the Server PC that owns the serial line, and reads the telegrams the Server received.
#include <filesystem>
#include <optional>

#include "project/parameter_record.h"
#include "link/delay.h"
#include "link/link_data.h"
#include "link/relay_file.h"
#include "platform/pump.h"

namespace ovis {

class SystemParameters;

// Where the relay files are: a Client writes COMTD.DAT into its server directory and reads
// COMRD.DAT in its base directory; a Server takes COMTD.DAT from its base directory and writes
// COMRD.DAT into its server directory (its base directory when none is set).
struct RelaySettings {
    RelayMode mode = RelayMode::None;
    std::filesystem::path baseDirectory;    // this PC's base directory
    std::filesystem::path serverDirectory;  // ServerDirectory of the system parameters
};

// The relay settings of the system parameters; the server directory text (code page 1252,
// backslashes as separators) becomes a path of this platform.
RelaySettings RelaySettingsFrom(const SystemParameters& parameters, const std::filesystem::path& baseDirectory);

// The relay files a Server creates at start-up in its base directory: COMTD.DAT with one free
// record, COMRD.DAT with 256 records of zeros, COMOVL.DAT with one 200-byte record of zeros and,
// when missing, an empty COMINFO.DAT. False when a file could not be created.
bool CreateRelayFiles(const std::filesystem::path& baseDirectory, Delay& delay);

class Relay {
public:
    Relay(Delay& delay, Pump& pump) : delay_(delay), pump_(pump), receiveFile_(delay) {}

    // Client: reads the next relayed telegram of COMRD.DAT in the base directory, if any, while
    // the link is Done.
    void ClientReceiveStep(LinkData& link, const RelaySettings& settings);
    // Client: skips every telegram relayed so far; the link becomes Done.
    void ClientSynchroniseStep(LinkData& link, const RelaySettings& settings);
    // Client: places the telegram in the Server's COMTD.DAT once the slot is free, then waits
    // until the Server frees the slot, which it does once the Interface confirmed the telegram:
    // only then the result is Ok. A telegram placed and not yet freed is not placed again: a
    // repetition of the same telegram waits for it further, another telegram waits for the slot.
    void ClientSendStep(LinkData& link, const RelaySettings& settings);
    // Server: copies a Client's waiting telegram, to be sent by the next exchange; the request
    // stays in the slot until ServerReleaseStep, so a telegram that does not get through is sent
    // again by a later exchange.
    void ServerPickUpStep(LinkData& link, const RelaySettings& settings);
    // Server: the Interface confirmed the relayed telegram; frees the slot. When the slot cannot
    // be written, the next pick-up frees it instead of sending the telegram again.
    void ServerReleaseStep(const RelaySettings& settings);
    // Server: offers the telegram just received to the Client in the next ring record of
    // COMRD.DAT in the server directory.
    void ServerForwardStep(LinkData& link, const RelaySettings& settings);

    // Forgets the ring position and the pending records (start-up).
    void Reset();
    bool RecordsPending() const { return recordsPending_; }
    void ClearRecordsPending();
    int LastSequence() const { return lastSequence_; }

private:
    Delay& delay_;
    Pump& pump_;
    RelayFile receiveFile_;  // COMRD.DAT, kept open while records are pending (Client)
    int lastSequence_ = 0;    // Client: last record read; Server: last record written
    int targetSequence_ = 0;  // Client
    bool recordsPending_ = false;
    std::optional<TRelayRecord> placed_;  // Client: placed, the slot not yet freed
    bool releasePending_ = false;         // Server: delivered, the slot not yet freed
};

}  // namespace ovis
