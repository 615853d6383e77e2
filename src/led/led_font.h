#pragma once
// The built-in 5 x 7 font ("Standard") for the codes 32 to 135. A glyph is five column bytes,
// bit 6 the top LED and bit 0 the bottom LED.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ovis {

inline constexpr const char* kStandardFontName = "Standard";
inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 7;

using Glyph = std::array<std::uint8_t, kGlyphColumns>;

// The font code a text byte (code page 1252) is looked up under: the German letters Ä Ö Ü ä ö ü ß
// become 129 to 135, every other byte stays.
std::uint8_t FontCode(std::uint8_t textByte);

// Whether a text byte has a glyph of its own: 32 to 126, the euro sign (128) and the seven
// German letters. Every other byte (control characters, 127, the typographic marks 129 to 135
// that would otherwise show the German letters, and all other characters above 135) shows
// blank; the editor refuses them on entry.
bool ShowableInStandardFont(std::uint8_t textByte);

// The position of the first byte of `text` that is not showable; nothing when all are.
std::optional<std::size_t> FirstUnshowableCharacter(std::string_view text);

// The glyph of a text byte; a blank glyph when the byte is not showable.
Glyph StandardGlyph(std::uint8_t textByte);

}  // namespace ovis
