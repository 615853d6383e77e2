#pragma once
// The device operations of a serial port, one system call each: the seam between the port
// owner (Rs232Port) and the platform (termios) or a test double.
#include <chrono>
#include <cstdint>
#include <string>

namespace ovis {

struct LineStatus {
    bool readable = false;     // false: the status could not be read
    int bytesWaiting = 0;
    bool errorPending = false; // framing, overrun, parity or break since the last status
};

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens an existing device for reading and writing, not shared. False when it cannot.
    virtual bool Open(const std::string& devicePath) = 0;
    // Why the last Open failed, in German ("keine Berechtigung ..."); empty after a success.
    virtual std::string OpenFailure() const = 0;
    // 7 data bits, no parity, 2 stop bits, raw, DTR and RTS on, no flow control.
    virtual bool Configure(int baud) = 0;
    virtual void Purge(bool rx, bool tx) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // One attempt to write one byte; true when it was written.
    virtual bool WriteOnce(std::uint8_t byte) = 0;
    // Reads and clears the error and queue status.
    virtual LineStatus Status() = 0;
    // Reads one waiting byte; false when none was read.
    virtual bool ReadOne(std::uint8_t& byte) = 0;
    // Waits up to `timeout` for input to arrive (or returns at once when some is waiting); the
    // caller's thread sleeps meanwhile.
    virtual void WaitForInput(std::chrono::microseconds timeout) = 0;
};

}  // namespace ovis
