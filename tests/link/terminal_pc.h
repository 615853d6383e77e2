#pragma once
// The PC side of end-to-end tests over a real terminal device: termios port, link and Interface
// actions; pauses are counted, not slept, so that the tests run at the speed of the line.
#include <optional>
#include <string>

#include "project/system_parameters.h"
#include "link/interface_actions.h"
#include "link/link_fakes.h"
#include "link/termios_serial_port.h"
#include "support/temp_dir.h"

namespace ovis::test {

struct TerminalPc {
    explicit TerminalPc(std::string device, int address = 1) : device_(std::move(device)) {
        parameters.Record().Nummer = std::uint8_t(address);
        port.ReopenPort();
        link.SetState(link_state::kDone);
    }

    void Run(ActionTag tag) {
        actions.StartAction(tag);
        actions.Timer1Timer();
    }

    std::string device_;
    SystemParameters parameters;
    TermiosSerialPort termios;
    CountingDelay delay;
    ScriptedDialogs dialogs;
    NullPump pump;
    Rs232Port port{termios, parameters, [this](int) -> std::optional<std::string> { return device_; }, delay};
    Link link{port, dialogs, pump, delay, [] { return RelaySettings{}; }};
    RecordingTimer timer;
    RecordingProgress progress;
    NoOpenEditors editors;
    TempDir base;
    InterfaceActions actions{link, dialogs, timer, progress, editors, parameters, [this] { return base.path(); }};
};

}  // namespace ovis::test
