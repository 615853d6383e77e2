#pragma once
// The model of the colour dialog "Farbverteilung und Helligkeit": the current palette colour and
// brightness level, the colour parts (1 to 28) and brightness parts (1 to 11) being painted, and
// the result that "Übernehmen" applies to the selected rows of the LED table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "led/led_colours.h"
#include "project/led_table.h"

namespace ovis {

inline constexpr int kMaxColourParts = 28;
inline constexpr int kMaxBrightnessParts = 11;
inline constexpr int kColourPartSlots = 31;
inline constexpr int kBrightnessPartSlots = 15;

// The colour and brightness parts of a row, as stored: parts beyond a count are empty (255 for
// colours, 0 for brightness), and equal parts are collapsed to one.
struct ColourDistribution {
    std::array<std::uint8_t, kColourPartSlots> farbe{};
    std::uint8_t anzahlFarben = 1;
    std::array<std::uint8_t, kBrightnessPartSlots> helligkeit{};
    std::uint8_t anzahlHelligkeiten = 1;
    bool operator==(const ColourDistribution&) const = default;
};

ColourDistribution DistributionOfRow(const TLedRecord& row);
void SetDistribution(TLedRecord& row, const ColourDistribution& distribution);

// Gives every row of `rows` the distribution. When any of them differs, `takeSnapshot` is called
// once before the first change. Returns whether a row changed.
bool ApplyColourDistribution(LedTable& table, std::span<const std::size_t> rows, const ColourDistribution& distribution,
                             const std::function<void()>& takeSnapshot);

class ColourDialog {
public:
    // On showing: current colour palette number 1 (code 6), current level 1; the parts and
    // their counts are those of `row`.
    explicit ColourDialog(const TLedRecord& row);

    // The current palette colour (1 to 28) and brightness level (1 to 11).
    int CurrentColour() const { return currentColour_; }
    int CurrentLevel() const { return currentLevel_; }
    std::uint32_t CurrentColourPreview() const;
    std::uint32_t CurrentLevelGrey() const;
    // The track bar shows the current level − 1.
    int TrackBarPosition() const { return currentLevel_ - 1; }

    // A click on palette circle `number`; numbers outside 1 to 28 are ignored.
    void ClickPalette(int number);
    // A click on brightness level circle `level` (1 to 11), and the track bar moved to `position`.
    void ClickLevel(int level);
    void MoveTrackBar(int position);

    int ColourPartCount() const { return colourCount_; }
    int BrightnessPartCount() const { return brightnessCount_; }
    // A new number of parts: parts added beyond the old number take the current colour or level.
    void ChooseColourPartCount(int count);
    void ChooseBrightnessPartCount(int count);

    // A click on part circle `part` (from 1) paints it when it is not above the number of parts.
    void ClickColourPart(int part);
    void ClickBrightnessPart(int part);

    // The preview colour of a part circle; nothing for a part beyond the number (the window's
    // button colour) or one holding a code that has no preview.
    std::optional<std::uint32_t> ColourPartPreview(int part) const;
    std::optional<std::uint32_t> BrightnessPartGrey(int part) const;

    // "Übernehmen": the parts up to their numbers, the rest empty, equal parts collapsed.
    ColourDistribution Result() const;

private:
    int currentColour_ = 1;
    int currentLevel_ = 1;
    std::array<std::uint8_t, kColourPartSlots> colours_{};
    std::array<std::uint8_t, kBrightnessPartSlots> levels_{};
    int colourCount_ = 1;
    int brightnessCount_ = 1;
};

}  // namespace ovis
