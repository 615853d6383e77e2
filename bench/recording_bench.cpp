// Load, change test and save of a recording of 80640 records, the capacity of the recording
// buffer (target: each under 5 ms). The file lies below TMPDIR: point it at a memory file system
// to leave the disk's sync time out of the save.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "project/recording.h"
#include "project/recording_time.h"
#include "records/typed_file.h"

namespace {

namespace fs = std::filesystem;

class FullRecordingFile {
public:
    FullRecordingFile() : dir_(fs::temp_directory_path() / ("ovis-recording-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(dir_);
        std::vector<ovis::TRecordingEvent> events(ovis::kRecordingCapacity, ovis::TRecordingEvent{});
        for (std::size_t i = 2; i < events.size(); ++i) {
            events[i].Meldung = std::uint16_t(i % 1000 + 1);
            events[i].Jahr = 108;
            ovis::SetEventSeconds(events[i], double(i) * 0.37);
        }
        ovis::WriteRecords(dir_ / "Voll.ofa", events.data(), events.size());
    }
    ~FullRecordingFile() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& Dir() const { return dir_; }

private:
    fs::path dir_;
};

void BM_LoadRecording(benchmark::State& state) {
    FullRecordingFile file;
    auto recording = std::make_unique<ovis::TRecording>();
    for (auto _ : state) recording->Load(file.Dir(), "Voll");
    state.counters["records"] = double(recording->Count());
}

void BM_IsModified(benchmark::State& state) {
    FullRecordingFile file;
    auto recording = std::make_unique<ovis::TRecording>();
    recording->Load(file.Dir(), "Voll");
    for (auto _ : state) benchmark::DoNotOptimize(recording->IsModified());  // unchanged: every byte compared
}

void BM_SaveRecording(benchmark::State& state) {
    FullRecordingFile file;
    auto recording = std::make_unique<ovis::TRecording>();
    recording->Load(file.Dir(), "Voll");
    for (auto _ : state) recording->Save();
}

BENCHMARK(BM_LoadRecording)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsModified)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRecording)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
