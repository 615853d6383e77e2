#include "link/delay.h"

#include <thread>

namespace ovis {

void SleepingDelay::Pause(std::chrono::microseconds duration) {
    if (duration.count() > 0) std::this_thread::sleep_for(duration);
}

}  // namespace ovis
