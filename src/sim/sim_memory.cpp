#include "sim/sim_memory.h"

#include <algorithm>

namespace ovis::sim {

SimMemory::SimMemory() {
    for (auto& area : areas_) area.assign(kAreaSize, 0);
}

bool SimMemory::Write(int area, std::uint16_t address, std::span<const std::uint8_t> bytes) {
    if (!ValidArea(area)) return false;
    auto& memory = areas_[std::size_t(area - 1)];
    const std::size_t n = std::min(bytes.size(), kAreaSize - address);
    std::copy_n(bytes.begin(), n, memory.begin() + address);
    return true;
}

std::vector<std::uint8_t> SimMemory::Read(int area, std::uint16_t address, std::size_t count) const {
    if (!ValidArea(area)) return {};
    const auto& memory = areas_[std::size_t(area - 1)];
    const std::size_t n = std::min(count, kAreaSize - address);
    return {memory.begin() + address, memory.begin() + std::ptrdiff_t(address + n)};
}

}  // namespace ovis::sim
