// ovisctl recording, run as a separate process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::MakeEvent;
using test::Ovisctl;
using test::ShellQuoted;
using testing::HasSubstr;

TEST(OvisctlRecording, PrintsEveryRecordWithItsTimeTo10Microseconds) {
    test::TempDir dir;
    test::WriteRecordingFile(dir / "Tag.ofa", {TRecordingEvent{}, MakeEvent(0, false, {3, 1, 0, 0, 0, 0, 108}),
                                               MakeEvent(1, false, {3, 1}),
                                               MakeEvent(1023, true, {12, 31, 23, 59, 59999, 99, 109}),
                                               MakeEvent(7, true, {2, 9, 8, 5, 4003, 7})});
    const auto run = Ovisctl("recording " + ShellQuoted(dir / "Tag.ofa"), test::Output::StdoutOnly);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "1 0 Low 00.00.1900 00:00:00,00000 Marke\n"
              "2 0 Low 01.03.2008 00:00:00,00000 Marke\n"
              "3 1 Low 01.03.2008 00:00:00,00000\n"
              "4 1023 High 31.12.2009 23:59:59,99999\n"
              "5 7 High 09.02.2008 08:05:04,00307\n");
}

TEST(OvisctlRecording, APrefixedFileIsShownWithoutItsPrefix) {
    test::TempDir dir;
    auto bytes = test::PatternBytes(120);
    for (std::size_t i = 100; i < 120; ++i) bytes[i] = 0;
    test::WriteBytes(dir / "Alt.ofa", bytes);
    const auto run = Ovisctl("recording " + ShellQuoted(dir / "Alt.ofa"), test::Output::StdoutOnly);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "1 0 Low 00.00.1900 00:00:00,00000 Marke\n"
              "2 0 Low 00.00.1900 00:00:00,00000 Marke\n");
}

TEST(OvisctlRecording, BadFilesGetAGermanMessageAndExitCode1) {
    test::TempDir dir;
    test::WriteBytes(dir / "Kurz.ofa", {0, 0, 1});
    std::vector<std::uint8_t> oversize((kRecordingCapacity + 1) * 10, 0);
    test::WriteBytes(dir / "Gross.ofa", oversize);
    struct Case {
        std::string file;
        const char* message;
    } const cases[] = {{"Kurz.ofa", "kein Vielfaches der Satzlänge von 10 Bytes"},
                       {"Gross.ofa", "eine Aufzeichnung fasst höchstens 80640"},
                       {"Fehlt.ofa", "kann nicht geöffnet werden"}};
    for (const auto& c : cases) {
        const auto run = Ovisctl("recording " + ShellQuoted(dir / c.file));
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_THAT(run.output, HasSubstr(c.message)) << c.file;
    }
}

}  // namespace
}  // namespace ovis
