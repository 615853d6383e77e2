#pragma once
// The link as ovisctl uses it: the serial port named on the command line (or a project's
// COMn), optional tracing of the line on stderr, boxes and progress on stderr, and Ctrl+C as
// "Abbrechen".
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/stderr_dialogs.h"
#include "project/system_parameters.h"
#include "link/delay.h"
#include "link/interface_actions.h"
#include "link/link.h"
#include "link/rs232_port.h"
#include "link/termios_serial_port.h"
#include "link/tracing_serial_port.h"

namespace ovis::cli {

// The options every link command takes.
inline const std::vector<std::string> kLinkValueOptions = {"port", "number", "project", "baud"};
inline const std::vector<std::string> kLinkFlags = {"trace"};
inline constexpr const char* kLinkUsage = "--port DEV [--number N] [--project DIR] [--baud RATE] [--trace]";

class LinkSession {
public:
    // Reads --port, --number, --project, --baud and --trace; UsageError for bad values, IoError
    // when the project's parameters cannot be read.
    explicit LinkSession(const Arguments& arguments, RelayMode relay = RelayMode::None,
                         std::filesystem::path baseDirectory = {}, std::filesystem::path serverDirectory = {});
    ~LinkSession();

    // Reopens the port; false (with a message on stderr) when it cannot be opened.
    bool OpenPort();
    const std::string& DevicePath() const { return devicePath_; }

    Link& link() { return *link_; }
    InterfaceActions& actions() { return *actions_; }
    SystemParameters& parameters() { return parameters_; }
    Delay& delay() { return delay_; }
    ProgressWindows& progress();

private:
    class Progress;
    class Timer;
    class AbortPump;

    SystemParameters parameters_;
    std::string devicePath_;
    std::filesystem::path baseDirectory_;
    std::filesystem::path serverDirectory_;
    RelayMode relay_;
    TermiosSerialPort termios_;
    std::unique_ptr<TracingSerialPort> tracing_;
    SleepingDelay delay_;
    StderrDialogs dialogs_;
    std::unique_ptr<AbortPump> pump_;
    std::unique_ptr<Rs232Port> port_;
    std::unique_ptr<Link> link_;
    std::unique_ptr<Progress> progress_;
    std::unique_ptr<Timer> timer_;
    NoOpenEditors editors_;
    std::unique_ptr<InterfaceActions> actions_;
};

// The link session of the project folder given as PROJEKTVERZEICHNIS: the project's Interface
// number and PC baud rate unless --number or --baud are given; --project is refused.
std::unique_ptr<LinkSession> OpenProjectSession(const Arguments& arguments, const SystemParameters& project);

}  // namespace ovis::cli
