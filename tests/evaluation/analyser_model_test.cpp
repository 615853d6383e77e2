// The analyser in file mode over a loaded recording: opening, reopening, navigation through the
// model, the cells to repaint, the menu, the cell looks and the row marks.
#include <gtest/gtest.h>

#include <memory>

#include "evaluation/analyser_cells.h"
#include "evaluation/analyser_fixture.h"
#include "evaluation/analyser_menu.h"
#include "evaluation/analyser_model.h"
#include "evaluation/analyser_time_labels.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::At;
using test::MakeEvent;

std::string Label(const TTimeStamp& t) { return DateLabel(t) + " " + TimeLabel(t); }

class AnalyserModelTest : public testing::Test {
protected:
    test::TempDir dir;
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();
    AnalyserModel model;

    // Two messages over 1 and 2 March: initial block at 06:00, events, final block at 23:00 on 2 March.
    void LoadTwoDays() {
        auto records = test::MarkerPair();
        for (int m : {1, 2}) records.push_back(MakeEvent(m, false, At(6)));
        records.push_back(MakeEvent(1, true, At(6, 30)));
        records.push_back(MakeEvent(2, true, At(9, 15)));
        records.push_back(MakeEvent(1, false, At(20, 0, 0, 0, 0, 2)));
        for (int m : {1, 2}) records.push_back(MakeEvent(m, m == 2, At(23, 0, 0, 0, 0, 2)));
        Load(records);
    }
    void Load(const std::vector<TRecordingEvent>& records) {
        test::WriteRecordingFile(dir / "Probe.ofa", records);
        recording->Load(dir.path(), "Probe");
    }
};

TEST_F(AnalyserModelTest, OpeningShowsHoursFromMidnightOfTheFirstEvent) {
    LoadTwoDays();
    ASSERT_TRUE(model.Open(*recording, test::RowsOf({1, 2}), 60));
    EXPECT_EQ(model.Division(), 2);
    EXPECT_EQ(Label(model.View().left), "01.03.2008 00:00:00,00000");
    EXPECT_EQ(Label(model.View().right), "03.03.2008 12:00:00,00000");
    EXPECT_EQ(model.FirstDataColumn(), 7);
    EXPECT_EQ(model.LastDataColumn(), 48);
    EXPECT_EQ(model.Cursor(), 7);
    EXPECT_EQ(Label(model.CursorTime()), "01.03.2008 06:00:00,00000");
    EXPECT_EQ(model.ScrollBarRange().minimum, 1);
    EXPECT_EQ(model.ScrollBarRange().maximum, 6);
    EXPECT_EQ(model.ScrollPosition(), 1);
    EXPECT_EQ(int(model.State(1, 7)), 4) << "Low at the file begin, then High";
    EXPECT_EQ(int(model.State(2, 10)), 2);
    EXPECT_EQ(int(model.State(1, 45)), 7);
}

TEST_F(AnalyserModelTest, ARecordingWithoutEventsIsNotOpened) {
    Load(test::MarkerPair());
    EXPECT_FALSE(model.Open(*recording, test::RowsOf({1}), 60));
    EXPECT_EQ(NoEventsText("Probe"), "Die Datei \"Probe\" enthält keine Ereignisse und kann nicht ausgewertet werden.");
}

TEST_F(AnalyserModelTest, ZoomAndDivisionMoveTheCursorToTheFirstDataColumnAndTheThumbToTheLeftRecord) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    ASSERT_TRUE(model.ZoomIn());  // at column 7: 06:00 in minutes
    EXPECT_EQ(Label(model.View().left), "01.03.2008 06:00:00,00000");
    EXPECT_EQ(model.FirstDataColumn(), 1);
    EXPECT_EQ(model.Cursor(), 1);
    EXPECT_EQ(model.ScrollPosition(), 3);
    ASSERT_TRUE(model.ZoomOut());
    EXPECT_EQ(Label(model.View().left), "01.03.2008 00:00:00,00000");
    EXPECT_FALSE(model.ChooseDivision(5)) << "finer";
    EXPECT_EQ(model.Division(), 2);
}

TEST_F(AnalyserModelTest, ScrollingStopsWhereTheDataEnds) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    ASSERT_TRUE(model.ChooseDivision(1));  // days: the data lies in columns 1 and 2
    EXPECT_EQ(model.LastDataColumn(), 2);
    EXPECT_TRUE(model.Scroll(ScrollAction::LineDown, 0));
    EXPECT_EQ(Label(model.View().left), "02.03.2008 00:00:00,00000");
    EXPECT_EQ(model.LastDataColumn(), 1);
    EXPECT_EQ(model.ScrollPosition(), model.ScrollBarRange().maximum) << "thumb at its end";
    EXPECT_FALSE(model.Scroll(ScrollAction::LineDown, 0));
    EXPECT_EQ(Label(model.View().left), "02.03.2008 00:00:00,00000");
    EXPECT_FALSE(model.Scroll(ScrollAction::PageUp, 0));
    EXPECT_EQ(Label(model.View().left), "02.03.2008 00:00:00,00000");
    EXPECT_TRUE(model.Scroll(ScrollAction::LineUp, 0));
    EXPECT_EQ(Label(model.View().left), "01.03.2008 00:00:00,00000");
}

