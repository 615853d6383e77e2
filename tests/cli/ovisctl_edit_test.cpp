// ovisctl search and edit, run as separate processes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "evaluation/recording_events.h"
#include "project/recording.h"
#include "support/project_fixture.h"
#include "support/recording_projects.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::MakeEvent;
using test::Ovisctl;
using test::ShellQuoted;
using testing::HasSubstr;

test::EventTime At(int std, int min = 0, int sek = 0) { return {3, 1, std, min, sek * 1000}; }

// A project with two output messages "Pumpe" and "Ventil" and a day file of the output folder.
class OvisctlEdit : public testing::Test {
protected:
    test::ProjectFixture fixture;
    std::filesystem::path project;
    std::filesystem::path file;
    std::vector<TRecordingEvent> records;

    OvisctlEdit() {
        file = test::CreatePumpAndValveProject(fixture);
        project = fixture.ProjectDir("Halle");
        records = test::CreatedDayFile(2);
        records.insert(records.begin() + 4, {MakeEvent(1, true, At(8)), MakeEvent(2, true, At(8, 30)),
                                             MakeEvent(1, false, At(9)), MakeEvent(2, false, At(14))});
        test::WriteRecordingFile(file, records);
    }

    test::ProgramRun Run(const std::string& command, const std::string& options) {
        return Ovisctl(command + " " + ShellQuoted(project) + " " + ShellQuoted(file) + " " + options);
    }

    std::vector<TRecordingEvent> FileRecords() const { return ReadRecordingFile(file); }
};

bool SameRecords(const std::vector<TRecordingEvent>& a, const std::vector<TRecordingEvent>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(TRecordingEvent)) == 0;
}

TEST_F(OvisctlEdit, SearchFindsAndContinues) {
    const auto run = Run("search", "--folder 14 --high Pumpe --high Ventil");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "VON\t01.03.2008\t08:30:00,00000\t6\nBIS\t01.03.2008\t09:00:00,00000\t7\n");
    const auto none = Run("search", "--folder 14 --high Pumpe --high Ventil --after 7");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_THAT(none.output, HasSubstr("Das Dateiende ist erreicht. Es konnte kein Eintrag gefunden werden."));
    const auto end = Run("search", "--folder 14 --low Pumpe --after 7");
    EXPECT_EQ(end.output, "VON\t01.03.2008\t09:00:00,00000\t7\nBIS\t01.03.2008\t23:59:59,00000\t10\nDATEIENDE\n");
    EXPECT_EQ(Run("search", "--folder 14 --high Licht").exitCode, 2);
}

TEST_F(OvisctlEdit, DeleteSavesAndShiftRefusalLeavesFileUntouched) {
    const auto del = Run("edit", "--folder 14 --division 3 --cursor '01.03.2008 08:10:00,00000' --rows Pumpe delete");
    ASSERT_EQ(del.exitCode, 0) << del.output;
    EXPECT_EQ(del.output, "RECORDS\t8\n");
    auto expected = records;
    expected.erase(expected.begin() + 6);
    expected.erase(expected.begin() + 4);
    EXPECT_TRUE(SameRecords(FileRecords(), expected));

    const auto shift =
        Run("edit", "--folder 14 --division 3 --cursor '01.03.2008 08:29:00,00000' --rows Ventil shift -2");
    EXPECT_EQ(shift.exitCode, 1);
    EXPECT_THAT(shift.output, HasSubstr("Cursorposition unterschreiten"));
    EXPECT_TRUE(SameRecords(FileRecords(), expected));
}

TEST_F(OvisctlEdit, DisabledCommandAndForeignFolderAreRefused) {
    // Löschen needs the row High at the cursor.
    EXPECT_EQ(Run("edit", "--folder 14 --division 2 --cursor '01.03.2008 10:00:00,00000' --rows Pumpe delete").exitCode, 1);
    EXPECT_EQ(Run("edit", "--folder 0 --division 2 --cursor '01.03.2008 10:00:00,00000' --rows Pumpe create").exitCode, 1);
    EXPECT_TRUE(SameRecords(FileRecords(), records));
    const auto info = Run("edit", "--folder 14 --division 3 --cursor '01.03.2008 08:10:00,00000' --rows Pumpe duration");
    ASSERT_EQ(info.exitCode, 0) << info.output;
    EXPECT_EQ(info.output, "  Ereignisdauer:\n\n  001   Stunden\n  000   Minuten\n  000   Sekunden\n  000   Millisekunden\n"
                           "  000   Mikrosekunden\n");
}

}  // namespace
}  // namespace ovis
