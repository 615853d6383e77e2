#pragma once
// The serial port on a POSIX terminal device (termios).
#include "link/serial_port.h"

namespace ovis {

// Puts an open terminal into the line settings of the link: raw, 7 data bits, no parity,
// 2 stop bits, receiver on, no modem control wait, no flow control, at `baud`. DTR and RTS are
// raised where the device has them. False when the device takes no such settings.
bool ConfigureLine(int fd, int baud);

// Why opening `devicePath` failed with the error number `error`, in German; a missing permission
// names the group that owns the device ("dialout" on most systems).
std::string OpenFailureText(const std::string& devicePath, int error);

class TermiosSerialPort final : public SerialPort {
public:
    TermiosSerialPort() = default;
    ~TermiosSerialPort() override { Close(); }
    TermiosSerialPort(const TermiosSerialPort&) = delete;
    TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

    bool Open(const std::string& devicePath) override;
    std::string OpenFailure() const override { return openFailure_; }
    bool Configure(int baud) override;
    void Purge(bool rx, bool tx) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    bool WriteOnce(std::uint8_t byte) override;
    LineStatus Status() override;
    bool ReadOne(std::uint8_t& byte) override;
    void WaitForInput(std::chrono::microseconds timeout) override;

private:
    int fd_ = -1;
    std::string openFailure_;
    bool countsKnown_ = false;  // whether the device reports line error counts
    long errorCount_ = 0;       // framing, overrun, parity and break errors seen so far
};

}  // namespace ovis
