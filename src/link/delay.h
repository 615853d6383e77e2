#pragma once
// Pauses of the link: the millisecond waits between telegrams, the relay's file retries and the
// write retries of the port. The program sleeps; tests count the time without waiting.
#include <chrono>

namespace ovis {

class Delay {
public:
    virtual ~Delay() = default;
    // Returns after at least `duration`.
    virtual void Pause(std::chrono::microseconds duration) = 0;

    // WaitMs: a wait of at least n milliseconds; it processes no window messages.
    void WaitMs(int milliseconds) { Pause(std::chrono::milliseconds(milliseconds)); }
};

class SleepingDelay final : public Delay {
public:
    void Pause(std::chrono::microseconds duration) override;
};

}  // namespace ovis
