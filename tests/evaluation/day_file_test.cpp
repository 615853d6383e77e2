// "Datei erstellen": the blank day file of the output folder.
#include "evaluation/day_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "evaluation/recording_events.h"

namespace ovis {
namespace {

TIoRecord Row(const char* typ) {
    TIoRecord row{};
    row.Typ = typ;
    return row;
}

TEST(DayFile, OutputRowsAndLedRowsFromMidnightToTheLastMinute) {
    // Three output rows among six I/O rows and two LED rows: 2 + 2 * 5 records.
    const std::vector<TIoRecord> io = {Row("AC"), Row("Relais"), Row("DC"), Row("LED"), Row("Taste"), Row("Trans")};
    std::vector<TRecordingEvent> buffer(kRecordingCapacity);
    const std::size_t count = CreateDayFile(io, 2, LocalDateTime{2024, 3, 17, 9, 30, 0, 0}, buffer);
    ASSERT_EQ(count, 12u);
    const int messages[] = {2, 4, 6, 7, 8};
    const TRecordingEvent zero{};
    EXPECT_EQ(std::memcmp(&buffer[0], &zero, sizeof zero), 0);
    const auto expectAt = [&](std::size_t k, const TRecordingEvent& e) {
        EXPECT_EQ(std::memcmp(&buffer[k], &e, sizeof e), 0) << k;
    };
    expectAt(1, test::MakeEvent(0, false, {3, 17, 0, 0, 0, 0, 124}));
    for (std::size_t i = 0; i < 5; ++i) {
        expectAt(2 + i, test::MakeEvent(messages[i], false, {3, 17, 0, 0, 0, 0, 124}));
        expectAt(7 + i, test::MakeEvent(messages[i], false, {3, 17, 23, 59, 59000, 0, 124}));
    }
}

TEST(DayFile, NothingWithoutOutputMessages) {
    std::vector<TRecordingEvent> buffer(kRecordingCapacity);
    const std::vector<TIoRecord> io = {Row("AC"), Row("Relais ")};  // the kind must match exactly
    EXPECT_EQ(CreateDayFile(io, 0, LocalDateTime{2024, 3, 17}, buffer), 0u);
    EXPECT_EQ(NoOutputMessagesText("Ausgangsdaten"), "Es sind keine Ausgangsdaten - Meldungen definiert !");
}

}  // namespace
}  // namespace ovis