TEST_F(AnalyserModelTest, LineUpOnlyWhileTheFirstDataColumnIsBelowN) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    int steps = 0;
    while (model.Scroll(ScrollAction::LineUp, 0) && steps < 100) ++steps;
    EXPECT_EQ(steps, 53) << "from the first data column 7 to 60";
    EXPECT_EQ(model.FirstDataColumn(), 60);
    EXPECT_EQ(model.ScrollPosition(), model.ScrollBarRange().minimum);
}

TEST_F(AnalyserModelTest, TheThumbSetsTheLeftEdgeFromItsRecord) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    model.ZoomIn();  // minutes
    ASSERT_TRUE(model.Scroll(ScrollAction::Track, 6));  // record 6: message 2 High at 09:15
    EXPECT_EQ(Label(model.View().left), "01.03.2008 09:15:00,00000");
    EXPECT_EQ(model.ScrollPosition(), 6);
    EXPECT_EQ(model.Cursor(), 1);
}

TEST_F(AnalyserModelTest, ACellClickMarksTheRowAndMovesTheCursorWithinTheData) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    EXPECT_EQ(model.ClickDiagram(8 * 9 + 3, 19 + 4), 7);
    EXPECT_EQ(model.Cursor(), 10);
    EXPECT_EQ(model.Marks().MarkedRows(), std::vector<int>{2});
    EXPECT_EQ(model.ClickDiagram(8 * 2, 0), std::nullopt) << "before the first data column";
    EXPECT_EQ(model.Cursor(), 10);
    EXPECT_EQ(model.Marks().MarkedRows(), std::vector<int>{1});
}

TEST_F(AnalyserModelTest, ReopeningKeepsDivisionWindowAndThumb) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    model.ZoomIn();
    model.Scroll(ScrollAction::Track, 6);
    const std::string left = Label(model.View().left);
    AnalyserModel reopened;
    ASSERT_TRUE(reopened.Reopen(*recording, test::RowsOf({2}), model.Place()));
    EXPECT_EQ(reopened.Division(), 3);
    EXPECT_EQ(Label(reopened.View().left), left);
    EXPECT_EQ(reopened.ScrollPosition(), 6);
    EXPECT_EQ(reopened.Rows().Count(), 1);
    EXPECT_EQ(reopened.Rows().Message(1), 2);
    EXPECT_EQ(int(reopened.State(1, 0)), 1);
    EXPECT_EQ(int(reopened.State(1, 1)), 2) << "message 2 rose at 09:15 after Low";
}

TEST_F(AnalyserModelTest, OnlyChangedCellsAreRepaintedAfterTheFirstDrawing) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 60);
    EXPECT_EQ(model.TakeCellsToDraw(false).size(), std::size_t(2 * 60)) << "the empty rows are drawn as they were";
    EXPECT_TRUE(model.TakeCellsToDraw(false).empty());
    model.Scroll(ScrollAction::LineDown, 0);
    const auto cells = model.TakeCellsToDraw(false);
    EXPECT_FALSE(cells.empty());
    for (const auto& cell : cells) EXPECT_LE(cell.row, 2);
    EXPECT_EQ(model.TakeCellsToDraw(true).size(), std::size_t(33 * 60));
}

TEST_F(AnalyserModelTest, ResizingKeepsTheLeftEdgeAndHoldsTheCursor) {
    LoadTwoDays();
    model.Open(*recording, test::RowsOf({1, 2}), 110);
    model.ClickDiagram(8 * 45, 0);
    EXPECT_EQ(model.Cursor(), 46);
    model.SetColumns(60);
    EXPECT_EQ(model.Cursor(), 46);
    EXPECT_EQ(Label(model.View().right), "03.03.2008 12:00:00,00000");
    model.SetColumns(40);
    EXPECT_EQ(model.Cursor(), 40);
}

