#include "tables/io_editor.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "io_fixture.h"
#include "records/codepage.h"
#include "support/file_bytes.h"
#include "support/table_editor_driver.h"
#include "tables/io_columns.h"

namespace ovis {
namespace {

namespace col = io_column;
using test::IoRow;
const char* const U = kUpperRow;
const char* const L = kLowerRow;

struct IoEditorFixture : test::IoProject {
    IoEditor io{store, dialogs};
    IoEditor::Editor& ed = io.Table();

    IoEditorFixture() { ed.Opened(); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& row : tables->io.Rows()) names.push_back(row.Bezeichnung.str());
        return names;
    }
    void Select(int top, int bottom, int column = col::kName) { test::SelectRows(ed, top, bottom, column); }
    TIoRecord& Row(std::size_t i) { return tables->io.Row(i); }
    std::vector<std::uint8_t> IoFile() const { return test::ReadBytes(Dir() / "IO.ofd"); }
};

struct IoEditorTest : ::testing::Test, IoEditorFixture {};

TEST_F(IoEditorTest, PrintingShowsInTheMenuButWaitsForTheReports) {
    EXPECT_EQ(ed.PrintItem(), (PrintItemState{.visible = true, .enabled = true}));
}

// ---- row commands ----

TEST_F(IoEditorTest, NewMessageOnAnEmptyTableCreatesRowOneWithTheDefaults) {
    EXPECT_TRUE(ed.Menu().newMessage);
    ed.NewMessage();
    ASSERT_EQ(ed.RowCount(), 1u);
    const TIoRecord& row = Row(0);
    EXPECT_EQ(row.Nr, 1);
    EXPECT_EQ(row.Bezeichnung.str(), "I/O - Meldung");
    EXPECT_EQ(row.Modul, 1);
    EXPECT_EQ(row.Klemmreihe.str(), "Oben");
    EXPECT_EQ(row.Typ.str(), "DC");
    EXPECT_EQ(row.Einheit.str(), "Milli");
    EXPECT_EQ(row.EinVerzoegerung + row.AusVerzoegerung, 0);
    EXPECT_TRUE(row.Erfassung);
    for (const auto& level : row.Pegel) EXPECT_EQ(level.str(), "  X");
    EXPECT_EQ(ed.CellText(0, col::kNumber), "001");
    EXPECT_EQ(ed.CellText(0, col::kRecord), "Alle Meldungen");
    EXPECT_EQ(ed.CursorRow(), 0);
}

TEST_F(IoEditorTest, NewMessageGoesAfterTheCurrentRowWithItsSettings) {
    struct Case {
        int cursor;
        int position;
        int module;  // taken from the first selected row, or the default beyond the table
    };
    const Case cases[] = {{0, 1, 4}, {1, 2, 5}, {2, 3, 6}, {7, 3, 1}};
    for (const auto& c : cases) {
        IoEditorFixture f;
        TIoRecord a = IoRow("a", 4, L, "AC", {{1, "High"}});
        a.EinVerzoegerung = 30;
        a.Einheit = "Sek";
        a.Erfassung = false;
        f.SetRows({a, IoRow("b", 5), IoRow("c", 6)});
        f.Select(c.cursor, c.cursor);
        f.ed.NewMessage();
        SCOPED_TRACE(c.cursor);
        ASSERT_EQ(f.ed.RowCount(), 4u);
        const TIoRecord& row = f.Row(std::size_t(c.position));
        EXPECT_EQ(row.Bezeichnung.str(), "I/O - Meldung");
        EXPECT_EQ(row.Nr, c.position + 1);
        EXPECT_EQ(row.Modul, c.module);
        EXPECT_EQ(f.ed.CursorRow(), c.position);
        EXPECT_TRUE(TerminalOf(row).kind == TerminalSelection::Kind::None) << "no terminal yet";
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(f.Row(i).Nr, int(i) + 1) << "rows renumbered";
    }
    IoEditorFixture f;
    TIoRecord a = IoRow("a", 4, L, "AC", {{1, "High"}});
    a.EinVerzoegerung = 30;
    a.Einheit = "Sek";
    a.Erfassung = false;
    f.SetRows({a});
    f.ed.NewMessage();
    const TIoRecord& copy = f.Row(1);
    EXPECT_EQ(copy.Klemmreihe.str(), "Unten");
    EXPECT_EQ(copy.Typ.str(), "AC");
    EXPECT_EQ(copy.EinVerzoegerung, 30);
    EXPECT_EQ(copy.Einheit.str(), "Sek");
    EXPECT_FALSE(copy.Erfassung);
}

TEST_F(IoEditorTest, PastingMessagesInsertsAfterTheCurrentRowOrAppends) {
    struct Case {
        int cursor;
        std::vector<std::string> names;
        int selected;
    };
    const Case cases[] = {
        {0, {"a", "b", "c", "b", "c"}, 1},
        {2, {"a", "b", "c", "b", "c"}, 3},  // on the last row: appended
        {1, {"a", "b", "b", "c", "c"}, 2},
    };
    for (const auto& c : cases) {
        IoEditorFixture f;
        f.SetRows({IoRow("a"), IoRow("b"), IoRow("c")});
        f.Select(1, 2);
        f.ed.CopyMessages();
        EXPECT_TRUE(f.ed.Menu().pasteMessages);
        f.Select(c.cursor, c.cursor);
        f.ed.PasteMessages();
        EXPECT_EQ(f.Names(), c.names) << c.cursor;
        EXPECT_EQ(f.ed.CursorRow(), c.selected);
    }
}

TEST_F(IoEditorTest, DeletingAllRowsLeavesAnEmptyFirstRowAndNewMessageEnabled) {
    SetRows({IoRow("a"), IoRow("b"), IoRow("c")});
    Select(0, 5);  // the bottom is clamped to the last row
    ed.DeleteMessages();
    EXPECT_EQ(ed.RowCount(), 0u);
    EXPECT_EQ(ed.CellText(0, col::kNumber), "001");
    EXPECT_EQ(ed.CellText(0, col::kName), "");
    EXPECT_TRUE(ed.Menu().newMessage);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(Row(i).Bezeichnung.empty()) << "vacated rows are blanked";
}

TEST_F(IoEditorTest, DeletingKeepsTheCursorAtTheFirstRemovedRowOrTheNewLast) {
    SetRows({IoRow("a"), IoRow("b"), IoRow("c"), IoRow("d")});
    Select(1, 2);
    ed.DeleteMessages();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(ed.CursorRow(), 1);
    Select(1, 1);
    ed.DeleteMessages();
    EXPECT_EQ(ed.CursorRow(), 0);
}

// ---- name clipboard ----

TEST_F(IoEditorTest, PastingNamesOverwritesFromTheCursorWithinTheTable) {
    struct Case {
        const char* what;
        int copyTop, copyBottom;
        int rowsLeft;  // rows kept before pasting
        int cursor;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"two names at row 1", 0, 1, 4, 1, {"a", "a", "b", "d"}},
        {"never past the last row", 0, 2, 4, 2, {"a", "b", "a", "b"}},
        {"more names than rows paste one", 0, 3, 3, 1, {"a", "a", "c"}},
        {"more names than rows paste one, lower", 0, 3, 2, 1, {"a", "a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IoEditorFixture f;
        f.SetRows({IoRow("a"), IoRow("b"), IoRow("c"), IoRow("d")});
        f.Select(c.copyTop, c.copyBottom);
        f.ed.CopyNames();
        f.tables->io.SetCount(std::size_t(c.rowsLeft));
        f.Select(c.cursor, c.cursor);
        EXPECT_TRUE(f.ed.Menu().pasteNames);
        f.ed.PasteNames();
        EXPECT_EQ(f.Names(), c.names);
    }
}

TEST_F(IoEditorTest, CutAndEraseEmptyTheNamesAndSaveThenReportsTheMissingName) {
    SetRows({IoRow("a"), IoRow("b"), IoRow("c")});
    Select(0, 1);
    ed.CutNames();
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "", "c"}));
    Select(2, 2);
    ed.PasteNames();
    EXPECT_EQ(Names(), (std::vector<std::string>{"", "", "a"}));
    EXPECT_FALSE(ed.Save());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "Die Bezeichnung der Meldung in Zeile Nr. 1 fehlt!\r\r        Geben Sie bitte eine Bezeichnung an.");
    ed.Undo();
    ed.Undo();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(IoEditorTest, ClosingEmptiesTheNameClipboardButKeepsCopiedMessages) {
    SetRows({IoRow("a")});
    Select(0, 0);
    ed.CopyNames();
    ed.CopyMessages();
    ed.Closed();
    ed.Opened();
    EXPECT_FALSE(ed.Menu().pasteNames);
    EXPECT_TRUE(ed.Menu().pasteMessages);
}

