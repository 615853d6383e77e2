// ovisctl report: the terminal plan, a program, the analyser and the statistics as PDF files,
// read back with pdftotext.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "evaluation/recording_events.h"
#include "support/damaged_files.h"
#include "support/project_fixture.h"
#include "support/recording_projects.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

std::string Quoted(const std::filesystem::path& path) { return test::ShellQuoted(path); }

struct DemoBase {
    test::TempDir base;
    std::filesystem::path demo = base.path() / "Projekte" / "Demo";
    DemoBase() { EXPECT_EQ(test::Ovisctl("demo " + Quoted(base.path())).exitCode, 0); }
};

TEST(OvisctlReport, UsageErrorsAndMissingProgram) {
    DemoBase base;
    const std::string pdf = " --pdf " + Quoted(base.base.path() / "r.pdf");
    EXPECT_EQ(test::Ovisctl("report " + Quoted(base.demo) + " io").exitCode, 2);  // no --pdf
    EXPECT_EQ(test::Ovisctl("report " + Quoted(base.demo) + " statistics" + pdf).exitCode, 2);
    EXPECT_EQ(test::Ovisctl("report " + Quoted(base.demo) + " io Main" + pdf).exitCode, 2);
    const auto missing = test::Ovisctl("report " + Quoted(base.demo) + " program Fehlt" + pdf);
    EXPECT_EQ(missing.output, "Das Programm \"Fehlt\" existiert nicht.\n");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(base.base.path() / "r.pdf"));
}

TEST(OvisctlReport, AnUnreadableTableIsRefusedNotPrintedEmpty) {
    for (const test::DamageCase& damage : test::kUnopenableFiles) {
        SCOPED_TRACE(damage.name);
        DemoBase base;
        if (!test::MakeDamaged(base.demo / "IO.ofd", damage.damage)) continue;
        const std::filesystem::path pdf = base.base.path() / "r.pdf";
        const auto run = test::Ovisctl("report " + Quoted(base.demo) + " io --pdf " + Quoted(pdf));
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_NE(run.output.find("IO.ofd"), std::string::npos) << run.output;
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

#ifdef OVISCTL_REPORT_PDF
bool PdfToTextInstalled() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

// The text of a PDF file, blanks kept as laid out.
std::string PdfText(const std::filesystem::path& pdf) {
    const std::filesystem::path text = pdf.string() + ".txt";
    const std::string command = "pdftotext -layout " + Quoted(pdf) + " " + Quoted(text);
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream in(text);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(OvisctlReport, TerminalPlanAndProgramAsPdf) {
    if (!PdfToTextInstalled()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    DemoBase base;
    struct Case {
        std::string report;
        std::vector<std::string> texts;  // the header and a known row
    };
    const Case cases[] = {
        {"io", {"Anschlussplan", "Projekt: Demo", "Seite 1 von 1", "Nr Meldung", "Meldung 12", "Alle Meldungen"}},
        {"program Main", {"Programm: Main", "Meldung A", "Meldung C", "Tür offen", "AND NOT", "500 Milli"}},
        {"program 'Lüftung'", {"Programm: Lüftung", "Lüfter Störung", "SET", "Türalarm"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        const std::filesystem::path pdf = base.base.path() / "bericht.pdf";
        const auto run = test::Ovisctl("report " + Quoted(base.demo) + " " + c.report + " --pdf " + Quoted(pdf),
                                       test::Output::StdoutOnly);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const std::string text = PdfText(pdf);
        for (const std::string& expected : c.texts) EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

// The day file of a "Halle" project with "Pumpe" high from 08:00:00 to 08:00:30.
struct PumpDay {
    test::ProjectFixture fixture;
    std::filesystem::path file = test::CreatePumpAndValveProject(fixture);
    std::filesystem::path project = fixture.ProjectDir("Halle");
    std::filesystem::path pdf = fixture.base.path() / "bericht.pdf";
    PumpDay() {
        auto records = test::CreatedDayFile(2);
        records.insert(records.begin() + 4, {test::MakeEvent(1, true, {3, 1, 8}), test::MakeEvent(1, false, {3, 1, 8, 0, 30000})});
        test::WriteRecordingFile(file, records);
    }
    test::ProgramRun Report(const std::string& kind, const std::string& options) {
        return test::Ovisctl("report " + Quoted(project) + " " + kind + " " + Quoted(file) + " " + options +
                             " --pdf " + Quoted(pdf));
    }
};

TEST(OvisctlReport, AnalyserAndStatisticsAsPdf) {
    if (!PdfToTextInstalled()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    PumpDay day;
    const auto analyser = day.Report("analyser", "--folder 14");
    ASSERT_EQ(analyser.exitCode, 0) << analyser.output;
    std::string text = PdfText(day.pdf);
    // The picture is an image: its names and labels are no text of the PDF; pdftotext closes up blanks.
    for (const char* expected : {"Analyser ", "Projekt: Halle ", "Datei: Tag.ofa ", "Einteilung: Stunden", "Seite 1 von 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    const auto statistics = day.Report("statistics", "--folder 14 --tab 0");
    ASSERT_EQ(statistics.exitCode, 0) << statistics.output;
    text = PdfText(day.pdf);
    for (const char* expected : {"Statistikauswertung", "Datei: Tag.ofa",
                                 "Anzahl aller Ereignisse:", "Datum: von 01.03.2008", "001 Pumpe"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST(OvisctlReport, EvaluationReportsRefuseWhatTheyCannotPrint) {
    PumpDay day;
    const auto noFolder = day.Report("analyser", "");
    EXPECT_EQ(noFolder.exitCode, 2) << noFolder.output;
    const auto noTab = day.Report("statistics", "--folder 14");
    EXPECT_EQ(noTab.exitCode, 2) << noTab.output;
    // Tab 3 has no entries by default: nothing is counted.
    const auto nothing = day.Report("statistics", "--folder 14 --tab 3");
    EXPECT_NE(nothing.exitCode, 0);
    EXPECT_NE(nothing.output.find("Berechnen"), std::string::npos) << nothing.output;
    std::filesystem::resize_file(day.file, 10);
    const auto damaged = day.Report("analyser", "--folder 14");
    EXPECT_EQ(damaged.exitCode, 2) << damaged.output;
    EXPECT_FALSE(std::filesystem::exists(day.pdf));
}

TEST(OvisctlReport, AnUnwritableTargetFailsAndKeepsNoFile) {
    DemoBase base;
    const std::filesystem::path pdf = base.base.path() / "fehlt" / "bericht.pdf";
    const auto run = test::Ovisctl("report " + Quoted(base.demo) + " io --pdf " + Quoted(pdf));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}
#endif

}  // namespace
}  // namespace ovis
