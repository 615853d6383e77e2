#pragma once
// Records and rows for analyser tests: events of messages 1..n at given times, rows showing
// messages in the given order.
#include <string>
#include <vector>

#include "evaluation/analyser_rows.h"
#include "evaluation/recording_events.h"

namespace ovis::test {

// Rows showing `messages` (numbers) named "M<number>".
inline AnalyserRows RowsOf(const std::vector<int>& messages) {
    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    return AnalyserRows::Build(messages, all, [](int number) { return "M" + std::to_string(number); });
}

// 1 March 2008 at hh:mm:ss,mmm (+ 10-µs steps).
inline EventTime At(int std, int min = 0, int sek = 0, int msek = 0, int misek = 0, int tag = 1) {
    return {3, tag, std, min, sek * 1000 + msek, misek};
}

// The marker pair of a read-out file dated 1 March 2008.
inline std::vector<TRecordingEvent> MarkerPair() { return {TRecordingEvent{}, MakeEvent(0, false, At(0))}; }

}  // namespace ovis::test
