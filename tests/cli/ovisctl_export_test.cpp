// ovisctl export, run as a separate process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
#include "support/file_bytes.h"
#include "support/project_fixture.h"
#include "support/recording_projects.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::MakeEvent;
using test::Ovisctl;
using test::ShellQuoted;
using testing::HasSubstr;
using testing::StartsWith;

// A project with two output messages "Pumpe" and "Ventil" and an edited day file of the output folder.
class OvisctlExport : public testing::Test {
protected:
    test::ProjectFixture fixture;
    std::filesystem::path project;
    std::filesystem::path file;

    OvisctlExport() {
        file = test::CreatePumpAndValveProject(fixture);
        project = fixture.ProjectDir("Halle");
        auto records = test::CreatedDayFile(2);
        records.insert(records.begin() + 4, {MakeEvent(1, true, {3, 1, 8}), MakeEvent(1, false, {3, 1, 9})});
        test::WriteRecordingFile(file, records);
    }

    test::ProgramRun Run(const std::string& options, test::Output output = test::Output::StdoutAndStderr) {
        return Ovisctl("export " + ShellQuoted(project) + " " + ShellQuoted(file) + " " + options, output);
    }
};

TEST_F(OvisctlExport, WritesBothFormatsToStdoutAndAtomicallyToAFile) {
    const auto vcd = Run("--folder 14 --format vcd", test::Output::StdoutOnly);
    ASSERT_EQ(vcd.exitCode, 0) << vcd.output;
    EXPECT_THAT(vcd.output, HasSubstr("$timescale 10 us $end"));
    EXPECT_THAT(vcd.output, HasSubstr("$var wire 1 ! Pumpe $end\n"));
    EXPECT_THAT(vcd.output, HasSubstr("$var wire 1 \" Ventil $end\n"));
    EXPECT_THAT(vcd.output, HasSubstr("\n#2880000000\n1!\n#3240000000\n0!\n#8639900000\n"));

    const auto csv = Run("--folder 14 --format csv", test::Output::StdoutOnly);
    ASSERT_EQ(csv.exitCode, 0) << csv.output;
    EXPECT_THAT(csv.output, StartsWith("\xEF\xBB\xBF" "Datum;Uhrzeit;Nummer;Meldung;Pegel\r\n"
                                       "01.03.2008;00:00:00,00000;1;Pumpe;Low\r\n"));
    EXPECT_THAT(csv.output, HasSubstr("01.03.2008;08:00:00,00000;1;Pumpe;High\r\n"));

    const auto out = fixture.base.path() / "Tag.vcd";
    const auto written = Run("--folder 14 --format vcd -o " + ShellQuoted(out));
    ASSERT_EQ(written.exitCode, 0) << written.output;
    EXPECT_EQ(written.output, "");
    const auto bytes = test::ReadBytes(out);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), vcd.output);
}

TEST_F(OvisctlExport, RefusesBadArgumentsAndFoldersWithoutMessages) {
    EXPECT_EQ(Run("--folder 14 --format pdf").exitCode, 2);
    EXPECT_EQ(Run("--format csv").exitCode, 2);
    EXPECT_EQ(Run("--folder 15 --format csv").exitCode, 1);
    // Folder 1 is set up but holds no message.
    const auto empty = Run("--folder 1 --format csv");
    EXPECT_EQ(empty.exitCode, 1);
    const auto missing = Run("--folder 14 --format csv -o " + ShellQuoted(fixture.base.path() / "fehlt" / "x.csv"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.output, HasSubstr("x.csv"));
}

}  // namespace
}  // namespace ovis
