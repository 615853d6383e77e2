#pragma once
// The analyser's online state: one TColumnState per message, updated by every live event and
// consumed column by column by the online analyser's tick; and the interface through which the
// tick reaches the live event stream of the link above.
#include <algorithm>
#include <array>
#include <cstdint>

#include "evaluation/column_states.h"

namespace ovis {

// The state after one more live event: High 0→6, 1→2, 3→4, 7→8, 9→8; Low 0→1, 2→3, 4→3, 6→7, 8→9;
// every other state is kept.
TColumnState OnlineTransition(TColumnState state, bool high);

class OnlineStateTable {
public:
    static constexpr int kEntries = 1000;
    // The connect step of an Interface action clears the first 999 entries.
    static constexpr int kClearedOnConnect = 999;

    // Message `number` (1-based); numbers outside 1..1000 read as 0 and are never written.
    TColumnState At(int number) const { return Valid(number) ? states_[std::size_t(number - 1)] : TColumnState{0}; }
    void Apply(int number, bool high) {
        if (Valid(number)) states_[std::size_t(number - 1)] = OnlineTransition(states_[std::size_t(number - 1)], high);
    }
    // Hands the state of a column to the caller and starts the next one from its steady level
    // (ending Low → 1, High → 6); a message without any event yet stays 0.
    TColumnState Take(int number);
    void ClearOnConnect() { std::fill_n(states_.begin(), kClearedOnConnect, TColumnState{0}); }

private:
    static bool Valid(int number) { return number >= 1 && number <= kEntries; }
    std::array<TColumnState, kEntries> states_{};
};

// The last decoded live event.
struct OnlineEvent {
    int message = 0;     // 0: none yet
    bool high = false;
    std::uint8_t role = 0;
};

// The live event stream as the online analyser sees it.
class OnlineSource {
public:
    virtual ~OnlineSource() = default;
    // Lets the stream process what the Interface sent (at most one telegram). False when the
    // poll was aborted ("Abbrechen" or a close request): the tick stops then.
    virtual bool Poll() = 0;
    virtual OnlineEvent CurrentEvent() const = 0;
    virtual OnlineStateTable& States() = 0;
    // Ends the online connection when the analyser closes.
    virtual void End() = 0;
};

}  // namespace ovis
