#include "records/typed_file.h"

#include <gtest/gtest.h>

#include "records/le_types.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "project/record_table.h"

namespace ovis {
namespace {

struct SixBytes {
    LeInt32 value;
    std::uint8_t tag[2];
};
static_assert(sizeof(SixBytes) == 6);

TEST(TypedFile, LittleEndianFieldsAreStoredLowByteFirst) {
    SixBytes r{};
    r.value = -2;
    EXPECT_EQ(r.value.bytes[0], 0xFE);
    EXPECT_EQ(r.value.bytes[3], 0xFF);
    r.value = 0x01020304;
    EXPECT_EQ(r.value.bytes[0], 0x04);
    EXPECT_EQ(r.value.get(), 0x01020304);
}

struct TableLoadCase {
    const char* name;
    std::optional<std::size_t> fileBytes;  // nothing: no file
    bool throws;
    std::size_t rows;
    bool opened;
};

TEST(TypedFile, TableLoadingByFileLength) {
    const TableLoadCase cases[] = {
        {"missing file loads empty", std::nullopt, false, 0, false},
        {"empty file loads empty", 0, false, 0, true},
        {"two whole records", 12, false, 2, true},
        {"partial trailing record is damage", 14, true, 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        RecordTable<SixBytes> table;
        table.SetCount(3);  // previous content
        if (c.fileBytes) test::WriteBytes(dir / "T.ofd", test::PatternBytes(*c.fileBytes));
        OpenRetry fast{2, std::chrono::milliseconds(1)};
        if (c.throws) {
            EXPECT_THROW(table.Load(dir / "T.ofd", fast), IoError);
        } else {
            EXPECT_EQ(table.Load(dir / "T.ofd", fast).opened, c.opened);
        }
        EXPECT_EQ(table.Count(), c.rows);
    }
}

TEST(TypedFile, MoreRecordsThanTheCapacityLoadTheFirstThousandAndSaySo) {
    test::TempDir dir;
    test::WriteBytes(dir / "T.ofd", test::PatternBytes(6 * 1003));
    RecordTable<SixBytes> table;
    auto result = table.Load(dir / "T.ofd");
    EXPECT_EQ(table.Count(), 1000u);
    EXPECT_EQ(result.recordsInFile, 1003u);
    EXPECT_EQ(result.rowsDropped, 3u);
}

TEST(TypedFile, FailedAtomicWriteKeepsTheOldContent) {
    test::TempDir dir;
    test::WriteBytes(dir / "T.ofd", {1, 2, 3});
    EXPECT_THROW(WriteFileAtomically(dir / "missing-folder" / "T.ofd", {9}), IoError);
    WriteFileAtomically(dir / "T.ofd", {7, 8});
    EXPECT_EQ(test::ReadBytes(dir / "T.ofd"), (std::vector<std::uint8_t>{7, 8}));
}

TEST(TypedFile, NamesResolveWithoutRegardToCase) {
    test::TempDir dir;
    test::WriteBytes(dir / "Led.ofd", {1});
    EXPECT_EQ(ResolveInDirectory(dir.path(), "LED.ofd").filename(), "Led.ofd");
    EXPECT_EQ(ResolveInDirectory(dir.path(), "Timer.ofd").filename(), "Timer.ofd");
}

TEST(TypedFile, SingleRecordShorterThanItsSizeIsAnErrorAndLeavesTheRecord) {
    test::TempDir dir;
    test::WriteBytes(dir / "P.ofp", {1, 2, 3});
    SixBytes r{};
    r.value = 42;
    EXPECT_THROW(ReadSingleRecord(dir / "P.ofp", r, OpenRetry{1, {}}), IoError);
    EXPECT_EQ(r.value.get(), 42);
    EXPECT_THROW(ReadSingleRecord(dir / "none.ofp", r, OpenRetry{1, {}}), IoError);
}

}  // namespace
}  // namespace ovis

namespace ovis {
namespace {

TEST(TypedFile, FileErrorsAreGerman) {
    test::TempDir dir;
    try {
        ReadFileOrThrow(dir / "fehlt.ofd");
        FAIL() << "a missing file must raise IoError";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("Datei oder Verzeichnis nicht gefunden"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("fehlt.ofd"), std::string::npos);
    }
    EXPECT_EQ(SystemErrorText(std::make_error_code(std::errc::permission_denied)), "Zugriff verweigert");
}

}  // namespace
}  // namespace ovis
