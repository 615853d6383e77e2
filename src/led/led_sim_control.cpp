#include "led/led_sim_control.h"

#include "led/led_check.h"

namespace ovis {

std::optional<CheckFailure> LedSimulationControl::Start(SimTime now) {
    if (auto failure = CheckLedWindows(table_.Rows())) return failure;
    simulation_.Start(now);
    return std::nullopt;
}

std::optional<CheckFailure> LedSimulationControl::ButtonClicked(SimTime now) {
    if (!Running()) return Start(now);
    Stop();
    return std::nullopt;
}

bool LedSimulationControl::PanelPressed(bool ledEditorOpen) {
    if (!ledEditorOpen || !Running()) return false;
    Stop();
    simulation_.ClearDisplay();
    return true;
}

}  // namespace ovis
