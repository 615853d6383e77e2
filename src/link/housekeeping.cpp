#include "link/housekeeping.h"

namespace ovis {

Housekeeping::Next Housekeeping::Tick(int tag) {
    switch (tag) {
        case kLayOut:
            if (hooks_.layOutLedModules) hooks_.layOutLedModules();
            return {true, 100, kStartSimulation};
        case kStartSimulation:
            if (hooks_.startLedSimulation) hooks_.startLedSimulation();
            return {};
        case kReopenAnalyser: {
            const bool maximised = hooks_.analyserMaximised && hooks_.analyserMaximised();
            if (hooks_.closeAnalyser) hooks_.closeAnalyser();
            if (hooks_.reopenAnalyser) hooks_.reopenAnalyser(maximised);
            return {};
        }
        default: return {};
    }
}

}  // namespace ovis
