#pragma once
// Test doubles of the link: a delay that only counts, a line that plays a script of turns, a
// line with the Interface simulator on its other end, progress windows and a timer that record.
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/delay.h"
#include "link/interface_actions.h"
#include "link/link.h"
#include "link/progress.h"
#include "link/rs232_port.h"
#include "link/serial_port.h"
#include "sim/interface_simulator.h"
#include "support/scripted_dialogs.h"

namespace ovis::test {

class CountingDelay final : public Delay {
public:
    void Pause(std::chrono::microseconds duration) override {
        total += duration;
        ++pauses;
        if (onPause) onPause();
    }
    std::chrono::microseconds total{0};
    int pauses = 0;
    std::function<void()> onPause;
};

// A line on which the PC's output is compared with a script: when the characters written
// since the last turn equal the next turn's `expect`, its `reply` becomes readable.
class ScriptedLine final : public SerialPort {
public:
    struct Turn {
        std::string expect;
        std::string reply;
    };

    explicit ScriptedLine(std::vector<Turn> script = {}, std::string initialInput = {}) : turns(std::move(script)) {
        for (char c : initialInput) input.push_back(std::uint8_t(c));
    }

    bool Open(const std::string& path) override {
        opened.push_back(path);
        open = openSucceeds;
        return open;
    }
    std::string OpenFailure() const override { return open ? std::string() : openFailure; }
    bool Configure(int baud) override {
        bauds.push_back(baud);
        return configureSucceeds;
    }
    void Purge(bool rx, bool tx) override { purges.push_back({rx, tx}); }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    bool WriteOnce(std::uint8_t byte) override {
        ++writeAttempts;
        if (failWrites > 0) {
            --failWrites;
            return false;
        }
        written += char(byte);
        sinceTurn += char(byte);
        if (next < turns.size() && sinceTurn == turns[next].expect) {
            for (char c : turns[next].reply) input.push_back(std::uint8_t(c));
            sinceTurn.clear();
            ++next;
        }
        return true;
    }
    LineStatus Status() override {
        LineStatus status{statusReadable, int(input.size()), false};
        if (pendingErrors > 0 && input.empty()) {
            --pendingErrors;
            status.errorPending = true;
        }
        return status;
    }
    bool ReadOne(std::uint8_t& byte) override {
        if (input.empty()) return false;
        byte = input.front();
        input.pop_front();
        return true;
    }
    void WaitForInput(std::chrono::microseconds) override { ++waits; }

    bool TranscriptDone() const { return next == turns.size(); }

    std::vector<Turn> turns;
    std::size_t next = 0;
    std::string written, sinceTurn;
    std::deque<std::uint8_t> input;
    bool open = false, openSucceeds = true, configureSucceeds = true, statusReadable = true;
    std::string openFailure = "keine Berechtigung";
    int failWrites = 0, writeAttempts = 0, pendingErrors = 0, waits = 0;
    std::vector<std::string> opened;
    std::vector<int> bauds;
    std::vector<std::pair<bool, bool>> purges;
};

// A line with the Interface simulator at its other end, on virtual time: every wait for input
// advances the clock, so that the simulator's quiet rules fire.
class SimulatorLine final : public SerialPort {
public:
    explicit SimulatorLine(sim::SimulatorOptions options = {}) : simulator(options) {
        sim::InstallStandardHandlers(simulator);
    }
    bool Open(const std::string&) override {
        ++opens;
        return open = true;
    }
    std::string OpenFailure() const override { return {}; }
    bool Configure(int) override { return true; }
    void Purge(bool, bool) override {}
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    bool WriteOnce(std::uint8_t byte) override {
        std::string out;
        simulator.Receive(byte, now, out);
        for (char c : out) input.push_back(std::uint8_t(c));
        return true;
    }
    LineStatus Status() override { return {true, int(input.size()), false}; }
    bool ReadOne(std::uint8_t& byte) override {
        if (input.empty()) return false;
        byte = input.front();
        input.pop_front();
        return true;
    }
    void WaitForInput(std::chrono::microseconds timeout) override {
        if (!input.empty()) return;
        now += timeout;
        std::string out;
        simulator.Tick(now, out);
        for (char c : out) input.push_back(std::uint8_t(c));
    }

    sim::InterfaceSimulator simulator;
    std::deque<std::uint8_t> input;
    std::chrono::microseconds now{0};
    bool open = false;
    int opens = 0;
};

class RecordingProgress final : public ProgressWindows {
public:
    struct Window {
        std::vector<std::string> texts;
        int maximum = 12;
        std::vector<int> positions;
        bool closed = false;
    };

    std::unique_ptr<ProgressWindow> Open(const std::string& stepText) override {
        windows.push_back(std::make_shared<Window>());
        auto view = std::make_unique<View>(windows.back(), *this);
        view->SetStepText(stepText);
        return view;
    }
    // Every step text shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> all;
        for (const auto& w : windows) all.insert(all.end(), w->texts.begin(), w->texts.end());
        return all;
    }
    bool AllClosed() const {
        for (const auto& w : windows)
            if (!w->closed) return false;
        return true;
    }
    std::function<void(int position)> onPosition;
    std::vector<std::shared_ptr<Window>> windows;

private:
    class View final : public ProgressWindow {
    public:
        View(std::shared_ptr<Window> window, RecordingProgress& owner) : window_(std::move(window)), owner_(owner) {}
        ~View() override { window_->closed = true; }
        void SetStepText(const std::string& text) override { window_->texts.push_back(text); }
        void SetMaximum(int maximum) override { window_->maximum = maximum; }
        void SetPosition(int position) override {
            window_->positions.push_back(position);
            if (owner_.onPosition) owner_.onPosition(position);
        }

    private:
        std::shared_ptr<Window> window_;
        RecordingProgress& owner_;
    };
};

class RecordingTimer final : public ActionTimer {
public:
    void Start(int intervalMs) override {
        running = true;
        interval = intervalMs;
        ++starts;
    }
    void Stop() override { running = false; }
    bool running = false;
    int interval = 0;
    int starts = 0;
};

class PumpHook final : public Pump {
public:
    void ProcessPendingMessages() override {
        ++calls;
        if (onPump) onPump();
    }
    std::function<void()> onPump;
    int calls = 0;
};

// A link over a test line, the port opened, relay off unless changed.
template <typename Line>
struct LinkRig {
    Line line;
    CountingDelay delay;
    ScriptedDialogs dialogs;
    PumpHook pump;
    RelaySettings relay;
    Rs232Port port{line, [] { return PortSettings{1, 1}; },
                   [](int n) -> std::optional<std::string> { return "/dev/test" + std::to_string(n); }, delay};
    Link link;

    explicit LinkRig(LinkTuning tuning = {}) : link(port, dialogs, pump, delay, [this] { return relay; }, tuning) {
        port.ReopenPort();
    }
    template <typename... Args>
    explicit LinkRig(LinkTuning tuning, Args&&... lineArgs)
        : line(std::forward<Args>(lineArgs)...), link(port, dialogs, pump, delay, [this] { return relay; }, tuning) {
        port.ReopenPort();
    }
};

}  // namespace ovis::test
