#pragma once
// The data-unit directory of a folder (the joined payloads of the replies to command 8): when
// each unit's data begins, newest unit first.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ovis {

struct UnitBegin {
    int minute = 0, hour = 0, day = 0, month = 0, year = 0;
};

// Bytes 1-4 minute, hour, day, month of unit 1, bytes 5-6 its year (low byte first), then four
// bytes per further unit. The year is carried backwards: a unit whose month is greater than the
// month of the unit before it lies in the year before. A unit whose bytes are cut off at the end
// is left out.
std::vector<UnitBegin> DecodeUnitDirectory(std::span<const std::uint8_t> directory);

// The "Beginn" cell of a unit row: " dd.mm.yyyy   hh:mm".
std::string UnitBeginCell(const UnitBegin& unit);

// Whether the reply just appended ends the directory: a reply shorter than 128 bytes (address and
// command included), or any reply of a folder whose `Units` entry is 31 or 63.
bool DirectoryReadEnds(int receiveLength, int folderUnits);

}  // namespace ovis
