#pragma once
// LED messages for the simulation tests, and a simulation over a table of them driven by passes
// every simulated millisecond.
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "led/led_simulation.h"

namespace ovis::test {

// A set message on the consecutive modules of its window x0..x1, moving one column per step,
// "Milli" with delay 0, one colour part (green), `columns` as its picture.
inline TLedRecord SimMessageRecord(int direction, int x0, int x1, std::initializer_list<std::uint8_t> columns) {
    TLedRecord r;
    std::memset(&r, 0, sizeof r);
    int i = 0;
    for (std::uint8_t c : columns) r.Spalten[i++] = c;
    r.LetzteSpalte = i;
    r.X0 = x0;
    r.X1 = x1;
    r.Modulzahl = (x1 + 4) / 5 - (x0 + 4) / 5 + 1;
    for (int p = 0; p < kLedModulePositions; ++p) r.ModulListe[p] = std::uint8_t((x0 + 4) / 5 + p);
    r.Umbruch = 1;
    r.Farbe[0] = 6;
    for (int p = 1; p < 31; ++p) r.Farbe[p] = kNoColour;
    r.AnzahlFarben = 1;
    r.Richtung = direction;
    r.Dx = 1;
    r.Einheit = "Milli";
    r.Status = true;
    r.Schriftart = "Standard";
    return r;
}

// The simulated clock starts at 10:00:00.000.
inline constexpr SimTime kT0 = 10 * 3'600'000;

struct SimulationRun {
    std::unique_ptr<LedTable> table = std::make_unique<LedTable>();
    LedSimulation simulation{*table};
    SimTime now = kT0;

    explicit SimulationRun(std::initializer_list<TLedRecord> rows) {
        for (const TLedRecord& r : rows) table->Append(r);
    }
    void Start() {
        simulation.Start(now);
        simulation.Pass(now);
    }
    // Passes every millisecond up to and including `until`.
    void RunUntil(SimTime until) {
        while (now < until) simulation.Pass(++now);
    }
    const SimMessage& State(std::size_t i = 0) const { return simulation.Messages()[i]; }
    // Frame bytes 1..n of message i.
    std::vector<std::uint8_t> Frame(int n, std::size_t i = 0) const {
        return {State(i).SimRow.begin(), State(i).SimRow.begin() + n};
    }
};

}  // namespace ovis::test
