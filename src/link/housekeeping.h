#pragma once
// The main window's 100 ms housekeeping timer (Timer2): deferred steps chosen by its Tag.
#include <functional>

namespace ovis {

struct HousekeepingHooks {
    std::function<void()> layOutLedModules;      // the module pictures of the LED display
    std::function<void()> startLedSimulation;    // as "Start der Simulation" of the LED table editor
    std::function<bool()> analyserMaximised;
    std::function<void()> closeAnalyser;
    // Reopens the analyser after the message selection: from the file when it served one,
    // otherwise online; `maximised` as it was.
    std::function<void(bool maximised)> reopenAnalyser;
};

class Housekeeping {
public:
    enum Tag { kLayOut = 0, kStartSimulation = 1, kReopenAnalyser = 2 };

    // What the timer does after a tick.
    struct Next {
        bool restart = false;
        int intervalMs = 100;
        int tag = 0;
    };

    explicit Housekeeping(HousekeepingHooks hooks) : hooks_(std::move(hooks)) {}

    // The timer stops at every tick; the returned plan says whether and how it starts again.
    Next Tick(int tag);

private:
    HousekeepingHooks hooks_;
};

}  // namespace ovis
