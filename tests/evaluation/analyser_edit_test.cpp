#include "evaluation/analyser_edit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "evaluation/analyser_fixture.h"
#include "evaluation/analyser_navigation.h"
#include "evaluation/recording_undo.h"
#include "project/recording.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

// A day file of messages 1 and 2 with the given records between the blocks.
std::unique_ptr<TRecording> DayWith(const std::vector<TRecordingEvent>& middle) {
    auto events = test::CreatedDayFile(2);
    events.insert(events.begin() + 4, middle.begin(), middle.end());
    auto rec = std::make_unique<TRecording>();
    rec->Assign(events);
    return rec;
}

TTimeStamp Stamp(int std, int min = 0, int sek = 0, int msek = 0, int misek = 0) {
    TTimeStamp t;
    t.Jahr = 108;
    t.Monat = 3;
    t.Tag = 1;
    t.Std = std;
    t.Min = min;
    t.Sek = sek;
    t.MSek = msek;
    t.Misek = misek;
    return t;
}

std::vector<TRecordingEvent> Records(const TRecording& rec) { return {rec.Events().begin(), rec.Events().end()}; }

bool Same(const TRecordingEvent& a, const TRecordingEvent& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectRecords(const TRecording& rec, const std::vector<TRecordingEvent>& expected) {
    ASSERT_EQ(rec.Count(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_TRUE(Same(rec.Events()[k], expected[k])) << "record " << k + 1 << " Meldung "
                                                        << rec.Events()[k].Meldung.get();
}

TEST(AnalyserEdit, CreateBeforeRisingEdgeMakesHighPulse) {
    auto rec = DayWith({MakeEvent(1, true, At(10)), MakeEvent(1, false, At(11))});
    ASSERT_TRUE(CreatePulse(*rec, {{{1, false}}, Stamp(9)}).changed);
    auto expected = test::CreatedDayFile(2);
    expected.insert(expected.begin() + 4, {MakeEvent(1, true, At(9)), MakeEvent(1, false, At(9, 0, 0, 0, 2)),
                                           MakeEvent(1, true, At(10)), MakeEvent(1, false, At(11))});
    ExpectRecords(*rec, expected);
}

TEST(AnalyserEdit, CreateAtMisek99CarriesTheMillisecond) {
    auto rec = DayWith({});
    ASSERT_TRUE(CreatePulse(*rec, {{{2, false}}, Stamp(5, 59, 59, 999, 99)}).changed);
    // No change of message 2 before the final block: High then Low.
    EXPECT_EQ(rec->Event(5).Meldung.get(), 2 + kLevelHighBit);
    EXPECT_EQ(rec->Event(6).Meldung.get(), 2);
    EXPECT_TRUE(Same(rec->Event(6), MakeEvent(2, false, At(6, 0, 0, 0, 1))));
}

TEST(AnalyserEdit, CreateInHighStretchMakesLowPulse) {
    auto rec = DayWith({MakeEvent(1, true, At(8)), MakeEvent(1, false, At(11))});
    CreatePulse(*rec, {{{1, true}}, Stamp(9)});
    EXPECT_EQ(rec->Event(6).Meldung.get(), 1);
    EXPECT_EQ(rec->Event(7).Meldung.get(), 1 + kLevelHighBit);
}

TEST(AnalyserEdit, DeletePeriodFromFileBegin) {
    auto events = test::CreatedDayFile(2);
    events[2] = MakeEvent(1, true, At(0));
    events.insert(events.begin() + 4, MakeEvent(1, false, At(7)));
    auto rec = std::make_unique<TRecording>();
    rec->Assign(events);
    ASSERT_TRUE(DeletePeriod(*rec, {{{1, true}}, Stamp(5)}).changed);
    ExpectRecords(*rec, test::CreatedDayFile(2));
}

TEST(AnalyserEdit, DeletePeriodInTheMiddle) {
    auto rec = DayWith({MakeEvent(1, true, At(8)), MakeEvent(1, false, At(11))});
    ASSERT_TRUE(DeletePeriod(*rec, {{{1, true}}, Stamp(9)}).changed);
    ExpectRecords(*rec, test::CreatedDayFile(2));
}

TEST(AnalyserEdit, EndSetIntoFinalBlockAppendsLowAndKeepsTheBlock) {
    auto rec = DayWith({MakeEvent(2, true, At(8))});
    // Record of 2 at 23:59:59 is Low in the final block; the period runs into it.
    auto before = Records(*rec);
    ASSERT_TRUE(SetPeriodEnd(*rec, {{{2, true}}, Stamp(20)}).changed);
    EXPECT_EQ(rec->Count(), before.size() + 1);
    EXPECT_TRUE(Same(rec->Event(6), MakeEvent(2, false, At(20))));
    EXPECT_TRUE(Same(rec->Event(rec->Count()), before.back()));
}

TEST(AnalyserEdit, BeginMovesToCursor) {
    struct Case {
        const char* name;
        bool high;
        int cursorHour;
        std::vector<TRecordingEvent> expectedMiddle;
    } cases[] = {
        {"high: period begins later", true, 9, {MakeEvent(1, true, At(9)), MakeEvent(1, false, At(11))}},
        {"low: next period begins earlier", false, 7, {MakeEvent(1, true, At(7)), MakeEvent(1, false, At(11))}},
    };
    for (const Case& c : cases) {
        auto rec = DayWith({MakeEvent(1, true, At(8)), MakeEvent(1, false, At(11))});
        SetPeriodBegin(*rec, {{{1, c.high}}, Stamp(c.cursorHour)});
        auto expected = test::CreatedDayFile(2);
        expected.insert(expected.begin() + 4, c.expectedMiddle.begin(), c.expectedMiddle.end());
        SCOPED_TRACE(c.name);
        ExpectRecords(*rec, expected);
    }
}

TEST(AnalyserEdit, ShiftBelowCursorIsRefused) {
    auto rec = DayWith({MakeEvent(1, true, At(8, 1))});
    const auto before = Records(*rec);
    const EditResult r = ShiftEvents(*rec, {{{1, false}}, Stamp(8)}, 3, -2, nullptr);
    EXPECT_EQ(r.refusal, ShiftBelowCursorText());
    ExpectRecords(*rec, before);
}

TEST(AnalyserEdit, ShiftBeyondEndAsksAndDeletes) {
    auto rec = DayWith({MakeEvent(1, true, At(20)), MakeEvent(1, false, At(23))});
    const auto before = Records(*rec);
    EXPECT_FALSE(ShiftEvents(*rec, {{{1, false}}, Stamp(10)}, 2, 2, [] { return false; }).changed);
    ExpectRecords(*rec, before);
    ASSERT_TRUE(ShiftEvents(*rec, {{{1, false}}, Stamp(10)}, 2, 2, [] { return true; }).changed);
    auto expected = test::CreatedDayFile(2);
    expected.insert(expected.begin() + 4, MakeEvent(1, true, At(22)));
    ExpectRecords(*rec, expected);
}

TEST(AnalyserEdit, ShiftValueParsing) {
    EXPECT_EQ(ParseShiftValue("-2"), -2);
    EXPECT_EQ(ParseShiftValue("+3"), 3);
    EXPECT_FALSE(ParseShiftValue("1,5"));
    EXPECT_FALSE(ParseShiftValue(""));
    EXPECT_FALSE(ParseShiftValue("++1"));
    EXPECT_EQ(ShiftNotANumberText("a"),
              "   Ihr eingegebener Wert a ist kein Zahlenwert?\rBitte geben Sie nur positive oder negative Zahlenwerte ein!");
}

TEST(AnalyserEdit, AddLargestMessageGoesLastInBothBlocks) {
    auto rec = std::make_unique<TRecording>();
    rec->Assign(test::CreatedDayFile(2));
    ASSERT_TRUE(AddMessage(*rec, 1023).changed);
    ASSERT_EQ(rec->Count(), 8u);
    EXPECT_TRUE(Same(rec->Event(5), MakeEvent(1023, false, At(0))));
    EXPECT_TRUE(Same(rec->Event(8), MakeEvent(1023, false, At(23, 59, 59))));
    EXPECT_EQ(rec->InitialBlockSize(), 3u);
}

TEST(AnalyserEdit, AddAndRemoveAreInverse) {
    auto events = test::CreatedDayFile(3);
    auto rec = std::make_unique<TRecording>();
    rec->Assign(events);
    RemoveMessage(*rec, 2);
    EXPECT_EQ(rec->Count(), 6u);
    AddMessage(*rec, 2);
    ExpectRecords(*rec, events);
}

TEST(AnalyserEdit, FullRecordingRefusesAndKeepsRecords) {
    auto rec = std::make_unique<TRecording>();
    auto events = test::CreatedDayFile(2);
    events.insert(events.begin() + 4, TRecording::Capacity() - events.size(), MakeEvent(2, false, At(1)));
    rec->Assign(events);
    const EditResult r = CreatePulse(*rec, {{{1, false}}, Stamp(9)});
    EXPECT_FALSE(r.changed);
    EXPECT_NE(r.refusal.find("80640"), std::string::npos);
    EXPECT_EQ(rec->Count(), TRecording::Capacity());
}

TEST(AnalyserEdit, DurationTexts) {
    auto rec = DayWith({MakeEvent(1, true, At(8)), MakeEvent(1, false, At(9, 2, 3, 4, 5))});
    EXPECT_EQ(PeriodDurationText(*rec, 1, Stamp(8, 30)),
              "  Ereignisdauer:\r\r  001   Stunden\r  002   Minuten\r  003   Sekunden\r  004   Millisekunden\r  050   Mikrosekunden");
    const std::string atBegin = PeriodDurationText(*rec, 1, Stamp(7));
    EXPECT_NE(atBegin.find("Da der Dateianfang festgestellt worden ist, kann die \r"), std::string::npos) << atBegin;
    EXPECT_EQ(atBegin.rfind(std::string(22, ' ') + "Ereignisdauer:\r\r" + std::string(21, ' ') + " 008   Stunden", 0), 0u);
}

TEST(RecordingUndoTest, SixteenEditsUndoToTheFirst) {
    auto rec = std::make_unique<TRecording>();
    rec->Assign(test::CreatedDayFile(1));
    RecordingUndo undo;
    std::vector<std::size_t> counts;
    for (int i = 0; i < 16; ++i) {
        undo.Snapshot(*rec);
        counts.push_back(rec->Count());
        CreatePulse(*rec, {{{1, false}}, Stamp(1 + i)});
    }
    EXPECT_EQ(undo.Depth(), 15);
    while (undo.Undo(*rec)) {
    }
    EXPECT_EQ(rec->Count(), counts[1]);
    undo.Clear();
    undo.WaitForClearing();
    EXPECT_FALSE(undo.CanUndo());
}

}  // namespace
}  // namespace ovis