// ---- menu state ----

TEST(EditorMenuState, FollowsTheSelection) {
    struct Case {
        const char* what;
        MenuStateInputs in;
        EditorMenuState expected;
    };
    auto rect = [](int left, int top, int right, int bottom) { return CellRect{left, top, right, bottom}; };
    const Case cases[] = {
        {"empty table", {0, 0, rect(1, 0, 1, 0)}, {.newMessage = true}},
        {"empty table, records copied", {0, 0, rect(1, 0, 1, 0), false, true}, {.pasteMessages = true, .newMessage = true}},
        {"a name cell",
         {3, 1, rect(1, 1, 1, 1), true, false, true},
         {true, true, true, true, true, false, true, true, true}},
        {"names of several rows", {3, 0, rect(1, 0, 1, 2)}, {true, true, false, true, true, false, true, false, false}},
        {"another column", {3, 1, rect(2, 1, 2, 1), true, true}, {.pasteMessages = true, .newMessage = true}},
        {"two columns of several rows", {3, 1, rect(1, 1, 2, 2)}, {}},
        {"beyond the table", {3, 5, rect(1, 5, 1, 5), true}, {.newMessage = true}},
    };
    for (const auto& c : cases) EXPECT_EQ(ComputeMenuState(c.in), c.expected) << c.what;
}

