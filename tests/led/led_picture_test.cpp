// Pictures from text: the built-in font in horizontal and vertical layout, and the rule that
// turns a desktop-font drawing into column bytes.
#include <gtest/gtest.h>

#include <vector>

#include "led/led_font.h"
#include "led/led_picture.h"
#include "led/led_rows.h"

namespace ovis {
namespace {

using Columns = std::vector<std::uint8_t>;

// The columns up to the last lit one.
Columns Used(const LedPicture& picture) {
    return Columns(picture.begin(), picture.begin() + LastLitColumn(picture));
}

Columns GlyphOf(char c) {
    const Glyph g = StandardGlyph(std::uint8_t(c));
    return Columns(g.begin(), g.end());
}

Columns Concat(std::initializer_list<Columns> parts) {
    Columns all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(LedPicture, SpacingZeroGivesFiveColumnsPerCharacter) {
    const LedPicture picture = StandardFontPicture("HALLO", 0);
    EXPECT_EQ(LastLitColumn(picture), 25);
    EXPECT_EQ(Used(picture), Concat({GlyphOf('H'), GlyphOf('A'), GlyphOf('L'), GlyphOf('L'), GlyphOf('O')}));
    // "1" has an empty last column, which stays with spacing 0.
    EXPECT_EQ(Used(StandardFontPicture("11", 0)), (Columns{0x10, 0x21, 0x7F, 0x01, 0x00, 0x10, 0x21, 0x7F, 0x01}));
}

TEST(LedPicture, SpacingKeepsOnlyLitColumnsThenEmptyOnes) {
    struct Case {
        const char* text;
        int spacing;
        Columns expected;
    };
    const Columns l{0x7F, 0x01, 0x01, 0x01};  // "L" lights four of its five columns
    const Columns bang{0x7D};
    const Case cases[] = {
        {"LL", 1, Concat({l, {0}, l})},
        {"LL", 4, Concat({l, {0, 0, 0, 0}, l})},
        {"!!", 2, Concat({bang, {0, 0}, bang})},
        // A blank yields five empty columns and then the spacing: with 2, seven between words.
        {"! !", 2, Concat({bang, {0, 0}, Columns(7, 0), bang})},
        // Spacings outside 0 to 4 are clipped.
        {"LL", 9, Concat({l, {0, 0, 0, 0}, l})},
        {"LL", -3, Concat({GlyphOf('L'), l})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.spacing));
        EXPECT_EQ(Used(StandardFontPicture(c.text, c.spacing)), c.expected);
    }
    ASSERT_EQ(GlyphOf('L'), Concat({l, {0}}));
}

TEST(LedPicture, HalloWithSpacingOne) {
    const Columns used = Used(StandardFontPicture("HALLO", 1));
    const Columns expected = Concat({GlyphOf('H'), {0}, GlyphOf('A'), {0}, {0x7F, 0x01, 0x01, 0x01}, {0},
                                     {0x7F, 0x01, 0x01, 0x01}, {0}, GlyphOf('O')});
    EXPECT_EQ(used, expected);
}

TEST(LedPicture, GermanLettersAndTheEuroSign) {
    const std::string text = "\xC4\xDF\x80";  // Ä ß € in code page 1252
    EXPECT_EQ(Used(StandardFontPicture(text, 0)),
              (Columns{0x5F, 0x24, 0x24, 0x24, 0x5F, 0x3F, 0x40, 0x51, 0x29, 0x06, 0x14, 0x3E, 0x55, 0x41, 0x22}));
}

TEST(LedPicture, EmptyTextAndBlanksGiveAnEmptyPicture) {
    EXPECT_EQ(StandardFontPicture("", 0), LedPicture{});
    EXPECT_EQ(StandardFontPicture("   ", 3), LedPicture{});
    EXPECT_EQ(StandardFontVerticalPicture("", 3, 0, 2), LedPicture{});
}

TEST(LedPicture, ThePictureEndsAtColumn1275) {
    const std::string text(255, 'H');
    const LedPicture full = StandardFontPicture(text, 0);
    EXPECT_EQ(LastLitColumn(full), 1275);
    EXPECT_EQ(full[1274], GlyphOf('H')[4]);
    // Nine columns a character: the 142nd lights columns 1270 to 1274, the rest is cut off.
    EXPECT_EQ(LastLitColumn(StandardFontPicture(text, 4)), 1274);
}

TEST(LedPicture, VerticalSpacingZeroEqualsTheHorizontalLayout) {
    for (int hSpacing : {0, 2}) {
        for (int wrap : {0, 1, 2, 5, 40}) {
            SCOPED_TRACE(std::to_string(hSpacing) + " / " + std::to_string(wrap));
            EXPECT_EQ(StandardFontVerticalPicture("HALLO WELT", wrap, hSpacing, 0), StandardFontPicture("HALLO WELT", hSpacing));
        }
    }
}

TEST(LedPicture, VerticalSpacingMovesEachLineDownAndCarriesRowsIntoTheNextLine) {
    // Lines "AB", "BA" and "AA" of ten columns each; line 2 moves down by 2 rows, line 3 by 4.
    const LedPicture picture = StandardFontVerticalPicture("ABBAAA", 2, 0, 2);
    const Columns a = GlyphOf('A'), b = GlyphOf('B');
    const Columns line1 = Concat({a, b});
    const Columns line2 = Concat({b, a});
    const Columns line3 = Concat({a, a});
    for (int j = 0; j < 10; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(picture[j], line1[j]);
        // Line 2's two bottom rows leave its band and continue at the top of line 3's columns.
        EXPECT_EQ(picture[10 + j], line2[j] >> 2);
        EXPECT_EQ(picture[20 + j], std::uint8_t(((line2[j] << 5) & 0x7F) | (line3[j] >> 4)));
        // Line 3's four bottom rows continue in the columns a fourth line would take.
        EXPECT_EQ(picture[30 + j], std::uint8_t((line3[j] << 3) & 0x7F));
    }
    EXPECT_EQ(LastLitColumn(picture), 40);
}

TEST(LedPicture, TextNotLongerThanTheLineLengthIsOneLine) {
    EXPECT_EQ(StandardFontVerticalPicture("AB", 2, 0, 4), StandardFontPicture("AB", 0));
    EXPECT_EQ(StandardFontVerticalPicture("AB", 0, 0, 4), StandardFontPicture("AB", 0));
}

TEST(LedPicture, ARowUsesTheVerticalLayoutOnlyForUpAndDown) {
    TLedRecord row = NewLedRow(nullptr);
    row.Text = "ABBA";
    row.Umbruch = 2;
    for (int richtung = 0; richtung <= 8; ++richtung) {
        SCOPED_TRACE(richtung);
        row.Richtung = richtung;
        const LedPicture expected = richtung >= 5 ? StandardFontVerticalPicture("ABBA", 2, 1, 3) : StandardFontPicture("ABBA", 1);
        EXPECT_EQ(StandardFontPictureOfRow(row, 1, 3), expected);
    }
    EXPECT_NE(StandardFontVerticalPicture("ABBA", 2, 1, 3), StandardFontPicture("ABBA", 1));
}

MonoRaster BlankRaster(int width, int height) { return {width, height, std::vector<bool>(std::size_t(width * height))}; }

void SetDark(MonoRaster& r, int x, int y) { r.dark[std::size_t(y * r.width + x)] = true; }

TEST(LedPicture, RasterTopRowIsTheFirstRowWithDarkPixelsAmongTheFirst80) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> dark;  // (x, y)
        std::vector<std::pair<int, std::uint8_t>> columns;  // (1-based column, byte)
    };
    const Case cases[] = {
        {"top at row 3", {{1, 3}, {1, 9}, {2, 4}}, {{1, 0x41}, {2, 0x20}}},
        {"pixel beyond x 79 does not count for the top row", {{80, 1}, {5, 4}, {80, 5}}, {{5, 0x40}, {80, 0x20}}},
        {"rows below top + 6 are cut", {{3, 2}, {3, 9}}, {{3, 0x40}}},
        {"row 0 is never the top row", {{4, 0}, {4, 6}}, {{4, 0x40}}},
        {"no dark pixel in rows 1 to 10: top row 1", {{6, 12}, {90, 3}}, {{90, 0x10}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MonoRaster raster = BlankRaster(1300, 20);
        for (auto [x, y] : c.dark) SetDark(raster, x, y);
        LedPicture expected{};
        for (auto [column, byte] : c.columns) expected[std::size_t(column - 1)] = byte;
        EXPECT_EQ(PictureFromRaster(raster), expected);
    }
}

class FakeRasterizer final : public FontRasterizer {
public:
    MonoRaster Draw(std::string_view text, const FontChoice& font, int x, int y, int width) override {
        drawn = std::string(text);
        choice = font;
        MonoRaster raster = BlankRaster(width, 20);
        for (std::size_t i = 0; i < text.size(); ++i) SetDark(raster, x + int(i) * 2, y + 2);
        return raster;
    }
    std::string drawn;
    FontChoice choice;
};

TEST(LedPicture, DesktopFontPictureDrawsAtOneOneWithTheRowsFont) {
    TLedRecord row = NewLedRow(nullptr);
    row.Text = "abc";
    row.Schriftart = "Arial";
    row.Schriftgroesse = 6;
    row.Schriftstil = kFontBold | kFontUnderline;
    FakeRasterizer fake;
    const LedPicture picture = DesktopFontPicture(fake, row.Text.view(), FontOfRow(row));
    EXPECT_EQ(fake.drawn, "abc");
    EXPECT_EQ(fake.choice.name, "Arial");
    EXPECT_EQ(fake.choice.pointSize, 6);
    EXPECT_EQ(fake.choice.style, kFontBold | kFontUnderline);
    EXPECT_EQ(Used(picture), (Columns{0x40, 0, 0x40, 0, 0x40}));
    EXPECT_FALSE(UsesStandardFont(row));
    EXPECT_TRUE(UsesStandardFont(NewLedRow(nullptr)));
}

}  // namespace
}  // namespace ovis
