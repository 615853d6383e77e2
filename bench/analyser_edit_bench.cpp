// Snapshot + edit (with its SortEvents) per edit command, and one full search, on a recording of
// 80640 records. Each iteration undoes its edit, so the restore is part of the time.
#include <benchmark/benchmark.h>

#include <memory>

#include "analyser_bench_recording.h"
#include "evaluation/analyser_edit.h"
#include "evaluation/analyser_navigation.h"
#include "evaluation/event_search.h"
#include "evaluation/recording_undo.h"

namespace {

using namespace ovis;

struct EditBench {
    bench::FullAnalyserRecording full;
    std::unique_ptr<TRecording> rec = std::make_unique<TRecording>();
    RecordingUndo undo;
    EditTarget target;

    EditBench() {
        rec->Assign(full.Recording().Events());
        // Room for the records an edit appends.
        for (int i = 0; i < 8; ++i) rec->Erase(1000);
        target.cursor = StampOf(rec->Event(40000));
        target.rows = {{1, false}, {2, true}};
    }
};

EditBench& Bench() {
    static EditBench bench;
    return bench;
}

template <typename Edit>
void RunEdit(benchmark::State& state, Edit edit) {
    EditBench& b = Bench();
    for (auto _ : state) {
        b.undo.Snapshot(*b.rec);
        benchmark::DoNotOptimize(edit(*b.rec, b.target));
        b.undo.Undo(*b.rec);
    }
}

void BM_Create(benchmark::State& s) { RunEdit(s, CreatePulse); }
void BM_Delete(benchmark::State& s) { RunEdit(s, DeletePeriod); }
void BM_Begin(benchmark::State& s) { RunEdit(s, SetPeriodBegin); }
void BM_End(benchmark::State& s) { RunEdit(s, SetPeriodEnd); }
void BM_Shift(benchmark::State& s) {
    RunEdit(s, [](TRecording& r, const EditTarget& t) { return ShiftEvents(r, t, 3, 1, [] { return true; }); });
}
void BM_Remove(benchmark::State& s) {
    RunEdit(s, [](TRecording& r, const EditTarget&) { return RemoveMessage(r, 7); });
}
void BM_Search(benchmark::State& state) {
    EditBench& b = Bench();
    SearchConditions c;
    // A message without records never turns High: the search runs through the whole file.
    c.Set(1, SearchCondition::High);
    c.Set(999, SearchCondition::High);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchEvents(b.rec->Events(), c, 0));
    }
}

BENCHMARK(BM_Create)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Begin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_End)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shift)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Remove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
