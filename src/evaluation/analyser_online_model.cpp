#include "evaluation/analyser_online_model.h"

#include <algorithm>

namespace ovis {

std::string OnlineEventText(const std::string& name, const OnlineEvent& event) {
    if (event.message == 0) return {};
    return " " + name + (event.high ? "  aktiv" : "  inaktiv");
}

AnalyserOnlineModel::AnalyserOnlineModel(AnalyserRows rows, int columns)
    : rows_(std::move(rows)), columns_(std::clamp(columns, 1, kAnalyserMaxColumns)) {}

bool AnalyserOnlineModel::Tick(std::int64_t nowMs, OnlineStateTable& states) {
    if (takt_) {
        if (nowMs < deadline_) return false;
        deadline_ = nowMs + kTaktMs;
    }
    Step(states);
    return true;
}

void AnalyserOnlineModel::Step(OnlineStateTable& states) {
    for (int r = 1; r <= rows_.Count(); ++r) cells_.At(r, cursor_) = states.Take(rows_.Message(r));
    changed_.push_back(cursor_);
    if (!running_) return;
    cursor_ = cursor_ >= columns_ ? 1 : cursor_ + 1;
    for (int r = 1; r <= rows_.Count(); ++r) cells_.At(r, cursor_) = kLowThroughout;
    changed_.push_back(cursor_);
}

void AnalyserOnlineModel::SetTakt(bool on, std::int64_t nowMs) {
    takt_ = on;
    if (on) deadline_ = nowMs + kTaktMs;
}

void AnalyserOnlineModel::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, kAnalyserMaxColumns);
    cursor_ = std::min(cursor_, columns_);
    for (int column = 1; column <= columns_; ++column) changed_.push_back(column);
}

std::vector<int> AnalyserOnlineModel::TakeChangedColumns() {
    std::vector<int> columns;
    columns.swap(changed_);
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

}  // namespace ovis
