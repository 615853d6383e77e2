#pragma once
// LED pictures generated from a text: the built-in font in horizontal and vertical layout, and
// desktop fonts through the FontRasterizer seam. A picture is 1275 column bytes (bit 6 the top
// LED); columns after the text are 0.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "project/led_record.h"
#include "platform/font_rasterizer.h"

namespace ovis {

using LedPicture = std::array<std::uint8_t, kLedColumns>;

inline constexpr int kMaxCharacterSpacing = 4;

// Horizontal layout: with spacing 0 character i takes columns 5i-4 to 5i; with spacing s from 1
// to 4 each character takes only its lit glyph columns (5 empty columns when it has none),
// followed by s empty columns. Spacings outside 0 to 4 are clipped.
LedPicture StandardFontPicture(std::string_view text, int horizontalSpacing);

// Vertical layout: the text is cut into lines of `lineLength` characters (one line when the
// length is not above 0), laid out one after the other as above; line k (from 1) is moved down by
// (k - 1) x `verticalSpacing` LED rows, rows below the seventh continuing in the same columns of
// the following line.
LedPicture StandardFontVerticalPicture(std::string_view text, int lineLength, int horizontalSpacing,
                                       int verticalSpacing);

// Whether a direction code moves whole text lines up or down ("Oben", "Unten": 5 to 8).
bool VerticalDirection(int richtung);

// The built-in font picture of a row in its own layout: vertical for the directions "Oben" and
// "Unten" (line length `Umbruch`), horizontal otherwise.
LedPicture StandardFontPictureOfRow(const TLedRecord& row, int horizontalSpacing, int verticalSpacing);

// The picture of a desktop font drawing made at pixel (1, 1): the top row is the first pixel
// row from 1 to 10 with a dark pixel among its first 80 pixels (row 1 when there is none); column
// x from 1 to 1275 takes the 7 pixel rows from the top row down, a dark pixel at top + r setting
// bit 6 - r.
LedPicture PictureFromRaster(const MonoRaster& raster);

// The text drawn with a desktop font and turned into a picture.
LedPicture DesktopFontPicture(FontRasterizer& rasterizer, std::string_view text, const FontChoice& font);

// The desktop font of a row (`Schriftart`, `Schriftgroesse`, `Schriftstil`).
FontChoice FontOfRow(const TLedRecord& row);
bool UsesStandardFont(const TLedRecord& row);

// The number of the last column (1-based) whose byte is not 0; 0 when none is.
int LastLitColumn(std::span<const std::uint8_t> columns);

}  // namespace ovis
