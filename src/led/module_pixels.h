#pragma once
// The model of the pixel editor "Modul bearbeiten": the 5 × 7 LEDs of the module that holds a
// selected display column, numbered 1 to 35 column by column (circle n: column ⌊(n − 1) / 7⌋ + 1,
// row ((n − 1) mod 7) + 1, row 1 on top), and their state at opening.
#include <array>
#include <cstdint>
#include <span>

namespace ovis {

inline constexpr int kModuleLeds = 35;
inline constexpr int kModuleColumns = 5;
inline constexpr int kModuleRows = 7;

// The first picture column of the module that shows `column` when the display is scrolled to
// `scrollPosition`: s + 5 × ⌊(c − s − 1) / 5⌋ + 1.
int ModuleFirstColumn(int column, int scrollPosition);

class ModulePixels {
public:
    // Reads the five column bytes from `firstColumn` (1-based) of `picture`; columns outside the
    // picture read as dark.
    ModulePixels(std::span<const std::uint8_t> picture, int firstColumn);

    int FirstColumn() const { return firstColumn_; }
    bool Lit(int circle) const;
    void Toggle(int circle);
    // "Alle / Keine": all lit when circle 1 is dark, otherwise all dark.
    void AllOrNone();
    // Whether any circle differs from its state at opening.
    bool Changed() const { return lit_ != atOpening_; }

    // The five column bytes of the circles: row r lit sets bit 7 − r, bit 7 is 0.
    std::array<std::uint8_t, kModuleColumns> Columns() const;
    // "Übernehmen": writes the five columns into `picture` (columns beyond it are dropped) and
    // returns whether the row counts as hand-edited, that is, whether anything changed.
    bool WriteTo(std::span<std::uint8_t> picture) const;

private:
    int firstColumn_;
    std::array<bool, kModuleLeds> lit_{};
    std::array<bool, kModuleLeds> atOpening_{};
};

}  // namespace ovis
