// The termios port on a pseudo-terminal: line settings, byte traffic, the wall-clock bound of a
// pass on a silent line without spinning the processor.
#include "link/termios_serial_port.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "link/link.h"
#include "link/link_fakes.h"
#include "sim/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

TEST(LinkTermiosPort, AppliesTheLineSettings) {
    sim::PseudoTerminal terminal;
    TermiosSerialPort port;
    ASSERT_TRUE(port.Open(terminal.SlavePath()));
    ASSERT_TRUE(port.Configure(19200));
    termios tio{};
    int fd = ::open(terminal.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::tcgetattr(fd, &tio), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&tio), speed_t(B19200));
    EXPECT_EQ(::cfgetispeed(&tio), speed_t(B19200));
    EXPECT_TRUE(tio.c_cflag & CSTOPB) << "2 stop bits";
    EXPECT_FALSE(tio.c_cflag & PARENB) << "no parity";
    EXPECT_FALSE(tio.c_cflag & CRTSCTS) << "no hardware flow control";
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF)) << "no XON/XOFF";
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG)) << "raw";
    EXPECT_TRUE(tio.c_cflag & (CLOCAL | CREAD));
    EXPECT_EQ(tio.c_cc[VMIN], 0);
    // A pseudo-terminal keeps 8 data bits; on a serial device the size is 7.
    EXPECT_TRUE((tio.c_cflag & CSIZE) == CS7 || (tio.c_cflag & CSIZE) == CS8);
}

TEST(LinkTermiosPort, MovesSingleBytesWithoutWaiting) {
    sim::PseudoTerminal terminal;
    TermiosSerialPort port;
    ASSERT_TRUE(port.Open(terminal.SlavePath()));
    ASSERT_TRUE(port.Configure(9600));

    EXPECT_TRUE(port.WriteOnce('#'));
    char c = 0;
    for (int i = 0; i < 100 && ::read(terminal.MasterFd(), &c, 1) != 1; ++i) ::usleep(1000);
    EXPECT_EQ(c, '#');

    std::uint8_t byte = 0;
    EXPECT_EQ(port.Status().bytesWaiting, 0);
    EXPECT_FALSE(port.ReadOne(byte)) << "an empty queue does not block";
    ASSERT_EQ(::write(terminal.MasterFd(), "&%", 2), 2);
    port.WaitForInput(std::chrono::milliseconds(500));
    for (int i = 0; i < 100 && port.Status().bytesWaiting < 2; ++i) ::usleep(1000);
    LineStatus status = port.Status();
    EXPECT_TRUE(status.readable);
    EXPECT_EQ(status.bytesWaiting, 2);
    EXPECT_FALSE(status.errorPending);
    ASSERT_TRUE(port.ReadOne(byte));
    EXPECT_EQ(byte, '&');
    port.Purge(true, true);
    EXPECT_EQ(port.Status().bytesWaiting, 0);
}

TEST(LinkTermiosPort, RefusesWhatIsNoSerialPortAndSaysWhy) {
    test::TempDir dir;
    std::ofstream(dir / "plain.txt") << "x";
    TermiosSerialPort port;
    EXPECT_FALSE(port.Open((dir / "plain.txt").string()));
    EXPECT_EQ(port.OpenFailure(), "das Gerät ist keine serielle Schnittstelle");
    EXPECT_FALSE(port.Open((dir / "missing").string()));
    EXPECT_EQ(port.OpenFailure(), "das Gerät ist nicht vorhanden");
    EXPECT_FALSE(port.IsOpen());
}

TEST(LinkTermiosPort, OpenFailuresSayWhy) {
    test::TempDir dir;
    const auto device = dir / "ttyLocked";
    std::ofstream(device) << "x";
    const group* g = ::getgrgid(::getegid());
    ASSERT_NE(g, nullptr);
    struct Case {
        int error;
        std::string text;
    } cases[] = {
        {EACCES, "keine Berechtigung (der Benutzer gehört nicht zur Gruppe \"" + std::string(g->gr_name) + "\")"},
        {EPERM, "keine Berechtigung (der Benutzer gehört nicht zur Gruppe \"" + std::string(g->gr_name) + "\")"},
        {ENOENT, "das Gerät ist nicht vorhanden"},
        {EBUSY, "die Schnittstelle wird von einem anderen Programm benutzt"},
        {EIO, "Systemfehler " + std::to_string(EIO)},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenFailureText(device.string(), c.error), c.text) << c.error;
    EXPECT_EQ(OpenFailureText((dir / "gone").string(), EACCES),
              "keine Berechtigung (der Benutzer gehört nicht zur Gruppe \"dialout\")");

    if (::geteuid() == 0) return;  // root may open every device
    std::filesystem::permissions(device, std::filesystem::perms::none);
    TermiosSerialPort port;
    EXPECT_FALSE(port.Open(device.string()));
    EXPECT_EQ(port.OpenFailure(), cases[0].text);
}

TEST(LinkTermiosPort, IsNotShared) {
    sim::PseudoTerminal terminal;
    TermiosSerialPort first, second;
    ASSERT_TRUE(first.Open(terminal.SlavePath()));
    EXPECT_FALSE(second.Open(terminal.SlavePath()));
    EXPECT_EQ(second.OpenFailure(), "die Schnittstelle wird von einem anderen Programm benutzt");
    first.Close();
    EXPECT_TRUE(second.Open(terminal.SlavePath())) << "free again after closing";
}

double ThreadCpuSeconds() {
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

TEST(LinkTermiosPort, SilentLineTimesAPassOutAfterAboutOneSecondWithoutSpinning) {
    sim::PseudoTerminal terminal;
    TermiosSerialPort device;
    test::CountingDelay delay;
    test::ScriptedDialogs dialogs;
    NullPump pump;
    Rs232Port port(device, [] { return PortSettings{1, 1}; },
                   [&](int) -> std::optional<std::string> { return terminal.SlavePath(); }, delay);
    port.ReopenPort();
    ASSERT_TRUE(port.PortIsOpen());
    Link link(port, dialogs, pump, delay, [] { return RelaySettings{}; });
    link.SetState(link_state::kIdle);

    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuSeconds();
    link.SerialPass();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = ThreadCpuSeconds() - cpuStart;

    EXPECT_EQ(link.Result(), LinkResult::TimedOut);
    EXPECT_GE(wall, 0.95);
    EXPECT_LE(wall, 1.5);
    EXPECT_LT(cpu, 0.5 * wall) << "the pass waits for input instead of spinning";
}

}  // namespace
}  // namespace ovis
