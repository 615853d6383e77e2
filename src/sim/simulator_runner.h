#pragma once
// Runs an InterfaceSimulator on a file descriptor (the master of a pseudo-terminal or a serial
// device): waits for input with poll, feeds every character to the simulator and writes its
// answers, optionally paced at a baud rate of 10 bits per character.
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "sim/interface_simulator.h"

namespace ovis::sim {

class SimulatorRunner {
public:
    // `paceBaud` 0 writes at once. `onTelegram` is called for every telegram the simulator takes.
    SimulatorRunner(InterfaceSimulator& simulator, int fd, int paceBaud = 0,
                    std::function<void(const ReceivedTelegram&)> onTelegram = {});

    // Runs until `stop` is set; it is checked at least every 20 ms.
    void Run(const std::atomic<bool>& stop);

    // Work done at every turn of the loop (at least every 20 ms) with the simulator locked.
    void SetIdleWork(std::function<void(InterfaceSimulator&, Micros now)> work) { idleWork_ = std::move(work); }

    // Access to the simulator while the runner may be running.
    template <typename F>
    auto With(F&& f) {
        std::lock_guard lock(mutex_);
        return f(simulator_);
    }

private:
    Micros Now() const;
    // Writes the answer to characters that arrived at `arrival`: paced like a UART, each
    // character leaves one character time after the previous one, or after its arrival.
    void Write(const std::string& out, std::chrono::steady_clock::time_point arrival, const std::atomic<bool>& stop);
    void ReportNewTelegrams();

    InterfaceSimulator& simulator_;
    int fd_;
    std::chrono::nanoseconds charTime_{0};
    std::function<void(const ReceivedTelegram&)> onTelegram_;
    std::function<void(InterfaceSimulator&, Micros)> idleWork_;
    std::mutex mutex_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point busyUntil_ = start_;
    std::size_t reported_ = 0;
};

// A simulator with its runner on a background thread; stops and joins when destroyed.
class SimulatorThread {
public:
    // `prepare` runs before the thread starts (handlers, idle work).
    SimulatorThread(SimulatorOptions options, int fd, int paceBaud = 0,
                    const std::function<void(InterfaceSimulator&, SimulatorRunner&)>& prepare = {});
    ~SimulatorThread();
    SimulatorThread(const SimulatorThread&) = delete;
    SimulatorThread& operator=(const SimulatorThread&) = delete;

    template <typename F>
    auto With(F&& f) {
        return runner_.With(std::forward<F>(f));
    }

private:
    InterfaceSimulator simulator_;
    SimulatorRunner runner_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace ovis::sim
