#pragma once
// The LED display simulation: plays the messages of an LED table the way the display moves them.
// A caller drives it with passes at the times of a clock; `NextPassTime` says when the next pass
// can change anything, so that a timer-driven caller never needs to wait in a loop.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "led/led_sim_compose.h"
#include "led/led_sim_message.h"
#include "project/led_table.h"

namespace ovis {

inline constexpr std::uint8_t kStopSimulation = 10;

class LedSimulation {
public:
    // The table is read at every pass; the simulation never changes it.
    explicit LedSimulation(const LedTable& table) : table_(table) {}

    // Start values of every message, the first due times, `StopCommand` 0; the first pass follows.
    void Start(SimTime now);
    // `StopCommand` := 10; a running simulation ends before its next pass.
    void Stop() { stopCommand_ = kStopSimulation; }
    bool Running() const { return stopCommand_ != kStopSimulation; }
    std::uint8_t StopCommand() const { return stopCommand_; }

    // One pass of the loop at `now`: the message pass when due, then composing when the 50 ms
    // slot changed and a frame changed since the last composing. Passes may be sparse: the frames
    // are those of a pass every millisecond as long as passes come at the times `NextPassTime`
    // names. True when it composed.
    bool Pass(SimTime now);
    // The earliest time after `now` at which a pass steps a message or composes a changed frame;
    // nothing when stopped or when no pass will change anything.
    std::optional<SimTime> NextPassTime(SimTime now) const;

    const ComposedDisplay& Display() const { return display_; }
    // The display buffer with no lit LED.
    void ClearDisplay() { display_.fill(DisplayColumn{}); }
    std::span<const SimMessage> Messages() const { return states_; }

private:
    void MessagePass(SimTime now);
    // Composes when a frame changed since the last composing; the slot counts as drawn.
    bool ComposeInSlot(SimTime slot);
    void MatchTableSize();

    const LedTable& table_;
    std::vector<SimMessage> states_;
    ComposedDisplay display_{};
    std::uint8_t stopCommand_ = kStopSimulation;
    SimTime firstDue_ = 0;
    bool firstPass_ = false;
    bool waiting_ = false;  // after the first pass until the time is later than `firstDue_`
    bool frameChanged_ = false;
    std::optional<SimTime> lastDrawSlot_;
};

}  // namespace ovis
