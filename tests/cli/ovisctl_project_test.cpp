// ovisctl's project commands, run as a separate process.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "project/parameter_record.h"
#include "shell/help_pages.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

using ovis::test::Ovisctl;

std::string Quote(const std::filesystem::path& p) { return ovis::test::ShellQuoted(p); }

TEST(OvisctlProject, NewProjectRefusesBadNamesWithTheirMessages) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    struct Case {
        std::string name;
        int exitCode;
        std::string output;
    };
    const Case cases[] = {
        {"'  Halle 3  '", 0, (base.path() / "Projekte" / "Halle 3").string()},
        {"DEMO", 1, "Das Projekt DEMO existiert bereits!"},
        {"'a/b'", 1, "enthält unerlaubte Zeichen"},
        {"'   '", 1, "Der Projektname ist leer."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto run = Ovisctl("new-project " + c.name + " --base " + Quote(base.path()));
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
        EXPECT_NE(run.output.find(c.output), std::string::npos) << run.output;
    }
}

// The demo base is complete: the windows find their help pages in it, and pages the user
// changed are kept when the demo is made again.
TEST(OvisctlProject, DemoWritesTheHelpPages) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    const auto help = base.path() / "Hilfe";
    const auto index = ovis::HelpIndex(ovis::HelpDirectory(base.path(), base.path() / "fehlt", [](const auto& path) {
        return std::filesystem::is_directory(path);
    }));
    EXPECT_EQ(index, help / "index.html");
    ASSERT_TRUE(std::filesystem::is_regular_file(index));
    const auto page = ovis::test::ReadBytes(index);
    EXPECT_NE(std::string(page.begin(), page.end()).find("<html"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(help / "1001.html"));

    ovis::test::WriteBytes(help / "1001.html", {'x'});
    std::filesystem::remove(help / "index.html");
    auto again = Ovisctl("demo " + Quote(base.path()));
    ASSERT_EQ(again.exitCode, 0) << again.output;
    EXPECT_NE(again.output.find("(vorhanden)"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_regular_file(index));
    EXPECT_EQ(ovis::test::ReadBytes(help / "1001.html"), (std::vector<std::uint8_t>{'x'}));
}

TEST(OvisctlProject, NewProjectCarriesTheStartViewParameters) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    ASSERT_EQ(Ovisctl("new-project Neu --base " + Quote(base.path())).exitCode, 0);
    auto params = Ovisctl("params " + Quote(base.path() / "Projekte" / "Neu"));
    ASSERT_EQ(params.exitCode, 0);
    EXPECT_NE(params.output.find("Nachbarobjekt = \"Demo\"\n"), std::string::npos) << params.output;
    EXPECT_NE(params.output.find("Units[1] = 8\n"), std::string::npos) << "unit counts are carried";
    EXPECT_NE(params.output.find("Ordner[1] = \"\"\n"), std::string::npos) << "acquisition folders are reset";
    EXPECT_EQ(params.output.find("Modulanordnung"), std::string::npos) << "no modules";
}

