#include "project/output_file_table.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace ovis {
namespace {

class OutputFileTableTest : public ::testing::Test {
protected:
    OutputFileTableTest() {
        params_.Ordner[kOutputFolder] = "Ausgangsdaten";
        std::filesystem::create_directories(Folder());
    }
    std::filesystem::path Folder() const { return dir_ / "Daten" / "Datenausgabe" / "Ausgangsdaten"; }
    void AddFile(const std::string& name, std::uintmax_t records) {
        std::ofstream(Folder() / name, std::ios::binary) << std::string(records * kRecordingRecordSize, '\0');
    }
    std::vector<OutputFile> Table() const { return BuildOutputFileTable(dir_.path(), params_); }

    test::TempDir dir_;
    TParameterRecord params_{};
};

struct Expected {
    std::string name;
    std::uint16_t start;
    std::uint16_t end;
};

void ExpectEntries(const std::vector<OutputFile>& table, const std::vector<Expected>& expected) {
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].name, expected[i].name) << i;
        EXPECT_EQ(table[i].start, expected[i].start) << i;
        EXPECT_EQ(table[i].end, expected[i].end) << i;
    }
}

TEST_F(OutputFileTableTest, FilesFollowEachOtherInListingOrder) {
    AddFile("b.ofa", 4);
    AddFile("A.ofa", 10);
    AddFile("c.OFA", 2);
    AddFile("notes.txt", 50);
    ExpectEntries(Table(), {{"A", 0x8000, 0x8020}, {"b", 0x8020, 0x8028}, {"c", 0x8028, 0x8028}});
}

TEST_F(OutputFileTableTest, AFileEndingBelowTheStartIsDroppedAndTheNextCountsFromItsEnd) {
    AddFile("a.ofa", 1);  // ends at 0x7FFC
    AddFile("b.ofa", 3);  // 0x7FFC + 4
    ExpectEntries(Table(), {{"b", 0x7FFC, 0x8000}});
}

TEST_F(OutputFileTableTest, FilesBeyondTheLastAddressAreDropped) {
    AddFile("a.ofa", 8065);  // ends at 0xFDFC, the last fitting end
    AddFile("b.ofa", 2);     // empty, still fits
    AddFile("c.ofa", 3);     // ends at 0xFE00
    AddFile("d.ofa", 2);     // starts beyond as well
    ExpectEntries(Table(), {{"a", 0x8000, 0xFDFC}, {"b", 0xFDFC, 0xFDFC}});
}

TEST_F(OutputFileTableTest, MemoryCodeFollowsTheMemorySize) {
    AddFile("a.ofa", 2);
    for (auto [size, code] : {std::pair{0, 3}, {1, 15}, {2, 63}}) {
        params_.Speichergroesse = static_cast<std::uint8_t>(size);
        ASSERT_EQ(Table().size(), 1u);
        EXPECT_EQ(Table()[0].memoryCode, code) << size;
    }
}

TEST_F(OutputFileTableTest, TheOutputFolderIsFoundWithoutRegardToCase) {
    params_.Ordner[kOutputFolder] = "AUSGANGSDATEN";
    AddFile("a.ofa", 2);
    EXPECT_EQ(Table().size(), 1u);
}

}  // namespace
}  // namespace ovis
