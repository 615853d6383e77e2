#include "led/module_assignment.h"

#include <algorithm>
#include <cstdio>

#include "led/led_rows.h"

namespace ovis {

ModuleAssignment::ModuleAssignment(const TLedRecord& row) : x0_(row.X0) {
    const int count = std::clamp<int>(row.Modulzahl, 0, kLedModulePositions);
    numbers_.assign(row.ModulListe, row.ModulListe + count);
}

std::string ModuleAssignment::PositionText(int position) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", std::clamp(position, 0, 999));
    return text;
}

bool ModuleAssignment::SetNumber(int position, int number) {
    if (position < 1 || position > Positions() || number < 0 || number > 255) return false;
    numbers_[std::size_t(position - 1)] = std::uint8_t(number);
    return true;
}

void ModuleAssignment::Standard() {
    const int first = ModulePositionOfColumn(x0_);
    for (std::size_t p = 0; p < numbers_.size(); ++p) numbers_[p] = std::uint8_t(std::clamp(first + int(p), 0, 255));
}

void ModuleAssignment::ApplyTo(TLedRecord& row) const {
    std::fill(std::begin(row.ModulListe), std::end(row.ModulListe), std::uint8_t{0});
    std::copy(numbers_.begin(), numbers_.end(), row.ModulListe);
}

}  // namespace ovis
