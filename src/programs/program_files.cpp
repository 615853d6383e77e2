#include "programs/program_files.h"

#include <algorithm>

#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

fs::path ProgramFilePath(const fs::path& projectDir, const std::string& name) {
    return ResolveInDirectory(ResolveInDirectory(projectDir, kProgramsFolder), name + kProgramExtension);
}

TableLoadResult CurrentProgram::Load(const fs::path& projectDir, const std::string& programName) {
    auto result = lines.Load(ProgramFilePath(projectDir, programName));
    name = programName;
    return result;
}

void CurrentProgram::Save(const fs::path& projectDir) { lines.Save(ProgramFilePath(projectDir, name)); }

}  // namespace ovis
