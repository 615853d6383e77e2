// The colour tables of the LED display.
#include <gtest/gtest.h>

#include <set>

#include "led/led_colours.h"

namespace ovis {
namespace {

TEST(LedColours, PaletteCodesMixSixthsAndAreNumberedOneTo28) {
    std::set<int> codes;
    int number = 1;
    for (const PaletteColour& c : Palette()) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(c.number, number++);
        EXPECT_EQ(c.code, 16 * c.red + c.green);
        EXPECT_EQ(c.red + c.green + c.blue, 6);
        EXPECT_GE(c.blue, 0);
        codes.insert(c.code);
        EXPECT_EQ(PaletteColourOfCode(c.code), &c);
        EXPECT_EQ(CodeOfPreview(c.preview), c.code);
    }
    EXPECT_EQ(codes.size(), 28u);  // every mix of sixths, once
}

TEST(LedColours, SelectedPaletteEntries) {
    struct Case {
        std::uint8_t code;
        int number;
        std::uint32_t preview;
    };
    const Case cases[] = {{6, 1, 0x00FF00},  {96, 7, 0xFF0000},  {0, 13, 0x0000FF},
                          {3, 16, 0x00FFFF}, {35, 20, 0xA9FF80}, {34, 28, 0xFFFFFF}};
    for (const auto& c : cases) {
        const PaletteColour* colour = PaletteColourOfCode(c.code);
        ASSERT_NE(colour, nullptr);
        EXPECT_EQ(colour->number, c.number);
        EXPECT_EQ(colour->preview, c.preview);
    }
    EXPECT_EQ(PaletteColourOfCode(255), nullptr);
    EXPECT_EQ(PaletteColourOfCode(7), nullptr);  // green 7 is not a mix of sixths
    EXPECT_FALSE(CodeOfPreview(0x123456));
}

TEST(LedColours, BrightnessGreys) {
    const std::uint32_t greys[] = {0xFFFFFF, 0xE9E9E9, 0xDDDDDD, 0xD0D0D0, 0xBFBFBF, 0xAEAEAE,
                                   0x9D9D9D, 0x8C8C8C, 0x7F7F7F, 0x6A6A6A, 0x000000};
    for (int level = 1; level <= 11; ++level) {
        EXPECT_EQ(BrightnessGrey(level), greys[level - 1]);
        EXPECT_EQ(BrightnessLevelOfGrey(greys[level - 1]), level);
    }
    EXPECT_FALSE(BrightnessGrey(0));
    EXPECT_FALSE(BrightnessGrey(12));
    EXPECT_FALSE(BrightnessLevelOfGrey(0x505050));
}

TEST(LedColours, ModuleColoursWithLitAndDarkShades) {
    struct Case {
        int colour;
        const char* name;
        LedShades shades;
    };
    const Case cases[] = {{1, "Rot", {0xFF0000, 0x600000}},
                          {2, "Gelb", {0xFFFF00, 0x606000}},
                          {3, "Grün", {0x00FF00, 0x006000}},
                          {4, "Blau", {0x0000FF, 0x000060}},
                          {5, "Weiß", {0xFFFFFF, 0x5F5F5F}}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModuleShades(c.colour), c.shades);
        EXPECT_EQ(ModuleColourName(c.colour), c.name);
    }
    EXPECT_FALSE(ModuleShades(0));
    EXPECT_FALSE(ModuleShades(6));
    EXPECT_FALSE(ModuleColourName(6));
}

}  // namespace
}  // namespace ovis
