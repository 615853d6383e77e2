// ovisctl statistics, run as a separate process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
#include "project/statistics_file.h"
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

test::EventTime At(int std, int min = 0, int sek = 0) { return {3, 1, std, min, sek * 1000}; }

// Three I/O messages, the second hidden in folder 0; events of 30 s (1), 20 s (3) and 5 s (2).
class OvisctlStatistics : public testing::Test {
protected:
    test::ProjectFixture fixture;
    std::filesystem::path project;
    std::filesystem::path file;

    OvisctlStatistics() {
        project = test::CreateThreeMessageProject(fixture);

        std::vector<TRecordingEvent> records{TRecordingEvent{}, MakeEvent(0, false, At(0))};
        for (int m = 1; m <= 3; ++m) records.push_back(MakeEvent(m, false, At(0)));
        records.push_back(MakeEvent(1, true, At(10)));
        records.push_back(MakeEvent(1, false, At(10, 0, 30)));
        records.push_back(MakeEvent(3, true, At(10, 59, 50)));
        records.push_back(MakeEvent(3, false, At(11, 0, 10)));
        records.push_back(MakeEvent(2, true, At(12)));
        records.push_back(MakeEvent(2, false, At(12, 0, 5)));
        file = project / "Daten" / "Datenerfassung" / "Alle Meldungen" / "Tag 1.ofa";
        test::WriteRecordingFile(file, records);
    }

    test::ProgramRun Statistics(const std::string& options) {
        return Ovisctl("statistics " + ShellQuoted(project) + " " + ShellQuoted(file) + " " + options);
    }

    void WriteDurationEntries(const char* secondBis) {
        TStatistikRecord settings = DefaultStatistikRecord("01.03.2008");
        settings.Zeile[0].Von[3] = "0", settings.Zeile[0].Bis[3] = "20";
        settings.Zeile[1].Von[3] = "21", settings.Zeile[1].Bis[3] = secondBis;
        WriteRecords(project / kStatisticsFileName, &settings, 1);
    }
};

TEST_F(OvisctlStatistics, TabZeroCountsTheShownMessagesWithTheFilesDate) {
    const auto before = test::ReadBytes(project / kStatisticsFileName);
    const auto run = Statistics("--folder 0 --tab 0");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "001\tT\xC3\xBCr auf\t1\t50\n"
                          "002\tLicht\\x09Aus\t1\t50\n"
                          "Anzahl aller Ereignisse:\t2\n"
                          "Beginn erstes Ereignis:\t01.03.08   10:00:00\n"
                          "Beginn letztes Ereignis:\t01.03.08   10:59:50\n"
                          "Dauer k\xC3\xBCrzestes Ereignis:\t20,0000\n"
                          "Dauer l\xC3\xA4ngstes Ereignis:\t30,0000\n"
                          "Ereignisdauer im Mittel:\t25,0000\n");
    EXPECT_EQ(test::ReadBytes(project / kStatisticsFileName), before) << "the command never writes the file";
}

TEST_F(OvisctlStatistics, DurationTabInMillisecondsAndEntriesFromTheFile) {
    WriteDurationEntries("30");
    const auto seconds = Statistics("--folder 0 --tab 3");
    ASSERT_EQ(seconds.exitCode, 0) << seconds.output;
    EXPECT_THAT(seconds.output, HasSubstr("001\t0   ---   20\t2\t66,6\n002\t21   ---   30\t1\t33,3\n"
                                          "Anzahl aller Ereignisse:\t3\n"));
    const auto millis = Statistics("--folder 0 --tab 3 --ms");
    ASSERT_EQ(millis.exitCode, 0) << millis.output;
    EXPECT_THAT(millis.output, HasSubstr("001\t0   ---   20\t0\t0\n002\t21   ---   30\t0\t0\n"
                                         "Anzahl aller Ereignisse:\t\n"));
}

TEST_F(OvisctlStatistics, WrongEntriesAndArguments) {
    WriteDurationEntries("19");
    struct Case {
        std::string arguments;
        int exitCode;
        const char* message;
    } const cases[] = {
        {"--folder 0 --tab 3", 1, "Die Dauer in Zeile 2 ist nicht korrekt angegeben!"},
        {"--folder 15 --tab 0", 1, "Den Ordner 15 gibt es nicht"},
        {"--folder 0 --tab 4", 2, "--tab"},
        {"--folder 0", 2, "--tab 0|1|2|3 fehlt"},
    };
    for (const auto& c : cases) {
        const auto run = Statistics(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_THAT(run.output, HasSubstr(c.message)) << c.arguments;
    }
}

}  // namespace
}  // namespace ovis
