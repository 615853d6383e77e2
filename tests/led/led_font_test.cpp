// The built-in 5 x 7 font: the glyphs that stand fixed, the German mapping and what shows blank.
#include <gtest/gtest.h>

#include "led/led_font.h"

namespace ovis {
namespace {

TEST(LedFont, FixedGlyphs) {
    struct Case {
        std::uint8_t textByte;
        Glyph columns;
    };
    const Case cases[] = {
        {' ', {0x00, 0x00, 0x00, 0x00, 0x00}}, {'!', {0x00, 0x00, 0x7D, 0x00, 0x00}},
        {'-', {0x08, 0x08, 0x08, 0x08, 0x08}}, {'.', {0x00, 0x00, 0x01, 0x00, 0x00}},
        {'0', {0x3E, 0x41, 0x41, 0x41, 0x3E}}, {'1', {0x10, 0x21, 0x7F, 0x01, 0x00}},
        {'A', {0x3F, 0x48, 0x48, 0x48, 0x3F}}, {'B', {0x7F, 0x49, 0x49, 0x49, 0x36}},
        {'Z', {0x43, 0x45, 0x49, 0x51, 0x61}}, {'a', {0x02, 0x15, 0x15, 0x15, 0x0F}},
        {196 /* Ä */, {0x5F, 0x24, 0x24, 0x24, 0x5F}}, {223 /* ß */, {0x3F, 0x40, 0x51, 0x29, 0x06}},
        {128 /* euro sign */, {0x14, 0x3E, 0x55, 0x41, 0x22}}, {127, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.textByte));
        EXPECT_EQ(StandardGlyph(c.textByte), c.columns);
    }
}

TEST(LedFont, GermanLettersMapToTheCodesAfterTheEuroSign) {
    const std::pair<std::uint8_t, std::uint8_t> mapping[] = {{196, 129}, {214, 130}, {220, 131}, {228, 132},
                                                             {246, 133}, {252, 134}, {223, 135}};
    for (auto [letter, code] : mapping) {
        EXPECT_EQ(FontCode(letter), code);
        EXPECT_TRUE(ShowableInStandardFont(letter));
    }
    EXPECT_EQ(FontCode('A'), 'A');
    EXPECT_EQ(FontCode(128), 128);
}

TEST(LedFont, EveryShowableCharacterButTheBlankLightsSomething) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const Glyph glyph = StandardGlyph(std::uint8_t(b));
        const bool lit = glyph != Glyph{};
        EXPECT_EQ(lit, ShowableInStandardFont(std::uint8_t(b)) && b != ' ');
        for (std::uint8_t column : glyph) EXPECT_EQ(column & 0x80, 0);  // bit 7 is never set
    }
}

TEST(LedFont, ControlCharactersTypographicMarksAndOtherLettersAreNotShowable) {
    for (std::uint8_t b : {0, 9, 13, 31, 127, 129, 130, 131, 132, 133, 134, 135, 136, 167, 176, 201, 233, 255}) {
        SCOPED_TRACE(int(b));
        EXPECT_FALSE(ShowableInStandardFont(b));
        EXPECT_EQ(StandardGlyph(b), Glyph{});
    }
    // The typographic marks at 130 and 132 (low quotes) do not turn into Ö or ä.
    EXPECT_NE(StandardGlyph(130), StandardGlyph(214));
}

TEST(LedFont, FirstUnshowableCharacterOfAText) {
    EXPECT_EQ(FirstUnshowableCharacter("Gr\xFC\xDF" "e 5 \x80!"), std::nullopt);  // "Grüße 5 €!"
    EXPECT_EQ(FirstUnshowableCharacter(""), std::nullopt);
    EXPECT_EQ(FirstUnshowableCharacter("ab\xE9" "c"), 2u);  // é
    EXPECT_EQ(FirstUnshowableCharacter("\x84Zitat"), 0u);    // low double quote
    EXPECT_EQ(FirstUnshowableCharacter("a\tb"), 1u);
}

TEST(LedFont, LettersThatShareAGlyphOnlyWhereIntended) {
    // Only "O" and "0" look alike; every other pair of showable characters differs.
    for (int a = 32; a < 256; ++a) {
        for (int b = a + 1; b < 256; ++b) {
            if (!ShowableInStandardFont(std::uint8_t(a)) || !ShowableInStandardFont(std::uint8_t(b))) continue;
            if (a == '0' && b == 'O') continue;
            EXPECT_NE(StandardGlyph(std::uint8_t(a)), StandardGlyph(std::uint8_t(b))) << a << " " << b;
        }
    }
}

}  // namespace
}  // namespace ovis
