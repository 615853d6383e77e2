#include "programs/program_set.h"

#include <gtest/gtest.h>

#include "programs/program_lines.h"
#include "records/typed_file.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::Line;

TEST(ProgramSet, MainLinesFirstThenEachSubProgramBehindAHeaderLine) {
    ProgramSource main{"Main.pgm", {Line("M1", "E1"), Line("M2", "E2", "AND", "E1")}};
    std::vector<ProgramSource> further{{"Ablauf.pgm", {Line("A1", "E3")}},
                                       {"Zusatz.pgm", {Line("Z1", "E4"), Line("Z2", "E5")}}};
    ProgramSet set = JoinPrograms(main, further);

    ASSERT_EQ(set.Size(), 7u);
    std::vector<std::string> names;
    for (const auto& line : set.lines) names.push_back(line.Bezeichnung.str());
    EXPECT_EQ(names, (std::vector<std::string>{"M1", "M2", "Ablauf", "A1", "Zusatz", "Z1", "Z2"}));

    // The header line copies the line before it, renamed, with unit "UP" and (lines + 1) * 16.
    const TProgrammLine& header = set.lines[2];
    EXPECT_EQ(header.MeldungA.str(), "E2");
    EXPECT_EQ(header.Logik.str(), "AND");
    EXPECT_EQ(header.MeldungB.str(), "E1");
    EXPECT_EQ(header.Einheit.str(), "UP");
    EXPECT_EQ(header.Wert.get(), 32);
    EXPECT_EQ(set.lines[4].MeldungA.str(), "E3");
    EXPECT_EQ(set.lines[4].Wert.get(), 48);

    ASSERT_EQ(set.programs.size(), 3u);
    EXPECT_EQ(set.programs[1].fileName, "Ablauf.pgm");
    EXPECT_EQ(set.programs[1].firstLine, 2u);
    EXPECT_EQ(set.programs[1].lineCount, 2u);
    EXPECT_EQ(set.programs[2].lineCount, 3u);
    struct Expected {
        std::size_t index;
        std::string program;
        int lineNumber;
        bool header;
    };
    for (const auto& e : std::vector<Expected>{{0, "Main.pgm", 1, false},
                                                {1, "Main.pgm", 2, false},
                                                {2, "Ablauf.pgm", 0, true},
                                                {3, "Ablauf.pgm", 1, false},
                                                {4, "Zusatz.pgm", 0, true},
                                                {6, "Zusatz.pgm", 2, false}}) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(set.ProgramOf(e.index).fileName, e.program);
        EXPECT_EQ(set.LineNumber(e.index), e.lineNumber);
        EXPECT_EQ(set.IsHeaderLine(e.index), e.header);
    }
}

TEST(ProgramSet, HeaderOfAnEmptyMainProgramCopiesABlankLine) {
    ProgramSource main{"Main.pgm", {}};
    std::vector<ProgramSource> further{{"Teil.pgm", {Line("T1", "E1")}}, {"Leer.pgm", {}}};
    ProgramSet set = JoinPrograms(main, further);
    ASSERT_EQ(set.Size(), 3u);
    EXPECT_EQ(set.lines[0].Bezeichnung.str(), "Teil");
    EXPECT_TRUE(set.lines[0].MeldungA.empty());
    EXPECT_TRUE(set.lines[0].Logik.empty());
    // An empty sub-program still gets its header line, a copy of the line before it.
    EXPECT_EQ(set.lines[2].Bezeichnung.str(), "Leer");
    EXPECT_EQ(set.lines[2].MeldungA.str(), "E1");
    EXPECT_EQ(set.lines[2].Wert.get(), 16);
    EXPECT_EQ(set.LineNumber(2), 0);
}

TEST(ProgramSet, LoadsMainFirstThenTheOthersInListingOrder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "Programme");
    auto write = [&](const std::string& name, std::vector<TProgrammLine> lines) {
        WriteRecords(dir.path() / "Programme" / name, lines.data(), lines.size());
    };
    write("main.pgm", {Line("M1", "E1")});
    write("b.pgm", {Line("B1", "E1")});
    write("A.pgm", {Line("A1", "E1"), Line("A2", "E1")});
    write("Notiz.txt", {Line("X", "E1")});

    ProgramSet set = LoadProgramSet(dir.path(), 1);
    std::vector<std::string> names;
    for (const auto& line : set.lines) names.push_back(line.Bezeichnung.str());
    EXPECT_EQ(names, (std::vector<std::string>{"M1", "A", "A1", "A2", "b", "B1"}));
    EXPECT_EQ(set.programs[0].fileName, "Main.pgm");
    EXPECT_EQ(set.programs[2].fileName, "b.pgm");

    // Without a line in the program open in the editor no program is sent.
    EXPECT_EQ(LoadProgramSet(dir.path(), 0).Size(), 0u);
}

}  // namespace
}  // namespace ovis
