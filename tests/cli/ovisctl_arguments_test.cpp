// Bad arguments of every ovisctl command end in a German usage message and exit code 2, before
// anything is opened or written.
#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

using ovis::test::Ovisctl;

TEST(OvisctlArguments, BadArgumentsGiveTheUsageAndExitCode2) {
    ovis::test::TempDir dir;
    const std::string d = ovis::test::ShellQuoted(dir.path());
    struct Case {
        std::string arguments;
        std::string message;
        std::string usage;
    } cases[] = {
        {"relay-server --port /dev/null --base " + d + " --seconds abc", "Ungültiger Wert für --seconds: \"abc\"",
         "Aufruf: ovisctl relay-server --port DEV"},
        {"relay-server --port /dev/null --base " + d + " --seconds nan", "Ungültiger Wert für --seconds: \"nan\"",
         "relay-server"},
        {"relay-server --port /dev/null --base " + d + " --seconds -1", "Ungültiger Wert für --seconds: \"-1\"",
         "relay-server"},
        {"relay-server --port /dev/null", "--base fehlt", "relay-server"},
        {"reset --port /dev/null --number abc", "Ungültiger Wert für --number: \"abc\"", "Aufruf: ovisctl reset"},
        {"reset --port /dev/null --number 100", "Ungültiger Wert für --number: \"100\"", "reset"},
        {"reset --port /dev/null --number 3x", "Ungültiger Wert für --number: \"3x\"", "reset"},
        {"reset --port /dev/null --baud 9601", "Ungültiger Wert für --baud", "reset"},
        {"reset --port /dev/null --baud 4800", "Ungültiger Wert für --baud: \"4800\"", "reset"},
        {"reset --port /dev/null --number", "Option --number erwartet einen Wert", "reset"},
        {"reset --port /dev/null --schnell", "Unbekannte Option --schnell", "reset"},
        {"reset --port /dev/null COM1", "Überzähliges Argument \"COM1\"", "reset"},
        {"reset", "--port oder --project fehlt", "reset"},
        {"update --port /dev/null", "--firmware fehlt", "Aufruf: ovisctl update"},
        {"params " + d + " zuviel", "Überzähliges Argument \"zuviel\"", "Aufruf: ovisctl params"},
        {"demo", "BASISVERZEICHNIS fehlt", "Aufruf: ovisctl demo"},
        {"check " + d, "TABELLE fehlt", "Aufruf: ovisctl check"},
        {"make-test-firmware a b", "Überzähliges Argument \"b\"", "make-test-firmware"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        auto run = Ovisctl(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_NE(run.output.find(c.usage), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find("Fehler: sto"), std::string::npos) << run.output;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "nothing written";
}

}  // namespace
