// The software update against ovis-sim on a pseudo-terminal, the simulator's output paced at
// the line's baud rate (10 bits per character). Reports the time against the wire limit: the
// characters of the busier direction times 10 bits over the baud rate, plus the pauses the update
// makes (50 ms, 1 s, 10 ms per block and after the address patch, 100 steps of 100 ms).
//
//   ./software_update_bench                              both rates (about 70 s)
//   ./software_update_bench --benchmark_filter=/115200   the fast one (about 17 s)
#include <benchmark/benchmark.h>

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

void BM_SoftwareUpdate(benchmark::State& state) {
    const int baud = int(state.range(0));
    const auto base = std::filesystem::temp_directory_path() / ("ovis-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base);
    const FirmwareImage image = MakeTestFirmwareImage();
    WriteFileAtomically(base / kFirmwareFileName, {image.begin(), image.end()});

    for (auto _ : state) {
        sim::PseudoTerminal terminal;
        sim::SimulatorThread simulator({}, terminal.MasterFd(), baud);
        SystemParameters parameters;
        TermiosSerialPort termios;
        CountingPort port(termios);
        MeasuredDelay delay;
        FailingDialogs dialogs;
        NullPump pump;
        Rs232Port rs232(port, parameters, [&](int) -> std::optional<std::string> { return terminal.SlavePath(); },
                        delay);
        rs232.ReopenPort();
        Link link(rs232, dialogs, pump, delay, [] { return RelaySettings{}; });
        link.SetState(link_state::kDone);
        NoTimer timer;
        NoProgress progress;
        NoOpenEditors editors;
        InterfaceActions actions(link, dialogs, timer, progress, editors, parameters, [&] { return base; });

        const auto start = std::chrono::steady_clock::now();
        actions.StartAction(ActionTag::SoftwareUpdate);
        actions.Timer1Timer();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);

        if (!actions.LastActionCompleted() || dialogs.shown) state.SkipWithError("the update did not complete");
        const double pauses = std::chrono::duration<double>(delay.total).count();
        const double wire = double(std::max(port.sent, port.received)) * 10.0 / baud;
        state.counters["pc_chars"] = double(port.sent);
        state.counters["interface_chars"] = double(port.received);
        state.counters["wire_s"] = wire;
        state.counters["pauses_s"] = pauses;
        state.counters["ratio"] = seconds / (wire + pauses);
        state.counters["transfer_ratio"] = (seconds - pauses) / wire;
        std::printf("%6d baud: %.2f s, wire limit %.2f s + pauses %.2f s, ratio %.3f (transfer alone %.3f)\n", baud,
                    seconds, wire, pauses, seconds / (wire + pauses), (seconds - pauses) / wire);
    }
    std::filesystem::remove_all(base);
}

BENCHMARK(BM_SoftwareUpdate)->Arg(115200)->Arg(9600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
