#pragma once
// The module assignment "Modulzuordnung" of one LED message: the physical module number of each of
// its `Modulzahl` module positions.
#include <cstdint>
#include <string>
#include <vector>

#include "project/led_record.h"

namespace ovis {

class ModuleAssignment {
public:
    // The first `Modulzahl` entries of the row's `ModulListe`.
    explicit ModuleAssignment(const TLedRecord& row);

    int Positions() const { return int(numbers_.size()); }
    // "001", "002", ... for position 1, 2, ...
    static std::string PositionText(int position);
    int Number(int position) const { return numbers_.at(std::size_t(position - 1)); }
    // A module number 0 to 255; others are refused (false).
    bool SetNumber(int position, int number);

    // "Standard": the consecutive list from ⌈X0 / 5⌉.
    void Standard();
    // "Übernehmen": writes the numbers into `ModulListe` (positions beyond the list become 0).
    void ApplyTo(TLedRecord& row) const;

private:
    int x0_ = 1;
    std::vector<std::uint8_t> numbers_;
};

}  // namespace ovis