TEST(AnalyserRows, ShownMessagesInFolderOrderWithTheirRows) {
    TAuswahlRecord selection{};
    selection.Shown[0] = 1;
    selection.Shown[2] = 1;
    selection.Shown[3] = 1;
    const std::vector<int> folder{5, 3, 9, 1};
    const auto rows = AnalyserRows::Build(folder, selection, [](int n) { return "N" + std::to_string(n); });
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows.DiagramRows(), 33);
    EXPECT_EQ(rows.Message(2), 9);
    EXPECT_EQ(rows.Name(3), "N1");
    EXPECT_EQ(rows.RowOf(9), 2);
    EXPECT_EQ(rows.RowOf(3), 0);
    EXPECT_EQ(rows.RowOf(1023), 0);
    EXPECT_EQ(rows.Message(4), 0);
    EXPECT_EQ(rows.Name(0), "");
}

TEST(AnalyserMenu, FileModeEnabling) {
    struct Case {
        bool output;
        int rows, division;
        bool speichern, suchen, zoomIn, zoomOut;
    } const cases[] = {
        {true, 3, 2, true, true, true, true},    {false, 3, 2, false, true, true, true},
        {true, 0, 2, false, false, true, true},  {false, 1, 9, false, true, false, true},
        {false, 1, 1, false, true, true, false},
    };
    for (const auto& c : cases) {
        const auto menu = FileModeMenu(c.output, c.rows, c.division, false);
        EXPECT_EQ(menu.speichern, c.speichern);
        EXPECT_EQ(menu.bearbeiten, c.speichern);
        EXPECT_EQ(menu.suchen, c.suchen);
        EXPECT_TRUE(menu.drucken);
        EXPECT_FALSE(menu.takt);
        EXPECT_FALSE(menu.startStop);
        EXPECT_FALSE(menu.ereignisSuchen);
        EXPECT_EQ(menu.zoomIn, c.zoomIn);
        EXPECT_EQ(menu.zoomOut, c.zoomOut);
    }
    EXPECT_TRUE(FileModeMenu(false, 1, 2, true).ereignisSuchen);
}

TEST(AnalyserCells, WhiteMarksPerCode) {
    struct Case {
        TColumnState code;
        std::vector<std::pair<int, int>> white;
    } const cases[] = {
        {1, {}}, {2, {{4, 8}}}, {3, {{2, 6}}}, {4, {{2, 4}, {6, 8}}}, {6, {{0, 8}}},
        {7, {{0, 4}}}, {8, {{0, 2}, {6, 8}}}, {9, {{0, 2}, {4, 6}}}, {0, {}}, {5, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> white;
        for (const auto& range : WhiteMarks(c.code)) white.emplace_back(range.from, range.to);
        EXPECT_EQ(white, c.white) << int(c.code);
    }
}

TEST(AnalyserCells, BackgroundsOfCursorAndDivisions) {
    const DiagramLook plain;
    const DiagramLook both{false, true, true};
    EXPECT_EQ(BackgroundOf(5, 11, true, both), CellBackground::Magenta);
    EXPECT_EQ(BackgroundOf(5, 11, false, plain), CellBackground::Blue);
    EXPECT_EQ(BackgroundOf(4, 1, false, both), CellBackground::Blue);
    EXPECT_EQ(BackgroundOf(5, 1, false, both), CellBackground::LightBlue) << "rows 5 to 8";
    EXPECT_EQ(BackgroundOf(1, 11, false, both), CellBackground::LightBlue) << "columns 11 to 20";
    EXPECT_EQ(BackgroundOf(1, 21, false, both), CellBackground::Blue);
    EXPECT_EQ(BackgroundOf(1, 100, false, both), CellBackground::LightBlue);
    EXPECT_EQ(BackgroundOf(1, 111, false, both), CellBackground::Blue);
    EXPECT_EQ(BackgroundWidth(true), 7);
    EXPECT_EQ(DiagramImageHeight(33), 629);
}

TEST(AnalyserRowMarks, ClickShiftCtrlAndWheel) {
    RowMarks marks(40);
    marks.Click(3);
    marks.ShiftClick(6);
    EXPECT_EQ(marks.MarkedRows(), (std::vector<int>{3, 4, 5, 6}));
    marks.CtrlClick(4);
    marks.CtrlClick(10);
    EXPECT_EQ(marks.MarkedRows(), (std::vector<int>{3, 5, 6, 10}));
    marks.WheelStep(1);
    EXPECT_EQ(marks.MarkedRows(), std::vector<int>{11});
    marks.WheelStep(-1);
    marks.WheelStep(-1);
    EXPECT_EQ(marks.MarkedRows(), std::vector<int>{9});
    marks.Click(40);
    marks.WheelStep(1);
    EXPECT_EQ(marks.MarkedRows(), std::vector<int>{40}) << "the mark stays within the rows";
    EXPECT_EQ(TopRowShowing(17, 1, 16), 2);
    EXPECT_EQ(TopRowShowing(16, 1, 16), 1);
    EXPECT_EQ(TopRowShowing(3, 5, 16), 3);
}

}  // namespace
}  // namespace ovis
