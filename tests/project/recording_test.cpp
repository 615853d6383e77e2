#include "project/recording.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "evaluation/recording_events.h"
#include "project/recording_time.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::CreatedDayFile;
using test::EventTime;
using test::MakeEvent;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteRecordingFile;
using testing::HasSubstr;

class RecordingTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();

    std::filesystem::path File(const std::string& name = "Messung") const { return dir / (name + ".ofa"); }

    // A file of `records` records whose bytes are all non-zero except the first word.
    std::vector<std::uint8_t> WritePatternFile(std::size_t records, bool prefixed = false) {
        auto bytes = test::PatternBytes(records * sizeof(TRecordingEvent), unsigned(records));
        if (!prefixed && !bytes.empty()) bytes[0] = bytes[1] = 0;
        WriteBytes(File(), bytes);
        return bytes;
    }

    std::string LoadError() {
        try {
            recording->Load(dir.path(), "Messung");
        } catch (const IoError& e) {
            return e.what();
        }
        return "";
    }
};

TEST_F(RecordingTest, LoadAndSaveRoundTripByteForByte) {
    const auto bytes = WritePatternFile(1234);
    recording->Load(dir.path(), "Messung");
    EXPECT_EQ(recording->Count(), 1234u);
    EXPECT_FALSE(recording->IsModified());
    EXPECT_EQ(recording->FileName(), "Messung");
    std::filesystem::remove(File());
    recording->Save();
    EXPECT_EQ(ReadBytes(File()), bytes);
}

TEST_F(RecordingTest, AFullBufferLoadsAndSaves) {
    const auto bytes = WritePatternFile(kRecordingCapacity);
    recording->Load(dir.path(), "Messung");
    EXPECT_EQ(recording->Count(), kRecordingCapacity);
    recording->Event(kRecordingCapacity).Misek = 1;
    recording->Save();
    auto changed = bytes;
    changed[kRecordingCapacity * 10 - 3] = 1;
    EXPECT_EQ(ReadBytes(File()), changed);
}

struct PrefixCase {
    const char* what;
    std::size_t recordsInFile;
    bool prefixed;
    std::size_t count;  // records after loading
};

class RecordingPrefixTest : public RecordingTest, public testing::WithParamInterface<PrefixCase> {};

TEST_P(RecordingPrefixTest, DropsTheFirstHundredBytesWhenTheFirstWordIsNotZero) {
    const auto& c = GetParam();
    const auto bytes = WritePatternFile(c.recordsInFile, c.prefixed);
    recording->Load(dir.path(), "Messung");
    ASSERT_EQ(recording->Count(), c.count) << c.what;
    const std::size_t dropped = c.prefixed ? 100 : 0;
    if (c.count > 0) {
        EXPECT_EQ(std::memcmp(&recording->Event(1), bytes.data() + dropped, 10), 0) << c.what;
    }
    recording->Save();
    EXPECT_EQ(ReadBytes(File()), std::vector<std::uint8_t>(bytes.begin() + std::ptrdiff_t(dropped), bytes.end()))
        << c.what << ": the save keeps the loss of the prefix";
}

INSTANTIATE_TEST_SUITE_P(Recording, RecordingPrefixTest,
                         testing::Values(PrefixCase{"empty file", 0, false, 0},
                                         PrefixCase{"marker pair only (20 bytes)", 2, false, 2},
                                         PrefixCase{"prefixed", 15, true, 5},
                                         PrefixCase{"prefix only", 10, true, 0},
                                         PrefixCase{"prefixed full buffer", kRecordingCapacity + 10, true,
                                                    kRecordingCapacity}));

struct RefusalCase {
    const char* what;
    std::size_t bytes;
    bool prefixed;
    const char* message;
};

class RecordingRefusalTest : public RecordingTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RecordingRefusalTest, RefusesTheFileAndLeavesNothingToSaveOverIt) {
    const auto& c = GetParam();
    WriteRecordingFile(dir / "Alt.ofa", CreatedDayFile(2));
    recording->Load(dir.path(), "Alt");

