#pragma once
// A serial port that logs every character on the line, grouped by direction, for diagnosing an
// installation: "[  12.345 ms] PC> #&1218)" and "[  12.420 ms] IF< &1218)".
#include <chrono>
#include <ostream>
#include <string>

#include "link/serial_port.h"

namespace ovis {

class TracingSerialPort final : public SerialPort {
public:
    TracingSerialPort(SerialPort& inner, std::ostream& log);
    ~TracingSerialPort() override { Flush(); }

    bool Open(const std::string& devicePath) override;
    std::string OpenFailure() const override { return inner_.OpenFailure(); }
    bool Configure(int baud) override;
    void Purge(bool rx, bool tx) override { inner_.Purge(rx, tx); }
    void Close() override;
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool WriteOnce(std::uint8_t byte) override;
    LineStatus Status() override;
    bool ReadOne(std::uint8_t& byte) override;
    void WaitForInput(std::chrono::microseconds timeout) override { inner_.WaitForInput(timeout); }

    // Writes the characters collected so far.
    void Flush();

private:
    enum class Direction { None, Out, In };
    void Note(Direction direction, std::uint8_t byte);
    void Line(const std::string& text);

    SerialPort& inner_;
    std::ostream& log_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    Direction direction_ = Direction::None;
    std::string pending_;
    double pendingAt_ = 0;
};

}  // namespace ovis
