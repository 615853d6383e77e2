#include "cli/link_session.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>

#include "config/baud_coding.h"
#include "link/port_names.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) { interrupted = true; }

}  // namespace

// Ctrl+C requests the abort, as "Abbrechen" does in the progress window.
class LinkSession::AbortPump final : public Pump {
public:
    explicit AbortPump(std::function<void()> requestAbort) : requestAbort_(std::move(requestAbort)) {}
    void ProcessPendingMessages() override {
        if (interrupted) requestAbort_();
    }

private:
    std::function<void()> requestAbort_;
};

// The progress window as lines on stderr: the step text, then the position (updated in place
// on a terminal, every tenth of the way otherwise).
class LinkSession::Progress final : public ProgressWindows {
public:
    std::unique_ptr<ProgressWindow> Open(const std::string& stepText) override {
        auto window = std::make_unique<Line>();
        window->SetStepText(stepText);
        return window;
    }

private:
    class Line final : public ProgressWindow {
    public:
        ~Line() override { EndLine(); }
        void SetStepText(const std::string& text) override {
            EndLine();
            text_ = text;
            std::cerr << text_ << std::flush;
            open_ = true;
            shownTenth_ = -1;
        }
        void SetMaximum(int maximum) override { maximum_ = maximum; }
        void SetPosition(int position) override {
            if (maximum_ <= 0) return;
            if (terminal_) {
                std::cerr << '\r' << text_ << ' ' << position << '/' << maximum_ << std::flush;
                open_ = true;
                return;
            }
            int tenth = position * 10 / maximum_;
            if (tenth == shownTenth_) return;
            shownTenth_ = tenth;
            EndLine();
            std::cerr << text_ << ' ' << position << '/' << maximum_ << '\n' << std::flush;
        }

    private:
        void EndLine() {
            if (open_) std::cerr << '\n' << std::flush;
            open_ = false;
        }
        const bool terminal_ = ::isatty(STDERR_FILENO) != 0;
        std::string text_;
        int maximum_ = 12;
        int shownTenth_ = -1;
        bool open_ = false;
    };
};

// ovisctl runs the connection timer's tick itself.
class LinkSession::Timer final : public ActionTimer {
public:
    void Start(int) override {}
    void Stop() override {}
};

LinkSession::LinkSession(const Arguments& arguments, RelayMode relay, std::filesystem::path baseDirectory,
                         std::filesystem::path serverDirectory)
    : baseDirectory_(std::move(baseDirectory)), serverDirectory_(std::move(serverDirectory)), relay_(relay) {
    if (auto project = arguments.Option("project")) parameters_.Load(*project);
    auto& record = parameters_.Record();
    if (auto number = arguments.IntegerOption("number", 1, 99)) record.Nummer = std::uint8_t(*number);
    if (auto rate = arguments.IntegerOption("baud", 1, 115200)) {
        if (*rate % 9600 != 0 || !ListIndexForBaudFactor(*rate / 9600))
            throw UsageError("Ungültiger Wert für --baud: \"" + std::to_string(*rate) +
                             "\" (9600, 19200, 38400, 57600 oder 115200)");
        record.BaudFaktorPC = std::uint8_t(*rate / 9600);
    }
    if (auto port = arguments.Option("port")) {
        devicePath_ = *port;
    } else if (arguments.Option("project")) {
        devicePath_ = DevicePathFromEnvironment(parameters_.PortNumber(), {}).value_or("");
    } else {
        throw UsageError("--port oder --project fehlt");
    }

    std::signal(SIGINT, OnInterrupt);
    SerialPort* device = &termios_;
    if (arguments.Flag("trace")) {
        tracing_ = std::make_unique<TracingSerialPort>(termios_, std::cerr);
        device = tracing_.get();
    }
    port_ = std::make_unique<Rs232Port>(*device, parameters_,
                                        [this](int) -> std::optional<std::string> { return devicePath_; }, delay_);
    pump_ = std::make_unique<AbortPump>([this] { link_->RequestAbort(); });
    link_ = std::make_unique<Link>(*port_, dialogs_, *pump_, delay_,
                                   [this] { return RelaySettings{relay_, baseDirectory_, serverDirectory_}; });
    progress_ = std::make_unique<Progress>();
    timer_ = std::make_unique<Timer>();
    actions_ = std::make_unique<InterfaceActions>(*link_, dialogs_, *timer_, *progress_, editors_, parameters_,
                                                  [this] { return baseDirectory_; });
}

LinkSession::~LinkSession() { std::signal(SIGINT, SIG_DFL); }

ProgressWindows& LinkSession::progress() { return *progress_; }

bool LinkSession::OpenPort() {
    port_->ReopenPort();
    if (port_->PortIsOpen()) return true;
    std::cerr << TerminalLines(port_->OpenFailureMessage()) << '\n';
    return false;
}

std::unique_ptr<LinkSession> OpenProjectSession(const Arguments& a, const SystemParameters& project) {
    if (a.Option("project")) throw UsageError("--project gilt hier nicht: das Projekt ist PROJEKTVERZEICHNIS");
    auto session = std::make_unique<LinkSession>(a);
    auto& record = session->parameters().Record();
    const auto number = record.Nummer;
    const auto baud = record.BaudFaktorPC;
    record = project.Record();
    if (a.Option("number")) record.Nummer = number;
    if (a.Option("baud")) record.BaudFaktorPC = baud;
    return session;
}

}  // namespace ovis::cli