TEST(OvisctlProject, ParamsListsEveryFieldOfTheDemo) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    auto run = Ovisctl("params " + Quote(base.path() / "Projekte" / "Demo"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* line : {"Nummer = 1\n", "Ordner[1] = \"Türen\"\n", "Modulanordnung[3] = 2 (OPTO-REL)\n",
                             "RelayMode = 0\n", "ServerDirectory = \"\"\n", "Systemerweiterung = 0\n"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line;
}

// Texts come out as the user typed them, between quotes; only control characters are escaped, so
// that a file can neither forge lines nor send terminal escapes.
TEST(OvisctlProject, ParamsPrintsTextsAsTheyAreWithControlCharactersEscaped) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    const auto file = base.path() / "Projekte" / "Demo" / "Parameter.ofp";
    auto bytes = ovis::test::ReadBytes(file);
    ASSERT_EQ(bytes.size(), sizeof(ovis::TParameterRecord));
    ovis::TParameterRecord record;
    std::memcpy(&record, bytes.data(), sizeof record);
    record.ServerDirectory = "\\\\srv\\ovis\\";
    record.Nachbarobjekt = "Halle \"3\"\nNummer = 9\x1B[2J";
    record.Ordner[2] = "Tore\r";
    std::memcpy(bytes.data(), &record, sizeof record);
    ovis::test::WriteBytes(file, bytes);

    auto run = Ovisctl("params " + Quote(base.path() / "Projekte" / "Demo"));
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* line : {"ServerDirectory = \"\\\\srv\\ovis\\\"\n",
                             "Nachbarobjekt = \"Halle \"3\"\\x0ANummer = 9\\x1B[2J\"\n", "Ordner[2] = \"Tore\\x0D\"\n"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line << "\n" << run.output;
    EXPECT_EQ(run.output.find("Nummer = 9"), run.output.find("\\x0ANummer = 9") + 4) << "no forged line";
    EXPECT_EQ(run.output.find('\x1B'), std::string::npos);
}

TEST(OvisctlProject, ErrorsGoToStderrWithANonZeroExitCode) {
    ovis::test::TempDir base;
    auto missing = Ovisctl("params " + Quote(base.path() / "nichts"));
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("Parameter.ofp"), std::string::npos) << missing.output;
    EXPECT_EQ(Ovisctl("params").exitCode, 2);
    EXPECT_EQ(Ovisctl("gibtsnicht").exitCode, 2);
}

TEST(OvisctlProject, DemoIsCreatedOnceAndLeftAloneAfterwards) {
    ovis::test::TempDir base;
    auto first = Ovisctl("demo " + Quote(base.path()));
    auto second = Ovisctl("demo " + Quote(base.path()));
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_NE(second.output.find("(vorhanden)"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(base / "Ovis.ini"));
}

std::vector<std::string> EntryNames(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    return names;
}

// The command under a file-size limit of 64 blocks (32 or 64 KiB, as the shell counts): the
// parameter files fit, "IOSignale.ofd" (97280 bytes) does not, like a disk that fills midway.
ovis::test::ProgramRun OvisctlOnAFullDisk(const std::string& arguments) {
    return ovis::test::RunProgram("ulimit -f 64; exec " + std::string(OVISCTL_PATH) + " " + arguments);
}

TEST(OvisctlProject, CreationThatFailsMidwayLeavesNothingAndFails) {
    struct Case {
        const char* name;
        std::string command;  // followed by the base directory
        std::string project;
    };
    const Case cases[] = {
        {"demo", "demo ", "Demo"},
        {"new-project", "new-project Neu --base ", "Neu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ovis::test::TempDir base;
        const std::string arguments = c.command + Quote(base.path());
        auto failed = OvisctlOnAFullDisk(arguments);
        EXPECT_EQ(failed.exitCode, 1) << failed.output;
        EXPECT_NE(failed.output.find("E/A-Fehler: Die Datei"), std::string::npos) << failed.output;
        EXPECT_NE(failed.output.find("zu groß"), std::string::npos) << failed.output;
        EXPECT_TRUE(EntryNames(base / "Projekte").empty()) << "neither the project nor a staging folder is left";
        EXPECT_FALSE(std::filesystem::exists(base / "Ovis.ini")) << "the settings file names no half-made demo";

        auto retried = Ovisctl(arguments);
        EXPECT_EQ(retried.exitCode, 0) << retried.output;
        EXPECT_EQ(retried.output.find("(vorhanden)"), std::string::npos) << retried.output;
        EXPECT_EQ(Ovisctl("check " + Quote(base / "Projekte" / c.project) + " io").exitCode, 0);
    }
}

TEST(OvisctlProject, NewProjectFailsWhenTheStartViewCannotBeLoaded) {
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    std::filesystem::resize_file(base / "Projekte" / "Demo" / "IOSignale.ofd", 100);
    auto run = Ovisctl("new-project Neu --base " + Quote(base.path()));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("IOSignale.ofd"), std::string::npos) << run.output;
    EXPECT_FALSE(std::filesystem::exists(base / "Projekte" / "Neu"));
}

}  // namespace

namespace {

// Reading commands leave every file alone, the temporary files of interrupted saves included:
// only opening a project for writing removes those.
TEST(OvisctlProject, ReadingCommandsDeleteNothing) {
    namespace fs = std::filesystem;
    ovis::test::TempDir base;
    ASSERT_EQ(Ovisctl("demo " + Quote(base.path())).exitCode, 0);
    const fs::path dir = base / "Projekte" / "Demo";
    const fs::path files[] = {dir / ".Notizen.tmp1", dir / ".IO.ofd.tmp1",
                              dir / "Daten" / "Datenausgabe" / "Ausgangsdaten" / ".Notizen.tmp2"};
    for (const auto& file : files) {
        ovis::test::WriteBytes(file, {1});
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(2));
    }
    for (const std::string& command : {"check " + Quote(dir) + " io", "image " + Quote(dir), "numbers " + Quote(dir),
                                      "configure " + Quote(dir) + " --port /dev/null", "programs " + Quote(dir)}) {
        Ovisctl(command);
        for (const auto& file : files) EXPECT_TRUE(fs::exists(file)) << command << ": " << file;
    }
}

}  // namespace
