#include "led/led_colours.h"

#include <array>

#include "project/led_parameter_record.h"

namespace ovis {
namespace {

constexpr std::array<PaletteColour, kPaletteSize> kPalette{{
    {1, 6, 0, 6, 0, 0x00FF00},   {2, 21, 1, 5, 0, 0x55FF00},  {3, 36, 2, 4, 0, 0xAAFF00},  {4, 51, 3, 3, 0, 0xFFFF00},
    {5, 66, 4, 2, 0, 0xFFAA00},  {6, 81, 5, 1, 0, 0xFF5500},  {7, 96, 6, 0, 0, 0xFF0000},  {8, 80, 5, 0, 1, 0xFF0055},
    {9, 64, 4, 0, 2, 0xFF00AA},  {10, 48, 3, 0, 3, 0xFF00FF}, {11, 32, 2, 0, 4, 0xAA00FF}, {12, 16, 1, 0, 5, 0x5500FF},
    {13, 0, 0, 0, 6, 0x0000FF},  {14, 1, 0, 1, 5, 0x0055FF},  {15, 2, 0, 2, 4, 0x00AAFF},  {16, 3, 0, 3, 3, 0x00FFFF},
    {17, 4, 0, 4, 2, 0x00FFAA},  {18, 5, 0, 5, 1, 0x00FF55},  {19, 20, 1, 4, 1, 0x80FF80}, {20, 35, 2, 3, 1, 0xA9FF80},
    {21, 50, 3, 2, 1, 0xFFA980}, {22, 65, 4, 1, 1, 0xFF8080}, {23, 49, 3, 1, 2, 0xFF80A9}, {24, 33, 2, 1, 3, 0xA980FF},
    {25, 17, 1, 1, 4, 0x8080FF}, {26, 18, 1, 2, 3, 0x80A9FF}, {27, 19, 1, 3, 2, 0x80FFA9}, {28, 34, 2, 2, 2, 0xFFFFFF},
}};

constexpr std::array<std::uint32_t, kBrightnessLevels> kGreys{0xFFFFFF, 0xE9E9E9, 0xDDDDDD, 0xD0D0D0,
                                                                0xBFBFBF, 0xAEAEAE, 0x9D9D9D, 0x8C8C8C,
                                                                0x7F7F7F, 0x6A6A6A, 0x000000};

constexpr std::array<std::string_view, 5> kModuleColourNames{"Rot", "Gelb", "Grün", "Blau", "Weiß"};
constexpr std::array<LedShades, kModuleColourNames.size()> kModuleShades{{
    {0xFF0000, 0x600000},
    {0xFFFF00, 0x606000},
    {0x00FF00, 0x006000},
    {0x0000FF, 0x000060},
    {0xFFFFFF, 0x5F5F5F},
}};

static_assert(static_cast<int>(LedModuleColour::Rot) == 1 && static_cast<int>(LedModuleColour::Weiss) == 5);

}  // namespace

std::span<const PaletteColour> Palette() { return kPalette; }

const PaletteColour* PaletteColourOfCode(std::uint8_t code) {
    for (const auto& colour : kPalette)
        if (colour.code == code) return &colour;
    return nullptr;
}

std::optional<std::uint8_t> CodeOfPreview(std::uint32_t rgb) {
    for (const auto& colour : kPalette)
        if (colour.preview == rgb) return colour.code;
    return std::nullopt;
}

std::optional<std::uint32_t> BrightnessGrey(int level) {
    if (level < 1 || level > kBrightnessLevels) return std::nullopt;
    return kGreys[std::size_t(level - 1)];
}

std::optional<int> BrightnessLevelOfGrey(std::uint32_t rgb) {
    for (std::size_t i = 0; i < kGreys.size(); ++i)
        if (kGreys[i] == rgb) return int(i) + 1;
    return std::nullopt;
}

std::optional<LedShades> ModuleShades(int moduleColour) {
    if (moduleColour < 1 || moduleColour > int(kModuleShades.size())) return std::nullopt;
    return kModuleShades[std::size_t(moduleColour - 1)];
}

std::optional<std::string_view> ModuleColourName(int moduleColour) {
    if (moduleColour < 1 || moduleColour > int(kModuleColourNames.size())) return std::nullopt;
    return kModuleColourNames[std::size_t(moduleColour - 1)];
}

}  // namespace ovis