TEST_F(IoEditorTest, RangeSelectionOnlyFromARowInsideTheTable) {
    SetRows({IoRow("a"), IoRow("b")});
    Select(4, 6);
    EXPECT_EQ(ed.Selection(), (CellRect{1, 4, 1, 4}));
    Select(0, 6);
    EXPECT_EQ(ed.Selection(), (CellRect{1, 0, 1, 6}));
}

// ---- undo ----

TEST_F(IoEditorTest, SixteenChangesFifteenUndos) {
    SetRows({IoRow("a", 20)});
    Select(0, 0, col::kModule);
    for (std::size_t module = 1; module <= 16; ++module) ed.ApplyChooser(col::kModule, module - 1);
    EXPECT_EQ(Row(0).Modul, 16);
    for (int undo = 1; undo <= 15; ++undo) {
        EXPECT_TRUE(ed.Menu().undo);
        ed.Undo();
        EXPECT_EQ(Row(0).Modul, 16 - undo);
    }
    EXPECT_FALSE(ed.Menu().undo) << "greyed out after the fifteenth undo";
    ed.Undo();
    EXPECT_EQ(Row(0).Modul, 1) << "the first change cannot be undone";
}

TEST_F(IoEditorTest, UndoAfterTheFirstChangeOfAnEmptyTableEmptiesIt) {
    ed.NewMessage();
    ed.NewMessage();
    ed.Undo();
    ed.Undo();
    EXPECT_EQ(ed.RowCount(), 0u);
    EXPECT_EQ(ed.CursorRow(), 0);
    EXPECT_FALSE(ed.Menu().undo);
}

TEST_F(IoEditorTest, UndoOfAnInlineEditRestoresTheNameFromBeforeTheEdit) {
    SetRows({IoRow("Tor auf"), IoRow("b")});
    ed.Release(0, col::kName);
    ASSERT_EQ(ed.DoubleClick(0, col::kName), CellAction::InlineEditor);
    EXPECT_EQ(ed.InlineText(), "Tor auf");
    for (const char* text : {"T", "Tü", "Tür"}) ed.InlineTextEdited(text);
    EXPECT_EQ(Row(0).Bezeichnung.str(), "Tür") << "every keystroke is stored";
    ed.Press(MouseButton::Left, 1, col::kName);  // leaves the cell
    EXPECT_EQ(ed.UndoLevels(), 1);
    ed.Undo();
    EXPECT_EQ(Row(0).Bezeichnung.str(), "Tor auf");
}

TEST_F(IoEditorTest, InlineEditsWithoutChangeTakeNoUndoLevel) {
    SetRows({IoRow("a")});
    ed.Release(0, col::kName);
    ed.DoubleClick(0, col::kName);
    ed.InlineTextEdited("ab");
    ed.InlineTextEdited("a");
    ed.FinishInlineEdit();
    EXPECT_EQ(ed.UndoLevels(), 0);
}

TEST_F(IoEditorTest, DoubleClicksThatStartInlineEditing) {
    SetRows({IoRow("a")});
    struct Case {
        int releaseColumn, row, column;
        CellAction action;
    };
    const Case cases[] = {
        {col::kName, 0, col::kName, CellAction::InlineEditor},
        {col::kNumber, 0, col::kName, CellAction::None},  // the mouse-up before fell on column 0
        {col::kKind, 0, col::kKind, CellAction::None},
        {col::kName, 3, col::kName, CellAction::None},
    };
    for (const auto& c : cases) {
        ed.Release(c.row, c.releaseColumn);
        EXPECT_EQ(ed.DoubleClick(c.row, c.column), c.action);
        ed.FinishInlineEdit();
    }
    Select(0, 0);
    EXPECT_EQ(ed.Enter(), CellAction::InlineEditor) << "Enter on a single name cell";
    ed.FinishInlineEdit();
    Select(0, 0, col::kOffDelay);
    EXPECT_EQ(ed.Enter(), CellAction::NumberEditor);
}

TEST_F(IoEditorTest, AHistoryFromBeforeTheTableWasLoadedAgainIsDropped) {
    SetRows({IoRow("a")});
    Select(0, 0);
    ed.DeleteMessages();
    ed.Closed();
    store.LoadAllTables();  // another project is opened
    ed.Opened();
    EXPECT_FALSE(ed.Menu().undo);
}

