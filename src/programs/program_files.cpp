#include "programs/program_files.h"

#include <algorithm>

#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {
bool HasProgramExtension(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == kProgramExtension;
}
}  // namespace

fs::path ProgramFilePath(const fs::path& projectDir, const std::string& name) {
    return ResolveInDirectory(ResolveInDirectory(projectDir, kProgramsFolder), name + kProgramExtension);
}

std::vector<std::string> ListPrograms(const fs::path& projectDir) {
    std::vector<std::string> names{kMainProgram};
    std::error_code ec;
    fs::path dir = ResolveInDirectory(projectDir, kProgramsFolder);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || !HasProgramExtension(it->path())) continue;
        std::string stem = it->path().stem().string();
        std::string lower = stem;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (lower != "main") names.push_back(stem);
    }
    return names;
}

TableLoadResult CurrentProgram::Load(const fs::path& projectDir, const std::string& programName) {
    auto result = lines.Load(ProgramFilePath(projectDir, programName));
    name = programName;
    return result;
}

void CurrentProgram::Save(const fs::path& projectDir) { lines.Save(ProgramFilePath(projectDir, name)); }

}  // namespace ovis
