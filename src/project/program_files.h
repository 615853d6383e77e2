#pragma once
// Program files "*.pgm" below "Programme", the program list and the program currently loaded for
// editing.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "project/program_line.h"
#include "project/record_table.h"

namespace ovis {

inline constexpr const char* kProgramsFolder = "Programme";
inline constexpr const char* kMainProgram = "Main";
inline constexpr const char* kProgramExtension = ".pgm";

using ProgramTable = RecordTable<TProgrammLine>;

std::filesystem::path ProgramsDirectory(const std::filesystem::path& projectDir);
std::filesystem::path ProgramFilePath(const std::filesystem::path& projectDir, const std::string& name);
bool ProgramFileExists(const std::filesystem::path& projectDir, const std::string& name);

// The program names (file names without ".pgm"): "Main" first, then every other "*.pgm" of
// "Programme" in directory-listing order.
std::vector<std::string> ProgramNames(const std::filesystem::path& projectDir);

// One row of the program list.
struct ProgramListEntry {
    std::string number;    // "001", "002", ...
    std::string name;      // without ".pgm"
    std::string sizeText;  // " " + size in KB (rounded up) + " KB"; empty when the file is missing
    std::string dateText;  // " " + dd.mm.yyyy + three blanks + hh:mm; empty when the file is missing
};

// " " + the KB count (bytes / 1024, rounded up) + " KB".
std::string FileSizeText(std::uintmax_t bytes);
// " " + dd.mm.yyyy + three blanks + hh:mm of a file time, in local time.
std::string FileDateText(std::filesystem::file_time_type time);

// The program list as the "Auswahl" page shows it.
std::vector<ProgramListEntry> ProgramList(const std::filesystem::path& projectDir);

// Loads a program's lines (open retried; a file that cannot be opened gives no lines).
TableLoadResult LoadProgramLines(ProgramTable& lines, const std::filesystem::path& projectDir, const std::string& name);

struct CurrentProgram {
    std::string name = kMainProgram;  // `ProgramName`; empty when no program is open
    ProgramTable lines;

    // Loads the named program (open retried; a file that cannot be opened gives no lines).
    TableLoadResult Load(const std::filesystem::path& projectDir, const std::string& programName);
    // Writes the lines to the file of `name` (atomically) and takes the saved image; IoError.
    void Save(const std::filesystem::path& projectDir);
};

}  // namespace ovis
