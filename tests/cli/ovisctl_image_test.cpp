// ovisctl image and numbers on a saved project, run as a separate process.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "link/child_process.h"
#include "link/configuration_project.h"
#include "support/run_program.h"

namespace ovis {
namespace {

using test::Ovisctl;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(OvisctlImage, OneLinePerTelegramThenTheFreeBytes) {
    test::ConfigurationProject project;
    const auto run = Ovisctl("image " + test::ShellQuoted(project.Dir()), test::Output::StdoutOnly);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const auto lines = Lines(run.output);
    ASSERT_GT(lines.size(), 10u);
    const std::regex telegram("[123] [0-9A-F]{4}( [0-9A-F]{2})+");
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_TRUE(std::regex_match(lines[i], telegram)) << lines[i];
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("-?[0-9]+ Bytes frei"))) << lines.back();
    EXPECT_EQ(lines[0].substr(0, 7), "3 8100 ");
    EXPECT_EQ(lines[3].substr(0, 21), "3 8000 AA 00 04 19 0A") << "header without data backup, Interface 4";
    // The output-data file: four events at 0x8000 of area 2, the last one with class 0.
    EXPECT_EQ(lines[lines.size() - 2], "2 8000 40 02 1E 00 14 02 00 32 40 02 3B FE 00 02 00 00");

    const auto backup = Lines(Ovisctl("image " + test::ShellQuoted(project.Dir()) + " --backup", test::Output::StdoutOnly).output);
    ASSERT_GT(backup.size(), 3u);
    EXPECT_EQ(backup[3].substr(0, 12), "3 8000 AA AA");
}

TEST(OvisctlImage, AFailedProgramCheckPrintsItsMessageAndExitsWithOne) {
    test::ConfigurationProject project;
    const std::vector<TProgrammLine> lines = {test::Line("Licht", "Taster"), test::Line("Licht", "Netz")};
    project.tables->program.lines.Assign(lines);
    project.tables->program.Save(project.Dir());
    test::ChildProcess run({OVISCTL_PATH, "image", project.Dir().string()});
    EXPECT_EQ(run.Wait(), 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Die Meldung  \"Licht\"  (Zeile 1)  im Programm  \"Main.pgm\"  existiert bereits\n"
              "in der Programmzeile 2 im Programm  \"Main.pgm\"  !!!\n");
}

TEST(OvisctlImage, NumbersListsEveryMessageInNumberingOrder) {
    test::ConfigurationProject project;
    const auto run = Ovisctl("numbers " + test::ShellQuoted(project.Dir()), test::Output::StdoutOnly);
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "1 IO Taster\n2 IO Lampe\n3 IO Netz\n4 LED Anzeige\n5 Counter Zaehler\n6 Timer Morgens\n"
              "7 Ausgabe Ablauf\n8 Gruppe Alles\n9 Programm Licht\n10 Programm Sprung\n11 Programm Zusatz\n"
              "12 Programm Nacht\n");
}

TEST(OvisctlImage, ConfigureFailsWhenTheInterfaceIsSilent) {
    test::ConfigurationProject project;
    const auto run = Ovisctl("configure " + test::ShellQuoted(project.Dir()) + " --port /dev/null");
    EXPECT_NE(run.exitCode, 0) << run.output;
}

}  // namespace
}  // namespace ovis
