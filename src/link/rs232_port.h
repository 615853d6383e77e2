#pragma once
// The PC's one serial port as the link uses it: reopened with the port number and baud factor
// of the system parameters, one byte at a time in each direction.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/delay.h"
#include "link/serial_port.h"

namespace ovis {

class SystemParameters;

struct PortSettings {
    int portNumber = 1;  // 1 to 8 for "COM1" to "COM8"
    int baudFactor = 1;  // factor of 9600
};

// The device path of a port number; nothing when there is no such port.
using DevicePathResolver = std::function<std::optional<std::string>(int portNumber)>;

class Rs232Port {
public:
    static constexpr int kWriteAttempts = 100;

    // `settings` is read at every reopen, so a change takes effect then.
    Rs232Port(SerialPort& device, std::function<PortSettings()> settings, DevicePathResolver devicePath, Delay& delay);
    // Settings from the system parameters (`Schnittstelle`, `BaudFaktorPC`).
    Rs232Port(SerialPort& device, const SystemParameters& parameters, DevicePathResolver devicePath, Delay& delay);

    // Closes the port when it is open, selects the baud rate from the baud factor and opens it.
    void ReopenPort();
    // Opens the configured port unless it is open; true when it is open afterwards. A port that
    // cannot be opened stays closed without a box; OpenFailureMessage says why, and the failure
    // report (if set) receives it once until the port opens or the reason changes.
    bool OpenPort();
    void PurgePort(bool rx, bool tx);
    void ClosePort();
    bool PortIsOpen() const { return device_.IsOpen(); }

    // Up to 100 attempts, 1 ms apart; false at once when the port is closed.
    bool WriteByte(std::uint8_t byte);
    // Never waits. True with a new byte when one was waiting; true with `byte` unchanged when a
    // line error is pending and nothing is waiting; false otherwise.
    bool ReadByte(std::uint8_t& byte);
    // Waits up to `timeout` for input; at once when the port is closed.
    void WaitForInput(std::chrono::microseconds timeout);

    // "Die Schnittstelle "/dev/ttyS0" kann nicht geöffnet werden: <reason>."; empty while open or
    // before the first open.
    const std::string& OpenFailureMessage() const { return openFailure_; }
    void SetFailureReport(std::function<void(const std::string& message)> report) { report_ = std::move(report); }

    int SelectedBaudIndex() const { return baudIndex_; }
    int SelectedBaud() const;

private:
    void ConfigurePort();
    void Fail(const std::string& message);

    SerialPort& device_;
    std::function<PortSettings()> settings_;
    DevicePathResolver devicePath_;
    Delay& delay_;
    int baudIndex_ = 0;
    std::string openFailure_;
    std::function<void(const std::string&)> report_;
};

}  // namespace ovis
