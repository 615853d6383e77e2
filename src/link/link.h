#pragma once
// The telegram exchange: serial passes over the character state machine, the relay steps, and
// the calls every Interface conversation uses (SendTelegram, AwaitReply, FinishExchange).
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>

#include "link/delay.h"
#include "link/frame_code.h"
#include "link/link_data.h"
#include "link/relay.h"
#include "link/rs232_port.h"
#include "platform/dialogs.h"
#include "platform/pump.h"

namespace ovis {

inline constexpr std::uint8_t kEscapeKey = 27;
inline constexpr const char* kInterfaceNotRespondingText = "Das Interface reagiert nicht!!!";
// Ten blanks, the ring text, an empty line and the explanation.
inline constexpr const char* kRingOpenText =
    "          Die Ringleitung ist offen oder unterbrochen!!!\r\r"
    "Zwischen Interface und PC erfolgt keine Datenübermittlung.";

struct LinkTuning {
    int stepsPerPass = 20000;                     // 200 polls times 100 cycles
    // A step sleeps until a character arrives, but at most this long, so that window messages
    // are processed in between, and never beyond the end of the pass.
    std::chrono::microseconds stepWait{10000};
    std::chrono::milliseconds passTimeout{1000};  // wall-clock bound of a pass
};

class Link {
public:
    static constexpr int kSendRepetitions = 10;
    static constexpr int kFinishTimeouts = 10;

    Link(Rs232Port& port, Dialogs& dialogs, Pump& pump, Delay& delay, std::function<RelaySettings()> relaySettings,
         LinkTuning tuning = {});

    LinkData& Data() { return data_; }
    const LinkData& Data() const { return data_; }
    std::uint8_t State() const { return data_.state; }
    void SetState(std::uint8_t state) { data_.state = state; }
    LinkResult Result() const { return data_.result; }
    void SetResult(LinkResult result) { data_.result = result; }
    bool AbortRequested() const { return data_.abortRequested; }
    void RequestAbort() { data_.abortRequested = true; }
    void ClearAbort() { data_.abortRequested = false; }
    // "Abbrechen" of a progress window: aborts the exchange and stops a running video replay.
    void Cancel() {
        RequestAbort();
        data_.replayStopKey = kEscapeKey;
    }
    bool ReplayStopRequested() const { return data_.replayStopKey == kEscapeKey; }
    void ClearReplayStop() { data_.replayStopKey = 0; }

    // Fills the telegram: address, command and payload; Length = 2 + payload size (at most 130).
    void Prepare(std::uint8_t address, std::uint8_t command, std::span<const std::uint8_t> payload = {});
    void Prepare(std::uint8_t address, std::uint8_t command, std::initializer_list<std::uint8_t> payload) {
        Prepare(address, command, std::span<const std::uint8_t>(payload.begin(), payload.size()));
    }

    // One run of the character loop.
    void SerialPass();
    // One serial pass (unless Client) followed by the relay steps.
    void Exchange();
    // Sends the prepared telegram, up to 11 attempts; then "Das Interface reagiert nicht!!!".
    void SendTelegram();
    // Whether the Interface confirmed ("*") the frame of the last pass that sent one: it took
    // the telegram, even when the closing "," did not come. A Client: whether the Server freed
    // the slot of the last request, which it does once the Interface confirmed it.
    bool FrameConfirmed() const { return frameConfirmed_; }
    // Completes or opens a conversation; after ten time-outs the ring warning and Aborted.
    void FinishExchange();
    // Waits for a telegram whose command is in `accepted`, then finishes the conversation.
    void AwaitReply(std::initializer_list<std::uint8_t> accepted);
    // The two halves of AwaitReply, for conversations of several replies: waiting for one
    // accepted telegram (no time limit; ends on an abort), and the Client's drain of the relay
    // followed by FinishExchange when Ok. Each pass is followed by a pause of 10 ms; without
    // `pauseAfterTelegram`, a pass that brought a telegram is not (a stream of replies).
    void AwaitTelegram(std::initializer_list<std::uint8_t> accepted, bool pauseAfterTelegram = true);
    void EndReplies();
    // A pause of at least n milliseconds without processing window messages.
    void WaitMs(int milliseconds) { delay_.WaitMs(milliseconds); }

    Relay& RelayFiles() { return relay_; }
    const Frame& FrameBuffer() const { return frame_; }
    Rs232Port& Port() { return port_; }
    Pump& MessagePump() { return pump_; }
    Dialogs& Boxes() { return dialogs_; }

private:
    void Send(std::uint8_t character) { port_.WriteByte(character); }
    void Apply(std::uint8_t character);
    void Encode() { frame_ = EncodeFrame(data_.TelegramBytes()); }
    void RestartSend() { sendPointer_ = 1; }
    void Store(std::uint8_t character);
    std::uint8_t FrameAt(int position) const;
    // Server: sends a telegram a Client relayed (one pass, no box) and frees its slot once the
    // Interface confirmed it; the own telegram of the Server's caller is kept.
    void SendRelayedTelegram(const RelaySettings& settings);

    Rs232Port& port_;
    Dialogs& dialogs_;
    Pump& pump_;
    Delay& delay_;
    std::function<RelaySettings()> relaySettings_;
    LinkTuning tuning_;
    LinkData data_;
    Relay relay_;
    Frame frame_;
    std::uint8_t lastChar_ = 0;  // kept between reads: a pending line error repeats it
    bool frameConfirmed_ = false;

    // Per pass
    std::array<std::uint8_t, kFrameCapacity + 1> charBuffer_{};
    int receiveIndex_ = 1;
    int echoPointer_ = 1;
    int sendPointer_ = 0;
};

}  // namespace ovis
