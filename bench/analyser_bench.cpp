// Recomputing the analyser's column states over a full recording (80640 records, 200 shown
// messages) at each division, N = 110, the window on the busiest hour. Target: under 2 ms each.
//
//   ./analyser_bench
#include <benchmark/benchmark.h>

#include "analyser_bench_recording.h"
#include "evaluation/analyser_model.h"

namespace {

using namespace ovis;

void BM_RecomputeColumnStates(benchmark::State& state) {
    static const bench::FullAnalyserRecording file;
    auto model = std::make_unique<AnalyserModel>();
    model->Open(file.Recording(), bench::FullAnalyserRecording::Rows(), 110);
    // From 12:00 on 1 March in the division under test: the window lies among the events.
    model->SetWindow(int(state.range(0)), {108, 3, 1, 12});
    for (auto _ : state) model->Recompute();
    state.SetLabel(DivisionOf(int(state.range(0))).Name);
    state.counters["last_data_column"] = model->LastDataColumn();
}

BENCHMARK(BM_RecomputeColumnStates)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
