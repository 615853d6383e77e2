#include "visualisation/replay_engine.h"

#include <algorithm>

namespace ovis {
namespace {

constexpr long kMillisecondsPerDay = 86400000;
// A tick after a long stall (a suspended machine) plays at most this much real time.
constexpr long kLongestTickMilliseconds = 1000;

// Simulated hundredths per real hundredth; 0 for the speeds that play without pauses.
int TimeFactor(ReplaySpeed speed) {
    switch (speed) {
        case ReplaySpeed::Vorwaerts1zu1: return 1;
        case ReplaySpeed::Vorwaerts1:
        case ReplaySpeed::Rueckwaerts1: return 10;
        case ReplaySpeed::Vorwaerts2:
        case ReplaySpeed::Rueckwaerts2: return 100;
        default: return 0;
    }
}

}  // namespace

std::string_view ReplaySpeedText(ReplaySpeed speed) {
    switch (speed) {
        case ReplaySpeed::Rueckwaerts3: return "<<<  Rückwärts";
        case ReplaySpeed::Rueckwaerts2: return "<<   Rückwärts";
        case ReplaySpeed::Rueckwaerts1: return "<    Rückwärts";
        case ReplaySpeed::Vorwaerts1zu1: return "Vorwärts  1:1";
        case ReplaySpeed::Vorwaerts1: return "Vorwärts    >";
        case ReplaySpeed::Vorwaerts2: return "Vorwärts   >>";
        case ReplaySpeed::Vorwaerts3: return "Vorwärts  >>>";
        case ReplaySpeed::Einzelbild: return "Einzelbild";
    }
    return {};
}

ReplayEngine::ReplayEngine(std::span<const TRecordingEvent> records, const Clock& clock)
    : records_(records), clock_(clock), first_(NextPlayable(1)), cursor_(first_) {
    drawn_.reserve(kFastestRecordsPerTick * 4);
    if (first_ < records_.size()) time_ = ReplayTime::Of(records_[first_]);
    if (AtEnd()) state_ = kReplayAtEnd;
}

std::size_t ReplayEngine::NextPlayable(std::size_t from) const {
    while (from < records_.size() && MessageNumber(records_[from]) == 0) ++from;
    return std::min(from, records_.size());
}

std::size_t ReplayEngine::PreviousPlayable(std::size_t before) const {
    while (before > first_) {
        --before;
        if (MessageNumber(records_[before]) != 0) return before;
    }
    return records_.size();
}

bool ReplayEngine::AtEnd() const { return NextPlayable(cursor_) >= records_.size(); }
bool ReplayEngine::AtBeginning() const { return PreviousPlayable(cursor_) >= records_.size(); }

bool ReplayEngine::Forward() const {
    return speed_ == ReplaySpeed::Vorwaerts1zu1 || speed_ == ReplaySpeed::Vorwaerts1 ||
           speed_ == ReplaySpeed::Vorwaerts2 || speed_ == ReplaySpeed::Vorwaerts3;
}

void ReplayEngine::PlayForward(std::size_t index) {
    const TRecordingEvent& e = records_[index];
    drawn_.push_back({index + 1, MessageNumber(e), IsLevelHigh(e)});
    time_ = ReplayTime::Of(e);
    state_ = IsLevelHigh(e) ? kReplayActive : kReplayInactive;
    cursor_ = index + 1;
}

void ReplayEngine::PlayBackward(std::size_t index) {
    const TRecordingEvent& e = records_[index];
    drawn_.push_back({index + 1, MessageNumber(e), !IsLevelHigh(e)});
    time_ = ReplayTime::Of(e);
    state_ = IsLevelHigh(e) ? kReplayInactive : kReplayActive;
    cursor_ = index;
}

long ReplayEngine::PassedMilliseconds() {
    const LocalDateTime now = clock_.Now();
    const long ms = ((long(now.hour) * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
    const long last = lastMillisecond_;
    lastMillisecond_ = ms;
    if (last < 0) return 0;
    long passed = ms - last;
    if (passed < 0) passed += kMillisecondsPerDay;
    return std::min(passed, kLongestTickMilliseconds);
}

std::span<const ReplayDraw> ReplayEngine::Tick() {
    drawn_.clear();
    const long passed = PassedMilliseconds();
    if (speed_ == ReplaySpeed::Einzelbild) return {};
    if (const int factor = TimeFactor(speed_); factor > 0) {
        PlayDue();
        carryMilliseconds_ += passed;
        const std::int64_t steps = std::int64_t(carryMilliseconds_ / 10) * factor;
        carryMilliseconds_ %= 10;
        const std::int64_t target = time_.Hundredths() + (Forward() ? steps : -steps);
        if (Forward()) {
            for (std::size_t i = NextPlayable(cursor_); i < records_.size(); i = NextPlayable(cursor_)) {
                if (ReplayTime::Of(records_[i]).Hundredths() > target) break;
                PlayForward(i);
            }
        } else {
            for (std::size_t i = PreviousPlayable(cursor_); i < records_.size(); i = PreviousPlayable(cursor_)) {
                if (ReplayTime::Of(records_[i]).Hundredths() < target) break;
                PlayBackward(i);
            }
        }
        if (Forward() ? !AtEnd() : !AtBeginning()) time_ = ReplayTime::FromHundredths(target);
    } else {
        for (int k = 0; k < kFastestRecordsPerTick; ++k) {
            const std::size_t i = Forward() ? NextPlayable(cursor_) : PreviousPlayable(cursor_);
            if (i >= records_.size()) break;
            Forward() ? PlayForward(i) : PlayBackward(i);
        }
    }
    if (Forward() && AtEnd()) state_ = kReplayAtEnd;
    if (!Forward() && AtBeginning()) state_ = kReplayAtBeginning;
    return drawn_;
}

// Records whose time the clock has already reached (equal times, records out of order) are
// played at once, so that the replay never waits for a time that has passed.
void ReplayEngine::PlayDue() {
    const std::int64_t now = time_.Hundredths();
    if (Forward()) {
        for (std::size_t i = NextPlayable(cursor_); i < records_.size(); i = NextPlayable(cursor_)) {
            if (ReplayTime::Of(records_[i]).Hundredths() > now) break;
            PlayForward(i);
        }
    } else {
        for (std::size_t i = PreviousPlayable(cursor_); i < records_.size(); i = PreviousPlayable(cursor_)) {
            if (ReplayTime::Of(records_[i]).Hundredths() < now) break;
            PlayBackward(i);
        }
    }
}

void ReplayEngine::SetSpeed(ReplaySpeed speed) {
    speed_ = speed;
    lastMillisecond_ = -1;
    carryMilliseconds_ = 0;
}

std::span<const ReplayDraw> ReplayEngine::Faster() {
    drawn_.clear();
    if (speed_ == ReplaySpeed::Einzelbild) {
        if (const std::size_t i = NextPlayable(cursor_); i < records_.size()) PlayForward(i);
        if (AtEnd()) state_ = kReplayAtEnd;
        return drawn_;
    }
    if (speed_ != ReplaySpeed::Vorwaerts3) SetSpeed(ReplaySpeed(int(speed_) + 1));
    return drawn_;
}

std::span<const ReplayDraw> ReplayEngine::Slower() {
    drawn_.clear();
    if (speed_ == ReplaySpeed::Einzelbild) {
        if (const std::size_t i = PreviousPlayable(cursor_); i < records_.size()) PlayBackward(i);
        if (AtBeginning()) state_ = kReplayAtBeginning;
        return drawn_;
    }
    if (speed_ != ReplaySpeed::Rueckwaerts3) SetSpeed(ReplaySpeed(int(speed_) - 1));
    return drawn_;
}

void ReplayEngine::ToggleSingleStep() {
    if (speed_ == ReplaySpeed::Einzelbild) {
        SetSpeed(beforeSingleStep_);
    } else {
        beforeSingleStep_ = speed_;
        SetSpeed(ReplaySpeed::Einzelbild);
    }
}

std::string ReplayEngine::ClockText() const { return time_.ClockText(speed_ == ReplaySpeed::Vorwaerts1zu1); }

}  // namespace ovis
