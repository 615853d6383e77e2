#pragma once
// What the window benchmarks share: the CPU time of the calling (user-interface) thread, and a
// main that runs the benchmarks inside a QApplication, offscreen unless QT_QPA_PLATFORM names a
// platform.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>

namespace ovis::bench {

inline double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

inline int RunGuiBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace ovis::bench
