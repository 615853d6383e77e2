// The visualisation's video replay: a recording of 80640 records played at "Vorwärts  >>>"
// (records per second, the element states applied as the window applies them), and one tick of
// the 1:1 replay of a quiet file as a share of one core at the window's 10 ms timer (target: below
// 2 %). The window's painting is measured by the window benchmark.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <vector>

#include "bench_smoke.h"
#include "platform/clock.h"
#include "project/recording_event.h"
#include "project/recording_time.h"
#include "visualisation/replay_engine.h"
#include "visualisation/visu_states.h"

namespace {

using ovis::bench::SmokeRun;

constexpr int kMessages = 200;
constexpr int kTickMilliseconds = 10;

class SteppedClock final : public ovis::Clock {
public:
    ovis::LocalDateTime Now() const override {
        const long ms = milliseconds % 86400000;
        return {2024, 1, 1, int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
    }
    long milliseconds = 0;
};

std::vector<ovis::TRecordingEvent> Recording(std::size_t records, double secondsApart) {
    std::vector<ovis::TRecordingEvent> events(records, ovis::TRecordingEvent{});
    for (std::size_t i = 2; i < events.size(); ++i) {
        events[i].Meldung = std::uint16_t((i % kMessages + 1) | (i % 3 == 0 ? ovis::kLevelHighBit : 0));
        events[i].Jahr = 108;
        ovis::SetEventSeconds(events[i], 86400.0 + double(i) * secondsApart);
    }
    return events;
}

// The element of a message as a binding gives it: kinds 1 to 6 in turn.
void Apply(ovis::VisuStates& states, const ovis::ReplayDraw& draw) {
    const int kind = draw.message % 6 + 1;
    states.Set(kind, draw.message / 6 + 1, ovis::VisuStateForLevel(kind, draw.high));
}

void BM_ReplayFastest(benchmark::State& state) {
    const auto events = Recording(SmokeRun() ? 2000 : ovis::kRecordingCapacity, 0.37);
    SteppedClock clock;
    auto states = std::make_unique<ovis::VisuStates>();
    std::size_t played = 0;
    for (auto _ : state) {
        ovis::ReplayEngine engine(events, clock);
        for (int k = 0; k < 3; ++k) engine.Faster();
        while (!engine.AtEnd()) {
            clock.milliseconds += kTickMilliseconds;
            for (const auto& draw : engine.Tick()) Apply(*states, draw);
        }
        played += engine.Position() - 3;
    }
    state.counters["records_per_second"] = benchmark::Counter(double(played), benchmark::Counter::kIsRate);
}

void BM_Replay1To1QuietTick(benchmark::State& state) {
    const auto events = Recording(SmokeRun() ? 200 : 2000, 60.0);
    SteppedClock clock;
    auto states = std::make_unique<ovis::VisuStates>();
    ovis::ReplayEngine engine(events, clock);
    const std::clock_t start = std::clock();
    std::size_t ticks = 0;
    for (auto _ : state) {
        clock.milliseconds += kTickMilliseconds;
        for (const auto& draw : engine.Tick()) Apply(*states, draw);
        benchmark::DoNotOptimize(engine.ClockText());
        benchmark::DoNotOptimize(engine.StateText());
        ++ticks;
    }
    const double cpuSeconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    state.counters["cpu_share_percent"] = 100.0 * cpuSeconds / (double(ticks) * kTickMilliseconds / 1000.0);
}

BENCHMARK(BM_ReplayFastest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Replay1To1QuietTick);

}  // namespace

BENCHMARK_MAIN();
