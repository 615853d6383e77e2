#include "sim/memory_dump.h"

#include "records/typed_file.h"

namespace ovis::sim {

std::filesystem::path MemoryDumpPath(const std::string& prefix, int area) {
    return prefix + std::to_string(area) + ".bin";
}

void WriteMemoryDump(const SimMemory& memory, const std::string& prefix) {
    for (int area = 1; area <= kMemoryAreas; ++area)
        WriteFileAtomically(MemoryDumpPath(prefix, area), memory.Read(area, 0, kAreaSize));
}

}  // namespace ovis::sim