// ---- choosers and the delay editor ----

TEST_F(IoEditorTest, ChoosersApplyToEverySelectedRowWithOneUndoLevel) {
    SetRows({IoRow("a"), IoRow("b"), IoRow("c"), IoRow("d")});
    ed.Press(MouseButton::Left, 0, col::kKind);
    ed.DragTo(2, col::kKind);
    EXPECT_EQ(ed.ChooserItems(col::kKind),
              (std::vector<std::string>{"  AC", "  DC", "  Taste", "  Relais", "  LED", "  Opto", "  Trans"}));
    ed.ApplyChooser(col::kKind, 4);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ed.CellText(r, col::kKind), " LED");
    EXPECT_EQ(ed.CellText(3, col::kKind), " DC");
    EXPECT_EQ(ed.UndoLevels(), 1);
    ed.Undo();
    for (int r = 0; r < 4; ++r) EXPECT_EQ(ed.CellText(r, col::kKind), " DC");
}

TEST_F(IoEditorTest, ChooserItemsAndCells) {
    SetRows({IoRow("a", 3, U, "DC", {{2, "High"}}), IoRow("b", 12)});
    Select(0, 0);
    auto modules = ed.ChooserItems(col::kModule);
    ASSERT_EQ(modules.size(), 20u);
    EXPECT_EQ(modules.front(), "   1");
    EXPECT_EQ(modules.back(), "  20");
    EXPECT_EQ(ed.CellText(0, col::kModule), "  3");
    EXPECT_EQ(ed.CellText(1, col::kModule), " 12");
    EXPECT_EQ(ed.ChooserItems(col::kUnit), (std::vector<std::string>{"  Milli", "  Sek", "  Min", "  Std"}));
    EXPECT_EQ(ed.ChooserItems(col::kRecord), (std::vector<std::string>{" nicht speichern", " Alle Meldungen"}));
    EXPECT_EQ(ed.ChooserItems(col::kLevel), (std::vector<std::string>{"  High", "  Low"}));
    ed.ApplyChooser(col::kLevel, 1);
    EXPECT_EQ(ed.CellText(0, col::kLevel), " Low");
    ed.ApplyChooser(col::kRecord, 0);
    EXPECT_EQ(ed.CellText(0, col::kRecord), "");
    EXPECT_FALSE(Row(0).Erfassung);

    Select(1, 1, col::kLevel);
    EXPECT_TRUE(ed.ChooserItems(col::kLevel).empty()) << "no level chooser without a single terminal";
    auto click = [&](int row, int column) {
        ed.Press(MouseButton::Left, row, column);
        return ed.Release(row, column);
    };
    EXPECT_EQ(click(1, col::kLevel), CellAction::None);
    EXPECT_EQ(click(1, col::kKind), CellAction::Chooser);
    EXPECT_EQ(click(1, col::kOnDelay), CellAction::NumberEditor);
    EXPECT_EQ(click(5, col::kKind), CellAction::None) << "beyond the table";
    EXPECT_EQ(ed.Press(MouseButton::Right, 1, col::kName), CellAction::ContextMenu);
    EXPECT_EQ(ed.Press(MouseButton::Right, 1, col::kModule), CellAction::Chooser);
    EXPECT_EQ(ed.Press(MouseButton::Left, 1, col::kKind), CellAction::None) << "a left click opens on release";
    ed.DragTo(1, col::kUnit);
    EXPECT_EQ(ed.Release(1, col::kUnit), CellAction::None) << "released in another column";

    Select(0, 1, col::kModule);
    ed.Press(MouseButton::Right, 1, col::kModule);
    EXPECT_EQ(ed.Selection(), (CellRect{col::kModule, 0, col::kModule, 1})) << "a right click inside keeps the range";
}

