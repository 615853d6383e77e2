// ovisctl day-file and files on the demo project, run as separate processes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "project/io_tables.h"
#include "project/message_tables.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::Ovisctl;
using test::ShellQuoted;
using testing::HasSubstr;

struct Demo {
    test::TempDir base;
    std::filesystem::path project = base / "Projekte" / "Demo";
    Demo() { EXPECT_EQ(Ovisctl("demo " + ShellQuoted(base.path())).exitCode, 0); }
    std::string Dir() const { return ShellQuoted(project); }
};

TEST(OvisctlReadout, DemoWritesItsEventsFile) {
    Demo demo;
    EXPECT_TRUE(std::filesystem::exists(demo.base / "Demo-Ereignisse.txt"));
}

TEST(OvisctlReadout, DayFileOfTheOutputMessages) {
    Demo demo;
    // A new project has no output message: nothing is written.
    const auto created = Ovisctl("new-project Leer --base " + ShellQuoted(demo.base.path()), test::Output::StdoutOnly);
    const std::string empty = created.output.substr(0, created.output.find('\n'));
    const auto none = Ovisctl("day-file " + ShellQuoted(empty) + " Tag --date 01.03.2024");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_THAT(none.output, HasSubstr("Es sind keine Ausgangsdaten - Meldungen definiert !"));
    // The demo's display text is an output message; with two relay rows: 2 + 2 * 3 records.
    IoTable io;
    LoadIoTable(io, demo.project);
    io.Row(1).Typ = "Relais";
    io.Row(4).Typ = "Relais";
    SaveIoTable(io, demo.project);
    const auto file = demo.project / "Daten" / "Datenausgabe" / "Ausgangsdaten" / "Tag.ofa";
    const auto made = Ovisctl("day-file " + demo.Dir() + " \" Tag \" --date 01.03.2024", test::Output::StdoutOnly);
    EXPECT_EQ(made.exitCode, 0);
    EXPECT_EQ(made.output, file.string() + "\t8\n");
    EXPECT_EQ(std::filesystem::file_size(file), 80u);

    const auto again = Ovisctl("day-file " + demo.Dir() + " Tag");
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_THAT(again.output, HasSubstr("Die Datei \"Tag\" existiert bereits! Wollen Sie diese überschreiben?"));
    EXPECT_EQ(Ovisctl("day-file " + demo.Dir() + " Tag --overwrite").exitCode, 0);
    const auto bad = Ovisctl("day-file " + demo.Dir() + " \"a*b\"");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_THAT(bad.output, HasSubstr("Der neue Dateiname a*b enthält unerlaubte Zeichen."));
    EXPECT_EQ(Ovisctl("day-file " + demo.Dir() + " x --date 31.13.2024").exitCode, 2);

    const auto list = Ovisctl("files " + demo.Dir() + " --folder 14", test::Output::StdoutOnly);
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_THAT(list.output, testing::StartsWith("Tag\t"));
    EXPECT_THAT(list.output, HasSubstr("\t1 KB\t"));
}

TEST(OvisctlReadout, FilesOfAnEmptyFolder) {
    Demo demo;
    const auto list = Ovisctl("files " + demo.Dir() + " --folder 1", test::Output::StdoutOnly);
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.output, "");
}

}  // namespace
}  // namespace ovis
