// The LED display simulation over a full table: 255 messages of 1275 columns, the eight direction
// codes in turn, delay 0 ("Milli": a step every 11 ms), played for 10 simulated seconds with one
// pass per simulated millisecond (1 simulated second in smoke mode). Reports the cost per pass (steps and composing included) and
// the cost of composing one frame of the full table.
//
//   ./led_simulation_bench
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench_smoke.h"
#include "led/led_simulation.h"
#include "led/led_sim_step.h"

namespace {

using namespace ovis;

std::unique_ptr<LedTable> FullTable() {
    auto table = std::make_unique<LedTable>();
    for (int m = 0; m < kLedModulePositions; ++m) {
        TLedRecord r;
        std::memset(&r, 0, sizeof r);
        for (int c = 0; c < kLedColumns; ++c) r.Spalten[c] = std::uint8_t((c * 7 + m) & 0x7F);
        for (int p = 0; p < kLedModulePositions; ++p) r.ModulListe[p] = std::uint8_t(p + 1);
        r.LetzteSpalte = kLedColumns;
        r.X0 = 1;
        r.X1 = kLedColumns;
        r.Modulzahl = kLedModulePositions;
        r.Umbruch = 1 + m % 5;
        r.Distanz = m % 3;
        r.Farbe[0] = 6;
        r.Farbe[1] = 96;
        r.Farbe[2] = 0;
        r.AnzahlFarben = 3;
        r.Richtung = 1 + m % 8;
        r.Dx = 1;
        r.Einheit = "Milli";
        r.Status = true;
        table->Append(r);
    }
    return table;
}

constexpr SimTime kStart = 8 * 3'600'000;
// 10 simulated seconds; 1 in smoke mode.
SimTime SimulatedMilliseconds() { return ovis::bench::SmokeRun() ? 1'000 : 10'000; }

void BM_FullTableTenSeconds(benchmark::State& state) {
    const auto table = FullTable();
    auto simulation = std::make_unique<LedSimulation>(*table);
    const SimTime simulated = SimulatedMilliseconds();
    std::int64_t passes = 0, frames = 0;
    for (auto _ : state) {
        simulation->Start(kStart);
        for (SimTime t = 0; t <= simulated; ++t) frames += simulation->Pass(kStart + t);
        passes += simulated + 1;
    }
    state.counters["per_pass"] = benchmark::Counter(double(passes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["frames"] = benchmark::Counter(double(frames), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullTableTenSeconds)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ComposeFullTable(benchmark::State& state) {
    const auto table = FullTable();
    std::vector<SimMessage> states(table->Count());
    for (std::size_t i = 0; i < states.size(); ++i) {
        ResetSimPosition(table->Row(i), states[i]);
        for (int s = 0; s < 40; ++s) SimulationStep(table->Row(i), states[i]);
        states[i].SimColour = table->Row(i).Farbe[i % 3];
    }
    auto display = std::make_unique<ComposedDisplay>();
    for (auto _ : state) {
        ComposeDisplay(table->Rows(), states, *display);
        benchmark::DoNotOptimize(display->data());
    }
    state.counters["per_frame"] = benchmark::Counter(double(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComposeFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
