#pragma once
// The memory that a configuration image leaves in the Interface.
#include "link/configuration_image.h"
#include "sim/sim_memory.h"

namespace ovis::test {

// Fresh simulator memory with the image's writes applied.
inline sim::SimMemory MemoryAfter(const ConfigurationImage& image) {
    sim::SimMemory memory;
    for (const auto& write : image.configuration) memory.Write(int(write.area), write.address, write.data);
    for (const auto& file : image.outputData)
        for (const auto& write : file) memory.Write(int(write.area), write.address, write.data);
    return memory;
}

}  // namespace ovis::test