TEST_F(IoEditorTest, DelayEditorCases) {
    struct Case {
        const char* what;
        const char* unit;
        std::int32_t stored;
        const char* typed;
        const char* field;  // what the editor field shows
        const char* shown;  // what the cell shows
        bool finish;        // true: leave the field, false: Escape
        std::int32_t after;
        const char* unitAfter;
    };
    const Case cases[] = {
        {"plain", "Sek", 5, "120", "120", "120", true, 120, "Sek"},
        {"clipped to 60000", "Sek", 5, "70000", "60000", "60000", true, 60000, "Sek"},
        {"hours clip at 1000", "Std", 5, "5000", "5000", "1000", true, 1000, "Std"},
        {"Escape restores", "Sek", 5, "99", "99", "99", false, 5, "Sek"},
        {"both 0 turn the unit to Milli", "Min", 5, "0", "0", "0", true, 0, "Milli"},
        {"letters are no digits", "Sek", 5, "1a2", "12", "12", true, 12, "Sek"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IoEditorFixture f;
        TIoRecord row = IoRow("a");
        row.EinVerzoegerung = c.stored;
        row.Einheit = c.unit;
        f.SetRows({row});
        f.ed.Press(MouseButton::Left, 0, col::kOnDelay);
        ASSERT_EQ(f.ed.Release(0, col::kOnDelay), CellAction::NumberEditor);
        auto start = f.ed.BeginNumberEdit();
        ASSERT_TRUE(start);
        EXPECT_EQ(start->text, std::to_string(c.stored));
        EXPECT_EQ(start->maxDigits, 5);
        EXPECT_EQ(f.ed.NumberTextEdited(c.typed), c.field);
        EXPECT_EQ(f.ed.CellText(0, col::kOnDelay), c.shown);
        EXPECT_EQ(f.Row(0).EinVerzoegerung, c.stored) << "stored only on leaving";
        if (c.finish)
            f.ed.FinishNumberEdit();
        else
            f.ed.CancelNumberEdit();
        EXPECT_EQ(f.Row(0).EinVerzoegerung, c.after);
        EXPECT_EQ(f.Row(0).Einheit.str(), c.unitAfter);
        EXPECT_EQ(f.ed.CellText(0, col::kOnDelay), std::to_string(c.after));
        EXPECT_EQ(f.ed.UndoLevels(), c.after != c.stored ? 1 : 0);
    }
}

TEST_F(IoEditorTest, TypedDelayOverHoursThenStdLowersItAndZeroDelaysHideTheUnit) {
    TIoRecord row = IoRow("a");
    row.AusVerzoegerung = 3;
    row.Einheit = "Min";
    SetRows({row, row});
    Select(0, 1, col::kOnDelay);
    ed.BeginNumberEdit();
    ed.NumberTextEdited("70000");
    ed.FinishNumberEdit();
    EXPECT_EQ(Row(1).EinVerzoegerung, 60000) << "every selected row";
    EXPECT_EQ(ed.CellText(0, col::kUnit), " Min");
    ed.ApplyChooser(col::kUnit, 3);
    EXPECT_EQ(Row(0).EinVerzoegerung, 1000);
    EXPECT_EQ(ed.CellText(0, col::kUnit), " Std");

    Select(0, 0, col::kOnDelay);
    ed.BeginNumberEdit();
    ed.NumberTextEdited("0");
    ed.FinishNumberEdit();
    Select(0, 0, col::kOffDelay);
    ed.BeginNumberEdit();
    ed.NumberTextEdited("0");
    ed.FinishNumberEdit();
    EXPECT_EQ(Row(0).Einheit.str(), "Milli");
    EXPECT_EQ(ed.CellText(0, col::kUnit), "");
    Select(0, 0, col::kUnit);
    ed.ApplyChooser(col::kUnit, 2);
    EXPECT_EQ(Row(0).Einheit.str(), "Milli") << "a row without delays keeps Milli whatever is chosen";
}

// ---- terminal panel ----

TEST_F(IoEditorTest, TerminalLevelsAndTheDesignationColumn) {
    // Module 1 is an OPTO16, 2 an OPTO6, 3 a RELAIS6.
    SetRows({IoRow("a", 1, U, "DC", {{3, "High"}}), IoRow("b", 2, L), IoRow("c", 3, L, "Relais")});
    Select(0, 0);
    EXPECT_EQ(ed.CellText(0, col::kTerminal), " I        3");
    EXPECT_EQ(ed.CellText(0, col::kLevel), " High");
    EXPECT_EQ(io.RowSwitchOffered(), IoEditor::RowSwitch::ToLower);
    io.SwitchTerminalRow();
    EXPECT_EQ(ed.CellText(0, col::kTerminal), " I      11");
    EXPECT_EQ(io.RowSwitchOffered(), IoEditor::RowSwitch::ToUpper);

    Select(1, 1);
    EXPECT_EQ(io.Panel().ShownModule(), 2);
    EXPECT_EQ(io.Panel().TypeLabel(), "OPTO6");
    EXPECT_EQ(io.LevelChooserItems(11), (std::vector<std::string>{"  High", "  Low", "  X"}));  // S2
    EXPECT_TRUE(io.LevelChooserItems(2).empty()) << "C1 carries no level";
    io.ChooseLevel(10, 0);  // S1
    io.ChooseLevel(11, 0);  // S2
    int set = 0;
    for (int entry = 1; entry <= 8; ++entry) set += LevelSet(Row(1), entry);
    EXPECT_EQ(set, 1) << "an OPTO6 row keeps one terminal";
    EXPECT_EQ(Row(1).Pegel[1].str(), "High");
    EXPECT_EQ(ed.CellText(1, col::kTerminal), " I        2");
    EXPECT_EQ(io.Panel().LineAt(11, io.CurrentRow()).level, "High");
    EXPECT_EQ(io.Panel().LineAt(10, io.CurrentRow()).level, "  X");
    EXPECT_EQ(io.Panel().LineAt(3, io.CurrentRow()).level, "") << "upper half empty for a lower row";

    Select(2, 2);
    EXPECT_EQ(Row(2).Klemmreihe.str(), "Oben") << "a RELAIS6 row reads Oben once clicked";
    EXPECT_EQ(io.RowSwitchOffered(), IoEditor::RowSwitch::None);
    io.ChooseLevel(5, 1);
    EXPECT_EQ(ed.CellText(2, col::kTerminal), "O       2");
}

TEST_F(IoEditorTest, OnlyAClickMovesARelais6RowToTheUpperRow) {
    SetRows({IoRow("r", 3, L, "Relais", {{2, "High"}}), IoRow("s", 1)});
    ed.Opened();
    EXPECT_EQ(io.Panel().ShownModule(), 3);
    EXPECT_EQ(Row(0).Klemmreihe.str(), "Unten") << "opening the window changes nothing";
    EXPECT_FALSE(ed.HasUnsavedChanges());
    Select(1, 1);
    ed.DeleteMessages();
    ed.Undo();
    EXPECT_EQ(Row(0).Klemmreihe.str(), "Unten");
    Select(0, 0);
    EXPECT_EQ(Row(0).Klemmreihe.str(), "Oben");
    EXPECT_EQ(ed.CellText(0, col::kTerminal), "O       2");
}

TEST_F(IoEditorTest, LevelsOfAllSelectedRowsAndOnlyOnTheirLevelLines) {
    SetRows({IoRow("a", 1), IoRow("b", 1), IoRow("c", 1)});
    Select(0, 1);
    io.ChooseLevel(12, 1);  // lower line of entry 3, the rows stay "Oben"
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(Row(std::size_t(r)).Pegel[2].str(), "Low");
        EXPECT_EQ(Row(std::size_t(r)).Klemmreihe.str(), "Oben");
    }
    EXPECT_EQ(Row(2).Pegel[2].str(), "  X");
    EXPECT_TRUE(io.LevelChooserItems(9).empty()) << "C1";
    EXPECT_EQ(ed.UndoLevels(), 1);
}

