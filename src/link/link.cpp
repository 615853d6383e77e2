#include "link/link.h"

#include <algorithm>
#include <cstring>

#include "link/transition_table.h"

namespace ovis {
namespace ls = link_state;

namespace {

// A pass goes on while no telegram was received and the state is not Done-like (bit 1 set,
// bit 0 clear).
bool PassGoesOn(std::uint8_t state) {
    const int phase = state & 0x43;
    return phase == 0 || phase == 1 || phase == 3;
}

}  // namespace

Link::Link(Rs232Port& port, Dialogs& dialogs, Pump& pump, Delay& delay, std::function<RelaySettings()> relaySettings,
           LinkTuning tuning)
    : port_(port),
      dialogs_(dialogs),
      pump_(pump),
      delay_(delay),
      relaySettings_(std::move(relaySettings)),
      tuning_(tuning),
      relay_(delay, pump) {}

void Link::Prepare(std::uint8_t address, std::uint8_t command, std::span<const std::uint8_t> payload) {
    data_.telegram.Address = address;
    data_.telegram.Command = command;
    std::size_t n = std::min(payload.size(), data_.telegram.Payload.size());
    std::copy_n(payload.begin(), n, data_.telegram.Payload.begin());
    data_.length = int(2 + n);
}

std::uint8_t Link::FrameAt(int position) const {
    return position >= 1 && position <= frame_.length ? frame_.chars[std::size_t(position)] : 0;
}

void Link::Store(std::uint8_t character) {
    if (receiveIndex_ >= 1 && receiveIndex_ <= kFrameCapacity) charBuffer_[std::size_t(receiveIndex_)] = character;
}

void Link::Apply(std::uint8_t character) {
    std::uint8_t& s = data_.state;
    if ((s & 0x9F) == ls::kAwaitingConfirm && character == line_char::kConfirm) frameConfirmed_ = true;
    for (const PassStep& step : TransitionFor(s, character)) {
        switch (step.op) {
            case PassOp::None: break;
            case PassOp::AndOr: s = std::uint8_t((s & step.a) | step.b); break;
            case PassOp::Xor: s = std::uint8_t(s ^ step.a); break;
            case PassOp::Or: s = std::uint8_t(s | step.a); break;
            case PassOp::AndNot: s = std::uint8_t(s & ~step.a); break;
            case PassOp::Send: Send(step.a); break;
            case PassOp::Echo: Send(character); break;
            case PassOp::StartReceive:
                s = std::uint8_t((s | 0x15) & ~0x08);
                charBuffer_[1] = line_char::kStart;
                receiveIndex_ = 2;
                Send(line_char::kStart);
                echoPointer_ = 2;
                break;
            case PassOp::RestartSend: RestartSend(); break;
            case PassOp::BeginVerify:
                charBuffer_[1] = line_char::kStart;
                receiveIndex_ = 2;
                break;
            case PassOp::StoreSending:
                Store(character);
                ++receiveIndex_;
                if (receiveIndex_ > frame_.length) {
                    receiveIndex_ = 2;
                    RestartSend();
                }
                break;
            case PassOp::StoreReceiving:
                Store(character);
                if (receiveIndex_ < kFrameCapacity) ++receiveIndex_;
                Send(charBuffer_[std::size_t(echoPointer_)]);
                if (echoPointer_ < kFrameCapacity) ++echoPointer_;
                break;
            case PassOp::EndReceive:
                Store(line_char::kEnd);
                for (int i = echoPointer_; i <= receiveIndex_ && i <= kFrameCapacity; ++i) Send(charBuffer_[std::size_t(i)]);
                break;
            case PassOp::VerifyChar:
                Store(character);
                if (character != FrameAt(receiveIndex_)) {
                    s ^= 4;
                    RestartSend();
                }
                if (receiveIndex_ <= kFrameCapacity) ++receiveIndex_;
                break;
            case PassOp::VerifyEnd:
                if (FrameAt(receiveIndex_) == line_char::kEnd) {
                    s ^= 0x18;
                    Store(line_char::kEnd);
                    Send(line_char::kConfirm);
                } else {
                    s ^= 4;
                    RestartSend();
                }
                break;
            case PassOp::Decode: data_.receiveLength = DecodeFrame(charBuffer_, data_.receiveBuffer); break;
            case PassOp::Encode: Encode(); break;
        }
    }
}

void Link::SerialPass() {
    data_.result = LinkResult::Ok;
    receiveIndex_ = 1;
    echoPointer_ = 1;
    sendPointer_ = 0;

    std::uint8_t& s = data_.state;
    if (s == ls::kResyncRequest) {
        s = ls::kResync;
        Send(line_char::kStart);
        Send(line_char::kNothing);
    }
    if ((s & 0x82) == 0x82) {
        frameConfirmed_ = false;
        Encode();
        s ^= 0x91;
        Send(line_char::kCall);
        Send(line_char::kStart);
        sendPointer_ = 2;
    }
    if ((s & 0x0F) == 1) Send(line_char::kConfirm);
    if (s == ls::kIdle) Send(line_char::kCall);

    const auto deadline = std::chrono::steady_clock::now() + tuning_.passTimeout;
    int steps = 0;
    do {
        ++steps;
        // A step sleeps until a character arrives unless frame characters are still to go out:
        // the frame leaves at the speed of the line, and a silent line ends the pass on time.
        if (sendPointer_ == 0) {
            const auto left = std::chrono::ceil<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
            const auto wait = std::clamp(left, std::chrono::microseconds(0), tuning_.stepWait);
            if (port_.PortIsOpen())
                port_.WaitForInput(wait);
            else
                delay_.Pause(wait);
        }
        if (port_.ReadByte(lastChar_)) Apply(lastChar_);
        if (sendPointer_ != 0) {
            Send(FrameAt(sendPointer_));
            if (++sendPointer_ > frame_.length) sendPointer_ = 0;
        }
        if (steps >= tuning_.stepsPerPass || std::chrono::steady_clock::now() >= deadline)
            data_.result = LinkResult::TimedOut;
        pump_.ProcessPendingMessages();
        if (data_.abortRequested) data_.result = LinkResult::Aborted;
    } while (PassGoesOn(s) && data_.result == LinkResult::Ok);
    if (s == ls::kDone && data_.abortRequested) data_.result = LinkResult::Aborted;
}

void Link::Exchange() {
    data_.result = LinkResult::Ok;
    const RelaySettings settings = relaySettings_();
    const bool client = settings.mode == RelayMode::Client;
    if (!client) SerialPass();
    if (client && data_.state == ls::kDone) relay_.ClientReceiveStep(data_, settings);
    if (client && data_.state == ls::kIdle) relay_.ClientSynchroniseStep(data_, settings);
    if (client && data_.state == ls::kSendRequest) {
        relay_.ClientSendStep(data_, settings);
        frameConfirmed_ = data_.result == LinkResult::Ok && data_.state != ls::kSendRequest;
    }
    if (settings.mode == RelayMode::Server && data_.state == ls::kDone) SendRelayedTelegram(settings);
    if (settings.mode == RelayMode::Server && data_.TelegramReceived()) relay_.ServerForwardStep(data_, settings);
}

void Link::SendRelayedTelegram(const RelaySettings& settings) {
    const TTelegram ownTelegram = data_.telegram;
    const int ownLength = data_.length;
    const LinkResult ownResult = data_.result;
    const bool ownConfirmed = frameConfirmed_;
    relay_.ServerPickUpStep(data_, settings);
    if (data_.state != ls::kSendRequest) return;
    // One pass per exchange: the request stays in COMTD.DAT until the Interface confirmed it,
    // and a later exchange sends it again, while the Client waits for its slot to be freed.
    SerialPass();
    if (frameConfirmed_) relay_.ServerReleaseStep(settings);
    // The Server's own conversation ended before the request was taken; its caller sees that
    // outcome.
    if (data_.result == LinkResult::TimedOut) {
        data_.state = ls::kDone;
        data_.result = ownResult;
    }
    data_.telegram = ownTelegram;
    data_.length = ownLength;
    frameConfirmed_ = ownConfirmed;
}

void Link::SendTelegram() {
    data_.state = ls::kSendRequest;
    Exchange();
    for (int repetition = 0; repetition < kSendRepetitions && data_.result == LinkResult::TimedOut; ++repetition) {
        data_.state = ls::kSendRequest;
        Exchange();
    }
    if (data_.result == LinkResult::TimedOut) dialogs_.Warning(kInterfaceNotRespondingText);
}

void Link::FinishExchange() {
    if (data_.state != ls::kAcknowledging) data_.state = ls::kIdle;
    int timeouts = 0;
    for (;;) {
        Exchange();
        data_.ClearTelegramReceived();
        if (data_.result == LinkResult::TimedOut) ++timeouts;
        if (data_.state == ls::kDone || data_.result == LinkResult::Aborted || timeouts >= kFinishTimeouts) break;
    }
    if (timeouts >= kFinishTimeouts) {
        dialogs_.Warning(kRingOpenText);
        data_.result = LinkResult::Aborted;
    }
}

void Link::AwaitReply(std::initializer_list<std::uint8_t> accepted) {
    AwaitTelegram(accepted);
    EndReplies();
}

void Link::AwaitTelegram(std::initializer_list<std::uint8_t> accepted, bool pauseAfterTelegram) {
    auto isAccepted = [&](std::uint8_t command) {
        return std::find(accepted.begin(), accepted.end(), command) != accepted.end();
    };
    for (;;) {
        Exchange();
        if (data_.result == LinkResult::TimedOut) data_.state = ls::kIdle;
        if (pauseAfterTelegram || !data_.TelegramReceived()) delay_.WaitMs(10);
        if (data_.TelegramReceived() || data_.result == LinkResult::Aborted) {
            data_.ClearTelegramReceived();
            if (data_.result == LinkResult::Aborted || isAccepted(data_.receiveBuffer[1])) break;
        }
    }
}

void Link::EndReplies() {
    if (relaySettings_().mode == RelayMode::Client) {
        while (relay_.RecordsPending() && data_.result == LinkResult::Ok) {
            Exchange();
            delay_.WaitMs(10);
            data_.ClearTelegramReceived();
        }
    }
    if (data_.result == LinkResult::Ok) FinishExchange();
}

}  // namespace ovis
