// ovisctl image and numbers on a saved project, run as a separate process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <functional>
#include <regex>
#include <sstream>

#include "link/child_process.h"
#include "link/configuration_project.h"
#include "project/output_file_table.h"
#include "project/program_files.h"
#include "support/damaged_files.h"
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

// A file without read permission is readable for root: root runs ovisctl as "nobody" where
// such a file matters.
const std::vector<std::string> kAsNobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};

// True when ovisctl, run where a file without read permission is unreadable, can still read
// `file` (the folders above it let "nobody" through).
bool UnreadableFilesCanBeTried(const std::filesystem::path& file) {
    if (::geteuid() != 0) return true;
    std::vector<std::string> probe = kAsNobody;
    probe.insert(probe.end(), {"/usr/bin/test", "-x", OVISCTL_PATH, "-a", "-r", file.string()});
    test::ChildProcess run(probe);
    return run.Wait() == 0;
}

struct Refusal {
    int exitCode;
    std::string out;
    std::string err;
};

Refusal RunOvisctl(std::initializer_list<std::string> arguments, bool unreadableFiles = false) {
    std::vector<std::string> command;
    if (unreadableFiles && ::geteuid() == 0) command = kAsNobody;
    command.push_back(OVISCTL_PATH);
    command.insert(command.end(), arguments);
    test::ChildProcess run(command);
    const int code = run.Wait();
    return {code, run.out, run.err};
}

TEST(OvisctlImage, DamagedLedFieldsAreRefusedNamingFileAndField) {
    struct Case {
        const char* name;
        std::function<void(test::ConfigurationProject&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {"1000 modules", [](test::ConfigurationProject& p) { p.tables->ledParameters.Record().AnzahlModule = 1000; },
         "Die Datei \"LEDParameter.ofp\" ist beschädigt: Das Feld AnzahlModule hat den Wert 1000, erlaubt sind 0 bis 100. "
         "Das Interface wird nicht konfiguriert.\n"},
        {"-1 modules", [](test::ConfigurationProject& p) { p.tables->ledParameters.Record().AnzahlModule = -1; },
         "Die Datei \"LEDParameter.ofp\" ist beschädigt: Das Feld AnzahlModule hat den Wert -1, erlaubt sind 0 bis 100. "
         "Das Interface wird nicht konfiguriert.\n"},
        {"x0 INT_MIN", [](test::ConfigurationProject& p) { p.tables->led.Row(0).X0 = INT_MIN; },
         "Die Datei \"Led.ofd\" ist beschädigt: In Zeile 1 hat das Feld X0 den Wert -2147483648, erlaubt sind 1 bis "
         "1275. Das Interface wird nicht konfiguriert.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConfigurationProject project;
        c.damage(project);
        project.tables->ledParameters.Save(project.Dir());
        project.tables->led.Save(ResolveInDirectory(project.Dir(), "Led.ofd"));
        const Refusal image = RunOvisctl({"image", project.Dir().string()});
        EXPECT_EQ(image.exitCode, 1);
        EXPECT_EQ(image.out, "");
        EXPECT_EQ(image.err, c.message);
    }
}

// Every kind of damaged output-data file that `ovisctl recording` refuses stops image and numbers
// with the loader's message, naming the file.
TEST(OvisctlImage, DamagedOutputDataFilesAreRefused) {
    for (const auto& c : test::kDamagedRecordings) {
        SCOPED_TRACE(c.name);
        test::ConfigurationProject project;
        const auto path = OutputFolderPath(project.Dir(), project.tables->parameters.Record()) / "Ablauf.ofa";
        const bool unreadable = c.damage == test::Damage::Unreadable;
        if (unreadable && !UnreadableFilesCanBeTried(project.Dir() / "Parameter.ofp")) continue;
        if (!test::MakeDamaged(path, c.damage)) {  // root: unreadable for "nobody", who runs ovisctl
            test::WriteBytes(path, std::vector<std::uint8_t>(40, 0));
            std::filesystem::permissions(path, std::filesystem::perms::none);
        }
        const Refusal recording = RunOvisctl({"recording", path.string()}, unreadable);
        EXPECT_NE(recording.exitCode, 0);
        for (const char* command : {"image", "numbers"}) {
            SCOPED_TRACE(command);
            const Refusal run = RunOvisctl({command, project.Dir().string()}, unreadable);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find("\"" + path.string() + "\""), std::string::npos) << run.err;
        }
    }
}

// A table or program whose file is there but cannot be read: image and numbers refuse the
// project, check and program end with exit code 1, each naming the file.
TEST(OvisctlImage, UnreadableTablesAreRefused) {
    for (const char* file : {"Main.pgm", "Counter.ofd", "Timer.ofd"}) {
        SCOPED_TRACE(file);
        test::ConfigurationProject project;
        const bool program = std::string(file) == "Main.pgm";
        const auto path = (program ? ProgramsDirectory(project.Dir()) : project.Dir()) / file;
        if (!UnreadableFilesCanBeTried(path)) GTEST_SKIP() << "\"nobody\" cannot reach the project";
        std::filesystem::permissions(path, std::filesystem::perms::none);
        const std::string named = "\"" + path.string() + "\" – sie kann nicht gelesen werden: ";
        for (const char* command : {"image", "numbers"}) {
            const Refusal run = RunOvisctl({command, project.Dir().string()}, true);
            EXPECT_EQ(run.exitCode, 2) << command;
            EXPECT_EQ(run.out, "") << command;
            EXPECT_NE(run.err.find(named), std::string::npos) << command << ": " << run.err;
        }
        const Refusal check = RunOvisctl({"check", project.Dir().string(), "counters"}, true);
        EXPECT_EQ(check.exitCode, 1);
        EXPECT_NE(check.err.find(named), std::string::npos) << check.err;
        if (program) {
            const Refusal listing = RunOvisctl({"program", project.Dir().string(), "Main"}, true);
            EXPECT_EQ(listing.exitCode, 1);
            EXPECT_EQ(listing.out, "");
            EXPECT_NE(listing.err.find(named), std::string::npos) << listing.err;
            const Refusal checkProgram = RunOvisctl({"check", project.Dir().string(), "program", "Main"}, true);
            EXPECT_EQ(checkProgram.exitCode, 1);
            EXPECT_NE(checkProgram.err.find(named), std::string::npos) << checkProgram.err;
        }
    }
}

}  // namespace
}  // namespace ovis
