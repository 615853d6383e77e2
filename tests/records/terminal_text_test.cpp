#include "records/terminal_text.h"

#include <gtest/gtest.h>

#include "records/codepage.h"

namespace ovis {
namespace {

TEST(TerminalText, OnlyControlCharactersAreEscaped) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"a Windows path as typed", "\\\\srv\\ovis\\", "\\\\srv\\ovis\\"},
        {"quotes stay", "Tür \"A\"", "Tür \"A\""},
        {"a forged line", "Pumpe\nNummer = 9", "Pumpe\\x0ANummer = 9"},
        {"carriage return", "a\rb", "a\\x0Db"},
        {"terminal escape", "\x1B[2J", "\\x1B[2J"},
        {"first and last C0", std::string("\x00\x1F", 2), "\\x00\\x1F"},
        {"delete", "x\x7Fy", "x\\x7Fy"},
        {"C1 controls from code page 1252", ToUtf8("\x81\x8D\x8F\x90\x9D"), "\\x81\\x8D\\x8F\\x90\\x9D"},
        {"printable text beyond ASCII", ToUtf8("\x80\xA0\xC4\xFF"), "€\u00A0Ä\u00FF"},
        {"blanks stay", "  aktiv ", "  aktiv "},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeControlCharacters(c.text), c.shown) << c.name;
}

TEST(TerminalText, BytesThatAreNotUtf8AreEscaped) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"a bare 8-bit control sequence introducer", "x\x9B" "31mrot", "x\\x9B31mrot"},
        {"a lone lead byte at the end", "Tür\xC3", "Tür\\xC3"},
        {"a lead byte before ASCII", "\xC3(", "\\xC3("},
        {"code page 1252 bytes", "L\xFC" "ftung", "L\\xFCftung"},
        {"overlong slash", "\xC0\xAF", "\\xC0\\xAF"},
        {"overlong escape in three bytes", "\xE0\x80\x9B", "\\xE0\\x80\\x9B"},
        {"a surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {"a cut four-byte sequence", "\xF0\x9F\x98", "\\xF0\\x9F\\x98"},
        {"well-formed text of every length", "A\u00E4\u20AC\U0001F600", "A\u00E4\u20AC\U0001F600"},
        {"the largest code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeControlCharacters(c.text), c.shown) << c.name;
}

TEST(TerminalText, MessageLinesBreakAtCarriageReturnsOnly) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"one line", "ok", "ok"},
        {"an empty line between two", "a\r\rb", "a\n\nb"},
        {"CR LF is one break", "a\r\nb", "a\nb"},
        {"a trailing break", "a\r", "a\n"},
        {"a line feed alone is escaped", "a\nb", "a\\x0Ab"},
        {"escapes inside a line", "a\x1B[2J\rb\tc", "a\\x1B[2J\nb\\x09c"},
    };
    for (const auto& c : cases) EXPECT_EQ(TerminalLines(c.text), c.shown) << c.name;
}

}  // namespace
}  // namespace ovis
