// "Statistik.ofp": defaults, load, save and the change test.
#include <gtest/gtest.h>

#include <cstring>

#include "project/project_store.h"
#include "records/io_error.h"
#include "project/statistics_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

std::string Field(const TStatistikRecord& record, int row, int half, int tab) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    const std::size_t at = std::size_t(row - 1) * 88 + std::size_t(half) * 44 + std::size_t(tab) * 11;
    return std::string(reinterpret_cast<const char*>(bytes + at + 1), bytes[at]);
}

TEST(StatisticsFile, DefaultsLieAtTheirOffsets) {
    const TStatistikRecord record = DefaultStatistikRecord("24.12.2008");
    struct Case {
        int row, half, tab;
        const char* text;
    } cases[] = {
        {1, 0, 0, "        "},   {1, 1, 1, "  .  .    "}, {16, 0, 2, "  :  :  "}, {16, 1, 3, "        "},
        {17, 0, 0, "24.12.2008"}, {17, 1, 3, "24.12.2008"}, {18, 0, 1, "00:00:00"}, {18, 1, 2, "23:59:59"},
        {19, 0, 3, "0"},          {19, 1, 0, "1000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Field(record, c.row, c.half, c.tab), c.text) << c.row << '/' << c.half << '/' << c.tab;
}

TEST(StatisticsFile, MissingOrEmptyFileGetsTheDefaultsWritten) {
    for (bool emptyFile : {false, true}) {
        test::TempDir dir;
        if (emptyFile) test::WriteBytes(dir / kStatisticsFileName, {});
        StatisticsFile file;
        file.Load(dir.path(), "01.03.2008");
        const auto bytes = test::ReadBytes(dir / kStatisticsFileName);
        ASSERT_EQ(bytes.size(), 1672u);
        const TStatistikRecord defaults = DefaultStatistikRecord("01.03.2008");
        EXPECT_EQ(0, std::memcmp(bytes.data(), &defaults, sizeof defaults));
        EXPECT_FALSE(file.Changed());
    }
}

TEST(StatisticsFile, RoundTripsByteForByte) {
    test::TempDir dir;
    const auto pattern = test::PatternBytes(1672, 7);
    test::WriteBytes(dir / kStatisticsFileName, pattern);
    StatisticsFile file;
    file.Load(dir.path(), "01.03.2008");
    file.Save(dir.path());
    EXPECT_EQ(test::ReadBytes(dir / kStatisticsFileName), pattern);
}

TEST(StatisticsFile, DamagedFileIsReportedAndKept) {
    test::TempDir dir;
    const auto pattern = test::PatternBytes(1000, 3);
    test::WriteBytes(dir / kStatisticsFileName, pattern);
    StatisticsFile file;
    EXPECT_THROW(file.Load(dir.path(), "01.03.2008"), IoError);
    EXPECT_EQ(test::ReadBytes(dir / kStatisticsFileName), pattern);
    EXPECT_EQ(file.Record().Zeile[kDateFilterRow].Von[0], "01.03.2008");
}

TEST(StatisticsFile, ChangeTestLooksAtFiltersAndEntriesOfTabsOneToThree) {
    struct Case {
        int row, tab;
        bool counts;
    } cases[] = {{0, 0, false}, {0, 1, true}, {15, 3, true}, {kDateFilterRow, 0, true}, {kDurationFilterRow, 2, true}};
    for (const Case& c : cases) {
        StatisticsFile file;
        file.Record().Zeile[c.row].Bis[c.tab] = "x";
        EXPECT_EQ(file.Changed(), c.counts) << c.row << '/' << c.tab;
    }
}

}  // namespace
}  // namespace ovis
