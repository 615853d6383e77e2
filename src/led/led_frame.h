#pragma once
// What the display panel draws: the column bytes of the 1275 display columns (module n shows
// columns 5n-4 to 5n), the colour of every lit LED, the dark colour and the selected columns.
#include <array>
#include <cstdint>

#include "led/led_font.h"
#include "project/led_record.h"

namespace ovis {

// The dark LEDs of the module pictures while the LED editor edits them.
inline constexpr std::uint32_t kEditorDarkLed = 0x505050;

struct LedFrame {
    std::array<std::uint8_t, kLedColumns> columns{};
    std::array<std::uint32_t, std::size_t(kLedColumns) * kGlyphRows> lit{};  // 0xRRGGBB per LED, row 0 on top
    std::uint32_t dark = kEditorDarkLed;
    std::array<bool, kLedColumns> selected{};

    // LED row 0 (top) to 6 (bottom) of column `index` (0-based): bit 6 is the top LED.
    bool Lit(std::size_t index, int row) const { return (columns[index] >> (6 - row)) & 1; }
    std::uint32_t LitColour(std::size_t index, int row) const { return lit[index * kGlyphRows + std::size_t(row)]; }
    void SetLitColour(std::uint32_t colour) { lit.fill(colour); }
};

}  // namespace ovis
