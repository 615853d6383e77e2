// The read-out of data units. Decode: a full read-out, ten units of 252 replies of 32 items
// (80640 records), through the read-out decoder (target: under 10 ms). Transfer: ten full units
// read from the Interface simulator in a child process on a pseudo-terminal, its output paced at
// 115200 baud, against the wire limit: the characters of the busier direction times 10 bits over
// the baud rate (target: a ratio of at most 1.10); also the ratio with the link's own pauses
// (100 ms after the request, 10 ms per reply) added to the limit.
//
//   ./readout_bench --benchmark_filter=Decode     the decoder alone
//   ./readout_bench --benchmark_filter=Transfer   the transfer (about a minute)
//
// In smoke mode the transfer reads one unit instead of ten.
#include <benchmark/benchmark.h>

#include "bench_smoke.h"
#include "link/readout_decoder.h"
#include "link/unit_readout.h"
#include "link_bench_support.h"
#include "sim/memory_card.h"

namespace {

using namespace ovis;
using namespace ovis::bench;

constexpr std::size_t kRecordsPerUnit = 8064;
static_assert(10 * kRecordsPerUnit == kRecordingCapacity);

// Units of 8062 events 10 us apart: each unit 252 full replies, 8064 records.
std::vector<sim::CardEvent> FullUnits(int units) {
    std::vector<sim::CardEvent> events;
    for (int unit = 0; unit < units; ++unit)
        for (int i = 0; i < 8062; ++i)
            events.push_back({0, {2010, 5, 1 + unit, 8, 0, i / 100000, i % 100000}, 1 + i % 500, i % 2 == 0});
    return events;
}

void BM_DecodeFullReadout(benchmark::State& state) {
    const sim::MemoryCard card(FullUnits(10));
    const auto replies = card.ReadoutReplies(0, 1, 10);
    ReadoutDecoder decoder;
    for (auto _ : state) {
        decoder.Reset();
        for (std::size_t i = 0; i + 1 < replies.size(); ++i) decoder.AddReply(replies[i]);
        benchmark::DoNotOptimize(decoder.Count());
    }
    if (decoder.Count() != kRecordingCapacity || decoder.Fault() != ReadoutFault::None)
        state.SkipWithError("not a full read-out");
    state.counters["records"] = double(decoder.Count());
    state.counters["replies"] = double(replies.size() - 1);
}
BENCHMARK(BM_DecodeFullReadout)->Unit(benchmark::kMillisecond);

void BM_TransferFullUnits(benchmark::State& state) {
    constexpr int kBaud = 115200;
    const int units = SmokeRun() ? 1 : 10;
    const auto card = std::make_shared<const sim::MemoryCard>(FullUnits(units));
    const auto base = std::filesystem::temp_directory_path() / ("ovis-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base);
    for (auto _ : state) {
        sim::PseudoTerminal terminal;
        SimulatorProcess simulator({}, terminal.MasterFd(), kBaud,
                                   [&](sim::InterfaceSimulator& s) { sim::InstallMemoryCard(s, card); });
        Pc pc(terminal, base);
        UnitReadout readout(pc.link, pc.dialogs, pc.progress, pc.actions);
        const auto start = std::chrono::steady_clock::now();
        const auto pausesBefore = pc.delay.total;
        const auto count = readout.TransferUnits(1, 0, 1, units, base / "Zehn.ofa");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        if (count != kRecordsPerUnit * std::size_t(units)) state.SkipWithError("the read-out did not complete");
        const double wire = double(std::max(pc.port.sent, pc.port.received)) * 10.0 / kBaud;
        const double pauses = std::chrono::duration<double>(pc.delay.total - pausesBefore).count();
        state.counters["wire_s"] = wire;
        state.counters["pauses_s"] = pauses;
        state.counters["ratio"] = seconds / wire;
        state.counters["ratio_with_pauses"] = seconds / (wire + pauses);
        std::printf("%d units at %d baud: %.2f s, wire limit %.2f s, ratio %.3f; pauses %.2f s, ratio with "
                    "them %.3f\n",
                    units, kBaud, seconds, wire, seconds / wire, pauses, seconds / (wire + pauses));
    }
    std::filesystem::remove_all(base);
}
BENCHMARK(BM_TransferFullUnits)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
