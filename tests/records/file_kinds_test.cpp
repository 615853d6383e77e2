// What the typed files read and overwrite: only regular files are read, and only as much as a
// table holds; saving keeps the file's mode, refuses read-only files and writes through links.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

#include "records/typed_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "project/record_table.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;

struct SixBytes {
    std::uint8_t bytes[6];
};
static_assert(sizeof(SixBytes) == 6);

// Runs `action` with a deadline: a read that blocks or reads without end ends the test binary
// with a failure instead of hanging it or eating the memory.
void WithinSeconds(int seconds, const std::function<void()>& action) {
    auto done = std::make_shared<std::promise<void>>();
    auto finished = done->get_future();
    std::thread([done, action] {
        try {
            action();
            done->set_value();
        } catch (...) {
            done->set_exception(std::current_exception());
        }
    }).detach();
    if (finished.wait_for(std::chrono::seconds(seconds)) != std::future_status::ready) {
        std::fprintf(stderr, "the file operation did not end within %d s\n", seconds);
        std::_Exit(1);
    }
    finished.get();
}

std::string ErrorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

struct SpecialFileCase {
    const char* name;
    std::function<void(const fs::path&)> make;
};

const SpecialFileCase kSpecialFiles[] = {
    {"a FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
    {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
    {"a link to a FIFO", [](const fs::path& p) {
         ASSERT_EQ(::mkfifo((p.string() + ".fifo").c_str(), 0644), 0);
         fs::create_symlink(p.string() + ".fifo", p);
     }},
};

TEST(FileKinds, SpecialFilesAreDamagedTablesAndAreNotRead) {
    for (const auto& c : kSpecialFiles) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const fs::path path = dir / "Counter.ofd";
        c.make(path);
        RecordTable<SixBytes> table;
        table.SetCount(2);  // previous content
        OpenRetry fast{2, std::chrono::milliseconds(1)};
        std::string tableError, recordError, fileError;
        WithinSeconds(5, [&] {
            tableError = ErrorText([&] { table.Load(path, fast); });
            SixBytes record{};
            recordError = ErrorText([&] { ReadSingleRecord(path, record, fast); });
            fileError = ErrorText([&] { ReadFileOrThrow(path); });
        });
        for (const std::string& text : {tableError, recordError, fileError}) {
            EXPECT_NE(text.find("E/A-Fehler: Die Datei \"" + path.string() + "\""), std::string::npos) << text;
            EXPECT_NE(text.find("keine reguläre Datei; sie ist beschädigt"), std::string::npos) << text;
        }
        EXPECT_EQ(table.Count(), 2u) << "a damaged file leaves the table as it was";
    }
}

TEST(FileKinds, ALinkToARegularTableFileIsRead) {
    test::TempDir dir;
    test::WriteBytes(dir / "echt.ofd", test::PatternBytes(12));
    fs::create_symlink(dir / "echt.ofd", dir / "Timer.ofd");
    RecordTable<SixBytes> table;
    EXPECT_TRUE(table.Load(dir / "Timer.ofd").opened);
    EXPECT_EQ(table.Count(), 2u);
}

TEST(FileKinds, AHugeTableFileIsReadOnlyAsFarAsTheTableHolds) {
    test::TempDir dir;
    const fs::path path = dir / "Gruppen.ofd";
    test::WriteBytes(path, test::PatternBytes(6 * 10));
    const std::uintmax_t records = std::uintmax_t{1} << 30;  // 6 GiB, sparse
    fs::resize_file(path, 6 * records);
    RecordTable<SixBytes> table;
    TableLoadResult result;
    WithinSeconds(10, [&] { result = table.Load(path); });
    EXPECT_EQ(table.Count(), kMaxTableRows);
    EXPECT_EQ(result.recordsInFile, records);
    EXPECT_EQ(result.rowsDropped, records - kMaxTableRows);
    EXPECT_EQ(table.Row(0).bytes[0], test::PatternBytes(6)[0]);
}

TEST(FileKinds, AHugeFileIsRefusedAsDamagedBeforeItIsRead) {
    test::TempDir dir;
    const fs::path path = dir / "Ovis.ini";
    test::WriteBytes(path, {'D'});
    fs::resize_file(path, std::uintmax_t{1} << 34);
    std::string error;
    WithinSeconds(5, [&] { error = ErrorText([&] { ReadFileOrThrow(path); }); });
    EXPECT_NE(error.find("zu groß"), std::string::npos) << error;
}

struct SaveFixture {
    test::TempDir dir;
    fs::path file = dir / "IO.ofd";
    SaveFixture() { test::WriteBytes(file, {1, 2, 3}); }
    fs::perms Mode(const fs::path& p) const { return fs::status(p).permissions(); }
    std::size_t Entries(const fs::path& d) const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(d)) ++n;
        return n;
    }
};

