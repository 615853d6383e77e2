// "Berechnen" of each statistics tab over a full recording (80640 records, 200 messages), with
// 16 entries on tabs 1-3 and filters that keep the whole day. Target: under 5 ms each.
//
//   ./statistics_bench
#include <benchmark/benchmark.h>

#include <cstdio>

#include "analyser_bench_recording.h"
#include "evaluation/statistics_compute.h"
#include "project/statistics_file.h"

namespace {

using namespace ovis;

TStatistikRecord SixteenEntries() {
    TStatistikRecord settings = DefaultStatistikRecord("01.03.2008");
    for (int k = 0; k < kStatisticsEntries; ++k) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:00:00", k);
        settings.Zeile[k].Von[2] = text;
        std::snprintf(text, sizeof text, "%02d:59:59", k + 8 > 23 ? 23 : k + 8);
        settings.Zeile[k].Bis[2] = text;
        settings.Zeile[k].Von[1] = "29.02.2008";
        settings.Zeile[k].Bis[1] = k == kStatisticsEntries - 1 ? "01.03.2008" : "29.02.2008";
        settings.Zeile[k].Von[3] = std::to_string(k * 60);
        settings.Zeile[k].Bis[3] = std::to_string(k * 60 + 59);
    }
    return settings;
}

void BM_ComputeStatistics(benchmark::State& state) {
    static const bench::FullAnalyserRecording file;
    static const TStatistikRecord settings = SixteenEntries();
    std::vector<int> messages;
    for (int m = 1; m <= bench::kShownMessages; ++m) messages.push_back(m);
    const auto tab = static_cast<StatisticsTab>(state.range(0));
    int total = 0;
    for (auto _ : state) {
        const StatisticsResult result =
            ComputeStatistics(file.Recording().Events(), settings, tab, DurationUnit::Seconds, messages);
        total = result.total;
        benchmark::DoNotOptimize(result.counts.data());
    }
    state.counters["events_counted"] = total;
}

BENCHMARK(BM_ComputeStatistics)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
