#pragma once
// The PC side of the link benchmarks: a termios port that counts the characters, pauses that
// are slept (shortened in smoke mode) and summed, progress and timer that do nothing, boxes printed to stderr, and the
// simulator in a child process on a pseudo-terminal, paced at the line's baud rate.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "bench_smoke.h"
#include "project/system_parameters.h"
#include "link/interface_actions.h"
#include "link/link.h"
#include "link/termios_serial_port.h"
#include "sim/pseudo_terminal.h"
#include "sim/simulator_runner.h"

namespace ovis::bench {

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

// Pauses summed and slept; in smoke mode none is slept longer than a write retry's 1 ms.
class MeasuredDelay final : public Delay {
public:
    void Pause(std::chrono::microseconds duration) override {
        total += duration;
        sleeper.Pause(smoke ? std::min(duration, std::chrono::microseconds(1000)) : duration);
    }
    bool smoke = SmokeRun();
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

// The simulator on the terminal's master side, in a child process until destroyed; `setup`
// installs further command handlers.
class SimulatorProcess {
public:
    SimulatorProcess(sim::SimulatorOptions options, int fd, int baud,
                     const std::function<void(sim::InterfaceSimulator&)>& setup = {}) {
        pid_ = ::fork();
        if (pid_ == 0) {
            sim::InterfaceSimulator simulator(options);
            sim::InstallStandardHandlers(simulator);
            if (setup) setup(simulator);
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

inline double ProcessCpuSeconds() {
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

}  // namespace ovis::bench
