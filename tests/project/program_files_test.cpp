// Program files: the list of the "Auswahl" page, its texts, loading and saving.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "programs/program_fixture.h"
#include "support/file_bytes.h"

namespace ovis {
namespace {

using test::Line;

TEST(ProgramFiles, SizeTextCountsStartedKilobytes) {
    const std::pair<std::uintmax_t, const char*> cases[] = {
        {0, " 0 KB"}, {1, " 1 KB"}, {1024, " 1 KB"}, {1025, " 2 KB"}, {2060, " 3 KB"}};
    for (auto [bytes, text] : cases) EXPECT_EQ(FileSizeText(bytes), text) << bytes;
}

TEST(ProgramFiles, DateTextIsLocalDateThreeBlanksAndHoursMinutes) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 7;
    local.tm_hour = 9;
    local.tm_min = 5;
    local.tm_sec = 59;
    local.tm_isdst = -1;
    const auto system = std::chrono::system_clock::from_time_t(std::mktime(&local));
    EXPECT_EQ(FileDateText(std::chrono::file_clock::from_sys(system)), " 07.03.2026   09:05");
}

TEST(ProgramFiles, ListShowsMainFirstWithSizeAndDate) {
    test::ProgramProject project;
    project.WriteProgram("Zweit", {Line("a"), Line("b")});
    project.WriteProgram("erst", {});
    const auto list = ProgramList(project.Dir());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].number, "001");
    EXPECT_EQ(list[0].name, "Main");
    EXPECT_EQ(list[1].name, "erst");
    EXPECT_EQ(list[2].number, "003");
    EXPECT_EQ(list[2].name, "Zweit");
    EXPECT_EQ(list[2].sizeText, " 5 KB");
    EXPECT_EQ(list[2].dateText.size(), std::string(" dd.mm.yyyy   hh:mm").size());
}

TEST(ProgramFiles, AMissingProgramLoadsEmptyAndSavingWritesItsLines) {
    test::ProgramProject project;
    CurrentProgram& program = project.tables->program;
    program.Load(project.Dir(), "Fehlt");
    EXPECT_EQ(program.name, "Fehlt");
    EXPECT_EQ(program.lines.Count(), 0u);
    program.lines.Append(Line("a"));
    program.Save(project.Dir());
    const auto bytes = test::ReadBytes(ProgramFilePath(project.Dir(), "Fehlt"));
    ASSERT_EQ(bytes.size(), sizeof(TProgrammLine));
    const TProgrammLine line = Line("a");
    EXPECT_EQ(std::memcmp(bytes.data(), &line, sizeof line), 0);
    EXPECT_EQ(program.lines.SavedCount(), 1u);
}

}  // namespace
}  // namespace ovis
