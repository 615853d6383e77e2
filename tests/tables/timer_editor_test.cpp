#include "tables/timer_editor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "counter_timer_fixture.h"
#include "support/file_bytes.h"
#include "support/table_editor_driver.h"
#include "tables/timer_columns.h"

namespace ovis {
namespace {

namespace col = timer_column;
using test::TimerRow;

TEST(TimerTexts, DatesAndTimesAreParsedStrictly) {
    struct DateCase {
        std::string text;
        int year;
        std::optional<CalendarDate> date;
    };
    const DateCase dates[] = {
        {"24.12", 2024, CalendarDate{2024, 12, 24}},
        {"01.01", 2023, CalendarDate{2023, 1, 1}},
        {"29.02", 2024, CalendarDate{2024, 2, 29}},
        {"29.02", 2023, std::nullopt},
        {"31.04", 2024, std::nullopt},
        {"00.05", 2024, std::nullopt},
        {"12.13", 2024, std::nullopt},
        {"1.5", 2024, std::nullopt},
        {"24-12", 2024, std::nullopt},
        {"", 2024, std::nullopt},
    };
    for (const auto& c : dates) EXPECT_EQ(ParseDayMonth(c.text, c.year), c.date) << c.text << " " << c.year;

    struct TimeCase {
        std::string text;
        std::optional<TimeOfDay> time;
    };
    const TimeCase times[] = {
        {"00:00:00", TimeOfDay{0, 0, 0}}, {"23:59:59", TimeOfDay{23, 59, 59}}, {"24:00:00", std::nullopt},
        {"12:60:00", std::nullopt},       {"1:02:03", std::nullopt},           {"12:30", std::nullopt},
    };
    for (const auto& c : times) EXPECT_EQ(ParseTime(c.text), c.time) << c.text;

    EXPECT_EQ(DayMonthText(5, 3), "05.03");
    EXPECT_EQ(TimeText({7, 8, 9}), "07:08:09");
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

TEST(TimerTexts, CellsShowHiddenPartsAsXx) {
    struct Case {
        const char* what;
        TTimerRecord row;
        std::string date, time;
    };
    const Case cases[] = {
        {"plain", TimerRow("t", "24.12", "12:30:45"), "    24.12", " 12:30:45"},
        {"weekday replaces the date", TimerRow("t", "24.12", "12:30:45", "Montag", "  .  .    "), " Montag", " 12:30:45"},
        {"hidden day", TimerRow("t", "24.05", "12:30:45", "", "xx.  .    "), "    xx.05", " 12:30:45"},
        {"hidden month", TimerRow("t", "24.05", "12:30:45", "", "  .xx.    "), "    24.xx", " 12:30:45"},
        {"one x is enough", TimerRow("t", "24.05", "12:30:45", "", " x.  .    "), "    xx.05", " 12:30:45"},
        {"both", TimerRow("t", "24.05", "12:30:45", "", "xx.xx.    "), "    xx.xx", " 12:30:45"},
        {"hidden minutes and seconds", TimerRow("t", "24.05", "12:30:45", "", "  .  .    ", "  :xx:xx"), "    24.05",
         " 12:xx:xx"},
        {"hidden hours", TimerRow("t", "24.05", "12:30:45", "", "  .  .    ", "xx:  :  "), "    24.05", " xx:30:45"},
        {"empty masks hide nothing", TimerRow("t", "24.05", "12:30:45", "", "", ""), "    24.05", " 12:30:45"},
        {"a short date", TimerRow("t", "7", "1:2", "", "  .xx.    ", "  :  :xx"), "    7  xx", " 1:2   xx"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimerDateCell(c.row), c.date) << c.what;
        EXPECT_EQ(TimerTimeCell(c.row), c.time) << c.what;
    }
    EXPECT_EQ(HideTimePart("", TimePart::Seconds), "  :  :xx") << "an empty mask is completed";
    EXPECT_EQ(HideDatePart("xx.  .    ", DatePart::Month), "xx.xx.    ");
}

struct TimerEditorFixture : test::CounterTimerProject {
    TimerEditor timers{store, dialogs, clock};
    TimerEditor::Editor& ed = timers.Table();

    explicit TimerEditorFixture(std::initializer_list<TTimerRecord> rows = {}) {
        SetTimers(rows);
        ed.Opened();
    }

    TTimerRecord& Row(std::size_t i) { return tables->timers.Row(i); }
    void Select(int top, int bottom, int column = col::kName) { test::SelectRows(ed, top, bottom, column); }
    std::string LastBox() const { return dialogs.boxes.empty() ? "" : dialogs.boxes.back().text; }
};

struct TimerEditorTest : ::testing::Test, TimerEditorFixture {};

TEST_F(TimerEditorTest, NewTimerTakesTodayAndTheTimeFromTheClock) {
    clock.now = {2026, 12, 10, 7, 8, 9, 500};
    ed.NewMessage();
    ASSERT_EQ(ed.RowCount(), 1u);
    EXPECT_EQ(ed.CellText(0, col::kNumber), "001");
    EXPECT_EQ(ed.CellText(0, col::kName), "Timer - Meldung");
    EXPECT_EQ(ed.CellText(0, col::kDate), "    10.12");
    EXPECT_EQ(ed.CellText(0, col::kTime), " 07:08:09");
    const TTimerRecord& row = Row(0);
    EXPECT_EQ(row.Datum.str(), "10.12");
    EXPECT_EQ(row.Uhrzeit.str(), "07:08:09");
    EXPECT_TRUE(row.Wochentag.empty());
    EXPECT_EQ(row.DatumMaske.str(), "  .  .    ");
    EXPECT_EQ(row.ZeitMaske.str(), "  :  :  ");
    EXPECT_EQ(row.Reserve1, 0);
    EXPECT_TRUE(row.Reserve2.empty());
    ASSERT_TRUE(ed.Save()) << LastBox();
    EXPECT_EQ(test::ReadBytes(Dir() / "Timer.ofd").size(), sizeof(TTimerRecord));
}

TEST_F(TimerEditorTest, ClickActions) {
    SetTimers({TimerRow("t")});
    struct Case {
        MouseButton button;
        int column;
        CellAction action;
    };
    const Case cases[] = {
        {MouseButton::Right, col::kName, CellAction::ContextMenu}, {MouseButton::Right, col::kDate, CellAction::Dialog},
        {MouseButton::Right, col::kTime, CellAction::Dialog},      {MouseButton::Left, col::kDate, CellAction::None},
        {MouseButton::Left, col::kTime, CellAction::None},
    };
    for (const auto& c : cases) {
        Select(0, 0);
        EXPECT_EQ(ed.Press(c.button, 0, c.column), c.action) << c.column;
        ed.Release(0, c.column);
        EXPECT_EQ(ed.Press(c.button, 1, c.column), CellAction::None) << "beyond the table";
    }
    Select(0, 0, col::kTime);
    EXPECT_EQ(ed.DoubleClick(0, col::kTime), CellAction::None);
    EXPECT_EQ(ed.Enter(), CellAction::None);

    // A right click on the date ends inline editing of the name.
    Select(0, 0);
    ASSERT_EQ(ed.DoubleClick(0, col::kName), CellAction::InlineEditor);
    ed.InlineTextEdited("Neu");
    EXPECT_EQ(ed.Press(MouseButton::Right, 0, col::kDate), CellAction::Dialog);
    EXPECT_FALSE(ed.InlineEditing());
    EXPECT_EQ(ed.UndoLevels(), 1);
}

TEST_F(TimerEditorTest, HidingDatePartsAndChoosingADateAgain) {
    SetTimers({TimerRow("a", "24.05"), TimerRow("b", "01.06", "12:30:45", "Freitag"), TimerRow("c", "02.07")});
    Select(0, 2, col::kDate);
    ASSERT_TRUE(timers.DateHidingEnabled());
    timers.HideDate(DatePart::Day);
    timers.HideDate(DatePart::Month);
    EXPECT_EQ(ed.CellText(0, col::kDate), "    xx.xx");
    EXPECT_EQ(ed.CellText(1, col::kDate), " Freitag") << "rows with a weekday keep it";
    EXPECT_EQ(Row(1).DatumMaske.str(), "  .  .    ");
    EXPECT_EQ(ed.CellText(2, col::kDate), "    xx.xx");
    EXPECT_EQ(ed.UndoLevels(), 2);

    // The calendar opens at today for a hidden date; a day of that month applies at once.
    EXPECT_EQ(timers.OpenCalendar(), (CalendarDate{2024, 3, 17}));
    EXPECT_TRUE(timers.CalendarClicked({2024, 3, 5}));
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ed.CellText(r, col::kDate), "    05.03") << r;
    EXPECT_TRUE(Row(1).Wochentag.empty()) << "a date replaces the weekday";
    EXPECT_EQ(Row(0).DatumMaske.str(), "  .  .    ");
    EXPECT_EQ(ed.UndoLevels(), 3);
    ed.Undo();
    EXPECT_EQ(ed.CellText(1, col::kDate), " Freitag");
    EXPECT_EQ(ed.CellText(0, col::kDate), "    xx.xx");
}

TEST_F(TimerEditorTest, WeekdaysDisableHidingTheDate) {
    SetTimers({TimerRow("a", "24.05", "12:30:45", "", "xx.  .    "), TimerRow("b", "01.06")});
    Select(0, 1, col::kDate);
    timers.ChooseWeekday(0);
    EXPECT_EQ(ed.CellText(0, col::kDate), " Montag");
    EXPECT_EQ(ed.CellText(1, col::kDate), " Montag");
    EXPECT_EQ(Row(0).Datum.str(), "24.05") << "the date stays, unseen";
    EXPECT_EQ(Row(0).DatumMaske.str(), "  .  .    ");
    EXPECT_EQ(ed.UndoLevels(), 1);
    EXPECT_FALSE(timers.DateHidingEnabled());
    timers.HideDate(DatePart::Day);
    EXPECT_EQ(ed.UndoLevels(), 1) << "disabled: nothing happens";
    EXPECT_EQ(Row(1).DatumMaske.str(), "  .  .    ");

    timers.ChooseWeekday(6);
    EXPECT_EQ(ed.CellText(1, col::kDate), " Sonntag");

    // Only the top row of the selection decides.
    SetTimers({TimerRow("a"), TimerRow("b", "01.06", "12:30:45", "Montag")});
    Select(0, 1, col::kDate);
    EXPECT_TRUE(timers.DateHidingEnabled());
    Select(1, 1, col::kDate);
    EXPECT_FALSE(timers.DateHidingEnabled());
}

TEST_F(TimerEditorTest, CalendarOpensAtTheRowsDateOrToday) {
    struct Case {
        const char* what;
        TTimerRecord row;
        CalendarDate opens;
    };
    const Case cases[] = {
        {"own date in the current year", TimerRow("a", "24.12"), {2024, 12, 24}},
        {"29 February of a leap year", TimerRow("a", "29.02"), {2024, 2, 29}},
        {"weekday", TimerRow("a", "24.12", "12:30:45", "Montag"), {2024, 3, 17}},
        {"hidden day", TimerRow("a", "24.12", "12:30:45", "", "xx.  .    "), {2024, 3, 17}},
        {"hidden month", TimerRow("a", "24.12", "12:30:45", "", "  .xx.    "), {2024, 3, 17}},
        {"no valid date", TimerRow("a", "31.04"), {2024, 3, 17}},
    };
    for (const auto& c : cases) {
        TimerEditorFixture f{c.row};
        f.Select(0, 0, col::kDate);
        EXPECT_EQ(f.timers.OpenCalendar(), c.opens) << c.what;
        EXPECT_EQ(f.timers.RememberedCalendarDate(), c.opens) << c.what;
    }
}

TEST_F(TimerEditorTest, ADayOfTheNeighbouringMonthOnlyMovesTheCalendar) {
    SetTimers({TimerRow("a", "24.12")});
    Select(0, 0, col::kDate);
    timers.OpenCalendar();
    EXPECT_FALSE(timers.CalendarClicked({2025, 1, 2}));
    EXPECT_EQ(Row(0).Datum.str(), "24.12");
    EXPECT_EQ(ed.UndoLevels(), 0);
    EXPECT_EQ(timers.RememberedCalendarDate(), (CalendarDate{2025, 1, 2}));
    EXPECT_TRUE(timers.CalendarClicked({2025, 1, 2})) << "the second click applies";
    EXPECT_EQ(Row(0).Datum.str(), "02.01");
    EXPECT_EQ(ed.UndoLevels(), 1);

    // Turning the page remembers a day of the month shown; a click there applies.
    timers.OpenCalendar();
    timers.CalendarMonthShown(2024, 2);
    EXPECT_EQ(timers.RememberedCalendarDate(), (CalendarDate{2024, 2, 2}));
    timers.CalendarMonthShown(2024, 2);
    EXPECT_TRUE(timers.CalendarClicked({2024, 2, 29}));
    EXPECT_EQ(Row(0).Datum.str(), "29.02");
    // The day is clamped to the month.
    timers.OpenCalendar();
    ASSERT_EQ(timers.RememberedCalendarDate(), (CalendarDate{2024, 2, 29}));
    timers.CalendarMonthShown(2023, 2);
    EXPECT_EQ(timers.RememberedCalendarDate(), (CalendarDate{2023, 2, 28}));
}

TEST_F(TimerEditorTest, TimePickerShowsItsTimeAndEscapeStoresNothing) {
    SetTimers({TimerRow("a", "24.12", "12:30:45"), TimerRow("b", "24.12", "06:00:00"), TimerRow("c")});
    Select(0, 1, col::kTime);
    const auto start = timers.BeginTimeEdit();
    ASSERT_TRUE(start);
    EXPECT_EQ(*start, (TimeOfDay{12, 30, 45})) << "the cursor row's time";
    EXPECT_EQ(ed.CellText(1, col::kTime), " 06:00:00") << "unchanged until the picker changes";
    for (int minute = 31; minute < 40; ++minute) timers.TimeChanged({12, minute, 45});
    EXPECT_EQ(ed.CellText(0, col::kTime), " 12:39:45");
    EXPECT_EQ(ed.CellText(1, col::kTime), " 12:39:45");
    EXPECT_EQ(ed.CellText(2, col::kTime), " 12:30:45") << "outside the selection";
    timers.CancelTimeEdit();
    EXPECT_FALSE(timers.TimeEditing());
    EXPECT_EQ(ed.CellText(0, col::kTime), " 12:30:45");
    EXPECT_EQ(ed.CellText(1, col::kTime), " 06:00:00");
    EXPECT_EQ(Row(1).Uhrzeit.str(), "06:00:00");
    EXPECT_EQ(ed.UndoLevels(), 0);

    // Leaving it stores the time in every selected row, with one undo level.
    timers.BeginTimeEdit();
    timers.TimeChanged({8, 15, 0});
    timers.TimeChanged({8, 15, 1});
    timers.FinishTimeEdit();
    EXPECT_EQ(Row(0).Uhrzeit.str(), "08:15:01");
    EXPECT_EQ(Row(1).Uhrzeit.str(), "08:15:01");
    EXPECT_EQ(Row(2).Uhrzeit.str(), "12:30:45");
    EXPECT_EQ(ed.UndoLevels(), 1);
}

TEST_F(TimerEditorTest, TimePickerStoresOnlyWhenASelectedRowShowsAnotherTime) {
    struct Case {
        const char* what;
        std::vector<TTimerRecord> rows;
        bool stored;
    };
    const Case cases[] = {
        {"the same time", {TimerRow("a", "24.12", "12:30:45")}, false},
        {"the same time over hidden seconds", {TimerRow("a", "24.12", "12:30:45", "", "  .  .    ", "  :  :xx")}, true},
        {"another row of the selection differs", {TimerRow("a"), TimerRow("b", "24.12", "12:30:46")}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TimerEditorFixture f;
        f.tables->timers.Assign(c.rows);
        f.tables->timers.TakeSavedImage();
        f.Select(0, int(c.rows.size()) - 1, col::kTime);
        ASSERT_TRUE(f.timers.BeginTimeEdit());
        f.timers.TimeChanged({12, 30, 45});
        f.timers.FinishTimeEdit();
        EXPECT_EQ(f.ed.UndoLevels(), c.stored ? 1 : 0);
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            EXPECT_EQ(f.ed.CellText(int(r), col::kTime), " 12:30:45");
            if (c.stored) {
                EXPECT_EQ(f.Row(r).ZeitMaske.str(), "  :  :  ");
            }
        }
    }
}

TEST_F(TimerEditorTest, HidingTimeParts) {
    struct Case {
        TimePart part;
        std::string mask, cell;
    };
    const Case cases[] = {
        {TimePart::Seconds, "  :  :xx", " 12:30:xx"},
        {TimePart::Minutes, "  :xx:  ", " 12:xx:45"},
        {TimePart::Hours, "xx:  :  ", " xx:30:45"},
    };
    for (const auto& c : cases) {
        TimerEditorFixture f{TimerRow("a"), TimerRow("b"), TimerRow("c")};
        f.Select(0, 1, col::kTime);
        f.timers.HideTime(c.part);
        EXPECT_EQ(f.Row(0).ZeitMaske.str(), c.mask);
        EXPECT_EQ(f.ed.CellText(1, col::kTime), c.cell);
        EXPECT_EQ(f.ed.CellText(2, col::kTime), " 12:30:45");
        EXPECT_EQ(f.ed.UndoLevels(), 1);
    }
    // Hidden parts add up; only a new time shows them again.
    TimerEditorFixture f{TimerRow("a")};
    f.Select(0, 0, col::kTime);
    f.timers.HideTime(TimePart::Seconds);
    f.timers.HideTime(TimePart::Minutes);
    EXPECT_EQ(f.ed.CellText(0, col::kTime), " 12:xx:xx");
    f.timers.ChooseWeekday(2);
    EXPECT_EQ(f.ed.CellText(0, col::kTime), " 12:xx:xx");
    f.timers.BeginTimeEdit();
    f.timers.FinishTimeEdit();
    EXPECT_EQ(f.ed.CellText(0, col::kTime), " 12:30:45");
}

TEST_F(TimerEditorTest, SaveChecksNamesAgainstTheOtherTablesInOrder) {
    TCounterRecord counter{};
    counter.Bezeichnung = "Tor";
    tables->counters.Append(counter);
    SetTimers({TimerRow("x"), TimerRow("TOR")});
    EXPECT_FALSE(ed.Save());
    EXPECT_EQ(LastBox(),
              "Die Meldung \"TOR\" in Zeile Nr. 2 existiert bereits in\r                       Zeile Nr. 4 von I / O!\r\r"
              "Geben Sie bitte eine andere Bezeichnung für diese Meldung an.");
    SetTimers({TimerRow("  Alarm ")});
    EXPECT_FALSE(ed.Save());
    EXPECT_NE(LastBox().find("Zeile Nr. 1 von Gruppen!"), std::string::npos) << LastBox();
    EXPECT_EQ(Row(0).Bezeichnung.str(), "Alarm") << "trimmed even though the save failed";
}

TEST_F(TimerEditorTest, ChangeDetectionComparesTheShownFieldsOnly) {
    struct Case {
        const char* what;
        void (*change)(TTimerRecord&);
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [](TTimerRecord&) {}, false},
        {"Reserve1", [](TTimerRecord& r) { r.Reserve1 = 5; }, false},
        {"Reserve2", [](TTimerRecord& r) { r.Reserve2 = "x"; }, false},
        {"name", [](TTimerRecord& r) { r.Bezeichnung = "h"; }, true},
        {"date", [](TTimerRecord& r) { r.Datum = "01.01"; }, true},
        {"time", [](TTimerRecord& r) { r.Uhrzeit = "00:00:00"; }, true},
        {"weekday", [](TTimerRecord& r) { r.Wochentag = "Montag"; }, true},
        {"date mask", [](TTimerRecord& r) { r.DatumMaske = "xx.  .    "; }, true},
        {"time mask", [](TTimerRecord& r) { r.ZeitMaske = "xx:  :  "; }, true},
    };
    for (const auto& c : cases) {
        SetTimers({TimerRow("t")});
        c.change(Row(0));
        EXPECT_EQ(ed.HasUnsavedChanges(), c.changed) << c.what;
    }
}

TTimerRecord HandWrittenTimer(int n) {
    TTimerRecord row;
    std::memset(&row, 0x5A + n, sizeof row);
    row.Bezeichnung = "Schaltuhr " + std::to_string(n);
    row.Datum = "31.12";
    row.Uhrzeit = "23:59:58";
    row.Wochentag = n == 1 ? "Donnerstag" : "";
    row.DatumMaske = n == 1 ? "  .  .    " : "xx.  .    ";
    row.ZeitMaske = "  :xx:xx";
    row.Reserve1 = -7;
    row.Reserve2 = "frei";
    return row;
}

TEST_F(TimerEditorTest, FilesRoundTripByteForByte) {
    const TTimerRecord written[] = {HandWrittenTimer(1), HandWrittenTimer(2)};
    WriteRecords(Dir() / "Timer.ofd", written, 2);
    const auto handWritten = test::ReadBytes(Dir() / "Timer.ofd");
    store.LoadAllTables();
    ed.Opened();
    ASSERT_EQ(ed.RowCount(), 2u);
    EXPECT_EQ(ed.CellText(0, col::kDate), " Donnerstag");
    EXPECT_EQ(ed.CellText(1, col::kDate), "    xx.12");
    ASSERT_TRUE(ed.Save()) << LastBox();
    EXPECT_EQ(test::ReadBytes(Dir() / "Timer.ofd"), handWritten);

    Select(1, 1, col::kTime);
    ed.NewMessage();
    Select(2, 2, col::kDate);
    timers.ChooseWeekday(4);
    timers.HideTime(TimePart::Hours);
    ASSERT_TRUE(ed.Save()) << LastBox();
    const auto editorWritten = test::ReadBytes(Dir() / "Timer.ofd");
    ASSERT_EQ(editorWritten.size(), 3 * sizeof(TTimerRecord));
    ASSERT_TRUE(ed.Revert());
    EXPECT_EQ(ed.CellText(2, col::kDate), " Freitag");
    EXPECT_EQ(ed.CellText(2, col::kTime), " xx:05:06");
    ASSERT_TRUE(ed.Save());
    EXPECT_EQ(test::ReadBytes(Dir() / "Timer.ofd"), editorWritten);
}

}  // namespace
}  // namespace ovis
