// The user-interface thread's CPU share while the demo project's start view plays on the main
// window (offscreen), measured with getrusage over 20 s of wall time (2 s in smoke mode).
// Target: below 3 % of one core. Counters: cpu_percent (user and system time over wall time),
// frames (drawn frames).
//
//   ./led_simulation_cpu_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <random>

#include "gui_bench.h"
#include "../bench_smoke.h"
#include "led/gui/led_simulation_driver.h"
#include "project/project_store.h"
#include "shell/demo_project.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/shell_hooks.h"
#include "support/scripted_dialogs.h"

namespace {

using namespace ovis;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_StartViewCpuShare(benchmark::State& state) {
    const auto base = std::filesystem::temp_directory_path() / ("ovis-bench-" + std::to_string(std::random_device()()));
    CreateDemoBase(base);
    auto tables = std::make_unique<ProjectTables>();
    test::ScriptedDialogs dialogs;
    ProjectStore store(*tables, dialogs, base);
    ShellHooks hooks;
    gui::TMainForm form(store, dialogs, hooks);
    form.show();
    int frames = 0;
    QObject::connect(&form.Simulation(), &gui::LedSimulationDriver::FrameComposed, [&] { ++frames; });
    double share = 0;
    for (auto _ : state) {
        form.StartSimulation();
        QEventLoop loop;
        QTimer::singleShot(bench::SmokeRun() ? 2'000 : 20'000, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        const double cpuBefore = CpuSeconds();
        wall.start();
        loop.exec();
        share = (CpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9);
        form.StopSimulation();
    }
    state.counters["cpu_percent"] = 100 * share;
    state.counters["frames"] = frames;
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
}
BENCHMARK(BM_StartViewCpuShare)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return ovis::bench::RunGuiBenchmarks(argc, argv); }