    auto bytes = test::PatternBytes(c.bytes);
    if (!c.prefixed) bytes[0] = bytes[1] = 0;
    WriteBytes(File(), bytes);
    const std::string error = LoadError();
    EXPECT_THAT(error, HasSubstr(c.message)) << c.what;
    EXPECT_THAT(error, HasSubstr(File().string()));
    EXPECT_EQ(recording->Count(), 0u) << "a file refused after opening leaves an empty buffer";
    EXPECT_FALSE(recording->IsModified());
    EXPECT_THROW(recording->Save(), IoError) << "nothing is bound to be saved over the refused file";
    EXPECT_EQ(ReadBytes(File()), bytes);
    EXPECT_EQ(ReadBytes(dir / "Alt.ofa").size(), 60u);
}

INSTANTIATE_TEST_SUITE_P(
    Recording, RecordingRefusalTest,
    testing::Values(RefusalCase{"one record too many", (kRecordingCapacity + 1) * 10, false,
                                "sie enthält 80641 Datensätze, eine Aufzeichnung fasst höchstens 80640"},
                    RefusalCase{"prefixed, one record too many", (kRecordingCapacity + 11) * 10, true,
                                "sie enthält 80641 Datensätze"},
                    RefusalCase{"far too large", 4'000'000, false, "sie enthält 400000 Datensätze"},
                    RefusalCase{"partial record", 25, false, "kein Vielfaches der Satzlänge von 10 Bytes"},
                    RefusalCase{"prefix cut short", 90, true, "Vorspann von 100 Bytes, ist aber nur 90 Bytes lang"}));

TEST_F(RecordingTest, AFileThatCannotBeOpenedLeavesTheBufferAsItWas) {
    WriteRecordingFile(File("Alt"), CreatedDayFile(3));
    recording->Load(dir.path(), "Alt");
    recording->Event(3).Meldung = 1 | kLevelHighBit;

    EXPECT_THAT(LoadError(), HasSubstr("kann nicht geöffnet werden"));
    EXPECT_EQ(recording->Count(), 8u);
    EXPECT_EQ(recording->FileName(), "Alt");
    EXPECT_TRUE(recording->IsModified());
    recording->Save();
    EXPECT_EQ(ReadBytes(File("Alt"))[21], 0x04) << "saved to the file it came from";
}

TEST_F(RecordingTest, FindsTheFileWithoutRegardToCaseAndSavesItInPlace) {
    WriteRecordingFile(dir / "messung.OFA", CreatedDayFile(1));
    recording->Load(dir.path(), "Messung");
    EXPECT_EQ(recording->FileName(), "Messung") << "shown as given";
    recording->Event(4).Tag = 2;
    recording->Save();
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_EQ(ReadBytes(dir / "messung.OFA")[34], 2);
}

TEST_F(RecordingTest, IsModifiedComparesEveryByteWithTheLastLoadOrSave) {
    WriteRecordingFile(File(), CreatedDayFile(3));
    recording->Load(dir.path(), "Messung");
    EXPECT_FALSE(recording->IsModified());
    recording->Event(8).Misek = 1;
    EXPECT_TRUE(recording->IsModified()) << "last byte-field of the last record";
    recording->Event(8).Misek = 0;
    EXPECT_FALSE(recording->IsModified()) << "changed back";
    recording->Event(2).Meldung = kLevelHighBit;
    EXPECT_TRUE(recording->IsModified());
    recording->Save();
    EXPECT_FALSE(recording->IsModified());
    recording->Load(dir.path(), "Messung");
    EXPECT_EQ(recording->Event(2).Meldung.get(), kLevelHighBit);
}

TEST_F(RecordingTest, RecordsOutsideTheBufferAreRefused) {
    EXPECT_THROW(recording->Event(0), std::out_of_range);
    EXPECT_THROW(recording->Event(kRecordingCapacity + 1), std::out_of_range);
    EXPECT_NO_THROW(recording->Event(kRecordingCapacity));
}

