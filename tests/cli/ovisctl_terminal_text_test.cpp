// Every text ovisctl prints reaches the terminal escaped: file names, arguments and messages with
// terminal controls or bytes that are not UTF-8 cannot send escapes, forge lines or retitle the
// terminal.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using ovis::test::Ovisctl;
using ovis::test::ShellQuoted;

// An operating system command that retitles the terminal, and an 8-bit control sequence introducer.
const std::string kTitle = "\x1B]0;PWNED\a";
const std::string kCsi = "\x9B" "31m";

void ExpectNoRawControls(const std::string& output, const std::string& what) {
    EXPECT_EQ(output.find('\x1B'), std::string::npos) << what << ": " << output;
    EXPECT_EQ(output.find('\a'), std::string::npos) << what << ": " << output;
    EXPECT_EQ(output.find('\x9B'), std::string::npos) << what << ": " << output;
}

TEST(OvisctlTerminalText, EveryCommandEscapesWhatItPrints) {
    ovis::test::TempDir dir;
    const fs::path hostile = dir / ("x" + kTitle + kCsi);
    const std::string h = ShellQuoted(hostile);
    const std::string cases[] = {
        "recording " + ShellQuoted(dir / ("x/" + kTitle + ".ofa")),
        "recording " + h + ".ofa",
        "params " + h,
        "led-sim " + h + " --ms 1",
        "check " + h + " io",
        "image " + h,
        "numbers " + h,
        "programs " + h,
        "program " + h + " Main",
        "configure " + h + " --port /dev/null",
        "reset --port " + h,
        "reset --port " + h + " --trace",
        "update --port /dev/null --firmware " + h,
        "relay-server --port /dev/null --base " + ShellQuoted(hostile / "fehlt") + " --seconds 0.1",
        "relay-server --port /dev/null --base " + h + " --seconds " + ShellQuoted(kTitle),
        "led-text A --font " + ShellQuoted(kTitle) + " --size 8",
        ShellQuoted("befehl" + kTitle + kCsi),
        "new-project " + ShellQuoted("a/" + kTitle) + " --base " + ShellQuoted(dir.path()),
        "new-project " + ShellQuoted("Halle" + kCsi) + " --base " + ShellQuoted(dir.path()),
        "demo " + h,
    };
    for (const auto& arguments : cases) {
        const auto run = Ovisctl(arguments);
        ExpectNoRawControls(run.output, arguments);
    }
    const auto recording = Ovisctl("recording " + ShellQuoted(dir / ("x/" + kTitle + ".ofa")));
    EXPECT_EQ(recording.exitCode, 1);
    EXPECT_NE(recording.output.find("\\x1B]0;PWNED\\x07"), std::string::npos) << recording.output;
}

TEST(OvisctlTerminalText, ProgramNamesThatAreNotUtf8AreEscaped) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + ShellQuoted(base.path())).exitCode, 0);
    const fs::path programs = base / "Projekte" / "Demo" / "Programme";
    ovis::test::WriteBytes(programs / ("L\xFC" "ftung" + kCsi + ".pgm"), {});
    const auto run = Ovisctl("programs " + ShellQuoted(programs.parent_path()), ovis::test::Output::StdoutOnly);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    ExpectNoRawControls(run.output, "programs");
    EXPECT_NE(run.output.find("L\\xFCftung\\x9B31m\t"), std::string::npos) << run.output;
}

}  // namespace
