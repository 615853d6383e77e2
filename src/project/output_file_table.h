#pragma once
// The output-data files "*.ofa" of the output folder and where each lies in the Interface's
// output memory.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "project/parameter_record.h"

namespace ovis {

inline constexpr std::uint16_t kOutputMemoryStart = 0x8000;
inline constexpr std::uint16_t kOutputMemoryLast = 0xFDFF;
inline constexpr std::uintmax_t kRecordingRecordSize = 10;

struct OutputFile {
    std::string name;             // file name without ".ofa", in the tables' code page
    int memoryCode = 0;           // M: 3, 15 or 63 by `Speichergroesse`
    std::uint16_t start = 0;
    std::uint16_t end = 0;
    std::uintmax_t recordCount = 0;
    std::filesystem::path path;
};

// "Daten/Datenausgabe/" + the output folder's name, each part matched without regard to case.
std::filesystem::path OutputFolderPath(const std::filesystem::path& projectDir, const TParameterRecord& params);

// Memory code M of a memory size: 0 -> 3, 1 -> 15, 2 -> 63 (other values count as 0).
int OutputMemoryCode(std::uint8_t speichergroesse);

// The kept entries, in listing order: the first file starts at 0x8000, each ends at start +
// 4 × (records − 2) and the next starts at that end. A file whose end lies beyond 0xFDFF or
// below 0x8000 is dropped; the following files still count from its end.
std::vector<OutputFile> BuildOutputFileTable(const std::filesystem::path& projectDir, const TParameterRecord& params);

}  // namespace ovis