// A loaded recording of the given records.
void LoadEvents(TRecording& recording, const test::TempDir& dir, const std::vector<TRecordingEvent>& events) {
    WriteRecordingFile(dir / "Sortiert.ofa", events);
    recording.Load(dir.path(), "Sortiert");
}

TEST_F(RecordingTest, SortEventsIsStableAndKeepsTheMarkerPair) {
    const EventTime noon1March{3, 1, 12}, noon29Feb{2, 29, 12}, early{3, 1, 8}, late{3, 1, 20};
    LoadEvents(*recording, dir,
               {MakeEvent(0, false, {}), MakeEvent(0, false, {12, 31}), MakeEvent(1, true, noon1March),
                MakeEvent(2, true, late), MakeEvent(3, true, noon29Feb), MakeEvent(4, false, early),
                MakeEvent(5, false, noon1March)});
    recording->SortEvents();
    std::vector<int> order;
    for (std::size_t k = 1; k <= recording->Count(); ++k) order.push_back(MessageNumber(recording->Event(k)));
    EXPECT_EQ(order, (std::vector<int>{0, 0, 4, 1, 3, 5, 2}))
        << "29 February 12:00 sorts together with 1 March 12:00, in its previous place among them";
    EXPECT_EQ(recording->Event(2).Monat, 12) << "record 2 stays although it is the latest";
}

TEST_F(RecordingTest, SortEventsServesAFullBuffer) {
    std::vector<TRecordingEvent> events{TRecordingEvent{}, MakeEvent(0, false, {1, 1})};
    for (std::size_t i = 0; events.size() < kRecordingCapacity; ++i) {
        TRecordingEvent e = MakeEvent(int(i % 1000) + 1, i % 2 == 0, {});
        SetEventSeconds(e, double(kRecordingCapacity - i / 2));  // descending, two records per second
        events.push_back(e);
    }
    LoadEvents(*recording, dir, events);
    recording->SortEvents();
    for (std::size_t k = 4; k <= recording->Count(); ++k) {
        ASSERT_LE(recording->EventSeconds(k - 1), recording->EventSeconds(k)) << k;
        if (recording->EventSeconds(k - 1) == recording->EventSeconds(k)) {
            ASSERT_EQ(MessageNumber(recording->Event(k - 1)) % 2, 1) << "the pair keeps its order at " << k;
        }
    }
}

struct BlockCase {
    const char* what;
    std::vector<int> numbers;  // message numbers of records 1..Count
    std::size_t initialBlock;
};

class InitialBlockTest : public RecordingTest, public testing::WithParamInterface<BlockCase> {};

TEST_P(InitialBlockTest, EndsBeforeTheFirstDescentOfMessageNumbers) {
    const auto& c = GetParam();
    std::vector<TRecordingEvent> events;
    for (int number : c.numbers) events.push_back(MakeEvent(number, number != 0 && number % 2 == 0, {}));
    LoadEvents(*recording, dir, events);
    EXPECT_EQ(recording->InitialBlockSize(), c.initialBlock) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Recording, InitialBlockTest,
    testing::Values(BlockCase{"empty", {}, 0}, BlockCase{"marker pair only", {0, 0}, 0},
                    BlockCase{"created for three messages", {0, 0, 1, 2, 3, 1, 2, 3}, 3},
                    BlockCase{"events between the blocks", {0, 0, 4, 7, 9, 2, 7, 4, 7, 9}, 3},
                    BlockCase{"level bits are not part of the number", {0, 0, 2, 3, 2, 3}, 2},
                    BlockCase{"no descent: the rest is the initial block", {0, 0, 5, 5, 5}, 3},
                    BlockCase{"one record after the markers", {0, 0, 5}, 1}));

TEST_F(RecordingTest, CreatedFileForThreeMessages) {
    LoadEvents(*recording, dir, CreatedDayFile(3));
    EXPECT_EQ(recording->Count(), 8u);
    EXPECT_EQ(recording->InitialBlockSize(), 3u);
}

}  // namespace
}  // namespace ovis
