#pragma once
// Local date and time of day with milliseconds.
namespace ovis {

struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDateTime Now() const override;
};

}  // namespace ovis
