// The software update against the Interface simulator on a pseudo-terminal, the simulator's
// output paced at the line's baud rate (10 bits per character) and run in a child process, so
// that this process is the PC alone. Reports the time against the wire limit: the characters of
// the busier direction times 10 bits over the baud rate, plus the pauses the update makes
// (50 ms, 1 s, 10 ms per block and after the address patch, 100 steps of 100 ms); and the CPU
// share of this process (getrusage), the PC's cost of waiting on the line (target below 2 %).
// A silent line gets its CPU share measured over three passes.
//
//   ./software_update_bench                              both rates and the silent line (about 75 s)
//   ./software_update_bench --benchmark_filter=/115200   the fast one (about 17 s)
//   OVIS_BENCH_SMOKE=1 ./software_update_bench           the fast one with pauses of at most 1 ms
#include <benchmark/benchmark.h>

#include "bench_smoke.h"
#include "link/firmware_image.h"
#include "link_bench_support.h"
#include "records/typed_file.h"

namespace {

using namespace ovis;
using namespace ovis::bench;

void BM_SoftwareUpdate(benchmark::State& state) {
    const int baud = int(state.range(0));
    const auto base = std::filesystem::temp_directory_path() / ("ovis-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base);
    const FirmwareImage image = MakeTestFirmwareImage();
    WriteFileAtomically(base / kFirmwareFileName, {image.begin(), image.end()});

    for (auto _ : state) {
        sim::PseudoTerminal terminal;
        SimulatorProcess simulator({}, terminal.MasterFd(), baud);
        Pc pc(terminal, base);

        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ProcessCpuSeconds();
        pc.actions.StartAction(ActionTag::SoftwareUpdate);
        pc.actions.Timer1Timer();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpuShare = (ProcessCpuSeconds() - cpuStart) / seconds;
        state.SetIterationTime(seconds);

        if (!pc.actions.LastActionCompleted() || pc.dialogs.shown) state.SkipWithError("the update did not complete");
        const auto& port = pc.port;
        const auto& delay = pc.delay;
        const double pauses = std::chrono::duration<double>(delay.total).count();
        const double wire = double(std::max(port.sent, port.received)) * 10.0 / baud;
        state.counters["pc_chars"] = double(port.sent);
        state.counters["interface_chars"] = double(port.received);
        state.counters["wire_s"] = wire;
        state.counters["pauses_s"] = pauses;
        state.counters["ratio"] = seconds / (wire + pauses);
        state.counters["transfer_ratio"] = (seconds - pauses) / wire;
        state.counters["cpu_share"] = cpuShare;
        std::printf("%6d baud: %.2f s, wire limit %.2f s + pauses %.2f s, ratio %.3f (transfer alone %.3f), "
                    "CPU %.2f %% of a core\n",
                    baud, seconds, wire, pauses, seconds / (wire + pauses), (seconds - pauses) / wire,
                    100.0 * cpuShare);
    }
    std::filesystem::remove_all(base);
}

// Three passes that call a simulator which never answers.
void BM_SilentLine(benchmark::State& state) {
    const auto base = std::filesystem::temp_directory_path();
    for (auto _ : state) {
        sim::PseudoTerminal terminal;
        SimulatorProcess simulator(sim::SimulatorOptions{.silent = true}, terminal.MasterFd(), 9600);
        Pc pc(terminal, base);

        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ProcessCpuSeconds();
        for (int pass = 0; pass < 3; ++pass) {
            pc.link.SetState(link_state::kIdle);
            pc.link.Exchange();
            if (pc.link.Result() != LinkResult::TimedOut) state.SkipWithError("the silent line answered");
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpuShare = (ProcessCpuSeconds() - cpuStart) / seconds;
        state.SetIterationTime(seconds);
        state.counters["cpu_share"] = cpuShare;
        std::printf("silent line: %.2f s for three passes, CPU %.2f %% of a core\n", seconds, 100.0 * cpuShare);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The smoke run leaves out the slow line: the fast one shows that the update still works.
    auto* update = benchmark::RegisterBenchmark("BM_SoftwareUpdate", BM_SoftwareUpdate)->Arg(115200);
    if (!SmokeRun()) update->Arg(9600);
    update->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("BM_SilentLine", BM_SilentLine)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
