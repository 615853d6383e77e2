#pragma once
// The video replay of a recording: plays its records against the simulated clock, driven by the
// window's timer on the Clock seam. Each Tick plays what is due since the last one; the buttons
// change the speed (">>", "<<", the middle button) or, in "Einzelbild", step one record.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "project/recording_event.h"
#include "visualisation/replay_time.h"

namespace ovis {

// In the order of ">>" (Einzelbild stands apart).
enum class ReplaySpeed { Rueckwaerts3, Rueckwaerts2, Rueckwaerts1, Vorwaerts1zu1, Vorwaerts1, Vorwaerts2, Vorwaerts3, Einzelbild };

// The text of the middle button: "Vorwärts  1:1", "<<   Rückwärts", "Einzelbild", ...
std::string_view ReplaySpeedText(ReplaySpeed speed);

inline constexpr const char* kReplayAtBeginning = "  Dateianfang";
inline constexpr const char* kReplayAtEnd = "  Dateiende";
inline constexpr const char* kReplayActive = "   AKTIV ";
inline constexpr const char* kReplayInactive = " INAKTIV ";

// Records that "<<<" and "Vorwärts  >>>" play per tick.
inline constexpr int kFastestRecordsPerTick = 50;

struct ReplayDraw {
    std::size_t record = 0;  // 1-based
    int message = 0;
    bool high = false;  // the level to show: the record's level forward, the reverse backward
};

class ReplayEngine {
public:
    // Starts at record 2 (the first record from there with a message number), at its time,
    // "Vorwärts  1:1". The records must outlive the engine.
    ReplayEngine(std::span<const TRecordingEvent> records, const Clock& clock);

    // Plays the records that became due since the last tick (or since the last button).
    std::span<const ReplayDraw> Tick();
    // ">>", "<<" and the middle button; in "Einzelbild" ">>" and "<<" play one record.
    std::span<const ReplayDraw> Faster();
    std::span<const ReplayDraw> Slower();
    void ToggleSingleStep();

    ReplaySpeed Speed() const { return speed_; }
    std::string_view SpeedText() const { return ReplaySpeedText(speed_); }
    const ReplayTime& Time() const { return time_; }
    // The clock as "hh:mm:ss"; at 1:1 the separators blink each half second.
    std::string ClockText() const;
    // "   AKTIV " / " INAKTIV " for the record played last, "  Dateianfang" / "  Dateiende" at the ends.
    const std::string& StateText() const { return state_; }
    // The next record forward (1-based); Count + 1 at the end.
    std::size_t Position() const { return cursor_ + 1; }
    bool AtEnd() const;
    bool AtBeginning() const;

private:
    bool Forward() const;
    long PassedMilliseconds();
    std::size_t NextPlayable(std::size_t from) const;
    std::size_t PreviousPlayable(std::size_t before) const;
    void PlayForward(std::size_t index);
    void PlayBackward(std::size_t index);
    void PlayDue();
    void SetSpeed(ReplaySpeed speed);

    std::span<const TRecordingEvent> records_;
    const Clock& clock_;
    std::size_t first_;   // first playable record (0-based)
    std::size_t cursor_;  // records before it have been played forward
    ReplayTime time_;
    ReplaySpeed speed_ = ReplaySpeed::Vorwaerts1zu1;
    ReplaySpeed beforeSingleStep_ = ReplaySpeed::Vorwaerts1zu1;
    long lastMillisecond_ = -1;  // of the day, at the last tick; -1 after a button
    long carryMilliseconds_ = 0;  // real time not yet turned into hundredths
    std::string state_ = kReplayAtBeginning;
    std::vector<ReplayDraw> drawn_;
};

}  // namespace ovis
