#pragma once
// A clock that stands still at a time the test sets.
#include "platform/clock.h"

namespace ovis::test {

class FixedClock final : public Clock {
public:
    LocalDateTime Now() const override { return now; }
    LocalDateTime now{2024, 3, 17, 4, 5, 6, 0};
};

}  // namespace ovis::test
