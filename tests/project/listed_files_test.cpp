#include "project/listed_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace ovis {
namespace {

void Touch(const std::filesystem::path& path) { std::ofstream(path) << "x"; }

TEST(ListedFilesTest, MatchingFilesComeUpperCasedInByteOrder) {
    test::TempDir dir;
    for (const char* name : {"b.pgm", "Main.pgm", "a_1.pgm", "A.PGM", "c.txt", "Z.pgm"}) Touch(dir / name);
    std::filesystem::create_directory(dir / "sub.pgm");

    // '_' (0x5F) sorts after the upper-case letters but before lower case would.
    EXPECT_EQ(ListedFileNames(dir.path(), ".pgm"),
              (std::vector<std::string>{"A.PGM", "a_1.pgm", "b.pgm", "Main.pgm", "Z.pgm"}));
}

TEST(ListedFilesTest, AMissingFolderListsNothing) {
    test::TempDir dir;
    EXPECT_TRUE(ListedFileNames(dir / "missing", ".ofa").empty());
}

TEST(ListedFilesTest, AccentedLettersCompareWithTheirUpperCase) {
    EXPECT_TRUE(ListedBefore("\xc3\xa4rger.pgm", "\xc3\x84s.pgm"));  // "Ärger" before "Äs"
    EXPECT_TRUE(ListedBefore("zoo.pgm", "\xc3\xa4rger.pgm"));        // Ä (0xC4) after Z
}

}  // namespace
}  // namespace ovis
