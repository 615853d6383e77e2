#include "led/led_simulation.h"

#include <algorithm>

#include "led/led_sim_step.h"

namespace ovis {

void LedSimulation::MatchTableSize() {
    if (states_.size() != table_.Count()) states_.resize(table_.Count());
}

void LedSimulation::Start(SimTime now) {
    MatchTableSize();
    const auto rows = table_.Rows();
    firstDue_ = now;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SimMessage& state = states_[i];
        state.SimColour = kNoColour;
        state.SimColourIndex = 0;
        state.stepped = false;
        ResetSimPosition(rows[i], state);
        SetStartDue(rows[i], state, now);
        firstDue_ = i == 0 ? state.SimDue : std::min(firstDue_, state.SimDue);
    }
    stopCommand_ = 0;
    firstPass_ = true;
    waiting_ = false;
    frameChanged_ = true;
    lastDrawSlot_.reset();
}

void LedSimulation::MessagePass(SimTime now) {
    const auto rows = table_.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TLedRecord& row = rows[i];
        SimMessage& state = states_[i];
        if (!row.Status) {
            state.SimRow.fill(0);
            state.SimColour = kNoColour;
            state.SimColourIndex = 0;
            ResetSimPosition(row, state);
            // A message shown until now leaves the display.
            if (state.stepped) frameChanged_ = true;
            state.stepped = false;
            continue;
        }
        if (!firstPass_ && now <= state.SimDue) continue;
        do {
            SimulationStep(row, state);
            state.SimDue = NextDue(row, now);
        } while (!firstPass_ && now >= state.SimDue);
        NextSimColour(row, state);
        state.stepped = true;
        frameChanged_ = true;
    }
}

bool LedSimulation::ComposeInSlot(SimTime slot) {
    lastDrawSlot_ = slot;
    if (!frameChanged_) return false;
    ComposeDisplay(table_.Rows(), states_, display_);
    frameChanged_ = false;
    return true;
}

bool LedSimulation::Pass(SimTime now) {
    if (!Running()) return false;
    MatchTableSize();
    const SimTime slot = DrawSlot(now);
    bool composed = false;
    // A pass that lands inside a slot not drawn yet: a loop passing every millisecond would have
    // drawn at the slot's start, before the steps of this pass.
    if (lastDrawSlot_ && *lastDrawSlot_ != slot && now != slot * kDrawSlotMilliseconds) composed = ComposeInSlot(slot);
    if (firstPass_ || !waiting_) {
        MessagePass(now);
        waiting_ = firstPass_;
        firstPass_ = false;
    } else if (now > firstDue_) {
        waiting_ = false;
        MessagePass(now);
    }
    if (lastDrawSlot_ != slot) composed = ComposeInSlot(slot) || composed;
    return composed;
}

std::optional<SimTime> LedSimulation::NextPassTime(SimTime now) const {
    if (!Running()) return std::nullopt;
    if (firstPass_) return now;
    std::optional<SimTime> next;
    const auto earliest = [&](SimTime t) { next = next ? std::min(*next, t) : t; };
    if (frameChanged_) earliest((DrawSlot(now) + 1) * kDrawSlotMilliseconds);
    if (waiting_) {
        earliest(std::max(firstDue_ + 1, now + 1));
        return next;
    }
    const auto rows = table_.Rows();
    for (std::size_t i = 0; i < rows.size() && i < states_.size(); ++i)
        if (rows[i].Status) earliest(std::max(states_[i].SimDue + 1, now + 1));
    return next;
}

}  // namespace ovis
