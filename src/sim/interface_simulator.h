#pragma once
// The Interface's side of the serial conversations, without any I/O: characters in, characters
// out, and the quiet time of the line. The conversation is a rule table; the commands are
// handlers keyed by command code, so that further commands and unsolicited telegrams (online
// events) can be added without touching the conversation.
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "link/frame_code.h"
#include "sim/sim_memory.h"

namespace ovis::sim {

using Micros = std::chrono::microseconds;

struct SimulatorOptions {
    int address = 1;                 // the Interface number
    bool silent = false;             // hears everything, answers nothing
    double garbleProbability = 0.0;  // chance of garbling each echoed character
    unsigned seed = 1;               // of the garbling
    int freezeAfter = 0;             // hears nothing more once this many telegrams were taken and closed (0: never)
    // How long a lone "#" must stay alone before it counts as a call (the PC sends "#&" when it
    // has a telegram; a busy PC may be held up between the two), and how long a call of the
    // simulator waits before it is repeated.
    Micros callGap{20000};
    Micros recallInterval{100000};
};

struct SimTelegram {
    std::uint8_t address = 0;
    std::uint8_t command = 0;
    std::vector<std::uint8_t> payload;

    std::vector<std::uint8_t> Bytes() const;
    static SimTelegram FromBytes(const std::vector<std::uint8_t>& bytes);
};

struct ReceivedTelegram {
    SimTelegram telegram;
    bool executed = false;  // addressed to this Interface (or to all) and handled
};

enum class SimState : std::uint8_t {
    Listening,    // nothing going on
    CallSeen,     // the PC sent "#": a frame ("&") or a call (quiet) follows
    Receiving,    // the PC sends a frame; every character is echoed
    FrameEchoed,  // ")" was echoed; waiting for the PC's "*"
    Confirmed,    // "*" sent; waiting for the PC's ","
    Calling,      // the simulator called "#"; waiting for the PC's "#"
    Answered,     // the PC answered "#"; its "%" follows
    Sending,      // the simulator's frame is out; its echo is checked
    FrameSent,    // the echo was right and "*" sent; waiting for the PC's "*"
    NothingSent,  // "%" sent; waiting for the PC's ","
};

enum class SimInput : std::uint8_t { Data, Call, Nothing, Start, End, Confirm, Close, Quiet };

enum class SimAction : std::uint8_t {
    Ignore,
    StartFrame,        // echo "&", begin the frame
    EchoChar,          // echo and keep the character
    EndFrame,          // echo and keep ")"
    ConfirmFrame,      // take the telegram, send "*"
    RepeatConfirm,     // send "*" again
    CloseBack,         // send ","; then call when a telegram waits
    SendNextOrNothing, // the next waiting telegram's frame, or "%"
    RepeatNothing,     // send "%" again
    CheckEcho,         // compare the echo with the own frame; resend on a difference
    AcknowledgeSent,   // the PC took the telegram: drop it, then the next or "%"
    DropSentAndClose,  // the PC closed: drop the telegram, send ","
    CallAgain,         // send "#" again
    CallWhenWaiting,   // call when an own telegram waits
    AbortToListening,
};

struct SimRule {
    SimState state;
    SimInput input;
    SimAction action;
    SimState next;  // the state after the action, unless the action chooses it
};

// The conversation table.
const std::vector<SimRule>& ConversationRules();

class InterfaceSimulator;

// Handles a telegram addressed to the simulator; may queue replies.
using CommandHandler = std::function<void(const SimTelegram& telegram, InterfaceSimulator& simulator)>;

class InterfaceSimulator {
public:
    explicit InterfaceSimulator(SimulatorOptions options = {});

    // A character arrived at `now`; the characters to send are appended to `out`.
    void Receive(std::uint8_t character, Micros now, std::string& out);
    // The line is quiet at `now`; may answer a call or call again.
    void Tick(Micros now, std::string& out);
    // When the next Tick can do something; nothing while no quiet rule applies.
    std::optional<Micros> NextDeadline() const;

    // Queues an own telegram; the simulator calls the PC when the line is free.
    void Queue(const SimTelegram& telegram);
    void SetHandler(std::uint8_t command, CommandHandler handler) { handlers_[command] = std::move(handler); }

    SimMemory& Memory() { return memory_; }
    const SimMemory& Memory() const { return memory_; }
    const std::vector<ReceivedTelegram>& Received() const { return received_; }
    const SimulatorOptions& Options() const { return options_; }
    SimState State() const { return state_; }
    std::size_t WaitingTelegrams() const { return outgoing_.size(); }
    int GarbledEchoes() const { return garbled_; }
    bool Frozen() const { return frozen_; }

private:
    static SimInput InputOf(std::uint8_t character);
    void Apply(const SimRule& rule, std::uint8_t character, Micros now, std::string& out);
    void Send(std::uint8_t character, std::string& out);
    void Echo(std::uint8_t character, std::string& out);
    void SendNextOrNothing(std::string& out);
    void SendFrame(std::string& out);
    void CallIfWaiting(std::string& out);
    void TakeTelegram();

    SimulatorOptions options_;
    SimState state_ = SimState::Listening;
    Micros lastActivity_{0};
    std::string incoming_;        // the PC's frame so far, from "&"
    std::string frame_;           // the own frame being sent
    std::size_t echoIndex_ = 0;   // next character of frame_ whose echo is expected
    std::deque<SimTelegram> outgoing_;
    std::map<std::uint8_t, CommandHandler> handlers_;
    std::vector<ReceivedTelegram> received_;
    SimMemory memory_;
    std::mt19937 random_;
    int garbled_ = 0;
    bool frozen_ = false;
};

// The handlers of the commands every Interface answers: memory write (4) and memory read (5).
void InstallStandardHandlers(InterfaceSimulator& simulator);

}  // namespace ovis::sim
