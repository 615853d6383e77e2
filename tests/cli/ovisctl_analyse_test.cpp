// ovisctl analyse, run as a separate process.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
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

// A project with three I/O messages, the second hidden in folder 0, and a recording of them.
class OvisctlAnalyse : public testing::Test {
protected:
    test::ProjectFixture fixture;
    std::filesystem::path project;
    std::filesystem::path file;

    OvisctlAnalyse() {
        project = test::CreateThreeMessageProject(fixture);

        std::vector<TRecordingEvent> records{TRecordingEvent{}, MakeEvent(0, false, At(0))};
        for (int m = 1; m <= 3; ++m) records.push_back(MakeEvent(m, false, At(0)));
        records.push_back(MakeEvent(1, true, At(2, 30)));
        records.push_back(MakeEvent(3, true, At(5, 10)));
        records.push_back(MakeEvent(3, false, At(5, 40)));
        for (int m = 1; m <= 3; ++m) records.push_back(MakeEvent(m, m == 1, At(23, 59, 59)));
        file = project / "Daten" / "Datenerfassung" / "Alle Meldungen" / "Tag 1.ofa";
        test::WriteRecordingFile(file, records);
    }

    test::ProgramRun Analyse(const std::string& options) {
        return Ovisctl("analyse " + ShellQuoted(project) + " " + ShellQuoted(file) + " " + options);
    }
};

std::string Digits(char digit, int count) { return std::string(std::size_t(count), digit); }

TEST_F(OvisctlAnalyse, TheOpeningWindowShowsHoursFromMidnight) {
    const auto run = Analyse("--folder 0");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "LINKS\t01.03.2008\t00:00:00,00000\n"
                          "RECHTS\t03.03.2008\t12:00:00,00000\n"
                          "DATEN\t1\t24\n"
                          "1\t1\tT\xC3\xBCr auf\t1312" + Digits('6', 20) + "8" + Digits('1', 36) + "\n"
                          "2\t3\tLicht\\x09Aus\t13" + Digits('1', 4) + "3" + Digits('1', 17) + "3" + Digits('1', 36) + "\n");
}

TEST_F(OvisctlAnalyse, DivisionAndLeftEdgeAsGiven) {
    const auto run = Analyse("--division 3 --left '01.03.2008 05:09:30,00000' --columns 80");
    ASSERT_EQ(run.exitCode, 2) << "--folder is required";
    const auto shown = Analyse("--folder 0 --division 3 --left '01.03.2008 05:09:30,00000' --columns 80");
    ASSERT_EQ(shown.exitCode, 0) << shown.output;
    EXPECT_EQ(shown.output, "LINKS\t01.03.2008\t05:09:30,00000\n"
                            "RECHTS\t01.03.2008\t06:29:30,00000\n"
                            "DATEN\t1\t80\n"
                            "1\t1\tT\xC3\xBCr auf\t" + Digits('6', 81) + "\n"
                            "2\t3\tLicht\\x09Aus\t12" + Digits('6', 29) + "7" + Digits('1', 49) + "\n");
}

TEST_F(OvisctlAnalyse, FilesAndFoldersThatDoNotFit) {
    test::WriteRecordingFile(project / "Leer.ofa", {TRecordingEvent{}, MakeEvent(0, false, At(0))});
    struct Case {
        std::string arguments;
        int exitCode;
        const char* message;
    } const cases[] = {
        {"--folder 15", 1, "Den Ordner 15 gibt es nicht"},
        {"--folder 4", 1, "Der Ordner 4 ist im Projekt nicht angelegt."},
        {"--folder 0 --columns 70", 2, "--columns nimmt 60, 80 oder 110"},
        {"--folder 0 --left 01.03.2008", 2, "--left erwartet"},
        {"--folder 0 --division 10", 2, "--division"},
    };
    for (const auto& c : cases) {
        const auto run = Analyse(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_THAT(run.output, HasSubstr(c.message)) << c.arguments;
    }
    const auto empty = Ovisctl("analyse " + ShellQuoted(project) + " " + ShellQuoted(project / "Leer.ofa") + " --folder 0");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_THAT(empty.output, HasSubstr("Die Datei \"Leer\" enthält keine Ereignisse"));
    const auto missing = Ovisctl("analyse " + ShellQuoted(project) + " " + ShellQuoted(project / "Fehlt.ofa") + " --folder 0");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.output, HasSubstr("kann nicht geöffnet werden"));
}

}  // namespace
}  // namespace ovis
