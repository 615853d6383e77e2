#pragma once
// The smoke mode of the benchmarks (OVIS_BENCH_SMOKE set and not "0"): every benchmark runs once
// and briefly, to show that it still works; long simulated runs are shortened and pauses are not
// slept. Timings of a smoke run mean nothing.
#include <cstdlib>
#include <string_view>

namespace ovis::bench {

inline bool SmokeRun() {
    const char* value = std::getenv("OVIS_BENCH_SMOKE");
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

}  // namespace ovis::bench
