#include "project/program_files.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "project/listed_files.h"
#include "records/typed_file.h"
#include "project/message_name.h"

namespace ovis {
namespace fs = std::filesystem;

fs::path ProgramsDirectory(const fs::path& projectDir) { return ResolveInDirectory(projectDir, kProgramsFolder); }

fs::path ProgramFilePath(const fs::path& projectDir, const std::string& name) {
    return ResolveInDirectory(ProgramsDirectory(projectDir), name + kProgramExtension);
}

bool ProgramFileExists(const fs::path& projectDir, const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(ProgramFilePath(projectDir, name), ec);
}

std::vector<std::string> ProgramNames(const fs::path& projectDir) {
    std::vector<std::string> names{kMainProgram};
    const std::string extension = kProgramExtension;
    for (const std::string& file : ListedFileNames(ProgramsDirectory(projectDir), extension)) {
        std::string name = file.substr(0, file.size() - extension.size());
        if (!NamesEqual(name, kMainProgram)) names.push_back(std::move(name));
    }
    return names;
}

std::string FileSizeText(std::uintmax_t bytes) {
    return " " + std::to_string(bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0)) + " KB";
}

std::string FileDateText(fs::file_time_type time) {
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(time));
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return {};
    char text[40];
    std::snprintf(text, sizeof text, " %02d.%02d.%04d   %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

std::vector<ProgramListEntry> ProgramList(const fs::path& projectDir) {
    std::vector<ProgramListEntry> list;
    for (const std::string& name : ProgramNames(projectDir)) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", int(list.size() + 1) % 1000);
        ProgramListEntry entry{number, name, {}, {}};
        const fs::path path = ProgramFilePath(projectDir, name);
        std::error_code sizeError, timeError;
        const auto size = fs::file_size(path, sizeError);
        const auto time = fs::last_write_time(path, timeError);
        if (!sizeError) entry.sizeText = FileSizeText(size);
        if (!timeError) entry.dateText = FileDateText(time);
        list.push_back(std::move(entry));
    }
    return list;
}

TableLoadResult LoadProgramLines(ProgramTable& lines, const fs::path& projectDir, const std::string& name) {
    return lines.Load(ProgramFilePath(projectDir, name));
}

TableLoadResult CurrentProgram::Load(const fs::path& projectDir, const std::string& programName) {
    auto result = LoadProgramLines(lines, projectDir, programName);
    name = programName;
    return result;
}

void CurrentProgram::Save(const fs::path& projectDir) { lines.Save(ProgramFilePath(projectDir, name)); }

}  // namespace ovis
