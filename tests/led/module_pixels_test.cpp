// The module pixel editor: which module opens, the circles, "Alle / Keine" and "Übernehmen".
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "project/led_record.h"
#include "led/module_pixels.h"

namespace ovis {
namespace {

TEST(ModulePixels, TheSelectedColumnOpensTheModuleThatShowsIt) {
    const struct {
        int column, scroll, first;
    } cases[] = {
        {1, 0, 1}, {5, 0, 1}, {6, 0, 6}, {10, 0, 6}, {1275, 0, 1271},
        {4, 3, 4}, {8, 3, 4}, {9, 3, 9},  // the display scrolled by 3: modules start at 4, 9, ...
        {2, 3, -1},                        // a column left of the display: its module reaches back
    };
    for (const auto& c : cases) EXPECT_EQ(ModuleFirstColumn(c.column, c.scroll), c.first) << c.column << " " << c.scroll;
}

std::vector<std::uint8_t> Picture() { return std::vector<std::uint8_t>(kLedColumns, 0); }

TEST(ModulePixels, AnAOpensAsItsGlyph) {
    auto picture = Picture();
    const std::array<std::uint8_t, 5> a{0x3F, 0x48, 0x48, 0x48, 0x3F};
    std::copy(a.begin(), a.end(), picture.begin() + 10);
    const ModulePixels pixels(picture, 11);
    // Column 1 (circles 1-7) is 3F: rows 2 to 7 lit; column 2 (8-14) is 48: rows 1 and 4 lit.
    const std::vector<int> lit{2, 3, 4, 5, 6, 7, 8, 11, 15, 18, 22, 25, 30, 31, 32, 33, 34, 35};
    for (int circle = 1; circle <= kModuleLeds; ++circle)
        EXPECT_EQ(pixels.Lit(circle), std::find(lit.begin(), lit.end(), circle) != lit.end()) << circle;
    EXPECT_EQ(pixels.Columns(), a);
    EXPECT_FALSE(pixels.Changed());
}

TEST(ModulePixels, AllOrNoneTwiceLeavesAllDarkWhenCircleOneWasLit) {
    auto picture = Picture();
    picture[0] = 0x40;  // circle 1 lit
    ModulePixels pixels(picture, 1);
    pixels.AllOrNone();
    for (int circle = 1; circle <= kModuleLeds; ++circle) EXPECT_FALSE(pixels.Lit(circle));
    pixels.AllOrNone();
    for (int circle = 1; circle <= kModuleLeds; ++circle) EXPECT_TRUE(pixels.Lit(circle));
    EXPECT_EQ(pixels.Columns(), (std::array<std::uint8_t, 5>{0x7F, 0x7F, 0x7F, 0x7F, 0x7F}));
    pixels.AllOrNone();
    for (int circle = 1; circle <= kModuleLeds; ++circle) EXPECT_FALSE(pixels.Lit(circle));
}

TEST(ModulePixels, ApplyingWritesTheFiveColumnsAndReportsAChangeOnlyWhenOneWasMade) {
    auto picture = Picture();
    picture[5] = 0x81;  // bit 7 set: it is cleared when the module is written
    picture[10] = 0x55;  // the next module is not touched
    ModulePixels pixels(picture, 6);
    EXPECT_FALSE(pixels.WriteTo(picture));  // nothing changed: not hand-edited
    EXPECT_EQ(picture[5], 0x01);
    pixels.Toggle(1);   // column 6, row 1: bit 6
    pixels.Toggle(14);  // column 7, row 7: bit 0
    EXPECT_TRUE(pixels.Changed());
    EXPECT_TRUE(pixels.WriteTo(picture));
    EXPECT_EQ(picture[5], 0x41);
    EXPECT_EQ(picture[6], 0x01);
    EXPECT_EQ(picture[10], 0x55);
    pixels.Toggle(1);
    pixels.Toggle(14);
    EXPECT_FALSE(pixels.Changed());  // toggled back: the drawing equals the opening state
}

TEST(ModulePixels, AModuleReachingPastTheLastColumnReadsAndWritesOnlyInside) {
    auto picture = Picture();
    picture[kLedColumns - 1] = 0x7F;
    ModulePixels pixels(picture, kLedColumns - 1);  // columns 1274 to 1278
    EXPECT_TRUE(pixels.Lit(8));                    // column 1275, row 1
    EXPECT_FALSE(pixels.Lit(15));                  // column 1276 does not exist
    pixels.AllOrNone();                            // circle 1 dark: all lit
    EXPECT_TRUE(pixels.WriteTo(picture));
    EXPECT_EQ(picture[kLedColumns - 2], 0x7F);
    EXPECT_EQ(picture[kLedColumns - 1], 0x7F);
    EXPECT_EQ(picture.size(), std::size_t(kLedColumns));
}

}  // namespace
}  // namespace ovis
