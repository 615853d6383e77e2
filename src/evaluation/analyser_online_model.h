#pragma once
// The analyser in online mode: a sweeping chart recorder. Every step writes the online state of
// each shown message into the cursor column and, while running, moves the cursor on by one
// column, from N back to 1. With "Takt" a step comes at most every 960 ms.
#include <cstdint>
#include <string>
#include <vector>

#include "evaluation/analyser_online_state.h"
#include "evaluation/analyser_rows.h"
#include "evaluation/column_states.h"

namespace ovis {

inline constexpr const char* kOnlineCaption = "Analyser  ( Online )";
inline constexpr int kOnlineHelpContext = 10002;
inline constexpr int kOnlineTickMs = 50;
inline constexpr int kTaktMs = 960;

// "Meldung:": a blank, the name and "  aktiv" or "  inaktiv"; empty before the first event.
std::string OnlineEventText(const std::string& name, const OnlineEvent& event);

class AnalyserOnlineModel {
public:
    AnalyserOnlineModel(AnalyserRows rows, int columns);

    // A tick at `nowMs` (milliseconds on any steady scale): a step unless "Takt" holds it back.
    // True when a step was made.
    bool Tick(std::int64_t nowMs, OnlineStateTable& states);
    void Step(OnlineStateTable& states);

    void SetTakt(bool on, std::int64_t nowMs);
    bool Takt() const { return takt_; }
    void ToggleRunning() { running_ = !running_; }
    // A new column count N (the window was maximised or restored): the cursor stays within N and
    // every column is to be repainted.
    void SetColumns(int columns);
    bool Running() const { return running_; }

    const AnalyserRows& Rows() const { return rows_; }
    int Columns() const { return columns_; }
    int Cursor() const { return cursor_; }
    TColumnState State(int row, int column) const { return cells_.At(row, column); }
    // The columns changed since the last call (the former and the new cursor column).
    std::vector<int> TakeChangedColumns();

private:
    AnalyserRows rows_;
    int columns_;
    int cursor_ = 1;
    bool running_ = true;
    bool takt_ = false;
    std::int64_t deadline_ = 0;
    ColumnStateTable cells_;
    std::vector<int> changed_;
};

}  // namespace ovis