TEST_F(IoEditorTest, PanelPositionsBeyondTheModuleListBlink) {
    SetRows({IoRow("a", 2), IoRow("b", 12)});
    Select(0, 0);
    io.ScrollPanelTo(6);
    EXPECT_EQ(io.Panel().ShownModule(), 6);
    EXPECT_EQ(io.Panel().ModuleLabel(), "06");
    EXPECT_EQ(io.Panel().TypeLabel(), "TRANS16");
    EXPECT_TRUE(io.LevelChooserItems(1).empty()) << "levels only for the row's own module";
    io.ScrollPanelTo(9);
    EXPECT_TRUE(io.Panel().Blinking());
    EXPECT_EQ(io.Panel().ShownModule(), 2) << "back to the module of the current row";
    EXPECT_EQ(io.Panel().TypeLabel(), "Modul nicht definiert !");
    io.Panel().BlinkTick();
    EXPECT_EQ(io.Panel().TypeLabel(), "");
    io.ScrollPanelTo(3);
    EXPECT_FALSE(io.Panel().Blinking());
    Select(1, 1);
    EXPECT_TRUE(io.Panel().Blinking()) << "a row on an undefined module";
    EXPECT_EQ(Row(1).Modul, 12) << "the row keeps its module";
    EXPECT_EQ(ed.CellText(1, col::kTerminal), "");
}

TEST(MoveSignal, TheLinesBetweenShiftTowardTheOldPlace) {
    struct Case {
        int from, to;
        std::string order;  // first six lines after the move
    };
    const Case cases[] = {{1, 4, "BCDAEF"}, {4, 1, "DABCEF"}, {2, 2, "ABCDEF"}, {5, 6, "ABCDFE"}};
    for (const auto& c : cases) {
        TIoSignalRecord module{};
        for (int i = 0; i < kSignalsPerModule; ++i) module.Signal[i] = std::string(1, char('A' + i));
        MoveSignal(module, c.from, c.to);
        std::string order;
        for (int i = 0; i < 6; ++i) order += module.Signal[i].str();
        EXPECT_EQ(order, c.order) << c.from << "->" << c.to;
        EXPECT_EQ(module.Signal[17].str(), "R");
    }
}

