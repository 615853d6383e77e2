#include "tables/group_editor.h"

#include <gtest/gtest.h>

#include "group_fixture.h"
#include "support/file_bytes.h"
#include "support/table_editor_driver.h"
#include "tables/group_columns.h"

namespace ovis {
namespace {

namespace col = group_column;
using test::GroupRow;

struct GroupEditorFixture : test::GroupProject {
    GroupEditor groups{store, dialogs};
    GroupEditor::Editor& ed = groups.Table();

    explicit GroupEditorFixture(std::initializer_list<TGruppeRecord> rows = {}) {
        SetGroups(rows);
        ed.Opened();
    }

    TGruppeRecord& Row(std::size_t i) { return tables->groups.Row(i); }
    void Select(int top, int bottom, int column = col::kName) { test::SelectRows(ed, top, bottom, column); }
    // A right click on a cell, then the chooser item with the given text.
    void Choose(int row, int column, const std::string& item) { test::PickChooserItem(ed, row, column, item); }
    // The mask editor over the selection: typed text, then leaving it.
    std::string TypeInMaskEditor(const std::string& text) {
        EXPECT_TRUE(ed.BeginNumberEdit());
        const std::string shown = ed.NumberTextEdited(text);
        return shown;
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> texts;
        for (std::size_t r = 0; r < ed.RowCount(); ++r) texts.push_back(ed.CellText(int(r), column));
        return texts;
    }
    std::string LastBox() const { return dialogs.boxes.empty() ? "" : dialogs.boxes.back().text; }
};

struct GroupEditorTest : ::testing::Test, GroupEditorFixture {};

TEST_F(GroupEditorTest, PrintingIsHiddenAsInEveryEditorWithoutAReport) {
    EXPECT_EQ(ed.PrintItem(), (PrintItemState{.visible = false, .enabled = false}));
}

TEST_F(GroupEditorTest, NewGroupShowsItsDefaultsAndCannotBeSavedWithoutMembers) {
    ed.NewMessage();
    ASSERT_EQ(ed.RowCount(), 1u);
    const TGruppeRecord& row = Row(0);
    EXPECT_EQ(row.Nr, 1);
    EXPECT_EQ(row.Anzahl, 0);
    EXPECT_EQ(row.Scan.str(), "einmal");
    EXPECT_EQ(row.Trigger.str(), "aktiv");
    EXPECT_EQ(row.Einheit.str(), "Min");
    EXPECT_EQ(row.Verzoegerung, 0);
    EXPECT_TRUE(row.SpeicherOrdner.empty());
    const std::vector<std::string> cells = {"001", "Gruppen - Meldung", "", "0", "einmal", "  aktiv", "0", "", ""};
    for (int c = 0; c < col::kCount; ++c) EXPECT_EQ(ed.CellText(0, c), cells[std::size_t(c)]) << "column " << c;

    EXPECT_FALSE(ed.Save());
    EXPECT_EQ(LastBox(),
              "In der Zeile Nr. 1 wurde kein Gruppenmitglied ausgewählt!\r\r"
              "Geben Sie dieses bitte an oder löschen Sie den kompletten Eintrag.");
    EXPECT_EQ(ed.CursorRow(), 0);
    EXPECT_EQ(ed.CursorColumn(), col::kFirstMember);
    EXPECT_FALSE(std::filesystem::exists(Dir() / "Gruppen.ofd") && test::ReadBytes(Dir() / "Gruppen.ofd").size() > 0)
        << "nothing written";
    EXPECT_TRUE(ed.HasUnsavedChanges());
}

TEST_F(GroupEditorTest, CellTexts) {
    struct Case {
        const char* what;
        TGruppeRecord row;
        int column;
        std::string text;
    };
    TGruppeRecord inactive = GroupRow("g", {4});
    inactive.Trigger = "inaktiv";
    TGruppeRecord any = GroupRow("g");
    any.Trigger = "beliebig";
    TGruppeRecord cyclic = GroupRow("g");
    cyclic.Scan = "zyklisch";
    TGruppeRecord hours = GroupRow("g");
    hours.Verzoegerung = 12;
    hours.Einheit = "Std";
    TGruppeRecord beyond = GroupRow("g", {9});
    TGruppeRecord noneCounted = GroupRow("g", {2});
    noneCounted.Anzahl = 0;
    const Case cases[] = {
        {"first member by I/O row number", GroupRow("g", {2, 3}), col::kFirstMember, "Taster"},
        {"an output row stands first in the I/O table", GroupRow("g", {4}), col::kFirstMember, "Tor"},
        {"member beyond the I/O table", beyond, col::kFirstMember, ""},
        {"no counted member", noneCounted, col::kFirstMember, ""},
        {"member count", GroupRow("g", {2, 3, 4}), col::kMemberCount, "3"},
        {"trigger aktiv", GroupRow("g"), col::kTrigger, "  aktiv"},
        {"trigger inaktiv", inactive, col::kTrigger, " inaktiv"},
        {"trigger beliebig", any, col::kTrigger, " beliebig"},
        {"scan as stored", cyclic, col::kScan, "zyklisch"},
        {"delay", hours, col::kDelay, "12"},
        {"unit", hours, col::kUnit, " Std"},
        {"no unit without delay", GroupRow("g"), col::kUnit, ""},
        {"folder", GroupRow("g", {2}, test::kDriveFolder), col::kFolder, "Antrieb"},
    };
    for (const auto& c : cases) {
        SetGroups({c.row});
        EXPECT_EQ(ed.CellText(0, c.column), c.text) << c.what;
    }
}

TEST_F(GroupEditorTest, ClickActions) {
    SetGroups({GroupRow("g")});
    struct Case {
        MouseButton button;
        int column;
        CellAction action;
    };
    const Case cases[] = {
        {MouseButton::Right, col::kName, CellAction::ContextMenu},
        {MouseButton::Right, col::kFirstMember, CellAction::Dialog},
        {MouseButton::Right, col::kMemberCount, CellAction::None},
        {MouseButton::Right, col::kScan, CellAction::Chooser},
        {MouseButton::Right, col::kTrigger, CellAction::Chooser},
        {MouseButton::Right, col::kDelay, CellAction::NumberEditor},
        {MouseButton::Right, col::kUnit, CellAction::Chooser},
        {MouseButton::Right, col::kFolder, CellAction::Chooser},
        {MouseButton::Left, col::kFirstMember, CellAction::None},
        {MouseButton::Left, col::kScan, CellAction::None},
    };
    for (const auto& c : cases) {
        Select(0, 0, col::kName);
        EXPECT_EQ(ed.Press(c.button, 0, c.column), c.action) << c.column;
        ed.Release(0, c.column);
        EXPECT_EQ(ed.Press(c.button, 1, c.column), CellAction::None) << "beyond the table";
    }
    Select(0, 0, col::kDelay);
    EXPECT_EQ(ed.Enter(), CellAction::NumberEditor);
    EXPECT_EQ(ed.DoubleClick(0, col::kDelay), CellAction::InlineEditor);
    ed.FinishInlineEdit();
    Select(0, 0, col::kFirstMember);
    EXPECT_EQ(ed.DoubleClick(0, col::kFirstMember), CellAction::None);
}

TEST_F(GroupEditorTest, ChoosersWriteEverySelectedRow) {
    struct Case {
        int column;
        std::string item;
        std::string scan, trigger, folder;
    };
    const Case cases[] = {
        {col::kScan, "  zyklisch", "zyklisch", "aktiv", "Antrieb"},
        {col::kTrigger, "  beliebig", "einmal", "beliebig", "Antrieb"},
        {col::kTrigger, "  inaktiv", "einmal", "inaktiv", "Antrieb"},
        {col::kFolder, "  T\xFCr", "einmal", "aktiv", "T\xFCr"},
        {col::kFolder, "  nicht speichern", "einmal", "aktiv", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        GroupEditorFixture f{GroupRow("a", {2}, test::kDriveFolder), GroupRow("b", {2}, test::kDriveFolder),
                             GroupRow("c", {2}, test::kDriveFolder)};
        f.Select(0, 1, c.column);
        f.Choose(0, c.column, c.item);
        for (std::size_t r = 0; r < 2; ++r) {
            EXPECT_EQ(f.Row(r).Scan.str(), c.scan);
            EXPECT_EQ(f.Row(r).Trigger.str(), c.trigger);
            EXPECT_EQ(f.Row(r).SpeicherOrdner.str(), c.folder);
        }
        EXPECT_EQ(f.Row(2).Scan.str(), "einmal") << "outside the selection";
        EXPECT_EQ(f.Row(2).SpeicherOrdner.str(), "Antrieb");
        EXPECT_EQ(f.ed.UndoLevels(), 1);
    }
}

TEST_F(GroupEditorTest, FolderChooserOffersTheFoldersOfTheConfigurationNow) {
    SetGroups({GroupRow("g")});
    ed.Press(MouseButton::Right, 0, col::kFolder);
    EXPECT_EQ(ed.ChooserItems(col::kFolder), (std::vector<std::string>{"  nicht speichern", "  T\xFCr", "  Antrieb"}));
    // A folder removed in the configuration dialog is gone from the chooser at once.
    auto& record = tables->parameters.Record();
    record.Ordner[1] = record.Ordner[2].view();
    record.Ordner[2] = "";
    EXPECT_EQ(ed.ChooserItems(col::kFolder), (std::vector<std::string>{"  nicht speichern", "  Antrieb"}));
}

TEST_F(GroupEditorTest, UnitChooserLimitsHoursAndKeepsMinutesForNoDelay) {
    struct Case {
        std::int32_t delay;
        std::string unitBefore, item;
        std::int32_t delayAfter;
        std::string unitAfter, unitCell;
    };
    const Case cases[] = {
        {2500, "Min", "  Std", 1000, "Std", " Std"},
        {1000, "Min", "  Std", 1000, "Std", " Std"},
        {999, "Min", "  Std", 999, "Std", " Std"},
        {0, "Min", "  Std", 0, "Min", ""},  // no delay stays in minutes
        {40, "Std", "  Min", 40, "Min", " Min"},
    };
    for (const auto& c : cases) {
        TGruppeRecord row = GroupRow("g");
        row.Verzoegerung = c.delay;
        row.Einheit = c.unitBefore;
        GroupEditorFixture f{row, row};
        f.Select(0, 1, col::kUnit);
        f.Choose(0, col::kUnit, c.item);
        for (std::size_t r = 0; r < 2; ++r) {
            EXPECT_EQ(f.Row(r).Verzoegerung, c.delayAfter) << c.delay << c.item;
            EXPECT_EQ(f.Row(r).Einheit.str(), c.unitAfter) << c.delay << c.item;
            EXPECT_EQ(f.ed.CellText(int(r), col::kUnit), c.unitCell) << c.delay << c.item;
        }
    }
}

TEST_F(GroupEditorTest, DelayZeroTurnsTheUnitBackToMinutes) {
    // "  Std" on 2500 leaves 1000 "Std"; then 0 in the mask editor or typed in the cell.
    for (bool mask : {true, false}) {
        TGruppeRecord row = GroupRow("g");
        row.Verzoegerung = 2500;
        GroupEditorFixture f{row};
        f.Choose(0, col::kUnit, "  Std");
        ASSERT_EQ(f.Row(0).Verzoegerung, 1000);
        ASSERT_EQ(f.ed.CellText(0, col::kUnit), " Std");
        f.Select(0, 0, col::kDelay);
        if (mask) {
            f.TypeInMaskEditor("0");
            f.ed.FinishNumberEdit();
        } else {
            ASSERT_EQ(f.ed.DoubleClick(0, col::kDelay), CellAction::InlineEditor);
            f.ed.InlineTextEdited("");
            EXPECT_EQ(f.Row(0).Einheit.str(), "Std") << "the unit waits until the cell is left";
            f.ed.InlineTextEdited("0");
            f.ed.FinishInlineEdit();
        }
        EXPECT_EQ(f.Row(0).Verzoegerung, 0) << mask;
        EXPECT_EQ(f.Row(0).Einheit.str(), "Min") << mask;
        EXPECT_EQ(f.ed.CellText(0, col::kUnit), "") << mask;
        f.ed.Undo();
        EXPECT_EQ(f.Row(0).Verzoegerung, 1000) << mask;
        EXPECT_EQ(f.Row(0).Einheit.str(), "Std") << "undo returns to the hours, " << mask;
    }
}

TEST_F(GroupEditorTest, MaskEditorClipsToTheLimitOfEachRow) {
    TGruppeRecord minutes = GroupRow("m");
    minutes.Verzoegerung = 5;
    TGruppeRecord hours = GroupRow("h");
    hours.Verzoegerung = 5;
    hours.Einheit = "Std";
    struct Case {
        std::string typed, field;
        std::int32_t minutesValue, hoursValue;
    };
    const Case cases[] = {
        {"70000", "60000", 60000, 1000},
        {"60000", "60000", 60000, 1000},
        {"1001", "1001", 1001, 1000},
        {"250", "250", 250, 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        GroupEditorFixture f{minutes, hours};
        f.Select(0, 1, col::kDelay);
        EXPECT_EQ(f.TypeInMaskEditor(c.typed), c.field);
        EXPECT_EQ(f.ed.CellText(0, col::kDelay), std::to_string(c.minutesValue));
        EXPECT_EQ(f.ed.CellText(1, col::kDelay), std::to_string(c.hoursValue));
        EXPECT_EQ(f.Row(0).Verzoegerung, 5) << "stored when the editor is left";
        f.ed.FinishNumberEdit();
        EXPECT_EQ(f.Row(0).Verzoegerung, c.minutesValue);
        EXPECT_EQ(f.Row(1).Verzoegerung, c.hoursValue);
        EXPECT_EQ(f.ed.UndoLevels(), 1);
    }
    GroupEditorFixture f{minutes};
    f.Select(0, 0, col::kDelay);
    f.TypeInMaskEditor("9");
    f.ed.CancelNumberEdit();
    EXPECT_EQ(f.Row(0).Verzoegerung, 5) << "Escape keeps the stored value";
    EXPECT_EQ(f.ed.UndoLevels(), 0);
}

TEST_F(GroupEditorTest, InlineDelayAcceptsDigitsUpToTheLimitOfTheUnit) {
    struct Case {
        const char* unit;
        std::string typed, field;
        std::int32_t value;
    };
    const Case cases[] = {
        {"Min", "123", "123", 123},
        {"Min", "007", "007", 7},  // leading zeros go only when the cell is left
        {"Min", "70000", "60000", 60000},
        {"Min", "99999999999999", "60000", 60000},
        {"Std", "2000", "1000", 1000},
        {"Std", "1000", "1000", 1000},
        {"Min", "12a", "1", 1},
        {"Min", "-5", "1", 1},
        {"Min", "", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        TGruppeRecord row = GroupRow("g");
        row.Verzoegerung = 30;
        row.Einheit = c.unit;
        GroupEditorFixture f{row};
        f.Select(0, 0, col::kDelay);
        ASSERT_EQ(f.ed.DoubleClick(0, col::kDelay), CellAction::InlineEditor);
        EXPECT_EQ(f.ed.InlineText(), "30");
        EXPECT_EQ(f.ed.InlineTextEdited(c.typed), c.field);
        EXPECT_EQ(f.Row(0).Verzoegerung, c.value) << "stored at every keystroke";
        f.ed.FinishInlineEdit();
        EXPECT_EQ(f.ed.CellText(0, col::kDelay), std::to_string(c.value));
        EXPECT_EQ(f.ed.UndoLevels(), 1);
        f.ed.Undo();
        EXPECT_EQ(f.Row(0).Verzoegerung, 30);
    }
}

TEST_F(GroupEditorTest, MembersTakeOneUndoLevelOnlyWhenASelectedRowDiffers) {
    struct Case {
        const char* what;
        std::vector<std::uint16_t> members;
        bool changed;
    };
    const Case cases[] = {
        {"the same members again", {2, 3}, false},
        {"one more", {2, 3, 4}, true},
        {"another order", {3, 2}, true},
        {"none", {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GroupEditorFixture f{GroupRow("a", {2, 3}), GroupRow("b", {2, 3}), GroupRow("c", {4})};
        f.Select(0, 1, col::kFirstMember);
        EXPECT_EQ(f.groups.TakeMembers(c.members), c.changed);
        EXPECT_EQ(f.ed.UndoLevels(), c.changed ? 1 : 0);
        for (std::size_t r = 0; r < 2; ++r) {
            EXPECT_EQ(f.Row(r).Anzahl, int(c.members.size()));
            for (std::size_t m = 0; m < std::size_t(kMaxGroupMembers); ++m)
                EXPECT_EQ(f.Row(r).Mitglied[m], m < c.members.size() ? c.members[m] : 0);
        }
        EXPECT_EQ(f.Row(2).Mitglied[0], 4) << "outside the selection";
    }

    // One row differing in a range is enough; undo restores both.
    GroupEditorFixture f{GroupRow("a", {2, 3}), GroupRow("b", {4})};
    f.Select(0, 1, col::kFirstMember);
    EXPECT_TRUE(f.groups.TakeMembers(std::vector<std::uint16_t>{2, 3}));
    EXPECT_EQ(f.ed.UndoLevels(), 1);
    EXPECT_EQ(f.ed.CellText(1, col::kFirstMember), "Taster");
    f.ed.Undo();
    EXPECT_EQ(f.ed.CellText(1, col::kFirstMember), "Tor");
    EXPECT_EQ(f.Row(1).Anzahl, 1);

    // More than a group holds changes nothing.
    std::vector<std::uint16_t> tooMany(std::size_t(kMaxGroupMembers) + 1, 2);
    EXPECT_FALSE(f.groups.TakeMembers(tooMany));
    EXPECT_EQ(f.Row(0).Anzahl, 2);
}

TEST_F(GroupEditorTest, ChangeDetectionComparesTheShownFieldsOnly) {
    struct Case {
        const char* what;
        void (*change)(TGruppeRecord&);
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [](TGruppeRecord&) {}, false},
        {"Nr", [](TGruppeRecord& r) { r.Nr = 77; }, false},
        {"Reserve1", [](TGruppeRecord& r) { r.Reserve1 = 5; }, false},
        {"Reserve2", [](TGruppeRecord& r) { r.Reserve2 = "x"; }, false},
        {"bytes beyond a name's length", [](TGruppeRecord& r) { r.Bezeichnung.raw[200] = 'x'; }, false},
        {"name", [](TGruppeRecord& r) { r.Bezeichnung = "h"; }, true},
        {"last member slot", [](TGruppeRecord& r) { r.Mitglied[kMaxGroupMembers - 1] = 3; }, true},
        {"member count", [](TGruppeRecord& r) { r.Anzahl = 2; }, true},
        {"scan", [](TGruppeRecord& r) { r.Scan = "zyklisch"; }, true},
        {"trigger", [](TGruppeRecord& r) { r.Trigger = "inaktiv"; }, true},
        {"delay", [](TGruppeRecord& r) { r.Verzoegerung = 1; }, true},
        {"unit", [](TGruppeRecord& r) { r.Einheit = "Std"; }, true},
        {"folder", [](TGruppeRecord& r) { r.SpeicherOrdner = "Antrieb"; }, true},
    };
    for (const auto& c : cases) {
        SetGroups({GroupRow("g", {2})});
        c.change(Row(0));
        EXPECT_EQ(ed.HasUnsavedChanges(), c.changed) << c.what;
    }
    SetGroups({GroupRow("g", {2})});
    ed.DeleteMessages();
    EXPECT_TRUE(ed.HasUnsavedChanges()) << "row count";
}

TEST_F(GroupEditorTest, SaveWritesTheFileAndTellsTheProgramEditor) {
    int saves = 0;
    groups.SetSavedCallback([&] { ++saves; });
    TGruppeRecord row = GroupRow("Türen", {2, 4}, test::kDoorFolder);
    row.Reserve1 = 0;
    SetGroups({row, GroupRow("Netz aus", {3})});
    ed.Opened();
    Select(0, 0, col::kDelay);
    TypeInMaskEditor("15");
    ed.FinishNumberEdit();
    ASSERT_TRUE(ed.Save()) << LastBox();
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(ed.HasUnsavedChanges());
    EXPECT_EQ(ed.UndoLevels(), 0);
    const auto bytes = test::ReadBytes(Dir() / "Gruppen.ofd");
    ASSERT_EQ(bytes.size(), 2 * sizeof(TGruppeRecord));
    TGruppeRecord written;
    std::memcpy(&written, bytes.data(), sizeof written);
    EXPECT_EQ(written.Verzoegerung, 15);
    EXPECT_EQ(written.Mitglied[1], 4);
    EXPECT_EQ(written.SpeicherOrdner.str(), test::kDoorFolder);

    // Loading and saving unchanged rows reproduces the file byte for byte.
    const auto pattern = test::PatternBytes(2 * sizeof(TGruppeRecord));
    test::WriteBytes(Dir() / "Gruppen.ofd", pattern);
    ASSERT_TRUE(ed.Revert());
    tables->groups.Save(Dir() / "Gruppen.ofd");
    EXPECT_EQ(test::ReadBytes(Dir() / "Gruppen.ofd"), pattern);
}

TEST_F(GroupEditorTest, CloseQuestionAndNoReloadsTheFile) {
    SetGroups({GroupRow("g", {2})});
    tables->groups.Save(Dir() / "Gruppen.ofd");
    ed.NewMessage();
    dialogs.answers = {Answer::Cancel};
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::User), CloseVerdict::StayOpen);
    EXPECT_EQ(LastBox(), "Möchten Sie die Änderungen in \"Anlage\" speichern?");
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::Reconfiguration), CloseVerdict::Unsaved);
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::User), CloseVerdict::StayOpen) << "the new group has no member";
    dialogs.answers = {Answer::No};
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::User), CloseVerdict::Close);
    EXPECT_EQ(ed.RowCount(), 1u);
    EXPECT_EQ(ed.UndoLevels(), 0);
}

}  // namespace
}  // namespace ovis
