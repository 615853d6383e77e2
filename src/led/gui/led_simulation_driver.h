#pragma once
// The LED display simulation on the user-interface thread. A precise single-shot timer makes a
// pass at every time the simulation names (a due step, or the end of a 50 ms slot with a changed
// frame) and none in between, so the same steps happen at the same due times as in a loop
// without pause, frames are composed at most once per slot, and nothing waits in a loop.
#include <QObject>
#include <QTimer>
#include <optional>

#include "led/led_sim_control.h"
#include "platform/clock.h"

namespace ovis::gui {

class LedSimulationDriver : public QObject {
    Q_OBJECT
public:
    LedSimulationDriver(const LedTable& table, const Clock& clock, QObject* parent = nullptr);

    const LedSimulationControl& Control() const { return control_; }
    bool Running() const { return control_.Running(); }
    const char* ButtonText() const { return control_.ButtonText(); }
    const ComposedDisplay& Display() const { return control_.Simulation().Display(); }
    void SetClock(const Clock& clock) { clock_ = &clock; }

    // Starts after the x0/x1 check and makes the first pass; the failure to show otherwise.
    std::optional<CheckFailure> Start();
    // The simulation button: starts when stopped, stops when running.
    std::optional<CheckFailure> ButtonClicked();
    void Stop();
    // A mouse press on the display panel (see LedSimulationControl); true when it stopped.
    bool PanelPressed(bool ledEditorOpen);

signals:
    // A new frame was composed (at most once per 50 ms slot), or the display was cleared.
    void FrameComposed();
    void RunningChanged(bool running);

private:
    SimTime Now() const { return SimulationTime(clock_->Now()); }
    void Pass();
    void ScheduleAfter(SimTime now);

    LedSimulationControl control_;
    const Clock* clock_;
    QTimer timer_;
};

}  // namespace ovis::gui
