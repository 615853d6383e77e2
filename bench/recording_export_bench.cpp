// Export of a full recording (80640 records, 200 shown messages) as value change dump and as CSV
// list into a stream that discards the text, so that the time is that of the export alone
// (target: under 50 ms each).
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "analyser_bench_recording.h"
#include "evaluation/recording_export.h"

namespace {

using namespace ovis;

// Counts the characters written and keeps none of them.
class CountingBuffer : public std::streambuf {
public:
    std::streamsize Count() const { return count_; }

protected:
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count_ += n;
        return n;
    }
    int_type overflow(int_type c) override {
        ++count_;
        return traits_type::not_eof(c);
    }

private:
    std::streamsize count_ = 0;
};

void RunExport(benchmark::State& state, ExportFormat format) {
    static const bench::FullAnalyserRecording full;
    static const AnalyserRows rows = bench::FullAnalyserRecording::Rows();
    std::streamsize bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        WriteExport(out, full.Recording().Events(), rows, format);
        bytes = buffer.Count();
        benchmark::DoNotOptimize(bytes);
    }
    if (bytes == 0) state.SkipWithError("the export wrote nothing");
    state.counters["records"] = double(full.Recording().Count());
    state.counters["bytes"] = double(bytes);
}

void BM_ExportVcd(benchmark::State& state) { RunExport(state, ExportFormat::Vcd); }
void BM_ExportCsv(benchmark::State& state) { RunExport(state, ExportFormat::Csv); }

BENCHMARK(BM_ExportVcd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
