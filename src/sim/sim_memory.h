#pragma once
// The Interface's memory areas 1 to 3 (firmware, output data, configuration), 64 KByte each.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ovis::sim {

inline constexpr int kMemoryAreas = 3;
inline constexpr std::size_t kAreaSize = 0x10000;

class SimMemory {
public:
    SimMemory();

    static bool ValidArea(int area) { return area >= 1 && area <= kMemoryAreas; }
    // Writes `bytes` from `address` on; bytes beyond the end of the area are dropped.
    // False for an unknown area.
    bool Write(int area, std::uint16_t address, std::span<const std::uint8_t> bytes);
    // `count` bytes from `address` on (fewer at the end of the area); empty for an unknown area.
    std::vector<std::uint8_t> Read(int area, std::uint16_t address, std::size_t count) const;

private:
    std::array<std::vector<std::uint8_t>, kMemoryAreas> areas_;
};

}  // namespace ovis::sim