TEST_F(IoEditorTest, DesignationEditsAndMovesAreUndoneWithTheirLevel) {
    SetRows({IoRow("a", 1)});
    Select(0, 0);
    tables->signalNames.Module(1).Signal[0] = "Tür";
    tables->signalNames.Module(1).Signal[1] = "Tor";
    io.EditDesignation(1, "Tü");
    io.EditDesignation(1, "Tür 1");
    io.FinishDesignationEdit();
    io.MoveDesignation(1, 2);
    EXPECT_EQ(io.Panel().LineAt(1, io.CurrentRow()).designation, "Tor");
    EXPECT_EQ(io.Panel().LineAt(2, io.CurrentRow()).designation, "Tür 1");
    EXPECT_EQ(ed.UndoLevels(), 2);
    ed.Undo();
    EXPECT_EQ(tables->signalNames.Module(1).Signal[0].str(), "Tür 1");
    ed.Undo();
    EXPECT_EQ(tables->signalNames.Module(1).Signal[0].str(), "Tür");
}

TEST_F(IoEditorTest, ResetMenuFillsTheDefaultsAndCanBeUndone) {
    io.ResetRows();
    EXPECT_EQ(ed.RowCount(), 32u);
    EXPECT_EQ(ed.CellText(8, col::kName), "Meldung 9");
    EXPECT_EQ(ed.CellText(8, col::kTerminal), " I        9");
    io.ResetSignals();
    EXPECT_EQ(tables->signalNames.Module(2).Signal[17].str(), RecordText("Rückleiter Signale 25-32"));
    ed.Undo();
    ed.Undo();
    EXPECT_EQ(ed.RowCount(), 0u);
    EXPECT_EQ(tables->signalNames.Module(1).Modulbezeichnung.str(), "nicht belegt");
}

// ---- saving and closing ----

TEST_F(IoEditorTest, SaveWritesBothFilesClearsTheHistoryAndReportsTheRows) {
    std::size_t reported = 99;
    io.SetSavedCallback([&](std::size_t rows) { reported = rows; });
    ed.NewMessage();
    ed.NewMessage();
    Row(1).Bezeichnung = "Pumpe";
    Select(1, 1);
    ed.ApplyChooser(col::kKind, 3);
    tables->signalNames.Module(3).Signal[4] = "Relais 5";
    ASSERT_TRUE(ed.Save());
    EXPECT_EQ(reported, 2u);
    EXPECT_FALSE(ed.Menu().undo);
    EXPECT_FALSE(ed.HasUnsavedChanges());
    auto bytes = IoFile();
    ASSERT_EQ(bytes.size(), 2 * sizeof(TIoRecord));
    EXPECT_EQ(std::memcmp(bytes.data(), &Row(0), 2 * sizeof(TIoRecord)), 0);
    SignalTable reread;
    reread.Load(Dir());
    EXPECT_EQ(reread.Module(3).Signal[4].str(), "Relais 5");
}

TEST_F(IoEditorTest, AFailedCheckWritesNothingAndSelectsTheCell) {
    SetRows({IoRow("a", 2, U, "AC"), IoRow("b", 1, U, "DC")});
    SaveIoTable(tables->io, Dir());
    tables->io.Row(0).Bezeichnung = "  A  ";
    tables->signalNames.Module(1).Signal[0] = "neu";
    const auto before = IoFile();
    const auto signalsBefore = test::ReadBytes(Dir() / "IOSignale.ofd");
    bool saved = false;
    io.SetSavedCallback([&](std::size_t) { saved = true; });
    EXPECT_FALSE(ed.Save());
    EXPECT_TRUE(ed.SaveFailed());
    EXPECT_FALSE(saved);
    EXPECT_EQ(IoFile(), before);
    EXPECT_EQ(test::ReadBytes(Dir() / "IOSignale.ofd"), signalsBefore);
    EXPECT_EQ(ed.CursorRow(), 1);
    EXPECT_EQ(ed.CursorColumn(), col::kModule);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Warning);
    EXPECT_EQ(ed.CellText(0, col::kName), "A") << "trimmed in memory all the same";
}

