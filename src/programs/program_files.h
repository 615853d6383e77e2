#pragma once
// Program files "*.pgm" below "Programme" and the program currently loaded for editing.
#include <filesystem>
#include <string>
#include <vector>

#include "programs/program_line.h"
#include "tables/record_table.h"

namespace ovis {

inline constexpr const char* kProgramsFolder = "Programme";
inline constexpr const char* kMainProgram = "Main";
inline constexpr const char* kProgramExtension = ".pgm";

using ProgramTable = RecordTable<TProgrammLine>;

std::filesystem::path ProgramFilePath(const std::filesystem::path& projectDir, const std::string& name);

struct CurrentProgram {
    std::string name = kMainProgram;
    ProgramTable lines;

    // Loads the named program (open retried; a file that cannot be opened gives no lines).
    TableLoadResult Load(const std::filesystem::path& projectDir, const std::string& programName);
    void Save(const std::filesystem::path& projectDir);
};

}  // namespace ovis
