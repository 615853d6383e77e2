#pragma once
// FontRasterizer: draws a text with a named desktop font into a black-and-white raster (LED
// pictures from desktop fonts). The GUI draws with Qt; tests draw with fakes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovis {

// Style bits of a font: bit 0 bold, bit 1 italic, bit 2 underline, bit 3 strike-out.
enum FontStyleBit : std::uint8_t { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct FontChoice {
    std::string name;  // code page 1252 bytes, as in the record
    int pointSize = 7;
    std::uint8_t style = 0;
};

// Pixels row by row, (0, 0) top left; true is a dark pixel.
struct MonoRaster {
    int width = 0;
    int height = 0;
    std::vector<bool> dark;

    bool Dark(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && dark[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

class FontRasterizer {
public:
    virtual ~FontRasterizer() = default;
    // `text` (code page 1252 bytes) drawn in black on white, without smoothing, with the top
    // left of its first character cell at pixel (x, y) of a raster at least `width` wide; a
    // drawing that rises above the cell (accents) starts at row y instead of being cut off.
    virtual MonoRaster Draw(std::string_view text, const FontChoice& font, int x, int y, int width) = 0;
};

}  // namespace ovis
