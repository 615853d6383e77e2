// The visualisation window's video replay offscreen, painting included: a recording of 80640
// records at "Vorwärts  >>>" (records per second and the share of one core while it runs), and
// the 1:1 replay of a quiet file at the window's 10 ms timer (target: below 2 % of one core).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cstring>
#include <memory>
#include <vector>

#include "gui_bench.h"
#include "../bench_smoke.h"
#include "project/grafik_file.h"
#include "project/project_store.h"
#include "project/recording_time.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "visualisation/gui/Zel_Visualisierung.h"

namespace {

using namespace ovis;
using ovis::bench::SmokeRun;

constexpr int kTickMilliseconds = 10;
constexpr int kMessages = 60;

class SteppedClock final : public Clock {
public:
    LocalDateTime Now() const override {
        const long ms = milliseconds % 86400000;
        return {2024, 1, 1, int(ms / 3600000), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)};
    }
    long milliseconds = 0;
};

// Four lifts of eight stops; the messages drive elements of kinds 1, 3, 4 and 6 in turn.
struct Object {
    test::TempDir base;
    std::filesystem::path project = base.path() / kProjectsFolder / "Anlage";
    test::ScriptedDialogs dialogs;
    SteppedClock clock;
    std::vector<TIoRecord> rows;

    Object() {
        std::filesystem::create_directories(project);
        TGrafikRecord r = DefaultGrafikRecord();
        r.Objektbezeichnung.assign("Bench");
        for (int lift = 0; lift < 4; ++lift) {
            r.Aufzug[lift][kHalte] = 8;
            r.Aufzug[lift][kStatusmel] = 4;
        }
        SaveGrafik(base / "Grafik.ofd", r);
        const int roles[] = {1, 3, 4, 6};
        rows.resize(kMessages);
        for (int k = 0; k < kMessages; ++k) {
            std::memset(&rows[std::size_t(k)], 0, sizeof(TIoRecord));
            rows[std::size_t(k)].VisuRolle = roles[k % 4];
        }
    }
    std::unique_ptr<gui::TFormVisualisierung> Window() {
        return std::make_unique<gui::TFormVisualisierung>(gui::VisualisationServices{
            dialogs, clock, [this] { return project; }, [this] { return rows; }, {}, {}, {}, {}, {}, {}, {}});
    }
};

std::vector<TRecordingEvent> Recording(std::size_t records, double secondsApart) {
    std::vector<TRecordingEvent> events(records, TRecordingEvent{});
    for (std::size_t i = 2; i < events.size(); ++i) {
        events[i].Meldung = std::uint16_t((i % kMessages + 1) | (i % 3 == 0 ? kLevelHighBit : 0));
        events[i].Jahr = 108;
        SetEventSeconds(events[i], 86400.0 + double(i) * secondsApart);
    }
    return events;
}

void BM_VideoFastest(benchmark::State& state) {
    Object object;
    const auto events = Recording(SmokeRun() ? 2000 : kRecordingCapacity, 0.37);
    for (auto _ : state) {
        auto form = object.Window();
        form->OpenVideo(events, "Bench");
        for (int k = 0; k < 3; ++k) form->Button(">>")->click();
        std::size_t ticks = 0;
        const double cpuBefore = bench::ThreadCpuSeconds();
        const std::clock_t start = std::clock();
        while (form->Replay()->StateText() != kReplayAtEnd) {
            object.clock.milliseconds += kTickMilliseconds;
            form->ReplayTick();
            QCoreApplication::processEvents();
            ++ticks;
        }
        const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        state.counters["records_per_second"] = double(events.size() - 2) / std::max(seconds, 1e-9);
        state.counters["cpu_percent_at_10ms_ticks"] =
            100 * (bench::ThreadCpuSeconds() - cpuBefore) / (double(ticks) * kTickMilliseconds / 1000.0);
        form->close();
    }
}

void BM_Video1To1Quiet(benchmark::State& state) {
    Object object;
    const auto events = Recording(200, 60.0);
    const int ticks = SmokeRun() ? 200 : 3000;
    for (auto _ : state) {
        auto form = object.Window();
        form->OpenVideo(events, "Ruhig");
        const double cpuBefore = bench::ThreadCpuSeconds();
        for (int k = 0; k < ticks; ++k) {
            object.clock.milliseconds += kTickMilliseconds;
            form->ReplayTick();
            QCoreApplication::processEvents();
        }
        state.counters["cpu_percent"] =
            100 * (bench::ThreadCpuSeconds() - cpuBefore) / (double(ticks) * kTickMilliseconds / 1000.0);
        form->close();
    }
}

BENCHMARK(BM_VideoFastest)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_Video1To1Quiet)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) { return ovis::bench::RunGuiBenchmarks(argc, argv); }
