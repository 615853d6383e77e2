#pragma once
// The simulation as the main window and the LED table editor run it: the text of the simulation
// button, the x0/x1 check before every start, and the events that end it.
#include <optional>

#include "led/led_simulation.h"
#include "tables/name_check.h"

namespace ovis {

inline constexpr const char* kStartSimulationText = "Start Simulation";
inline constexpr const char* kStopSimulationText = "Stop Simulation";

class LedSimulationControl {
public:
    explicit LedSimulationControl(const LedTable& table) : table_(table), simulation_(table) {}

    LedSimulation& Simulation() { return simulation_; }
    const LedSimulation& Simulation() const { return simulation_; }
    bool Running() const { return simulation_.Running(); }
    const char* ButtonText() const { return Running() ? kStopSimulationText : kStartSimulationText; }

    // "Start Simulation", "Start der Simulation" and the start view after start-up: the first row
    // whose x1 is below its x0 is the failure to show, and nothing starts; otherwise it starts.
    std::optional<CheckFailure> Start(SimTime now);
    // The simulation button: starts when stopped, stops when running.
    std::optional<CheckFailure> ButtonClicked(SimTime now);
    // Every event that ends a running simulation: the editing actions of the LED table editor,
    // opening or creating a project, closing the main window.
    void Stop() { simulation_.Stop(); }
    // A mouse press on the display panel stops the simulation only while the LED table editor is
    // open and the button reads "Stop Simulation"; the display buffer is then cleared. True when
    // it stopped.
    bool PanelPressed(bool ledEditorOpen);

private:
    const LedTable& table_;
    LedSimulation simulation_;
};

}  // namespace ovis
