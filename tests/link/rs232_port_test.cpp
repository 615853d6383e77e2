#include "link/rs232_port.h"

#include <gtest/gtest.h>

#include "link/port_names.h"
#include "link/link_fakes.h"

namespace ovis {
namespace {

using test::CountingDelay;
using test::ScriptedLine;

struct PortRig {
    ScriptedLine line;
    CountingDelay delay;
    PortSettings settings{1, 1};
    Rs232Port port{line, [this] { return settings; },
                   [](int n) { return DevicePathForPort(n, std::nullopt, std::nullopt); }, delay};
};

TEST(LinkSerialPort, BaudFactorSelectsTheRate) {
    struct Case {
        std::vector<int> factors;  // one reopen each
        int baud;
    } cases[] = {
        {{1}, 9600},   {{2}, 19200},  {{4}, 38400},      {{6}, 57600},
        {{12}, 115200},
        {{3}, 110},             // an unknown factor right after start keeps the first rate
        {{12, 3}, 115200},      // ... and later the rate selected before
        {{6, 0, 255}, 57600},
    };
    for (const auto& c : cases) {
        PortRig rig;
        for (int factor : c.factors) {
            rig.settings.baudFactor = factor;
            rig.port.ReopenPort();
        }
        EXPECT_EQ(rig.port.SelectedBaud(), c.baud);
        EXPECT_EQ(rig.line.bauds.back(), c.baud);
    }
}

TEST(LinkSerialPort, ComPortsMapToDevices) {
    struct Case {
        int port;
        std::optional<std::string> environment, setting, device;
    } cases[] = {
        {1, std::nullopt, std::nullopt, "/dev/ttyS0"},
        {8, std::nullopt, std::nullopt, "/dev/ttyS7"},
        {2, std::nullopt, "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {2, "/dev/pts/5", "/dev/ttyUSB0", "/dev/pts/5"},
        {3, "", "", "/dev/ttyS2"},  // empty values count as unset
        {0, "/dev/pts/5", std::nullopt, std::nullopt},
        {9, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DevicePathForPort(c.port, c.environment, c.setting), c.device) << c.port;
    EXPECT_EQ(PortName(8), "COM8");
}

TEST(LinkSerialPort, EnvironmentVariableNamesThePort) {
    ::setenv("OVIS_COM4", "/dev/pts/77", 1);
    auto setting = [](const std::string& name) -> std::optional<std::string> {
        return name == "COM4" || name == "COM5" ? std::optional<std::string>("/dev/ttyUSB3") : std::nullopt;
    };
    EXPECT_EQ(DevicePathFromEnvironment(4, setting), "/dev/pts/77");
    EXPECT_EQ(DevicePathFromEnvironment(5, setting), "/dev/ttyUSB3");
    ::unsetenv("OVIS_COM4");
    EXPECT_EQ(DevicePathFromEnvironment(4, setting), "/dev/ttyUSB3");
}

TEST(LinkSerialPort, OpenConfiguresAndPurgesOnlyOnce) {
    PortRig rig;
    rig.settings = {8, 2};
    rig.port.ReopenPort();
    ASSERT_TRUE(rig.port.PortIsOpen());
    EXPECT_EQ(rig.line.opened, std::vector<std::string>{"/dev/ttyS7"});
    EXPECT_EQ(rig.line.bauds, std::vector<int>{19200});
    EXPECT_EQ(rig.line.purges, (std::vector<std::pair<bool, bool>>{{true, true}}));

    rig.settings = {3, 12};
    EXPECT_TRUE(rig.port.OpenPort());  // already open: nothing happens
    EXPECT_EQ(rig.line.opened.size(), 1u);
    EXPECT_EQ(rig.line.purges.size(), 1u);

    rig.port.ReopenPort();  // new settings take effect
    EXPECT_EQ(rig.line.opened.back(), "/dev/ttyS2");
    EXPECT_EQ(rig.line.bauds.back(), 115200);
    EXPECT_EQ(rig.line.purges.size(), 2u);
}

TEST(LinkSerialPort, PortThatCannotBeOpenedStaysClosedWithItsReason) {
    struct Case {
        const char* name;
        int portNumber;
        bool openSucceeds, configureSucceeds;
        const char* message;
    } cases[] = {
        {"device missing", 1, false, true,
         "Die Schnittstelle \"/dev/ttyS0\" kann nicht geöffnet werden: keine Berechtigung."},
        {"not a serial port", 1, true, false,
         "Die Schnittstelle \"/dev/ttyS0\" kann nicht geöffnet werden: sie nimmt die Leitungseinstellungen "
         "(9600 Baud, 7 Datenbits, keine Parität, 2 Stoppbits) nicht an."},
        {"port number 0", 0, true, true, "Zur Schnittstellennummer 0 gibt es keine Schnittstelle."},
        {"port number 9", 9, true, true, "Zur Schnittstellennummer 9 gibt es keine Schnittstelle."},
    };
    for (const auto& c : cases) {
        PortRig rig;
        std::vector<std::string> reported;
        rig.port.SetFailureReport([&](const std::string& message) { reported.push_back(message); });
        rig.settings.portNumber = c.portNumber;
        rig.line.openSucceeds = c.openSucceeds;
        rig.line.configureSucceeds = c.configureSucceeds;
        rig.port.ReopenPort();
        rig.port.ReopenPort();
        EXPECT_FALSE(rig.port.PortIsOpen()) << c.name;
        EXPECT_EQ(rig.port.OpenFailureMessage(), c.message) << c.name;
        EXPECT_EQ(reported, std::vector<std::string>{c.message}) << c.name << ": reported once, not at every reopen";
        EXPECT_FALSE(rig.port.WriteByte('#')) << c.name;
        std::uint8_t byte = 'x';
        EXPECT_FALSE(rig.port.ReadByte(byte)) << c.name;
        EXPECT_EQ(rig.delay.pauses, 0) << c.name << ": a closed port does not pause";
        EXPECT_EQ(rig.line.writeAttempts, 0) << c.name;
    }
}

TEST(LinkSerialPort, OpeningForgetsTheFailureAndReportsTheNextOneAgain) {
    PortRig rig;
    std::vector<std::string> reported;
    rig.port.SetFailureReport([&](const std::string& message) { reported.push_back(message); });
    rig.line.openSucceeds = false;
    rig.port.ReopenPort();
    rig.line.openSucceeds = true;
    rig.port.ReopenPort();
    EXPECT_TRUE(rig.port.OpenFailureMessage().empty());
    rig.line.openSucceeds = false;
    rig.port.ReopenPort();
    EXPECT_EQ(reported.size(), 2u);
}

TEST(LinkSerialPort, WriteRetriesUpTo100TimesOneMillisecondApart) {
    struct Case {
        int failures;
        bool written;
        int attempts;
        std::chrono::milliseconds paused;
    } cases[] = {
        {0, true, 1, std::chrono::milliseconds(0)},
        {2, true, 3, std::chrono::milliseconds(2)},
        {99, true, 100, std::chrono::milliseconds(99)},
        {100, false, 100, std::chrono::milliseconds(100)},
    };
    for (const auto& c : cases) {
        PortRig rig;
        rig.port.ReopenPort();
        rig.line.failWrites = c.failures;
        EXPECT_EQ(rig.port.WriteByte('&'), c.written) << c.failures;
        EXPECT_EQ(rig.line.writeAttempts, c.attempts) << c.failures;
        EXPECT_EQ(rig.delay.total, c.paused) << c.failures;
    }
}

TEST(LinkSerialPort, ReadNeverWaitsAndRepeatsTheLastByteOnALineError) {
    PortRig rig;
    rig.port.ReopenPort();
    std::uint8_t byte = 0;
    EXPECT_FALSE(rig.port.ReadByte(byte));

    rig.line.input = {'C', 'E'};
    ASSERT_TRUE(rig.port.ReadByte(byte));
    EXPECT_EQ(byte, 'C');

    rig.line.pendingErrors = 1;  // the error counts only when nothing is waiting
    ASSERT_TRUE(rig.port.ReadByte(byte));
    EXPECT_EQ(byte, 'E');
    ASSERT_TRUE(rig.port.ReadByte(byte));
    EXPECT_EQ(byte, 'E') << "error pending, queue empty: true with the byte unchanged";
    EXPECT_FALSE(rig.port.ReadByte(byte));

    rig.line.input = {'X'};
    rig.line.statusReadable = false;
    EXPECT_FALSE(rig.port.ReadByte(byte));
    EXPECT_EQ(rig.line.waits, 0);
}

}  // namespace
}  // namespace ovis
