#include "led/gui/led_simulation_driver.h"

#include <algorithm>
#include <limits>

namespace ovis::gui {

LedSimulationDriver::LedSimulationDriver(const LedTable& table, const Clock& clock, QObject* parent)
    : QObject(parent), control_(table), clock_(&clock) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LedSimulationDriver::Pass);
}

std::optional<CheckFailure> LedSimulationDriver::Start() {
    if (auto failure = control_.Start(Now())) return failure;
    emit RunningChanged(true);
    Pass();
    return std::nullopt;
}

std::optional<CheckFailure> LedSimulationDriver::ButtonClicked() {
    if (!Running()) return Start();
    Stop();
    return std::nullopt;
}

void LedSimulationDriver::Stop() {
    timer_.stop();
    if (!Running()) return;
    control_.Stop();
    emit RunningChanged(false);
}

bool LedSimulationDriver::PanelPressed(bool ledEditorOpen) {
    if (!control_.PanelPressed(ledEditorOpen)) return false;
    timer_.stop();
    emit RunningChanged(false);
    emit FrameComposed();
    return true;
}

void LedSimulationDriver::Pass() {
    const SimTime now = Now();
    if (control_.Simulation().Pass(now)) emit FrameComposed();
    ScheduleAfter(now);
}

void LedSimulationDriver::ScheduleAfter(SimTime now) {
    const auto next = control_.Simulation().NextPassTime(now);
    if (!next) return;
    const SimTime wait = std::clamp<SimTime>(*next - now, 0, std::numeric_limits<int>::max());
    timer_.start(int(wait));
}

}  // namespace ovis::gui
