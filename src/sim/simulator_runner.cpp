#include "sim/simulator_runner.h"

#include <poll.h>
#include <sys/prctl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ovis::sim {
namespace {

constexpr int kMaxPollMs = 20;

void SleepUntil(std::chrono::steady_clock::time_point when) {
    // steady_clock is CLOCK_MONOTONIC on this platform.
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(when.time_since_epoch()).count();
    timespec ts{time_t(ns / 1000000000LL), long(ns % 1000000000LL)};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

}  // namespace

SimulatorRunner::SimulatorRunner(InterfaceSimulator& simulator, int fd, int paceBaud,
                                 std::function<void(const ReceivedTelegram&)> onTelegram)
    : simulator_(simulator), fd_(fd), onTelegram_(std::move(onTelegram)) {
    if (paceBaud > 0) charTime_ = std::chrono::nanoseconds(10'000'000'000LL / paceBaud);
}

Micros SimulatorRunner::Now() const {
    return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now() - start_);
}

void SimulatorRunner::Write(const std::string& out, std::chrono::steady_clock::time_point arrival,
                            const std::atomic<bool>& stop) {
    for (char c : out) {
        if (charTime_.count() > 0) {
            busyUntil_ = std::max(busyUntil_, arrival) + charTime_;
            SleepUntil(busyUntil_);
        }
        while (!stop) {
            ssize_t n = ::write(fd_, &c, 1);
            if (n == 1) break;
            if (n < 0 && errno != EAGAIN && errno != EINTR) return;  // the line is gone
            pollfd pfd{fd_, POLLOUT, 0};
            ::poll(&pfd, 1, kMaxPollMs);
        }
    }
}

void SimulatorRunner::ReportNewTelegrams() {
    const auto& received = simulator_.Received();
    for (; reported_ < received.size(); ++reported_)
        if (onTelegram_) onTelegram_(received[reported_]);
}

void SimulatorRunner::Run(const std::atomic<bool>& stop) {
    if (charTime_.count() > 0) ::prctl(PR_SET_TIMERSLACK, 1UL);  // pacing needs exact sleeps
    std::string out;
    while (!stop) {
        int timeoutMs = kMaxPollMs;
        {
            std::lock_guard lock(mutex_);
            if (auto deadline = simulator_.NextDeadline()) {
                auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Now()).count();
                timeoutMs = int(std::clamp<long long>(wait, 0, kMaxPollMs));
            }
        }
        pollfd pfd{fd_, POLLIN, 0};
        int ready = ::poll(&pfd, 1, timeoutMs);
        if (ready > 0 && (pfd.revents & POLLIN)) {
            std::uint8_t buffer[256];
            ssize_t n = ::read(fd_, buffer, sizeof buffer);
            const auto arrival = std::chrono::steady_clock::now();
            for (ssize_t i = 0; i < n; ++i) {
                out.clear();
                {
                    std::lock_guard lock(mutex_);
                    simulator_.Receive(buffer[i], Now(), out);
                    ReportNewTelegrams();
                }
                Write(out, arrival, stop);
            }
        } else if (ready > 0) {
            ::poll(nullptr, 0, kMaxPollMs);  // hung up: wait instead of spinning
        }
        out.clear();
        {
            std::lock_guard lock(mutex_);
            if (idleWork_) idleWork_(simulator_, Now());
            simulator_.Tick(Now(), out);
        }
        Write(out, std::chrono::steady_clock::now(), stop);
    }
}

SimulatorThread::SimulatorThread(SimulatorOptions options, int fd, int paceBaud,
                                 const std::function<void(InterfaceSimulator&, SimulatorRunner&)>& prepare)
    : simulator_(options), runner_(simulator_, fd, paceBaud) {
    InstallStandardHandlers(simulator_);
    if (prepare) prepare(simulator_, runner_);
    thread_ = std::thread([this] { runner_.Run(stop_); });
}

SimulatorThread::~SimulatorThread() {
    stop_ = true;
    thread_.join();
}

}  // namespace ovis::sim
