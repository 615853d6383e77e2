#include "sim/interface_simulator.h"

#include <algorithm>

#include "link/interface_commands.h"

namespace ovis::sim {
namespace {

using S = SimState;
using I = SimInput;
using A = SimAction;

// clang-format off
const std::vector<SimRule> kRules = {
    {S::Listening,   I::Call,    A::Ignore,            S::CallSeen},
    {S::Listening,   I::Start,   A::StartFrame,        S::Receiving},
    {S::Listening,   I::Confirm, A::SendNextOrNothing, S::Listening},
    {S::Listening,   I::Close,   A::CloseBack,         S::Listening},
    {S::Listening,   I::Quiet,   A::CallWhenWaiting,   S::Listening},

    {S::CallSeen,    I::Call,    A::Ignore,            S::CallSeen},
    {S::CallSeen,    I::Start,   A::StartFrame,        S::Receiving},
    {S::CallSeen,    I::Nothing, A::SendNextOrNothing, S::CallSeen},
    {S::CallSeen,    I::Quiet,   A::SendNextOrNothing, S::CallSeen},
    {S::CallSeen,    I::Close,   A::CloseBack,         S::Listening},
    {S::CallSeen,    I::Data,    A::AbortToListening,  S::Listening},
    {S::CallSeen,    I::End,     A::AbortToListening,  S::Listening},
    {S::CallSeen,    I::Confirm, A::AbortToListening,  S::Listening},

    {S::Receiving,   I::Data,    A::EchoChar,          S::Receiving},
    {S::Receiving,   I::End,     A::EndFrame,          S::FrameEchoed},
    {S::Receiving,   I::Start,   A::StartFrame,        S::Receiving},
    {S::Receiving,   I::Nothing, A::RepeatNothing,     S::NothingSent},   // "&%": resynchronise
    {S::Receiving,   I::Call,    A::Ignore,            S::CallSeen},
    {S::Receiving,   I::Confirm, A::AbortToListening,  S::Listening},
    {S::Receiving,   I::Close,   A::CloseBack,         S::Listening},

    {S::FrameEchoed, I::Confirm, A::ConfirmFrame,      S::Confirmed},
    {S::FrameEchoed, I::Start,   A::StartFrame,        S::Receiving},     // the PC sends again
    {S::FrameEchoed, I::Call,    A::Ignore,            S::CallSeen},
    {S::FrameEchoed, I::Close,   A::CloseBack,         S::Listening},

    {S::Confirmed,   I::Close,   A::CloseBack,         S::Listening},
    {S::Confirmed,   I::Confirm, A::RepeatConfirm,     S::Confirmed},
    {S::Confirmed,   I::Start,   A::StartFrame,        S::Receiving},
    {S::Confirmed,   I::Call,    A::Ignore,            S::CallSeen},

    {S::Calling,     I::Call,    A::Ignore,            S::Answered},
    {S::Calling,     I::Start,   A::StartFrame,        S::Receiving},
    {S::Calling,     I::Confirm, A::SendNextOrNothing, S::Calling},
    {S::Calling,     I::Close,   A::CloseBack,         S::Listening},
    {S::Calling,     I::Quiet,   A::CallAgain,         S::Calling},

    {S::Answered,    I::Nothing, A::SendNextOrNothing, S::Answered},
    {S::Answered,    I::Quiet,   A::SendNextOrNothing, S::Answered},
    {S::Answered,    I::Confirm, A::SendNextOrNothing, S::Answered},
    {S::Answered,    I::Call,    A::Ignore,            S::Answered},
    {S::Answered,    I::Start,   A::StartFrame,        S::Receiving},
    {S::Answered,    I::Close,   A::CloseBack,         S::Listening},

    {S::Sending,     I::Data,    A::CheckEcho,         S::Sending},
    {S::Sending,     I::End,     A::CheckEcho,         S::Sending},
    {S::Sending,     I::Start,   A::CheckEcho,         S::Sending},
    {S::Sending,     I::Call,    A::CheckEcho,         S::Sending},
    {S::Sending,     I::Nothing, A::CheckEcho,         S::Sending},
    {S::Sending,     I::Confirm, A::CheckEcho,         S::Sending},
    {S::Sending,     I::Close,   A::CheckEcho,         S::Sending},

    {S::FrameSent,   I::Confirm, A::AcknowledgeSent,   S::FrameSent},
    {S::FrameSent,   I::Close,   A::DropSentAndClose,  S::Listening},
    {S::FrameSent,   I::Call,    A::Ignore,            S::CallSeen},
    {S::FrameSent,   I::Start,   A::StartFrame,        S::Receiving},

    {S::NothingSent, I::Close,   A::CloseBack,         S::Listening},
    {S::NothingSent, I::Confirm, A::RepeatNothing,     S::NothingSent},
    {S::NothingSent, I::Call,    A::Ignore,            S::CallSeen},
    {S::NothingSent, I::Start,   A::StartFrame,        S::Receiving},
};
// clang-format on

const SimRule* FindRule(SimState state, SimInput input) {
    for (const auto& rule : kRules)
        if (rule.state == state && rule.input == input) return &rule;
    return nullptr;
}

}  // namespace

const std::vector<SimRule>& ConversationRules() { return kRules; }

std::vector<std::uint8_t> SimTelegram::Bytes() const {
    std::vector<std::uint8_t> bytes(2 + payload.size());
    bytes[0] = address;
    bytes[1] = command;
    std::copy(payload.begin(), payload.end(), bytes.begin() + 2);
    return bytes;
}

SimTelegram SimTelegram::FromBytes(const std::vector<std::uint8_t>& bytes) {
    SimTelegram telegram;
    if (bytes.size() >= 1) telegram.address = bytes[0];
    if (bytes.size() >= 2) telegram.command = bytes[1];
    if (bytes.size() > 2) telegram.payload.assign(bytes.begin() + 2, bytes.end());
    return telegram;
}

InterfaceSimulator::InterfaceSimulator(SimulatorOptions options) : options_(options), random_(options.seed) {}

SimInput InterfaceSimulator::InputOf(std::uint8_t character) {
    switch (character) {
        case line_char::kCall: return I::Call;
        case line_char::kNothing: return I::Nothing;
        case line_char::kStart: return I::Start;
        case line_char::kEnd: return I::End;
        case line_char::kConfirm: return I::Confirm;
        case line_char::kClose: return I::Close;
        default: return I::Data;
    }
}

void InterfaceSimulator::Receive(std::uint8_t character, Micros now, std::string& out) {
    lastActivity_ = now;
    if (options_.silent || frozen_) return;
    if (const SimRule* rule = FindRule(state_, InputOf(character))) Apply(*rule, character, now, out);
}

std::optional<Micros> InterfaceSimulator::NextDeadline() const {
    if (options_.silent || frozen_) return std::nullopt;
    switch (state_) {
        case S::CallSeen:
        case S::Answered: return lastActivity_ + options_.callGap;
        case S::Calling: return lastActivity_ + options_.recallInterval;
        case S::Listening:
            if (!outgoing_.empty()) return lastActivity_ + options_.callGap;
            return std::nullopt;
        default: return std::nullopt;
    }
}

void InterfaceSimulator::Tick(Micros now, std::string& out) {
    auto deadline = NextDeadline();
    if (!deadline || now < *deadline) return;
    if (const SimRule* rule = FindRule(state_, I::Quiet)) {
        lastActivity_ = now;
        Apply(*rule, 0, now, out);
    }
}

void InterfaceSimulator::Queue(const SimTelegram& telegram) { outgoing_.push_back(telegram); }

void InterfaceSimulator::Send(std::uint8_t character, std::string& out) { out += char(character); }

void InterfaceSimulator::Echo(std::uint8_t character, std::string& out) {
    if (options_.garbleProbability > 0 &&
        std::uniform_real_distribution<double>(0.0, 1.0)(random_) < options_.garbleProbability) {
        auto it = std::find(kNibbleChars.begin(), kNibbleChars.end(), character);
        std::size_t index = it == kNibbleChars.end() ? 0 : std::size_t(it - kNibbleChars.begin()) + 1;
        character = kNibbleChars[index % kNibbleChars.size()];
        ++garbled_;
    }
    Send(character, out);
}

void InterfaceSimulator::SendFrame(std::string& out) {
    frame_ = EncodeFrame(outgoing_.front().Bytes()).Text();
    echoIndex_ = 0;
    out += frame_;
    state_ = S::Sending;
}

void InterfaceSimulator::SendNextOrNothing(std::string& out) {
    if (!outgoing_.empty()) {
        SendFrame(out);
    } else {
        Send(line_char::kNothing, out);
        state_ = S::NothingSent;
    }
}

void InterfaceSimulator::CallIfWaiting(std::string& out) {
    if (outgoing_.empty()) return;
    Send(line_char::kCall, out);
    state_ = S::Calling;
}

void InterfaceSimulator::TakeTelegram() {
    std::vector<std::uint8_t> chars(1, 0);  // positions from 1 on
    chars.insert(chars.end(), incoming_.begin(), incoming_.end());
    std::array<std::uint8_t, kTelegramCapacity> bytes{};
    const int count = DecodeFrame(chars, bytes);
    if (count < 2) return;
    ReceivedTelegram received{SimTelegram::FromBytes({bytes.begin(), bytes.begin() + count}), false};
    const int address = received.telegram.address;
    if (address == options_.address || address == 0) {
        received.executed = true;
        auto handler = handlers_.find(received.telegram.command);
        if (handler != handlers_.end()) handler->second(received.telegram, *this);
    }
    received_.push_back(std::move(received));
}

void InterfaceSimulator::Apply(const SimRule& rule, std::uint8_t character, Micros, std::string& out) {
    state_ = rule.next;
    switch (rule.action) {
        case A::Ignore: break;
        case A::AbortToListening: break;
        case A::StartFrame:
            incoming_.assign(1, char(line_char::kStart));
            Echo(line_char::kStart, out);
            break;
        case A::EchoChar:
            if (incoming_.size() < std::size_t(kFrameCapacity)) incoming_ += char(character);
            Echo(character, out);
            break;
        case A::EndFrame:
            incoming_ += char(line_char::kEnd);
            Echo(line_char::kEnd, out);
            break;
        case A::ConfirmFrame:
            TakeTelegram();
            Send(line_char::kConfirm, out);
            break;
        case A::RepeatConfirm: Send(line_char::kConfirm, out); break;
        case A::CloseBack:
            Send(line_char::kClose, out);
            frozen_ = options_.freezeAfter > 0 && received_.size() >= std::size_t(options_.freezeAfter);
            if (!frozen_) CallIfWaiting(out);
            break;
        case A::SendNextOrNothing: SendNextOrNothing(out); break;
        case A::RepeatNothing: Send(line_char::kNothing, out); break;
        case A::CheckEcho:
            if (echoIndex_ == 0 && character != line_char::kStart && character != line_char::kCall) break;  // late echoes
            if (character == std::uint8_t(frame_[echoIndex_])) {
                if (++echoIndex_ == frame_.size()) {
                    Send(line_char::kConfirm, out);
                    state_ = S::FrameSent;
                }
            } else {
                echoIndex_ = 0;
                out += frame_;
            }
            break;
        case A::AcknowledgeSent:
            if (!outgoing_.empty()) outgoing_.pop_front();
            SendNextOrNothing(out);
            break;
        case A::DropSentAndClose:
            if (!outgoing_.empty()) outgoing_.pop_front();
            Send(line_char::kClose, out);
            CallIfWaiting(out);
            break;
        case A::CallAgain: Send(line_char::kCall, out); break;
        case A::CallWhenWaiting: CallIfWaiting(out); break;
    }
}

void InstallStandardHandlers(InterfaceSimulator& simulator) {
    simulator.SetHandler(command::kMemoryWrite, [](const SimTelegram& t, InterfaceSimulator& s) {
        if (t.payload.size() < 4) return;
        const auto address = std::uint16_t(t.payload[2] << 8 | t.payload[3]);
        s.Memory().Write(t.payload[0], address, {t.payload.data() + 4, t.payload.size() - 4});
    });
    simulator.SetHandler(command::kMemoryRead, [](const SimTelegram& t, InterfaceSimulator& s) {
        if (t.payload.size() < 5) return;
        const auto address = std::uint16_t(t.payload[2] << 8 | t.payload[3]);
        const std::size_t count = std::min<std::size_t>(t.payload[4], kTelegramCapacity - 2);
        s.Queue({std::uint8_t(s.Options().address), command::kMemoryRead, s.Memory().Read(t.payload[0], address, count)});
    });
}

}  // namespace ovis::sim
