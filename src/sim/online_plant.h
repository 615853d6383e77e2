#pragma once
// The Interface's online mode: after command 7 it answers with the levels of messages 1 to N
// (reply 7) and then reports every level change (reply 6, or every K-th as reply 12); command 20
// asks for all levels (reply 20) or switches one message. The last 16 changes and the levels of
// all messages are kept in area 1 for the visualisation's event list and relay states. Level changes come from a replayed
// events file or from a random plant. While online, the counters count once per second.
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <vector>

#include "link/visu_memory.h"
#include "sim/interface_simulator.h"
#include "sim/memory_card.h"

namespace ovis::sim {

struct OnlineOptions {
    double plantRate = 0;         // random level changes per second (0: none)
    unsigned seed = 1;
    int reply12Every = 0;         // every K-th change goes out as a reply-12 item (0: never)
    int plantMessages = 0;        // the plant changes messages 1 to this (0: 1 to N)
    std::vector<CardEvent> events;  // replayed from one second after command 7 on
};

class OnlinePlant {
public:
    static constexpr std::size_t kItemsPerTelegram = 32;
    static constexpr int kMaxMessages = 1023;

    explicit OnlinePlant(OnlineOptions options);

    // Installs the handlers of commands 7 and 20 on `simulator`.
    void Install(InterfaceSimulator& simulator);
    // Runs online mode up to `now`: the due changes are queued, the counters count.
    void Advance(InterfaceSimulator& simulator, Micros now);

    // Switches a message as command 20 does and reports it at once.
    void Switch(InterfaceSimulator& simulator, int message, bool high) {
        if (Change(message, high)) Flush(simulator);
    }

    bool Online() const { return online_; }
    bool Level(int message) const;
    int ChangesSent() const { return changes_; }
    // Reported changes not yet handed to the simulator.
    std::size_t Backlog() const { return pending6_.size() / 4 + pending12_.size() / 3; }

private:
    void StartOnline(InterfaceSimulator& simulator, int messageCount);
    void QueueLevels(InterfaceSimulator& simulator, std::uint8_t reply) const;
    // Sets a level and queues its report; false when the message is outside 1..1023.
    bool Change(int message, bool high);
    void Flush(InterfaceSimulator& simulator);
    // Writes the event list and the relay states; changes not yet listed take the Interface clock.
    void WriteVisuMemory(InterfaceSimulator& simulator);
    // Copies counter records that a configuration (re)wrote from area 3 to area 1; gives the
    // message numbers of the configured counters.
    std::vector<int> SyncCounters(InterfaceSimulator& simulator);
    void CountOnce(InterfaceSimulator& simulator, const std::vector<int>& counters);

    OnlineOptions options_;
    std::mt19937 random_;
    bool online_ = false;
    bool started_ = false;  // the start time is taken at the first Advance after command 7
    Micros start_{0};
    Micros lastCount_{0};
    double plantDue_ = 0;   // changes owed by the plant
    Micros plantFrom_{0};
    std::size_t nextEvent_ = 0;
    int messageCount_ = 0;
    std::vector<bool> levels_;
    int changes_ = 0;
    std::vector<std::uint8_t> pending6_, pending12_;
    std::deque<VisuEventEntry> recent_;  // oldest first; year 0 until the clock stamped it
    std::vector<std::vector<std::uint8_t>> counterRecords_;  // as configured, per counter
};

// The number of I/O, LED and counter messages from the table directory of a configuration in
// area 3: {n_IO + n_LED, n_CNT}.
struct ConfiguredCounts {
    int online = 0;
    int counters = 0;
};
ConfiguredCounts ReadConfiguredCounts(const SimMemory& memory);

}  // namespace ovis::sim
