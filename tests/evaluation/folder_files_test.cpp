// The evaluation window's file list: order, ties, the 64-row cut and the cells.
#include "evaluation/folder_files.h"
#include "project/recording_begin.h"

#include <gtest/gtest.h>

#include "evaluation/recording_events.h"
#include "project/program_files.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void Touch(const fs::path& path, fs::file_time_type time, std::size_t bytes = 20) {
    test::WriteRecordingFile(path, std::vector<TRecordingEvent>(bytes / 10));
    fs::last_write_time(path, time);
}

std::vector<std::string> Names(const std::vector<FolderFile>& files) {
    std::vector<std::string> names;
    for (const auto& f : files) names.push_back(f.name);
    return names;
}

TEST(FolderFiles, NewestFirstTiesInListingOrderEachOnce) {
    test::TempDir dir;
    const auto t = fs::file_time_type::clock::now() - 100h;
    Touch(dir / "b.ofa", t + 1h);
    Touch(dir / "A.ofa", t + 1h);
    Touch(dir / "c.OFA", t);
    Touch(dir / "d.ofa", t + 2h);
    Touch(dir / "other.txt", t + 3h);
    EXPECT_EQ(Names(OrderByModification(RecordingFilesOf(dir.path()))),
              (std::vector<std::string>{"d", "A", "b", "c"}));
}

TEST(FolderFiles, MoreThan64FilesListTheNewest64) {
    test::TempDir dir;
    const auto t = fs::file_time_type::clock::now() - 100h;
    for (int i = 0; i < 66; ++i) Touch(dir / ("f" + std::to_string(100 + i) + ".ofa"), t + i * 1min);
    const FolderFileList list = ListFolderFiles(dir.path());
    EXPECT_EQ(list.total, 66u);
    ASSERT_EQ(list.rows.size(), 64u);
    EXPECT_EQ(list.rows.front().name, "f165");
    EXPECT_EQ(list.rows.back().name, "f102");
    EXPECT_EQ(FolderListCutNote(66), "Es werden die 64 neuesten von 66 Dateien angezeigt.");
}

TEST(FolderFiles, BeginTextIsTheFirstRecordWithAMessage) {
    test::TempDir dir;
    auto events = test::CreatedDayFile(3, 2, 5);
    events[2] = test::MakeEvent(1, false, {2, 5, 7, 4, 0, 0, 108});
    test::WriteRecordingFile(dir / "a.ofa", events);
    EXPECT_EQ(FileBeginText(dir / "a.ofa"), "05.02.2008   07:04");
    test::WriteRecordingFile(dir / "markers.ofa", {TRecordingEvent{}, TRecordingEvent{}});
    EXPECT_EQ(FileBeginText(dir / "markers.ofa"), "");
    EXPECT_EQ(FileBeginText(dir / "missing.ofa"), "");
    fs::create_directory(dir / "folder.ofa");
    EXPECT_EQ(FileBeginText(dir / "folder.ofa"), "");
}

TEST(FolderFiles, Cells) {
    test::TempDir dir;
    test::WriteRecordingFile(dir / "x.ofa", test::CreatedDayFile(1));
    const auto rows = ListFolderFiles(dir.path()).rows;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "x");
    EXPECT_EQ(rows[0].begin, " 01.03.2008   00:00");
    EXPECT_EQ(rows[0].size, " 1 KB");
    EXPECT_EQ(rows[0].modified, FileDateText(std::filesystem::last_write_time(dir / "x.ofa")));
}

}  // namespace
}  // namespace ovis
