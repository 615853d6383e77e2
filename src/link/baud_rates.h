#pragma once
// The rates the PC port can be set to, and the choice of one from a stored baud factor.
#include <array>

namespace ovis {

inline constexpr std::array<int, 13> kBaudRates = {110,   300,   600,   1200,  2400,  4800, 9600,
                                                   14400, 19200, 38400, 56000, 57600, 115200};

// The index into kBaudRates for a baud factor of the system parameters (1, 2, 4, 6, 12);
// any other factor keeps `previousIndex`.
int BaudIndexForFactor(int factor, int previousIndex);

}  // namespace ovis
