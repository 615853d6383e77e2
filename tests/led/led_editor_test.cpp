#include "led/led_editor.h"

#include <gtest/gtest.h>

#include "led/led_columns.h"
#include "led/led_font.h"
#include "led_fixture.h"
#include "support/table_editor_driver.h"

namespace ovis {
namespace {

namespace col = led_column;
using test::LedMessage;

struct LedEditorTest : test::LedProject, ::testing::Test {};

TEST_F(LedEditorTest, CellTextsOfANewRow) {
    Select(1, 1, col::kName);
    ed.NewMessage();
    const std::vector<std::string> expected{"003", "LED - Meldung", "1", "5", "1", "1", " x0", "Links", "1", "0",
                                            "1 / 1", "0", "", "SET", " T\xFC" "r"};
    for (int c = 0; c < col::kCount; ++c) EXPECT_EQ(ed.CellText(2, c), expected[std::size_t(c)]) << c;
    Row(2).AnzahlFarben = 2;
    Row(2).Farbe[0] = 96;
    EXPECT_EQ(ed.CellText(2, col::kColour), "Kompo / 1");
    Row(2).AnzahlFarben = 1;
    Row(2).AnzahlHelligkeiten = 3;
    EXPECT_EQ(ed.CellText(2, col::kColour), "7 / Kompo");
}

TEST_F(LedEditorTest, MaskEditorSwapsTheWindowAndCountsModules) {
    TypeInMaskEditor(0, col::kX1, "3");
    TypeInMaskEditor(0, col::kX0, "12");
    EXPECT_EQ(Row(0).X0, 3);
    EXPECT_EQ(Row(0).X1, 12);
    EXPECT_EQ(Row(0).Modulzahl, 3);
    EXPECT_EQ(ed.CellText(0, col::kModules), "3");
    EXPECT_TRUE(led.Pictures().WindowChanged(0));
    EXPECT_FALSE(led.Pictures().WindowChanged(1));
    // Clipped to 1275; 0 becomes 1.
    Select(1, 1, col::kX1);
    ASSERT_TRUE(ed.BeginNumberEdit());
    EXPECT_EQ(ed.NumberTextEdited("9999"), "1275");
    ed.FinishNumberEdit();
    EXPECT_EQ(Row(1).X1, 1275);
    EXPECT_EQ(Row(1).Modulzahl, 255);
    TypeInMaskEditor(1, col::kX0, "0");
    EXPECT_EQ(Row(1).X0, 1);
}

TEST_F(LedEditorTest, ASelectedModuleListGrowsWithItsOwnPositions) {
    Row(0).ModulListe[0] = 7;
    EXPECT_EQ(ed.CellText(0, col::kModules), "Selekt");
    TypeInMaskEditor(0, col::kX1, "15");
    EXPECT_EQ(Row(0).Modulzahl, 3);
    EXPECT_EQ(Row(0).ModulListe[0], 7);
    EXPECT_EQ(Row(0).ModulListe[1], 2);
    EXPECT_EQ(Row(0).ModulListe[2], 3);
    TypeInMaskEditor(0, col::kX1, "4");
    EXPECT_EQ(Row(0).Modulzahl, 1);
    EXPECT_EQ(Row(0).ModulListe[1], 0);
}

TEST_F(LedEditorTest, InlineTypingAcceptsDigitsOnlyAndFollowsTheWindowRules) {
    Select(0, 0, col::kDx);
    ASSERT_EQ(ed.DoubleClick(0, col::kDx), CellAction::InlineEditor);
    EXPECT_EQ(ed.InlineTextEdited("2x"), "0");
    EXPECT_EQ(Row(0).Dx, 0);
    EXPECT_EQ(ed.InlineTextEdited("3000"), "1275");
    ed.FinishInlineEdit();
    EXPECT_EQ(Row(0).Dx, 1275);
    ed.Undo();
    EXPECT_EQ(Row(0).Dx, 1);

    Select(0, 0, col::kX0);
    ASSERT_EQ(ed.DoubleClick(0, col::kX0), CellAction::InlineEditor);
    ed.InlineTextEdited("12");
    ed.FinishInlineEdit();
    EXPECT_EQ(Row(0).X0, 5);
    EXPECT_EQ(Row(0).X1, 12);
    EXPECT_EQ(Row(0).Modulzahl, 3);
}

TEST_F(LedEditorTest, StartDirectionAndUnitChoosers) {
    test::PickChooserItem(ed, 0, col::kStart, " x1");
    EXPECT_EQ(Row(0).Richtung, 2);
    test::PickChooserItem(ed, 0, col::kDirection, " Unten");
    EXPECT_EQ(Row(0).Richtung, 8);
    test::PickChooserItem(ed, 0, col::kStart, " x0");
    EXPECT_EQ(Row(0).Richtung, 7);
    Row(1).Richtung = 0;
    test::PickChooserItem(ed, 1, col::kDirection, " Rechts");
    EXPECT_EQ(Row(1).Richtung, 0);

    TypeInMaskEditor(0, col::kDelay, "5000");
    test::PickChooserItem(ed, 0, col::kUnit, "  Std");
    EXPECT_EQ(Row(0).Verzoegerung, 1000);
    EXPECT_EQ(ed.CellText(0, col::kUnit), " Std");
    test::PickChooserItem(ed, 0, col::kUnit, "  Ext");
    EXPECT_EQ(Row(0).Verzoegerung, 0);
    EXPECT_EQ(ed.CellText(0, col::kDelay), "");
    EXPECT_EQ(ed.CellText(0, col::kUnit), " Ext");
    test::PickChooserItem(ed, 0, col::kUnit, "  Sek");
    EXPECT_EQ(Row(0).Einheit, "Milli");  // delay 0

    test::PickChooserItem(ed, 0, col::kStatus, "  RESET");
    EXPECT_FALSE(Row(0).Status);
    test::PickChooserItem(ed, 0, col::kRecording, "nicht speichern");
    EXPECT_FALSE(Row(0).SpeichernEingang);
    EXPECT_EQ(ed.CellText(0, col::kRecording), "");
}

TEST_F(LedEditorTest, TextAnzeigenGeneratesThePictureAndAsksOnAHandEditedOne) {
    Select(0, 0, col::kName);
    ASSERT_TRUE(led.TextFieldEnabled());
    led.TextFieldEntered("");
    EXPECT_EQ(led.ShowText("HALLO"), "HALLO");
    EXPECT_EQ(Row(0).Text, "HALLO");
    EXPECT_EQ(LastLitColumn(Row(0).Spalten), 25);
    EXPECT_EQ(Row(0).Spalten[0], StandardGlyph('H')[0]);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(ed.UndoLevels(), 1);

    // Invert column 1 by hand: the picture question comes next.
    led.ModuleClicked(1, 5, ClickKind::Plain);
    led.Invert();
    EXPECT_TRUE(led.Pictures().HandEdited(0));
    led.TextFieldEntered("HALLO");
    dialogs.answers = {Answer::No};
    EXPECT_EQ(led.ShowText("WELT"), "HALLO");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              "Soll die LED - Anzeige aktualisiert werden? Alle vorherigen Werte gehen dabei verloren!");
    EXPECT_EQ(Row(0).Text, "HALLO");
    EXPECT_EQ(Row(0).Spalten[0], std::uint8_t(~StandardGlyph('H')[0]));
    EXPECT_EQ(ed.UndoLevels(), 1);  // the snapshot was dropped again

