#include "link/clock_setting.h"

#include "link/interface_commands.h"

namespace ovis {

bool ClockSetting::Poll(Link& link, const Clock& clock, bool client) {
    if (client) return false;
    const LocalDateTime now = clock.Now();
    if (now.hour != kSettingHour) {
        armed_ = true;
        return false;
    }
    if (!armed_ || link.State() != link_state::kDone) return false;
    armed_ = false;
    link.Prepare(0, command::kMemoryWrite, ClockPayload(now));
    link.SendTelegram();
    return true;
}

}  // namespace ovis
