#include "link/termios_serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <optional>

#if __has_include(<linux/serial.h>)
#include <linux/serial.h>
#define OVIS_HAVE_ICOUNT 1
#endif

namespace ovis {
namespace {

std::optional<speed_t> SpeedFor(int baud) {
    switch (baud) {
        case 110: return B110;
        case 300: return B300;
        case 600: return B600;
        case 1200: return B1200;
        case 2400: return B2400;
        case 4800: return B4800;
        case 9600: return B9600;
        case 19200: return B19200;
        case 38400: return B38400;
        case 57600: return B57600;
        case 115200: return B115200;
        default: return std::nullopt;  // 14400 and 56000 have no terminal speed
    }
}

// The line errors the device has counted so far; nothing when it keeps no counts (a
// pseudo-terminal, for instance).
std::optional<long> LineErrorCount(int fd) {
#ifdef OVIS_HAVE_ICOUNT
    serial_icounter_struct counts{};
    if (::ioctl(fd, TIOCGICOUNT, &counts) == 0)
        return long(counts.frame) + counts.overrun + counts.parity + counts.brk + counts.buf_overrun;
#else
    (void)fd;
#endif
    return std::nullopt;
}

// The slave side of a UNIX 98 pseudo-terminal (device majors 136 to 143).
bool IsPseudoTerminal(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

// The group that may use the device ("dialout" on most systems); nothing when unknown.
std::optional<std::string> DeviceGroup(const std::string& devicePath) {
    struct stat st {};
    if (::stat(devicePath.c_str(), &st) != 0) return std::nullopt;
    if (const group* g = ::getgrgid(st.st_gid)) return std::string(g->gr_name);
    return std::nullopt;
}

}  // namespace

std::string OpenFailureText(const std::string& devicePath, int error) {
    switch (error) {
        case EACCES:
        case EPERM: {
            const std::string group = DeviceGroup(devicePath).value_or("dialout");
            return "keine Berechtigung (der Benutzer gehört nicht zur Gruppe \"" + group + "\")";
        }
        case ENOENT:
        case ENODEV:
        case ENXIO: return "das Gerät ist nicht vorhanden";
        case EBUSY: return "die Schnittstelle wird von einem anderen Programm benutzt";
        default: return "Systemfehler " + std::to_string(error);
    }
}

bool ConfigureLine(int fd, int baud) {
    auto speed = SpeedFor(baud);
    termios tio{};
    if (!speed || ::tcgetattr(fd, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | CRTSCTS);
    tio.c_cflag |= CS7 | CSTOPB | CLOCAL | CREAD;
    tio.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    tio.c_iflag |= IGNBRK;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    if (::cfsetispeed(&tio, *speed) != 0 || ::cfsetospeed(&tio, *speed) != 0) return false;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        // A pseudo-terminal carries whole bytes and keeps 8 data bits; every character of the
        // link is a 7-bit code, so the line works all the same.
        if (errno != EINVAL || !IsPseudoTerminal(fd)) return false;
        tio.c_cflag = (tio.c_cflag & ~tcflag_t(CSIZE)) | CS8;
        if (::tcsetattr(fd, TCSANOW, &tio) != 0) return false;
    }
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &lines);  // a pseudo-terminal has no modem lines
    return true;
}

bool TermiosSerialPort::Open(const std::string& devicePath) {
    Close();
    int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        openFailure_ = OpenFailureText(devicePath, errno);
        return false;
    }
    if (!::isatty(fd)) {
        openFailure_ = "das Gerät ist keine serielle Schnittstelle";
        ::close(fd);
        return false;
    }
    // Not shared: a lock on the open device, which ends with the process however it ends.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        openFailure_ = OpenFailureText(devicePath, EBUSY);
        ::close(fd);
        return false;
    }
    openFailure_.clear();
    fd_ = fd;
    auto count = LineErrorCount(fd_);
    countsKnown_ = count.has_value();
    errorCount_ = count.value_or(0);
    return true;
}

bool TermiosSerialPort::Configure(int baud) { return IsOpen() && ConfigureLine(fd_, baud); }

void TermiosSerialPort::Purge(bool rx, bool tx) {
    if (!IsOpen() || (!rx && !tx)) return;
    ::tcflush(fd_, rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH);
}

void TermiosSerialPort::Close() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

bool TermiosSerialPort::WriteOnce(std::uint8_t byte) {
    return IsOpen() && ::write(fd_, &byte, 1) == 1;
}

LineStatus TermiosSerialPort::Status() {
    LineStatus status;
    int waiting = 0;
    if (!IsOpen() || ::ioctl(fd_, FIONREAD, &waiting) != 0) return status;
    status.readable = true;
    status.bytesWaiting = waiting;
    if (countsKnown_) {
        if (auto count = LineErrorCount(fd_)) {
            status.errorPending = *count != errorCount_;
            errorCount_ = *count;
        }
    }
    return status;
}

bool TermiosSerialPort::ReadOne(std::uint8_t& byte) {
    return IsOpen() && ::read(fd_, &byte, 1) == 1;
}

void TermiosSerialPort::WaitForInput(std::chrono::microseconds timeout) {
    if (!IsOpen()) return;
    pollfd pfd{fd_, POLLIN, 0};
    timespec ts{time_t(timeout.count() / 1000000), long(timeout.count() % 1000000) * 1000};
    // A hung-up line reports at once without input: wait the time all the same.
    if (::ppoll(&pfd, 1, &ts, nullptr) > 0 && !(pfd.revents & POLLIN)) ::nanosleep(&ts, nullptr);
}

}  // namespace ovis