    dialogs.answers = {Answer::Yes};
    led.ShowText("WELT");
    EXPECT_EQ(Row(0).Text, "WELT");
    EXPECT_FALSE(led.Pictures().HandEdited(0));

    // Selecting the row again compares the picture with its text.
    Select(1, 1, col::kName);
    Select(0, 0, col::kName);
    EXPECT_FALSE(led.Pictures().HandEdited(0));

    // A character without a glyph is refused.
    led.ShowText("A\x01");
    EXPECT_EQ(Row(0).Text, "WELT");
    EXPECT_NE(LastBox().find("nicht dargestellt"), std::string::npos);
}

TEST_F(LedEditorTest, SpacingsRegenerateInTheRowsLayout) {
    Select(0, 0, col::kName);
    led.SetHorizontalSpacing(1, "II");
    EXPECT_EQ(Row(0).Text, "II");
    // "I" has 3 lit columns, followed by one empty column.
    EXPECT_EQ(Row(0).Spalten[0], StandardGlyph('I')[1]);
    EXPECT_EQ(Row(0).Spalten[3], 0);
    EXPECT_EQ(Row(0).Spalten[4], StandardGlyph('I')[1]);
    EXPECT_EQ(LastLitColumn(Row(0).Spalten), 7);
    EXPECT_EQ(led.HorizontalSpacing(), 1);
    EXPECT_FALSE(led.Pictures().HandEdited(0));
    led.ShowText("II");  // resets both spacings
    EXPECT_EQ(led.HorizontalSpacing(), 0);
    EXPECT_EQ(LastLitColumn(Row(0).Spalten), 9);
}

TEST_F(LedEditorTest, ADesktopFontIsAskedForOnAHandEditedPicture) {
    Select(0, 0, col::kName);
    led.ShowText("ab");
    led.ModuleClicked(1, 1, ClickKind::Plain);
    led.Invert();
    dialogs.answers = {Answer::No};
    led.FontChosen({"Serif", 6, kFontBold}, "ab");
    EXPECT_EQ(Row(0).Schriftart, kStandardFontName);
    EXPECT_TRUE(led.StandardFontTicked());
    dialogs.answers = {Answer::Yes};
    led.FontChosen({"Serif", 6, kFontBold}, "ab");
    EXPECT_EQ(Row(0).Schriftart, "Serif");
    EXPECT_EQ(Row(0).Schriftgroesse, 6);
    EXPECT_EQ(Row(0).Schriftstil, kFontBold);
    EXPECT_FALSE(led.StandardFontTicked());
    EXPECT_EQ(Row(0).Spalten[0], 0x40);  // the fake's dot of "a", on the top row
}

TEST_F(LedEditorTest, ADesktopFontDrawsTheTextFieldsText) {
    Select(0, 0, col::kName);
    led.ShowText("ab");
    const int levels = ed.UndoLevels();
    led.FontChosen({"Serif", 6, kFontBold}, "abcd");  // typed, not yet shown
    EXPECT_EQ(Row(0).Text, "abcd");
    EXPECT_EQ(Row(0).Schriftart, "Serif");
    // The fake darkens one pixel per character, two columns apart.
    EXPECT_EQ(LastLitColumn(Row(0).Spalten), 7);
    EXPECT_EQ(ed.UndoLevels(), levels + 1);
    ed.Undo();
    EXPECT_EQ(Row(0).Text, "ab");
}

TEST_F(LedEditorTest, DarkLedsOfTheEditedPictureAreGrey) {
    for (int colour : {int(LedModuleColour::Rot), int(LedModuleColour::Gruen)}) {
        tables->ledParameters.Record().ModuleFarbe[0] = colour;
        Select(0, 0, col::kName);
        EXPECT_EQ(led.Frame().dark, 0x505050u);
        EXPECT_NE(led.DisplayShades().dark, 0x505050u);
    }
}

TEST_F(LedEditorTest, PictureCommandsWorkOnTheSelectedDisplayColumns) {
    Select(0, 0, col::kName);
    led.ShowText("HALLO");
    led.ScrollTo(5);  // module 1 shows columns 6 to 10
    led.ModuleClicked(1, 1, ClickKind::Plain);
    led.ModuleClicked(1, 45, ClickKind::Shift);
    EXPECT_EQ(led.ColumnSelection().Columns(), (std::vector<int>{6, 7, 8, 9, 10}));
    EXPECT_TRUE(led.Frame().selected[0]);
    EXPECT_EQ(led.Frame().columns[0], Row(0).Spalten[5]);
    EXPECT_FALSE(led.PictureMenu().paste);
    led.CopyColumns();
    led.MirrorVertical();
    EXPECT_EQ(Row(0).Spalten[5], StandardGlyph('A')[4]);
    led.DeleteColumn();
    EXPECT_EQ(Row(0).Spalten[5], StandardGlyph('L')[0]);
    EXPECT_EQ(Row(0).LetzteSpalte, 20);
    led.ModuleClicked(1, 1, ClickKind::Plain);  // column 6
    led.PasteColumns();
    EXPECT_EQ(Row(0).Spalten[5], StandardGlyph('A')[0]);
    EXPECT_EQ(Row(0).Spalten[10], StandardGlyph('L')[0]);
    EXPECT_EQ(led.SelectedModulePosition(), 2);
    EXPECT_TRUE(led.Pictures().HandEdited(0));
    EXPECT_EQ(led.ScrollPosition(), 5);
    Select(1, 1, col::kName);
    EXPECT_EQ(led.ScrollPosition(), 0);  // every row remembers its own
}

TEST_F(LedEditorTest, TheSimulationAndSavingRefuseAWindowWithX1BelowX0) {
    Row(1).X0 = 20;
    Row(1).X1 = 10;
    EXPECT_FALSE(led.CheckBeforeSimulation());
    EXPECT_EQ(LastBox(), "Der Wert von x0 in Zeile Nr. 2 muß kleiner sein als der von x1!\r\r          Geben Sie "
                         "bitte einen entsprechenden Wert an.");
    EXPECT_EQ(ed.CursorRow(), 1);
    EXPECT_EQ(ed.CursorColumn(), col::kX0);
    EXPECT_FALSE(ed.Save());
    Row(1).X1 = 20;  // equal values pass
    EXPECT_TRUE(led.CheckBeforeSimulation());
}

TEST_F(LedEditorTest, SavingWritesTheThreeFilesAndClearsTheWindowFlags) {
    int saved = 0;
    led.SetSavedCallback([&] { ++saved; });
    tables->ledParameters.Record().AnzahlModule = 2;
    TypeInMaskEditor(0, col::kX1, "10");
    tables->ledParameters.Record().Position[0].X = 40;
    ASSERT_TRUE(ed.HasUnsavedChanges());
    ASSERT_TRUE(ed.Save());
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(led.Pictures().WindowChanged(0));
    EXPECT_FALSE(ed.HasUnsavedChanges());
    LedParameters reread;
    reread.Load(Dir());
    EXPECT_EQ(reread.Record().Position[0].X, 40);
    LedTable table;
    table.Load(Dir() / kLedFileName);
    ASSERT_EQ(table.Count(), 2u);
    EXPECT_EQ(table.Row(0).X1, 10);

    // A dragged module alone is a change; "No" reloads the files.
    led.ModuleDropped(0, 93, 7);
    EXPECT_EQ(tables->ledParameters.Record().Position[0].X, 95);
    EXPECT_TRUE(ed.HasUnsavedChanges());
    dialogs.answers = {Answer::No};
    EXPECT_EQ(ed.CloseQuery(CloseInitiator::User), CloseVerdict::Close);
    EXPECT_EQ(tables->ledParameters.Record().Position[0].X, 40);
}

TEST_F(LedEditorTest, ModuleAssignmentWritesTheCurrentRowAndCopiesItsCount) {
    TypeInMaskEditor(0, col::kX1, "15");
    Select(0, 1, col::kModules);
    auto assignment = led.BeginModuleAssignment();
    ASSERT_TRUE(assignment);
    ASSERT_EQ(assignment->Positions(), 3);
    assignment->SetNumber(3, 8);
    led.ApplyModuleAssignment(*assignment);
    EXPECT_EQ(Row(0).ModulListe[2], 8);
    EXPECT_EQ(ed.CellText(0, col::kModules), "Selekt");
    EXPECT_EQ(Row(1).Modulzahl, 3);
    ed.Undo();
    EXPECT_EQ(Row(0).ModulListe[2], 3);
    EXPECT_EQ(Row(1).Modulzahl, 1);
}

TEST_F(LedEditorTest, TheTextFieldNeedsExactlyOneRowInsideTheTable) {
    Select(0, 1, col::kName);
    EXPECT_FALSE(led.TextFieldEnabled());
    Select(5, 5, col::kName);
    EXPECT_FALSE(led.TextFieldEnabled());
    Select(1, 1, col::kDx);
    EXPECT_TRUE(led.TextFieldEnabled());
}

}  // namespace
}  // namespace ovis
