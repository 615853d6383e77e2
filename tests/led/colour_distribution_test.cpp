// The colour dialog: painting parts, the collapse of equal parts on "Übernehmen", and applying
// the result to the selected rows with one undo level.
#include <gtest/gtest.h>

#include <vector>

#include "led/colour_distribution.h"
#include "led/led_rows.h"

namespace ovis {
namespace {

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0xFF0000;

TLedRecord TwoColourRow() {
    TLedRecord row = NewLedRow(nullptr);
    row.AnzahlFarben = 2;
    row.Farbe[0] = 6;
    row.Farbe[1] = 96;
    row.AnzahlHelligkeiten = 3;
    row.Helligkeit[0] = 1;
    row.Helligkeit[1] = 5;
    row.Helligkeit[2] = 11;
    return row;
}

TEST(ColourDialog, OpensWithGreenAtLevelOneAndTheRowsParts) {
    const ColourDialog dialog(TwoColourRow());
    EXPECT_EQ(dialog.CurrentColour(), 1);
    EXPECT_EQ(dialog.CurrentColourPreview(), kGreen);
    EXPECT_EQ(dialog.CurrentLevel(), 1);
    EXPECT_EQ(dialog.TrackBarPosition(), 0);
    EXPECT_EQ(dialog.ColourPartCount(), 2);
    EXPECT_EQ(dialog.ColourPartPreview(1), kGreen);
    EXPECT_EQ(dialog.ColourPartPreview(2), kRed);
    for (int part = 3; part <= kMaxColourParts; ++part) EXPECT_FALSE(dialog.ColourPartPreview(part)) << part;
    EXPECT_EQ(dialog.BrightnessPartCount(), 3);
    EXPECT_EQ(dialog.BrightnessPartGrey(2), 0xBFBFBFu);
    EXPECT_EQ(dialog.BrightnessPartGrey(3), 0x000000u);
    EXPECT_FALSE(dialog.BrightnessPartGrey(4));
}

TEST(ColourDialog, ThreePartsPaintedInColourSevenAreStoredAsOnePartOfCode96) {
    ColourDialog dialog(NewLedRow(nullptr));
    dialog.ClickPalette(7);
    EXPECT_EQ(dialog.CurrentColourPreview(), kRed);
    dialog.ChooseColourPartCount(3);  // parts 2 and 3 take the current colour
    dialog.ClickColourPart(1);
    const ColourDistribution result = dialog.Result();
    EXPECT_EQ(result.anzahlFarben, 1);
    EXPECT_EQ(result.farbe[0], 96);
    for (int p = 1; p < kColourPartSlots; ++p) EXPECT_EQ(result.farbe[std::size_t(p)], kNoColour) << p;
}

TEST(ColourDialog, DifferentPartsAreKeptAndPartsBeyondTheNumberEmptied) {
    ColourDialog dialog(TwoColourRow());
    dialog.ClickPalette(13);              // blue, code 0
    dialog.ChooseColourPartCount(4);      // parts 3 and 4 blue
    dialog.ChooseColourPartCount(3);      // part 4 shows the button colour again
    EXPECT_FALSE(dialog.ColourPartPreview(4));
    dialog.ClickColourPart(4);            // beyond the number: no effect
    dialog.ClickLevel(4);
    EXPECT_EQ(dialog.TrackBarPosition(), 3);
    dialog.ClickBrightnessPart(2);        // level 4 instead of 5
    dialog.MoveTrackBar(9);
    EXPECT_EQ(dialog.CurrentLevel(), 10);
    dialog.ChooseBrightnessPartCount(2);
    const ColourDistribution result = dialog.Result();
    EXPECT_EQ(result.anzahlFarben, 3);
    EXPECT_EQ((std::vector<int>{result.farbe[0], result.farbe[1], result.farbe[2], result.farbe[3]}),
              (std::vector<int>{6, 96, 0, 255}));
    EXPECT_EQ(result.anzahlHelligkeiten, 2);
    EXPECT_EQ((std::vector<int>{result.helligkeit[0], result.helligkeit[1], result.helligkeit[2]}),
              (std::vector<int>{1, 4, 0}));
}

TEST(ColourDialog, RaisingTheNumberPaintsOnlyTheAddedParts) {
    ColourDialog dialog(TwoColourRow());
    dialog.ClickPalette(4);  // yellow, code 51
    dialog.ChooseColourPartCount(3);
    EXPECT_EQ(dialog.ColourPartPreview(2), kRed);
    EXPECT_EQ(dialog.ColourPartPreview(3), 0xFFFF00u);
    dialog.ClickLevel(11);
    dialog.ChooseBrightnessPartCount(1);
    dialog.ChooseBrightnessPartCount(2);  // part 2 was hidden: it is painted anew
    EXPECT_EQ(dialog.BrightnessPartGrey(2), 0x000000u);
    const ColourDistribution result = dialog.Result();
    EXPECT_EQ(result.helligkeit[1], 11);
}

TEST(ColourDialog, EqualBrightnessPartsCollapseToOne) {
    ColourDialog dialog(TwoColourRow());
    dialog.ClickLevel(5);
    dialog.ClickBrightnessPart(1);
    dialog.ClickBrightnessPart(3);
    const ColourDistribution result = dialog.Result();
    EXPECT_EQ(result.anzahlHelligkeiten, 1);
    EXPECT_EQ(result.helligkeit[0], 5);
    for (int p = 1; p < kBrightnessPartSlots; ++p) EXPECT_EQ(result.helligkeit[std::size_t(p)], kNoBrightness);
}

TEST(ColourDialog, APartWithACodeOutsideThePaletteIsKept) {
    TLedRecord row = TwoColourRow();
    row.Farbe[1] = 7;  // no palette colour: shown in the button colour, stored unchanged
    ColourDialog dialog(row);
    EXPECT_FALSE(dialog.ColourPartPreview(2));
    EXPECT_EQ(dialog.Result().farbe[1], 7);
}

struct ColourRowsFixture : ::testing::Test {
    LedTable table;
    int snapshots = 0;
    std::function<void()> snapshot = [this] { ++snapshots; };
    ColourRowsFixture() {
        const TLedRecord rows[] = {NewLedRow(nullptr), TwoColourRow(), NewLedRow(nullptr), TwoColourRow()};
        table.Assign(rows);
    }
};

TEST_F(ColourRowsFixture, ApplyingTakesOneSnapshotAndChangesEverySelectedRow) {
    ColourDialog dialog(table.Row(1));
    dialog.ClickPalette(7);
    dialog.ClickColourPart(1);
    const ColourDistribution result = dialog.Result();
    const std::vector<std::size_t> selected{0, 1, 2};
    EXPECT_TRUE(ApplyColourDistribution(table, selected, result, snapshot));
    EXPECT_EQ(snapshots, 1);
    for (std::size_t r : selected) EXPECT_EQ(DistributionOfRow(table.Row(r)), result) << r;
    EXPECT_EQ(DistributionOfRow(table.Row(3)), DistributionOfRow(TwoColourRow()));  // not selected
}

TEST_F(ColourRowsFixture, NoSnapshotWhenEverySelectedRowAlreadyHasTheParts) {
    const ColourDistribution result = ColourDialog(table.Row(0)).Result();
    const std::vector<std::size_t> selected{0, 2};
    EXPECT_FALSE(ApplyColourDistribution(table, selected, result, snapshot));
    EXPECT_EQ(snapshots, 0);
}

TEST_F(ColourRowsFixture, OneDifferingRowIsEnoughForTheSnapshot) {
    const ColourDistribution result = ColourDialog(table.Row(0)).Result();
    const std::vector<std::size_t> selected{0, 2, 3, 99};  // a row past the table is ignored
    EXPECT_TRUE(ApplyColourDistribution(table, selected, result, snapshot));
    EXPECT_EQ(snapshots, 1);
    EXPECT_EQ(DistributionOfRow(table.Row(3)), result);
    EXPECT_EQ(table.Count(), 4u);
}

}  // namespace
}  // namespace ovis
