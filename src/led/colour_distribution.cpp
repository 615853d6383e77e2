#include "led/colour_distribution.h"

#include <algorithm>

#include "led/led_rows.h"

namespace ovis {

ColourDistribution DistributionOfRow(const TLedRecord& row) {
    ColourDistribution d;
    std::copy(std::begin(row.Farbe), std::end(row.Farbe), d.farbe.begin());
    std::copy(std::begin(row.Helligkeit), std::end(row.Helligkeit), d.helligkeit.begin());
    d.anzahlFarben = row.AnzahlFarben;
    d.anzahlHelligkeiten = row.AnzahlHelligkeiten;
    return d;
}

void SetDistribution(TLedRecord& row, const ColourDistribution& d) {
    std::copy(d.farbe.begin(), d.farbe.end(), std::begin(row.Farbe));
    std::copy(d.helligkeit.begin(), d.helligkeit.end(), std::begin(row.Helligkeit));
    row.AnzahlFarben = d.anzahlFarben;
    row.AnzahlHelligkeiten = d.anzahlHelligkeiten;
}

bool ApplyColourDistribution(LedTable& table, std::span<const std::size_t> rows, const ColourDistribution& distribution,
                             const std::function<void()>& takeSnapshot) {
    const bool anyDiffers = std::any_of(rows.begin(), rows.end(), [&](std::size_t r) {
        return r < table.Count() && DistributionOfRow(table.Row(r)) != distribution;
    });
    if (!anyDiffers) return false;
    if (takeSnapshot) takeSnapshot();
    for (std::size_t r : rows)
        if (r < table.Count()) SetDistribution(table.Row(r), distribution);
    return true;
}

ColourDialog::ColourDialog(const TLedRecord& row) {
    std::copy(std::begin(row.Farbe), std::end(row.Farbe), colours_.begin());
    std::copy(std::begin(row.Helligkeit), std::end(row.Helligkeit), levels_.begin());
    colourCount_ = std::clamp<int>(row.AnzahlFarben, 1, kMaxColourParts);
    brightnessCount_ = std::clamp<int>(row.AnzahlHelligkeiten, 1, kMaxBrightnessParts);
}

std::uint32_t ColourDialog::CurrentColourPreview() const { return Palette()[std::size_t(currentColour_ - 1)].preview; }

std::uint32_t ColourDialog::CurrentLevelGrey() const { return *BrightnessGrey(currentLevel_); }

void ColourDialog::ClickPalette(int number) {
    if (number >= 1 && number <= kPaletteSize) currentColour_ = number;
}

void ColourDialog::ClickLevel(int level) {
    if (level >= 1 && level <= kBrightnessLevels) currentLevel_ = level;
}

void ColourDialog::MoveTrackBar(int position) { ClickLevel(position + 1); }

void ColourDialog::ChooseColourPartCount(int count) {
    count = std::clamp(count, 1, kMaxColourParts);
    const std::uint8_t code = Palette()[std::size_t(currentColour_ - 1)].code;
    for (int p = colourCount_; p < count; ++p) colours_[std::size_t(p)] = code;
    colourCount_ = count;
}

void ColourDialog::ChooseBrightnessPartCount(int count) {
    count = std::clamp(count, 1, kMaxBrightnessParts);
    for (int p = brightnessCount_; p < count; ++p) levels_[std::size_t(p)] = std::uint8_t(currentLevel_);
    brightnessCount_ = count;
}

void ColourDialog::ClickColourPart(int part) {
    if (part >= 1 && part <= colourCount_) colours_[std::size_t(part - 1)] = Palette()[std::size_t(currentColour_ - 1)].code;
}

void ColourDialog::ClickBrightnessPart(int part) {
    if (part >= 1 && part <= brightnessCount_) levels_[std::size_t(part - 1)] = std::uint8_t(currentLevel_);
}

std::optional<std::uint32_t> ColourDialog::ColourPartPreview(int part) const {
    if (part < 1 || part > colourCount_) return std::nullopt;
    const PaletteColour* colour = PaletteColourOfCode(colours_[std::size_t(part - 1)]);
    if (colour == nullptr) return std::nullopt;
    return colour->preview;
}

std::optional<std::uint32_t> ColourDialog::BrightnessPartGrey(int part) const {
    if (part < 1 || part > brightnessCount_) return std::nullopt;
    return BrightnessGrey(levels_[std::size_t(part - 1)]);
}

ColourDistribution ColourDialog::Result() const {
    ColourDistribution d;
    d.farbe = colours_;
    d.helligkeit = levels_;
    d.anzahlFarben = std::uint8_t(colourCount_);
    d.anzahlHelligkeiten = std::uint8_t(brightnessCount_);
    CollapseEqualParts(d.farbe, d.anzahlFarben, kNoColour);
    CollapseEqualParts(d.helligkeit, d.anzahlHelligkeiten, kNoBrightness);
    return d;
}

}  // namespace ovis
