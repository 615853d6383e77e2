#include "link/tracing_serial_port.h"

#include <cstdio>

#include "records/terminal_text.h"

namespace ovis {

TracingSerialPort::TracingSerialPort(SerialPort& inner, std::ostream& log) : inner_(inner), log_(log) {}

void TracingSerialPort::Line(const std::string& text) {
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%10.3f ms] ", ms);
    log_ << stamp << text << '\n' << std::flush;
}

bool TracingSerialPort::Open(const std::string& devicePath) {
    Flush();
    bool ok = inner_.Open(devicePath);
    Line((ok ? "open " : "open failed ") + EscapeControlCharacters(devicePath));
    return ok;
}

bool TracingSerialPort::Configure(int baud) {
    bool ok = inner_.Configure(baud);
    Line((ok ? "line " : "line settings failed ") + std::to_string(baud) + " baud 7N2");
    return ok;
}

void TracingSerialPort::Close() {
    Flush();
    if (inner_.IsOpen()) Line("close");
    inner_.Close();
}

bool TracingSerialPort::WriteOnce(std::uint8_t byte) {
    bool ok = inner_.WriteOnce(byte);
    if (ok) Note(Direction::Out, byte);
    return ok;
}

LineStatus TracingSerialPort::Status() {
    LineStatus status = inner_.Status();
    if (status.errorPending) {
        Flush();
        Line("line error");
    }
    return status;
}

bool TracingSerialPort::ReadOne(std::uint8_t& byte) {
    bool ok = inner_.ReadOne(byte);
    if (ok) Note(Direction::In, byte);
    return ok;
}

void TracingSerialPort::Note(Direction direction, std::uint8_t byte) {
    if (direction != direction_) {
        Flush();
        direction_ = direction;
        pendingAt_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    }
    if (byte >= 0x21 && byte < 0x7F) {
        pending_ += char(byte);
    } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "<%02X>", byte);
        pending_ += hex;
    }
}

void TracingSerialPort::Flush() {
    if (direction_ == Direction::None) return;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%10.3f ms] ", pendingAt_);
    log_ << stamp << (direction_ == Direction::Out ? "PC> " : "IF< ") << pending_ << '\n' << std::flush;
    pending_.clear();
    direction_ = Direction::None;
}

}  // namespace ovis