TEST_F(IoEditorTest, AnInterruptedWriteLeavesTheOldFile) {
    std::vector<TIoRecord> rows(400, IoRow("x"));
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].Bezeichnung = "Meldung " + std::to_string(i);
    SetRows({IoRow("alt")});
    SaveIoTable(tables->io, Dir());
    const auto before = IoFile();
    tables->io.Assign(rows);

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64 * 1024;  // the new file stops growing half-way
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = ed.Save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(IoFile(), before);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_NE(dialogs.boxes[0].text.find("IO.ofd"), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(Dir()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    EXPECT_TRUE(ed.HasUnsavedChanges());
}

TEST_F(IoEditorTest, CloseQuestionCases) {
    const std::string question = "Möchten Sie die Änderungen in \"Anlage\" speichern?";
    enum class Change { None, Append, DeleteLast, DuplicateName };
    struct Case {
        const char* what;
        Change change;
        CloseInitiator initiator;
        std::optional<Answer> answer;  // nothing: no question expected
        CloseVerdict verdict;
        std::size_t rowsAfter;
        std::size_t rowsInFile;
    };
    const Case cases[] = {
        {"unchanged", Change::None, CloseInitiator::User, std::nullopt, CloseVerdict::Close, 2, 2},
        {"appended, cancel", Change::Append, CloseInitiator::User, Answer::Cancel, CloseVerdict::StayOpen, 3, 2},
        {"appended, no", Change::Append, CloseInitiator::User, Answer::No, CloseVerdict::Close, 2, 2},
        {"appended, yes", Change::Append, CloseInitiator::User, Answer::Yes, CloseVerdict::Close, 3, 3},
        {"last row deleted, yes", Change::DeleteLast, CloseInitiator::User, Answer::Yes, CloseVerdict::Close, 1, 1},
        {"yes, failing check", Change::DuplicateName, CloseInitiator::User, Answer::Yes, CloseVerdict::StayOpen, 2, 2},
        {"reconfiguration", Change::Append, CloseInitiator::Reconfiguration, std::nullopt, CloseVerdict::Unsaved, 3, 2},
        {"reconfiguration, unchanged", Change::None, CloseInitiator::Reconfiguration, std::nullopt, CloseVerdict::Close,
         2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IoEditorFixture f;
        f.SetRows({IoRow("a"), IoRow("b")});
        SaveIoTable(f.tables->io, f.Dir());
        f.Select(1, 1);
        switch (c.change) {
            case Change::None: break;
            case Change::Append: f.ed.NewMessage(); break;
            case Change::DeleteLast: f.ed.DeleteMessages(); break;
            case Change::DuplicateName: f.tables->io.Row(1).Bezeichnung = "A"; break;
        }
        if (c.answer) f.dialogs.answers.push_back(*c.answer);
        EXPECT_EQ(f.ed.CloseQuery(c.initiator), c.verdict);
        ASSERT_EQ(f.dialogs.boxes.empty(), !c.answer);
        if (c.answer) {
            EXPECT_EQ(f.dialogs.boxes[0].text, question);
            EXPECT_EQ(f.dialogs.boxes[0].kind, BoxKind::Warning);
            EXPECT_EQ(f.dialogs.boxes[0].buttons, Buttons::YesNoCancel);
        }
        EXPECT_EQ(f.ed.RowCount(), c.rowsAfter);
        EXPECT_EQ(f.IoFile().size(), c.rowsInFile * sizeof(TIoRecord));
        EXPECT_EQ(f.ed.UnsavedForReconfiguration(), c.verdict == CloseVerdict::Unsaved);
        if (c.verdict == CloseVerdict::Close) {
            EXPECT_FALSE(f.ed.Menu().undo);
        }
    }
}

TEST_F(IoEditorTest, ChangedDesignationsAloneAskTheQuestion) {
    tables->signalNames.Module(4).Signal[0] = "neu";
    dialogs.answers.push_back(Answer::No);
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::User), CloseVerdict::Close);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(tables->signalNames.Module(4).Signal[0].empty()) << "No reloads the designations";
}

// ---- the limit of 1000 rows ----

TEST_F(IoEditorTest, TheThousandAndFirstRowIsRefused) {
    std::vector<TIoRecord> rows(1000, IoRow("x"));
    tables->io.Assign(rows);
    Select(999, 999);
    ed.NewMessage();
    EXPECT_EQ(ed.RowCount(), 1000u);
    EXPECT_EQ(ed.UndoLevels(), 0);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, TableFullMessage(1000, 1));
    EXPECT_EQ(ed.CellText(999, col::kNumber), "000");

    tables->io.SetCount(999);
    Select(0, 1);
    ed.CopyMessages();
    ed.PasteMessages();
    EXPECT_EQ(ed.RowCount(), 999u) << "two rows do not fit: nothing is pasted";
    EXPECT_EQ(dialogs.boxes.back().text, TableFullMessage(999, 2));
    Select(0, 0);
    ed.CopyMessages();
    ed.PasteMessages();
    EXPECT_EQ(ed.RowCount(), 1000u);
}

TEST_F(IoEditorTest, AFileOfMoreThanAThousandRowsLoadsTheFirstThousandAndSaysSo) {
    std::vector<TIoRecord> rows(1003, IoRow("x"));
    WriteRecords(Dir() / "IO.ofd", rows.data(), rows.size());
    ed.NewMessage();
    dialogs.answers.push_back(Answer::No);
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::User), CloseVerdict::Close);
    EXPECT_EQ(ed.RowCount(), 1000u);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].kind, BoxKind::Information);
    EXPECT_EQ(dialogs.boxes[1].text, *LoadOverflowMessage("IO.ofd", {true, 1003, 3}));
    EXPECT_NE(dialogs.boxes[1].text.find("1003"), std::string::npos);
}

}  // namespace
}  // namespace ovis
