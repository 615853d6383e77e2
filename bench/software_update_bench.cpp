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
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>

#include "config/system_parameters.h"
#include "link/firmware_image.h"
#include "link/interface_actions.h"
#include "link/link.h"
#include "link/termios_serial_port.h"
#include "records/typed_file.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"

namespace {

using namespace ovis;

class CountingPort final : public SerialPort {
public:
    explicit CountingPort(SerialPort& inner) : inner_(inner) {}
    bool Open(const std::string& path) override { return inner_.Open(path); }
    std::string OpenFailure() const override { return inner_.OpenFailure(); }
    bool Configure(int baud) override { return inner_.Configure(baud); }
    void Purge(bool rx, bool tx) override { inner_.Purge(rx, tx); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool WriteOnce(std::uint8_t byte) override {
        bool ok = inner_.WriteOnce(byte);
        sent += ok;
        return ok;
    }
    LineStatus Status() override { return inner_.Status(); }
    bool ReadOne(std::uint8_t& byte) override {
        bool ok = inner_.ReadOne(byte);
        received += ok;
        return ok;
    }
    void WaitForInput(std::chrono::microseconds timeout) override { inner_.WaitForInput(timeout); }

    long sent = 0, received = 0;

private:
    SerialPort& inner_;
};

class MeasuredDelay final : public Delay {
public:
    void Pause(std::chrono::microseconds duration) override {
        total += duration;
        sleeper.Pause(duration);
    }
    SleepingDelay sleeper;
    std::chrono::microseconds total{0};
};

class NoProgress final : public ProgressWindows {
    class Window final : public ProgressWindow {
        void SetStepText(const std::string&) override {}
        void SetMaximum(int) override {}
        void SetPosition(int) override {}
    };

public:
    std::unique_ptr<ProgressWindow> Open(const std::string&) override { return std::make_unique<Window>(); }
};

class NoTimer final : public ActionTimer {
    void Start(int) override {}
    void Stop() override {}
};

class FailingDialogs final : public Dialogs {
public:
    Answer Show(BoxKind, const std::string& text, Buttons, const std::string&) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        ++shown;
        return Answer::Cancel;
    }
    std::optional<std::string> Input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    int shown = 0;
};

// The simulator on the terminal's master side, in a child process until destroyed.
class SimulatorProcess {
public:
    SimulatorProcess(sim::SimulatorOptions options, int fd, int baud) {
        pid_ = ::fork();
        if (pid_ == 0) {
            sim::InterfaceSimulator simulator(options);
            sim::InstallStandardHandlers(simulator);
            sim::SimulatorRunner runner(simulator, fd, baud);
            std::atomic<bool> stop{false};
            runner.Run(stop);
            ::_exit(0);
        }
    }
    ~SimulatorProcess() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

private:
    pid_t pid_ = -1;
};

double ProcessCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The PC side over the slave of `terminal`: the termios port counted, pauses slept and summed.
struct Pc {
    explicit Pc(const sim::PseudoTerminal& terminal, const std::filesystem::path& base)
        : rs232(port, parameters, [&terminal](int) -> std::optional<std::string> { return terminal.SlavePath(); },
                delay),
          actions(link, dialogs, timer, progress, editors, parameters, [base] { return base; }) {
        rs232.ReopenPort();
        link.SetState(link_state::kDone);
    }

    SystemParameters parameters;
    TermiosSerialPort termios;
    CountingPort port{termios};
    MeasuredDelay delay;
    FailingDialogs dialogs;
    NullPump pump;
    Rs232Port rs232;
    Link link{rs232, dialogs, pump, delay, [] { return RelaySettings{}; }};
    NoTimer timer;
    NoProgress progress;
    NoOpenEditors editors;
    InterfaceActions actions;
};

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

BENCHMARK(BM_SoftwareUpdate)->Arg(115200)->Arg(9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_SilentLine)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
