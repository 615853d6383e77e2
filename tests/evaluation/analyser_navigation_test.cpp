// Zoom, the division list, truncation, scrolling, the cursor and the time labels of the analyser.
#include <gtest/gtest.h>

#include "evaluation/analyser_navigation.h"
#include "evaluation/analyser_time_labels.h"

namespace ovis {
namespace {

std::string Label(const TTimeStamp& t) { return DateLabel(t) + " " + TimeLabel(t); }

AnalyserView ViewFrom(int division, TTimeStamp left, int columns = 60) {
    AnalyserView view;
    view.division = division;
    view.columns = columns;
    SetLeftEdge(view, left);
    return view;
}

const TTimeStamp kFileStart{108, 3, 1, 7, 12, 5, 300, 4};

TEST(AnalyserLabels, DateAndTimeToTenMicroseconds) {
    EXPECT_EQ(DateLabel({108, 3, 1}), "01.03.2008");
    EXPECT_EQ(TimeLabel({108, 3, 1, 7, 5, 9, 42, 3}), "07:05:09,04203");
    EXPECT_EQ(TimeLabel({108, 12, 31, 23, 59, 59, 999, 99}), "23:59:59,99999");
}

TEST(AnalyserLabels, StampTextsReadBackOrAreRefused) {
    const auto stamp = ParseStampText("29.03.2008 13:04:05,00712");
    ASSERT_TRUE(stamp);
    EXPECT_EQ(Label(*stamp), "29.03.2008 13:04:05,00712");
    for (const char* bad : {"29.02.2008 13:04:05,00712", "01.13.2008 00:00:00,00000", "01.01.2008 24:00:00,00000",
                            "01.01.2008 00:00:00.00000", "1.01.2008 00:00:00,00000", "01.01.2008 00:00:00,0000x",
                            "01.01.1899 00:00:00,00000", ""})
        EXPECT_FALSE(ParseStampText(bad)) << bad;
}

TEST(AnalyserDivisionList, NamesRightAlignedWithLeadingBlanks) {
    EXPECT_EQ(DivisionListEntry(1), "             Tage");
    EXPECT_EQ(DivisionListEntry(5), "100 Millisekunden");
    EXPECT_EQ(DivisionListEntry(7), "    Millisekunden");
}

TEST(AnalyserZoom, ZoomInAtColumnFiveOfHoursShowsSixtyMinutesFromFour) {
    AnalyserView view = ViewFrom(2, {108, 3, 1});
    ASSERT_TRUE(ZoomIn(view, 5));
    EXPECT_EQ(view.division, 3);
    EXPECT_EQ(Label(view.left), "01.03.2008 04:00:00,00000");
    EXPECT_EQ(Label(view.right), "01.03.2008 05:00:00,00000");
}

TEST(AnalyserZoom, NoZoomInBeyondTenMicrosecondsNorOutBeyondDays) {
    AnalyserView fine = ViewFrom(9, {108, 3, 1});
    EXPECT_FALSE(ZoomIn(fine, 3));
    EXPECT_EQ(fine.division, 9);
    AnalyserView coarse = ViewFrom(1, {108, 3, 1});
    EXPECT_FALSE(ZoomOut(coarse, kFileStart));
    EXPECT_EQ(coarse.division, 1);
}

TEST(AnalyserZoom, ZoomOutFromTenToHundredMillisecondsKeepsTheLeftEdge) {
    AnalyserView view = ViewFrom(6, {108, 3, 1, 7, 12, 5, 310});
    ASSERT_TRUE(ZoomOut(view, kFileStart));
    EXPECT_EQ(view.division, 5);
    EXPECT_EQ(Label(view.left), "01.03.2008 07:12:05,31000");
    EXPECT_EQ(Label(view.right), "01.03.2008 07:12:11,31000") << "left edge plus 60 x 100 ms";
}

TEST(AnalyserZoom, OnlyACoarserChoiceInTheListApplies) {
    const AnalyserView before = ViewFrom(4, {108, 3, 2, 9, 30, 15});
    for (int finer : {4, 5, 9}) {
        AnalyserView view = before;
        EXPECT_FALSE(ChooseDivision(view, finer, kFileStart)) << finer;
        EXPECT_EQ(view.division, 4);
        EXPECT_EQ(Label(view.left), Label(before.left));
    }
    struct Case {
        int division;
        const char* left;
        const char* right;
    } const cases[] = {
        {3, "02.03.2008 09:00:00,00000", "02.03.2008 10:00:00,00000"},  // the start of the hour
        {2, "02.03.2008 00:00:00,00000", "04.03.2008 12:00:00,00000"},
        {1, "01.03.2008 00:00:00,00000", "30.04.2008 00:00:00,00000"},  // the file start's date
    };
    for (const auto& c : cases) {
        AnalyserView view = before;
        ASSERT_TRUE(ChooseDivision(view, c.division, kFileStart)) << c.division;
        EXPECT_EQ(view.division, c.division);
        EXPECT_EQ(Label(view.left), c.left) << c.division;
        EXPECT_EQ(Label(view.right), c.right) << c.division;
    }
}

TEST(AnalyserScroll, TheThumbTruncatesTheRecordsTimePerDivision) {
    const TTimeStamp record{108, 3, 2, 9, 34, 56, 789, 87};
    const char* expected[] = {
        "01.03.2008 07:12:05,30004" /* unused: "Tage" takes the file start's day */, "02.03.2008 09:00:00,00000",
        "02.03.2008 09:34:00,00000", "02.03.2008 09:34:56,00000", "02.03.2008 09:34:56,70000",
        "02.03.2008 09:34:56,78000", "02.03.2008 09:34:56,78900", "02.03.2008 09:34:56,78980",
        "02.03.2008 09:34:56,78987",
    };
    EXPECT_EQ(Label(TruncatedForThumb(record, 1, kFileStart)), "01.03.2008 00:00:00,00000");
    for (int division = 2; division <= 9; ++division)
        EXPECT_EQ(Label(TruncatedForThumb(record, division, kFileStart)), expected[division - 1]) << division;
}

TEST(AnalyserScroll, ArrowsStopAtTheDataAndTheThumbFollowsTheLimits) {
    EXPECT_TRUE(CanLineUp(59, 60));
    EXPECT_FALSE(CanLineUp(60, 60));
    EXPECT_TRUE(CanLineDown(2));
    EXPECT_FALSE(CanLineDown(1));

    const ScrollRange range = RecordScrollRange(3, 100);
    EXPECT_EQ(range.minimum, 1);
    EXPECT_EQ(range.maximum, 97);
    EXPECT_EQ(ThumbAfterScroll(40, range, 1, 1, 60), 97) << "the data ends in column 1";
    EXPECT_EQ(ThumbAfterScroll(40, range, 60, 60, 60), 1) << "the data starts in column N";
    EXPECT_EQ(ThumbAfterScroll(40, range, 3, 60, 60), 40);

    EXPECT_EQ(ThumbRecord(1, 100), 3u) << "never the marker pair";
    EXPECT_EQ(ThumbRecord(150, 100), 100u);
    EXPECT_EQ(RecordScrollRange(3, 3).maximum, 1) << "a range never turns over";
}

TEST(AnalyserCursor, ClicksLandOnlyInTheDataColumns) {
    struct Case {
        int x, cursor, first, last, columns;
        std::optional<int> moved;
    } const cases[] = {
        {0, 5, 1, 60, 60, 1},           {39, 1, 1, 60, 60, 5},  {40, 1, 1, 60, 60, 6},
        {39, 5, 1, 60, 60, {}},         {8 * 20, 5, 1, 20, 60, {}}, {8, 5, 3, 20, 60, {}},
        {8 * 60, 5, 1, 60, 60, {}},     {-1, 5, 1, 60, 60, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CursorAfterClick(c.x, c.cursor, c.first, c.last, c.columns), c.moved) << c.x;
    EXPECT_EQ(ClampCursor(30, 1, 12, 60), 12);
    EXPECT_EQ(ClampCursor(1, 4, 12, 60), 4);
    EXPECT_EQ(ClampCursor(7, 0, 60, 60), 7);
}

TEST(AnalyserWindowSize, ColumnsFollowTheScreenWidthWhenMaximised) {
    struct Case {
        bool maximised;
        int width;
        int columns;
    } const cases[] = {{false, 1920, 60}, {true, 640, 60}, {true, 600, 60}, {true, 799, 60},
                       {true, 800, 80},   {true, 1023, 80}, {true, 1024, 110}, {true, 2560, 110}};
    for (const auto& c : cases) EXPECT_EQ(ColumnsForWindow(c.maximised, c.width), c.columns) << c.width;
}

}  // namespace
}  // namespace ovis
