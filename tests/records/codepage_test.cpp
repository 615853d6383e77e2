#include "records/codepage.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

TEST(CodePage, EveryByteRoundTripsThroughUnicode) {
    for (auto page : {CodePage::Windows1252, CodePage::Dos437}) {
        std::string all;
        for (int b = 1; b < 256; ++b) all += char(b);
        auto back = FromUtf8(ToUtf8(all, page), page);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, all);
    }
}

TEST(CodePage, KnownCharacters) {
    struct Case {
        CodePage page;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {CodePage::Windows1252, "\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"},
        {CodePage::Windows1252, "\x80", "€"},
        {CodePage::Dos437, "\x8E\x99\x9A\x84\x94\x81\xE1", "ÄÖÜäöüß"},
        {CodePage::Dos437, "\xC4\xB3", "─│"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUtf8(c.bytes, c.page), c.utf8);
        EXPECT_EQ(FromUtf8(c.utf8, c.page), c.bytes);
    }
}

TEST(CodePage, UnrepresentableOrMalformedTextIsRefused) {
    EXPECT_FALSE(FromUtf8("Ω").has_value());
    EXPECT_FALSE(FromUtf8("\xC3").has_value()) << "truncated sequence";
    EXPECT_FALSE(FromUtf8("\xFF").has_value());
    EXPECT_FALSE(RepresentableIn("日本"));
    EXPECT_TRUE(RepresentableIn("Größe"));
    EXPECT_EQ(RecordText("Rückleiter"), "R\xFC" "ckleiter");
}

}  // namespace
}  // namespace ovis