TEST(FileKinds, SavingKeepsTheModeOfTheFile) {
    const fs::perms modes[] = {fs::perms::owner_read | fs::perms::owner_write,
                               fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                   fs::perms::group_write | fs::perms::others_read};
    for (fs::perms mode : modes) {
        SaveFixture f;
        fs::permissions(f.file, mode);
        WriteFileAtomically(f.file, {7, 8});
        EXPECT_EQ(f.Mode(f.file), mode);
        EXPECT_EQ(test::ReadBytes(f.file), (Bytes{7, 8}));
    }
}

TEST(FileKinds, AReadOnlyFileIsNotOverwritten) {
    // "Read-only" is the owner's missing write permission, so that it holds for root as well.
    SaveFixture f;
    fs::permissions(f.file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string error = ErrorText([&] { WriteFileAtomically(f.file, {7, 8}); });
    EXPECT_NE(error.find("E/A-Fehler: Die Datei \"" + f.file.string() + "\""), std::string::npos) << error;
    EXPECT_NE(error.find("schreibgeschützt"), std::string::npos) << error;
    EXPECT_EQ(test::ReadBytes(f.file), (Bytes{1, 2, 3}));
    EXPECT_EQ(f.Entries(f.dir.path()), 1u) << "no temporary file is left";
}

TEST(FileKinds, SavingWritesThroughALinkToItsTarget) {
    SaveFixture f;
    test::TempDir elsewhere;
    const fs::path target = elsewhere / "IO-echt.ofd";
    test::WriteBytes(target, {1, 2, 3});
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::remove(f.file);
    fs::create_symlink(fs::relative(target, f.dir.path()), f.file);  // a relative link
    WriteFileAtomically(f.file, {7, 8});
    EXPECT_TRUE(fs::is_symlink(f.file));
    EXPECT_EQ(test::ReadBytes(target), (Bytes{7, 8}));
    EXPECT_EQ(f.Mode(target), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(f.Entries(f.dir.path()), 1u);
    EXPECT_EQ(f.Entries(elsewhere.path()), 1u);
}

TEST(FileKinds, ASpecialFileIsNotReplacedBySaving) {
    for (const auto& c : kSpecialFiles) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const fs::path path = dir / "Counter.ofd";
        c.make(path);
        std::string error;
        WithinSeconds(5, [&] { error = ErrorText([&] { WriteFileAtomically(path, {7}); }); });
        EXPECT_NE(error.find("keine reguläre Datei"), std::string::npos) << error;
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(path)));
    }
}

TEST(FileKinds, SaveTemporaryNames) {
    EXPECT_EQ(SaveTempName("IO.ofd", 123), ".IO.ofd.tmp123");
    struct Case {
        const char* name;
        std::optional<std::string> target;
    };
    const Case cases[] = {
        {".IO.ofd.tmp123", "IO.ofd"},
        {".Main.pgm.tmp987654321", "Main.pgm"},
        {".a.tmp.ofa.tmp0", "a.tmp.ofa"},
        {"IO.ofd.tmp1", std::nullopt},
        {".IO.ofd.tmp", std::nullopt},
        {".IO.ofd.tmpx", std::nullopt},
        {".IO.ofd.tmp12a", std::nullopt},
        {".IO.ofd.tmp01", std::nullopt},          // never written with a leading zero
        {".IO.ofd.tmp1000000000", std::nullopt},  // beyond the save's numbers
        {"..tmp1", std::nullopt},
        {".tmp1", std::nullopt},
        {".IO.ofd", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(SaveTempTarget(c.name), c.target) << c.name;
    EXPECT_EQ(SaveTempTarget(SaveTempName("Main.pgm", kSaveTempNumbers - 1)), "Main.pgm");
}

}  // namespace
}  // namespace ovis
