#include "led/led_picture_commands.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ovis {
namespace {

struct Picture {
    std::array<std::uint8_t, kLedColumns> bytes{};
    Picture() { std::iota(bytes.begin(), bytes.end(), std::uint8_t{1}); }  // column c holds c (mod 256)
    PictureColumns span() { return PictureColumns(bytes); }
    int at(int column) const { return bytes[std::size_t(column - 1)]; }
};

TEST(LedColumnSelection, PlainShiftAndCtrlClicks) {
    LedColumnSelection s;
    s.Click(7);
    EXPECT_EQ(s.Columns(), (std::vector<int>{7}));
    EXPECT_EQ(s.Anchor(), 7);
    s.ShiftClick(4);
    EXPECT_EQ(s.Columns(), (std::vector<int>{4, 5, 6, 7}));
    s.ShiftClick(9);  // from the anchor again, not from the last shift click
    EXPECT_EQ(s.Columns(), (std::vector<int>{7, 8, 9}));
    s.CtrlClick(8);
    s.CtrlClick(20);
    EXPECT_EQ(s.Columns(), (std::vector<int>{7, 9, 20}));
    EXPECT_EQ(s.Anchor(), 7);
    s.Click(1276);  // beyond the display: nothing selected
    EXPECT_EQ(s.Count(), 0);
}

TEST(PictureMenuState, DependsOnTheNumberOfSelectedColumns) {
    const PictureMenuState none = ComputePictureMenuState(0);
    EXPECT_FALSE(none.copy || none.paste || none.erase || none.insertColumn || none.deleteColumn || none.effects ||
                 none.editModule);
    const PictureMenuState one = ComputePictureMenuState(1);
    EXPECT_TRUE(one.copy && one.paste && one.erase && one.insertColumn && one.deleteColumn && one.effects &&
                one.editModule);
    const PictureMenuState two = ComputePictureMenuState(2);
    EXPECT_TRUE(two.copy && two.erase && two.deleteColumn && two.effects);
    EXPECT_FALSE(two.paste || two.insertColumn || two.editModule);
}

TEST(PictureCommands, PasteShiftsRightWhenTheClipboardFits) {
    Picture p;
    const std::vector<std::uint8_t> clip{0xAA, 0xBB};
    PasteColumns(p.span(), 3, clip);
    EXPECT_EQ(p.at(2), 2);
    EXPECT_EQ(p.at(3), 0xAA);
    EXPECT_EQ(p.at(4), 0xBB);
    EXPECT_EQ(p.at(5), 3);                          // moved right by two
    EXPECT_EQ(p.at(1275), std::uint8_t(1273));      // the last two columns are lost
}

TEST(PictureCommands, PasteNearTheEndOverwritesAndDropsTheRest) {
    Picture p;
    const std::vector<std::uint8_t> clip{0xA1, 0xA2, 0xA3};
    PasteColumns(p.span(), 1274, clip);  // 1274 + 3 > 1275
    EXPECT_EQ(p.at(1273), std::uint8_t(1273));
    EXPECT_EQ(p.at(1274), 0xA1);
    EXPECT_EQ(p.at(1275), 0xA2);
    Picture q;
    PasteColumns(q.span(), 1273, std::vector<std::uint8_t>{0xB1, 0xB2});  // 1273 + 2 fits exactly
    EXPECT_EQ(q.at(1273), 0xB1);
    EXPECT_EQ(q.at(1274), 0xB2);
    EXPECT_EQ(q.at(1275), std::uint8_t(1273));
}

TEST(PictureCommands, RemoveClosesTheGapFromTheRight) {
    Picture p;
    RemoveColumns(p.span(), {2, 4});
    EXPECT_EQ(p.at(1), 1);
    EXPECT_EQ(p.at(2), 3);
    EXPECT_EQ(p.at(3), 5);
    EXPECT_EQ(p.at(1273), std::uint8_t(1275));
    EXPECT_EQ(p.at(1274), 0);
    EXPECT_EQ(p.at(1275), 0);
}

TEST(PictureCommands, InsertEmptyColumnLosesTheLastColumn) {
    Picture p;
    InsertEmptyColumns(p.span(), {3});
    EXPECT_EQ(p.at(2), 2);
    EXPECT_EQ(p.at(3), 0);
    EXPECT_EQ(p.at(4), 3);
    EXPECT_EQ(p.at(1275), std::uint8_t(1274));
    Picture q;
    InsertEmptyColumns(q.span(), {2, 5});  // each selected column gets its own empty column
    EXPECT_EQ(q.at(2), 0);
    EXPECT_EQ(q.at(3), 2);
    EXPECT_EQ(q.at(5), 4);
    EXPECT_EQ(q.at(6), 0);
    EXPECT_EQ(q.at(7), 5);
}

TEST(PictureCommands, VerticalMirrorReversesOnlyTheSelectedColumns) {
    Picture p;
    ReverseColumns(p.span(), {2, 3, 7});
    EXPECT_EQ(p.at(1), 1);
    EXPECT_EQ(p.at(2), 7);
    EXPECT_EQ(p.at(3), 3);
    EXPECT_EQ(p.at(4), 4);
    EXPECT_EQ(p.at(7), 2);
}

TEST(PictureCommands, HorizontalMirrorAndInvert) {
    struct Case {
        std::uint8_t in, flipped;
    };
    for (const Case c : {Case{0x41, 0x41}, Case{0x60, 0x03}, Case{0x08, 0x08}, Case{0x80, 0x00}, Case{0x7F, 0x7F},
                         Case{0x01, 0x40}, Case{0xC4, 0x11}})
        EXPECT_EQ(FlippedColumn(c.in), c.flipped) << int(c.in);
    Picture p;
    p.bytes[0] = 0;
    p.bytes[1] = 0x0F;
    InvertColumns(p.span(), {1, 2});
    EXPECT_EQ(p.at(1), 0xFF);
    EXPECT_EQ(p.at(2), 0xF0);
    EXPECT_EQ(p.at(3), 3);
}

TEST(ColumnClipboard, ErasingEmptiesItAfterTheNextPaste) {
    ColumnClipboard clip;
    clip.Fill({1, 2});
    clip.Pasted();
    EXPECT_EQ(clip.Columns().size(), 2u);
    clip.MarkErased();
    clip.Pasted();
    EXPECT_TRUE(clip.Columns().empty());
}

}  // namespace
}  // namespace ovis
