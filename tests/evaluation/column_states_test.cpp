// The column states of the analyser's diagram.
#include <gtest/gtest.h>

#include "evaluation/analyser_fixture.h"
#include "evaluation/column_states.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

TEST(ColumnStateCodes, EachRecordLevelFromEachCode) {
    struct Case {
        TColumnState code;
        bool high;
        TColumnState next;
    } const cases[] = {
        {1, true, 2}, {1, false, 3}, {2, false, 3}, {2, true, 4}, {3, true, 4},  {3, false, 3},
        {4, false, 3}, {4, true, 4}, {6, true, 8}, {6, false, 7}, {7, true, 8},  {7, false, 9},
        {8, true, 8}, {8, false, 9}, {9, true, 8}, {9, false, 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(ApplyRecordLevel(c.code, c.high)), int(c.next)) << int(c.code) << (c.high ? " High" : " Low");
}

class ColumnStatesTest : public testing::Test {
protected:
    ColumnStateTable table;
    std::vector<TRecordingEvent> records = test::MarkerPair();

    void Add(int number, bool high, test::EventTime t) { records.push_back(MakeEvent(number, high, t)); }

    ColumnStatesResult Compute(const AnalyserRows& rows, ColumnWindow window) {
        return ComputeColumnStates(records, rows, window, table);
    }
    // "Stunden" from 00:00 on 1 March with n columns.
    static ColumnWindow Hours(int n = 60) { return {2, n, {108, 3, 1}}; }
};

TEST_F(ColumnStatesTest, OneColumnTakesHighLowHighLowAsTwoThreeFourThree) {
    const TColumnState expected[] = {2, 3, 4, 3};
    for (int events = 1; events <= 4; ++events) {
        records = test::MarkerPair();
        Add(1, false, At(0));  // the column before starts Low
        for (int e = 0; e < events; ++e) Add(1, e % 2 == 0, At(3, 10 + e));
        Add(2, false, At(23));  // data goes on (message 2 has no row)
        Compute(test::RowsOf({1}), Hours());
        EXPECT_EQ(int(table.At(1, 4)), int(expected[events - 1])) << events << " events";
        EXPECT_EQ(int(table.At(1, 5)), EndsHigh(expected[events - 1]) ? 6 : 1) << "the next column continues the level";
    }
}

TEST_F(ColumnStatesTest, ARepeatedHighWhileHighGivesEight) {
    Add(1, true, At(0));
    Add(1, true, At(2, 30));
    Add(1, true, At(23));
    Compute(test::RowsOf({1}), Hours());
    EXPECT_EQ(int(table.At(1, 1)), 2);
    EXPECT_EQ(int(table.At(1, 2)), 6);
    EXPECT_EQ(int(table.At(1, 3)), 8);
    EXPECT_EQ(int(table.At(1, 4)), 6);
}

TEST_F(ColumnStatesTest, EventsAllBeforeTheWindowSetColumnZeroAndTheDataEndsInColumnOne) {
    Add(1, true, At(0));
    Add(2, false, At(0));
    Add(1, true, At(23, 59, 59));
    Add(2, false, At(23, 59, 59));
    ColumnWindow window = Hours();
    window.left = {108, 3, 2};  // the day after
    const auto result = Compute(test::RowsOf({1, 2}), window);
    EXPECT_EQ(result.firstDataColumn, 1);
    EXPECT_EQ(result.lastDataColumn, 1);
    EXPECT_EQ(result.leftRecord, records.size() + 1);
    EXPECT_EQ(int(table.At(1, 0)), 6);
    EXPECT_EQ(int(table.At(1, 1)), 6);
    EXPECT_EQ(int(table.At(2, 0)), 1);
    EXPECT_EQ(int(table.At(2, 1)), 1);
    EXPECT_EQ(int(table.At(1, 2)), 1) << "columns after the end of the data keep code 1";
}

TEST_F(ColumnStatesTest, DataColumnsAndTheRecordAtTheLeftEdge) {
    Add(1, false, At(1, 30));   // record 3
    Add(1, true, At(2, 15));    // record 4
    Add(1, false, At(10, 0));   // record 5
    struct Case {
        const char* what;
        TTimeStamp left;
        int n;
        int first, last;
        std::size_t leftRecord;
    } const cases[] = {
        {"records begin inside", {108, 3, 1}, 60, 2, 11, 3},
        {"records before the window", {108, 3, 1, 2}, 60, 1, 9, 4},
        {"records go on past the window", {108, 3, 1}, 5, 2, 5, 3},
        {"no record before or inside", {108, 2, 1}, 24, 0, 24, 3},
    };
    for (const auto& c : cases) {
        const auto result = Compute(test::RowsOf({1}), {2, c.n, c.left});
        EXPECT_EQ(result.firstDataColumn, c.first) << c.what;
        EXPECT_EQ(result.lastDataColumn, c.last) << c.what;
        EXPECT_EQ(result.leftRecord, c.leftRecord) << c.what;
    }
}

TEST_F(ColumnStatesTest, ColumnBoundariesAreExactTo10Microseconds) {
    Add(1, true, At(0, 0, 0, 9, 99));   // last step of column 1 at "10 Millisekunden"
    Add(1, false, At(0, 0, 0, 10, 0));  // first step of column 2
    Compute(test::RowsOf({1}), {6, 60, {108, 3, 1}});
    EXPECT_EQ(int(table.At(1, 1)), 2);
    EXPECT_EQ(int(table.At(1, 2)), 7);
}

TEST_F(ColumnStatesTest, RecordsWithoutARowAndMarkersChangeNoRow) {
    Add(1, false, At(0));
    Add(7, true, At(1, 10));              // message 7 has no row
    records.push_back(TRecordingEvent{});  // a marker pair inside the file
    records.push_back(MakeEvent(0, false, At(2)));
    Add(1, true, At(3, 5));
    const auto result = Compute(test::RowsOf({1}), Hours());
    EXPECT_EQ(int(table.At(1, 2)), 1);
    EXPECT_EQ(int(table.At(1, 3)), 1);
    EXPECT_EQ(int(table.At(1, 4)), 2);
    EXPECT_EQ(result.lastDataColumn, 4);
    EXPECT_EQ(int(table.At(2, 1)), 0) << "rows without a message have no state";
}

TEST_F(ColumnStatesTest, AnEmptyRecordingLeavesEveryShownRowLow) {
    records.clear();
    const auto result = Compute(test::RowsOf({1, 2}), Hours());
    EXPECT_EQ(result.firstDataColumn, 0);
    EXPECT_EQ(result.lastDataColumn, 1);
    EXPECT_EQ(int(table.At(2, 1)), 1);
}

}  // namespace
}  // namespace ovis
