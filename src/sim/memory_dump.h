#pragma once
// Memory dumps of the simulated Interface: one file of 65536 bytes per memory area.
#include <filesystem>
#include <string>

#include "sim/sim_memory.h"

namespace ovis::sim {

// PREFIX + "1.bin", "2.bin", "3.bin".
std::filesystem::path MemoryDumpPath(const std::string& prefix, int area);

// Writes the three areas; IoError when a file cannot be written.
void WriteMemoryDump(const SimMemory& memory, const std::string& prefix);

}  // namespace ovis::sim
