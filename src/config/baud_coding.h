#pragma once
// Baud rates of the Interface and the PC port, stored as factors of 9600.
#include <array>
#include <optional>
#include <string_view>

namespace ovis {

inline constexpr std::array<std::string_view, 5> kBaudRateTexts = {"9600", "19200", "38400", "57600", "115200"};
inline constexpr std::array<int, 5> kBaudFactors = {1, 2, 4, 6, 12};

// List position 0..4 to the stored factor.
constexpr std::optional<int> BaudFactorForListIndex(int index) {
    if (index < 0 || index >= int(kBaudFactors.size())) return std::nullopt;
    return kBaudFactors[index];
}

// A stored factor to its list position; nothing for a factor outside 1, 2, 4, 6, 12.
constexpr std::optional<int> ListIndexForBaudFactor(int factor) {
    for (int i = 0; i < int(kBaudFactors.size()); ++i)
        if (kBaudFactors[i] == factor) return i;
    return std::nullopt;
}

}  // namespace ovis
