#include "link/unit_directory.h"

#include <cstdio>

namespace ovis {

std::vector<UnitBegin> DecodeUnitDirectory(std::span<const std::uint8_t> d) {
    std::vector<UnitBegin> units;
    if (d.size() < 6) return units;
    int year = d[4] + 256 * d[5];
    // Unit 1 takes bytes 0-5, unit k > 1 bytes 4k-2 to 4k+1.
    const std::size_t count = (d.size() - 2) / 4;
    units.reserve(count);
    for (std::size_t k = 1; k <= count; ++k) {
        const std::size_t at = k == 1 ? 0 : 4 * k - 2;
        UnitBegin unit{d[at], d[at + 1], d[at + 2], d[at + 3], 0};
        if (k > 1 && unit.month > units.back().month) --year;
        unit.year = year;
        units.push_back(unit);
    }
    return units;
}

std::string UnitBeginCell(const UnitBegin& unit) {
    char text[48];
    std::snprintf(text, sizeof text, " %02d.%02d.%04d   %02d:%02d", unit.day, unit.month, unit.year, unit.hour,
                  unit.minute);
    return text;
}

bool DirectoryReadEnds(int receiveLength, int folderUnits) {
    return receiveLength < 128 || folderUnits == 31 || folderUnits == 63;
}

}  // namespace ovis
