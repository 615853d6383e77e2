#pragma once
// The daily setting of the Interfaces' clocks, run by the online poll: during hour 4 of the PC
// clock, once until the hour has been different from 4 again.
#include "link/link.h"
#include "platform/clock.h"

namespace ovis {

class ClockSetting {
public:
    static constexpr int kSettingHour = 4;

    // Sends the clock telegram (address 0, all Interfaces) when the link is Done, the hour is 4
    // and the clock has not been set since the hour was last different. Never on a Client.
    // True when the telegram was sent.
    bool Poll(Link& link, const Clock& clock, bool client);

    bool Armed() const { return armed_; }

private:
    bool armed_ = true;  // set at start-up: a start during hour 4 sets the clock at the first poll
};

}  // namespace ovis
