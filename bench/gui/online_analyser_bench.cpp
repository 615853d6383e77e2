// The online analyser (offscreen) following a simulated Interface over a pseudo-terminal whose
// plant reports 1000 (and 200) level changes per second, for 20 s of wall time each (1 s in smoke
// mode). Target: the user-interface thread below 5 % of one core, and a level change painted at
// most two ticks after the simulator made it. A poll takes at most one telegram and the next poll
// confirms it, so the line carries one telegram of at most 32 changes per two ticks (320 per
// second): above that rate the Interface's backlog, and with it the latency, grows. Counters: cpu_percent (the user-interface thread's CPU time over
// wall time), items (decoded items), latency_ticks_max (the longest time from a switch at the
// simulator to the first step after its item was decoded, in 50-ms ticks).
//
//   ./online_analyser_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <memory>

#include "gui_bench.h"
#include "../bench_smoke.h"
#include "evaluation/gui/analyser_online_window.h"
#include "link/gui/Zel_Global.h"
#include "link/interface_actions.h"
#include "link/interface_commands.h"
#include "link/open_editors.h"
#include "link/online_analyser_link.h"
#include "link/termios_serial_port.h"
#include "platform/gui/qt_pump.h"
#include "project/system_parameters.h"
#include "sim/online_plant.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"
#include "support/scripted_dialogs.h"

namespace {

using namespace ovis;

constexpr int kMessages = 200;
constexpr int kProbe = kMessages;  // switched by the bench; the plant changes 1 to kMessages - 1

class NoTimer final : public ActionTimer {
public:
    void Start(int) override {}
    void Stop() override {}
};

void BM_OnlineAnalyserStream(benchmark::State& state) {
    sim::PseudoTerminal terminal;
    sim::OnlinePlant plant(sim::OnlineOptions{.plantRate = double(state.range(0)), .seed = 1, .reply12Every = 0,
                                              .plantMessages = kMessages - 1, .events = {}});
    sim::SimulatorThread simulator({}, terminal.MasterFd(), 0, [&](sim::InterfaceSimulator& s, sim::SimulatorRunner& r) {
        plant.Install(s);
        r.SetIdleWork([&plant](sim::InterfaceSimulator& sim, sim::Micros now) { plant.Advance(sim, now); });
    });
    TermiosSerialPort device;
    SleepingDelay delay;
    test::ScriptedDialogs dialogs;
    gui::QtPump pump;
    const std::string path = terminal.SlavePath();
    Rs232Port port(device, [] { return PortSettings{1, 1}; }, [path](int) -> std::optional<std::string> { return path; },
                   delay);
    port.ReopenPort();
    Link link(port, dialogs, pump, delay, [] { return RelaySettings{}; });
    NoTimer timer;
    gui::QtProgressWindows progress([&link] { link.RequestAbort(); });
    NoOpenEditors editors;
    SystemParameters parameters;
    parameters.Record().Nummer = 1;
    InterfaceActions actions(link, dialogs, timer, progress, editors, parameters, [] { return std::filesystem::path(); });
    SystemClock clock;
    ClockSetting clockSetting;
    OnlineStream stream(link, clock, clockSetting, {[] { return 1; }, [] { return false; }, [] { return kMessages; }});
    stream.Targets().messageCount = kMessages;
    OnlineAnalyserLink source(stream, link, progress, actions);
    source.Attach();

    std::vector<int> messages;
    for (int m = 1; m <= kMessages; ++m) messages.push_back(m);
    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    auto* form = new gui::TFormAnalyserOnline(source, AnalyserRows::Build(messages, all, [](int) { return std::string("M"); }),
                                              {"Alle Meldungen"}, 0, [](int) { return std::string("M"); });
    form->show();

    QElapsedTimer clockMs;
    clockMs.start();
    long long items = 0;
    qint64 switchedAt = -1;
    bool probeHigh = false;
    double latencyTicks = 0;
    stream.SetItemObserver([&](std::uint8_t, std::span<const OnlineEvent> decoded) {
        items += qint64(decoded.size());
        for (const OnlineEvent& e : decoded)
            if (e.message == kProbe && e.high == probeHigh && switchedAt >= 0) {
                // Painted by the next step, at most one tick later.
                const double ticks = double(clockMs.elapsed() - switchedAt) / kOnlineTickMs + 1;
                latencyTicks = std::max(latencyTicks, std::ceil(ticks));
                switchedAt = -1;
            }
    });
    QTimer probe;
    probe.setInterval(500);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        probeHigh = !probeHigh;
        switchedAt = clockMs.elapsed();
        simulator.With([&](sim::InterfaceSimulator& s) { plant.Switch(s, kProbe, probeHigh); });
    });

    double share = 0;
    for (auto _ : state) {
        link.SetState(link_state::kDone);
        link.FinishExchange();
        link.Prepare(1, command::kOnlineStart, OnlineStartPayload(kMessages));
        link.SendTelegram();
        form->StartPolling();
        probe.start();
        QEventLoop loop;
        QTimer::singleShot(bench::SmokeRun() ? 1'000 : 20'000, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        const double cpuBefore = bench::ThreadCpuSeconds();
        wall.start();
        loop.exec();
        share = (bench::ThreadCpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9);
        probe.stop();
    }
    form->close();
    state.counters["cpu_percent"] = 100 * share;
    state.counters["items"] = double(items);
    state.counters["latency_ticks_max"] = latencyTicks;
}
BENCHMARK(BM_OnlineAnalyserStream)->Arg(1000)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return ovis::bench::RunGuiBenchmarks(argc, argv); }
