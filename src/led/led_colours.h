#pragma once
// The colours of the LED display: the 28 colour codes with their palette numbers and preview
// colours, the 11 brightness greys and the five module colours. Colours are 0xRRGGBB.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ovis {

inline constexpr int kPaletteSize = 28;
inline constexpr int kBrightnessLevels = 11;
inline constexpr std::uint8_t kNoColour = 255;

// A colour code mixes red, green and blue in sixths: code = 16 x red + green, blue = 6 - red - green.
struct PaletteColour {
    int number;  // 1 to 28, as the editor shows it
    std::uint8_t code;
    int red, green, blue;
    std::uint32_t preview;
};

// The 28 colours in palette order (number 1 first).
std::span<const PaletteColour> Palette();
// The palette colour of a code; nothing for a code that is none of the 28.
const PaletteColour* PaletteColourOfCode(std::uint8_t code);
// The code whose preview colour is `rgb`; nothing when no palette colour has it.
std::optional<std::uint8_t> CodeOfPreview(std::uint32_t rgb);

// The grey preview of brightness level 1 (FFFFFF) to 11 (000000); nothing outside.
std::optional<std::uint32_t> BrightnessGrey(int level);
// The level whose grey is `rgb`; nothing when no level has it.
std::optional<int> BrightnessLevelOfGrey(std::uint32_t rgb);

// The lit and the dark shade of an LED on a module of a colour.
struct LedShades {
    std::uint32_t lit;
    std::uint32_t dark;
    bool operator==(const LedShades&) const = default;
};

// Shades of a module colour code (1 "Rot" to 5 "Weiß"); nothing for other codes.
std::optional<LedShades> ModuleShades(int moduleColour);
// "Rot", "Gelb", "Grün", "Blau", "Weiß" (UTF-8); nothing for other codes.
std::optional<std::string_view> ModuleColourName(int moduleColour);

}  // namespace ovis
