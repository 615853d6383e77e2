#include "led/led_picture.h"

#include <algorithm>
#include <vector>

#include "led/led_font.h"

namespace ovis {
namespace {

using Columns = std::vector<std::uint8_t>;

int ClipSpacing(int spacing) { return std::clamp(spacing, 0, kMaxCharacterSpacing); }

void AppendCharacter(Columns& out, std::uint8_t textByte, int spacing) {
    const Glyph glyph = StandardGlyph(textByte);
    if (spacing == 0) {
        out.insert(out.end(), glyph.begin(), glyph.end());
        return;
    }
    const auto before = out.size();
    std::copy_if(glyph.begin(), glyph.end(), std::back_inserter(out), [](std::uint8_t c) { return c != 0; });
    if (out.size() == before) out.insert(out.end(), kGlyphColumns, 0);
    out.insert(out.end(), std::size_t(spacing), 0);
}

Columns LayOut(std::string_view text, int spacing) {
    Columns out;
    for (char c : text) AppendCharacter(out, static_cast<std::uint8_t>(c), spacing);
    return out;
}

LedPicture ToPicture(const Columns& columns) {
    LedPicture picture{};
    std::copy_n(columns.begin(), std::min(columns.size(), picture.size()), picture.begin());
    return picture;
}

constexpr int kTopRowSearchEnd = 10;
constexpr int kTopRowSearchWidth = 80;

}  // namespace

LedPicture StandardFontPicture(std::string_view text, int horizontalSpacing) {
    return ToPicture(LayOut(text, ClipSpacing(horizontalSpacing)));
}

LedPicture StandardFontVerticalPicture(std::string_view text, int lineLength, int horizontalSpacing,
                                       int verticalSpacing) {
    const int hSpacing = ClipSpacing(horizontalSpacing);
    const int vSpacing = ClipSpacing(verticalSpacing);
    const std::size_t perLine = lineLength > 0 ? std::size_t(lineLength) : std::max<std::size_t>(text.size(), 1);

    std::vector<Columns> lines;
    for (std::size_t from = 0; from < text.size(); from += perLine)
        lines.push_back(LayOut(text.substr(from, perLine), hSpacing));
    if (lines.empty()) return LedPicture{};

    // Where each line starts; lines that only receive rows pushed out of the last one follow it
    // at the width of a full line.
    std::vector<std::size_t> starts{0};
    for (std::size_t k = 1; k < lines.size(); ++k) starts.push_back(starts[k - 1] + lines[k - 1].size());
    const std::size_t fullWidth = lines.front().size();
    auto start = [&](std::size_t line) {
        if (line < lines.size()) return starts[line];
        return starts.back() + (line - (lines.size() - 1)) * fullWidth;
    };

    LedPicture picture{};
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::size_t shift = k * std::size_t(vSpacing);
        for (std::size_t j = 0; j < lines[k].size(); ++j) {
            for (int row = 0; row < kGlyphRows; ++row) {
                if (!((lines[k][j] >> (6 - row)) & 1)) continue;
                const std::size_t shiftedRow = std::size_t(row) + shift;
                const std::size_t column = start(k + shiftedRow / kGlyphRows) + j;
                if (column < picture.size()) picture[column] |= std::uint8_t(1u << (6 - shiftedRow % kGlyphRows));
            }
        }
    }
    return picture;
}

bool VerticalDirection(int richtung) { return richtung >= 5 && richtung <= 8; }

LedPicture StandardFontPictureOfRow(const TLedRecord& row, int horizontalSpacing, int verticalSpacing) {
    if (VerticalDirection(row.Richtung))
        return StandardFontVerticalPicture(row.Text.view(), row.Umbruch, horizontalSpacing, verticalSpacing);
    return StandardFontPicture(row.Text.view(), horizontalSpacing);
}

LedPicture PictureFromRaster(const MonoRaster& raster) {
    int top = 1;
    for (int y = 1; y <= kTopRowSearchEnd; ++y) {
        bool dark = false;
        for (int x = 0; x < kTopRowSearchWidth && !dark; ++x) dark = raster.Dark(x, y);
        if (dark) {
            top = y;
            break;
        }
    }
    LedPicture picture{};
    for (int x = 1; x <= kLedColumns; ++x)
        for (int r = 0; r < kGlyphRows; ++r)
            if (raster.Dark(x, top + r)) picture[std::size_t(x - 1)] |= std::uint8_t(1u << (6 - r));
    return picture;
}

LedPicture DesktopFontPicture(FontRasterizer& rasterizer, std::string_view text, const FontChoice& font) {
    return PictureFromRaster(rasterizer.Draw(text, font, 1, 1, kLedColumns + 1));
}

FontChoice FontOfRow(const TLedRecord& row) { return {row.Schriftart.str(), row.Schriftgroesse, row.Schriftstil}; }

bool UsesStandardFont(const TLedRecord& row) { return row.Schriftart == kStandardFontName; }

int LastLitColumn(std::span<const std::uint8_t> columns) {
    for (std::size_t c = columns.size(); c > 0; --c)
        if (columns[c - 1] != 0) return int(c);
    return 0;
}

}  // namespace ovis
