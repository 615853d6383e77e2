#include "project/output_file_table.h"

#include "project/listed_files.h"
#include "records/codepage.h"
#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

fs::path OutputFolderPath(const fs::path& projectDir, const TParameterRecord& params) {
    const fs::path output = ResolveInDirectory(ResolveInDirectory(projectDir, "Daten"), "Datenausgabe");
    return ResolveInDirectory(output, ToUtf8(params.Ordner[kOutputFolder].view()));
}

int OutputMemoryCode(std::uint8_t speichergroesse) {
    switch (speichergroesse) {
        case 1: return 15;
        case 2: return 63;
        default: return 3;
    }
}

std::vector<OutputFile> BuildOutputFileTable(const fs::path& projectDir, const TParameterRecord& params) {
    const fs::path folder = OutputFolderPath(projectDir, params);
    const int memoryCode = OutputMemoryCode(params.Speichergroesse);
    std::vector<OutputFile> table;
    std::uint16_t start = kOutputMemoryStart;
    for (const std::string& fileName : ListedFileNames(folder, ".ofa")) {
        OutputFile file;
        file.path = folder / fileName;
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(file.path, ec);
        file.recordCount = ec ? 0 : size / kRecordingRecordSize;
        const long long end = static_cast<long long>(start) + 4 * (static_cast<long long>(file.recordCount) - 2);
        file.name = RecordText(fs::path(fileName).stem().string());
        file.memoryCode = memoryCode;
        file.start = start;
        file.end = static_cast<std::uint16_t>(end);
        start = file.end;
        if (end >= kOutputMemoryStart && end <= kOutputMemoryLast) table.push_back(std::move(file));
    }
    return table;
}

}  // namespace ovis
