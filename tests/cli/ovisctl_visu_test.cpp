// ovisctl visu, run as a separate process on a project made by ovisctl new-project.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "project/grafik_file.h"
#include "project/io_tables.h"
#include "project/project_store.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::Ovisctl;
using test::ShellQuoted;

struct VisuProject {
    test::TempDir base;
    std::filesystem::path dir = base.path() / kProjectsFolder / "Anlage";

    VisuProject() { EXPECT_EQ(Ovisctl("new-project Anlage --base " + ShellQuoted(base.path())).exitCode, 0); }

    // Makes the I/O table these rows (names and roles).
    void SetRoles(const std::vector<std::pair<std::string, int>>& rows) {
        IoTable io;
        LoadIoTable(io, dir);
        ResetIoRows(io);
        io.SetCount(rows.size());
        for (std::size_t k = 0; k < rows.size(); ++k) {
            io.Rows()[k].Bezeichnung.assign(rows[k].first);
            io.Rows()[k].VisuRolle = rows[k].second;
        }
        SaveIoTable(io, dir);
    }
};

TEST(OvisctlVisu, AMissingGrafikFileGivesTheDefaultLayout) {
    VisuProject p;
    p.SetRoles({{"Ruf1", 3}});
    const auto run = Ovisctl("visu " + ShellQuoted(p.dir), test::Output::StdoutOnly);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "LAYOUT\t0\t1\t213\t106\t129\t1\nGROESSEN\t20\t20\t20\t10\t11\t11\t53\t28\t106\t129\t26\t0\n");
}

TEST(OvisctlVisu, BindsMessagesToTheVisibleElements) {
    VisuProject p;
    TGrafikRecord r = DefaultGrafikRecord();
    r.Aufzug[0][kHalte] = 5;
    SaveGrafik(p.base / "Grafik.ofd", r);
    // Hide the second hall-call triangle: place once, then negate its X.
    {
        GrafikLoad load = LoadGrafik(p.base / "Grafik.ofd");
        load.record.Anzahl[2] = 10;
        load.record.Elemente[2][1].X = -1;
        SaveGrafik(p.base / "Grafik.ofd", load.record);
    }
    p.SetRoles({{"Ruf1", 3}, {"Ruf2", 3}, {"Relais", 9}, {"Kabine\x1b", 6}, {"Keins", 0}});
    const auto run = Ovisctl("visu " + ShellQuoted(p.dir), test::Output::StdoutOnly);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "LAYOUT\t1\t5\t213\t53\t55\t2\n"
              "GROESSEN\t20\t20\t20\t10\t11\t11\t26\t15\t53\t55\t13\t0\n"
              "MESSAGE\tRuf1\t3\t1\n"
              "MESSAGE\tRuf2\t3\t3\n"
              "MESSAGE\tKabine\\x1B\t6\t1\n");
}

TEST(OvisctlVisu, ADamagedGrafikFileIsRefused) {
    VisuProject p;
    test::WriteBytes(p.base / "Grafik.ofd", std::vector<std::uint8_t>(500, 1));
    const auto run = Ovisctl("visu " + ShellQuoted(p.dir));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.output, testing::HasSubstr("beschädigt"));
    EXPECT_THAT(run.output, testing::Not(testing::HasSubstr("LAYOUT")));
}

}  // namespace
}  // namespace ovis
