#include "led/module_pixels.h"

namespace ovis {
namespace {

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// Circle n (1-based) shows column ⌊(n − 1) / 7⌋ and row (n − 1) mod 7 (both 0-based here); row r
// (0 the top) is bit 6 − r of the column byte.
int ColumnOf(int index) { return index / kModuleRows; }
int BitOf(int index) { return 6 - index % kModuleRows; }

}  // namespace

int ModuleFirstColumn(int column, int scrollPosition) {
    return scrollPosition + kModuleColumns * FloorDiv(column - scrollPosition - 1, kModuleColumns) + 1;
}

ModulePixels::ModulePixels(std::span<const std::uint8_t> picture, int firstColumn) : firstColumn_(firstColumn) {
    for (int i = 0; i < kModuleLeds; ++i) {
        const int column = firstColumn + ColumnOf(i);
        if (column < 1 || column > int(picture.size())) continue;
        lit_[std::size_t(i)] = ((picture[std::size_t(column - 1)] >> BitOf(i)) & 1) != 0;
    }
    atOpening_ = lit_;
}

bool ModulePixels::Lit(int circle) const {
    return circle >= 1 && circle <= kModuleLeds && lit_[std::size_t(circle - 1)];
}

void ModulePixels::Toggle(int circle) {
    if (circle >= 1 && circle <= kModuleLeds) lit_[std::size_t(circle - 1)] = !lit_[std::size_t(circle - 1)];
}

void ModulePixels::AllOrNone() { lit_.fill(!lit_[0]); }

std::array<std::uint8_t, kModuleColumns> ModulePixels::Columns() const {
    std::array<std::uint8_t, kModuleColumns> columns{};
    for (int i = 0; i < kModuleLeds; ++i)
        if (lit_[std::size_t(i)]) columns[std::size_t(ColumnOf(i))] |= std::uint8_t(1u << BitOf(i));
    return columns;
}

bool ModulePixels::WriteTo(std::span<std::uint8_t> picture) const {
    const auto columns = Columns();
    for (int k = 0; k < kModuleColumns; ++k) {
        const int column = firstColumn_ + k;
        if (column >= 1 && column <= int(picture.size())) picture[std::size_t(column - 1)] = columns[std::size_t(k)];
    }
    return Changed();
}

}  // namespace ovis
