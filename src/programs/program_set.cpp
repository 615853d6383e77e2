#include "programs/program_set.h"

#include <cerrno>
#include <cstring>

#include "project/listed_files.h"
#include "project/program_files.h"
#include "records/codepage.h"
#include "records/typed_file.h"
#include "project/record_table.h"
#include "project/table_readability.h"

namespace ovis {

int ProgramSet::LineNumber(std::size_t lineIndex) const {
    const Program& program = ProgramOf(lineIndex);
    int offset = static_cast<int>(lineIndex - program.firstLine);
    return programOfLine.at(lineIndex) == 0 ? offset + 1 : offset;
}

bool ProgramSet::IsHeaderLine(std::size_t lineIndex) const {
    return programOfLine.at(lineIndex) != 0 && ProgramOf(lineIndex).firstLine == lineIndex;
}

namespace {

TProgrammLine HeaderLine(const ProgramSet& set, const ProgramSource& program) {
    TProgrammLine header;
    if (set.lines.empty()) {
        std::memset(&header, 0, sizeof header);
    } else {
        header = set.lines.back();
    }
    header.Bezeichnung = RecordText(std::filesystem::path(program.fileName).stem().string());
    header.Einheit = kSubProgramUnit;
    header.Wert = static_cast<std::int32_t>((program.lines.size() + 1) * 16);
    return header;
}

void AppendLines(ProgramSet& set, const std::vector<TProgrammLine>& lines) {
    for (const auto& line : lines) {
        set.lines.push_back(line);
        set.programOfLine.push_back(set.programs.size() - 1);
    }
}

}  // namespace

ProgramSet JoinPrograms(const ProgramSource& mainProgram, std::span<const ProgramSource> furtherPrograms) {
    ProgramSet set;
    std::size_t total = mainProgram.lines.size();
    for (const auto& program : furtherPrograms) total += program.lines.size() + 1;
    set.lines.reserve(total);
    set.programOfLine.reserve(total);

    set.programs.push_back({mainProgram.fileName, 0, mainProgram.lines.size()});
    AppendLines(set, mainProgram.lines);
    for (const auto& program : furtherPrograms) {
        TProgrammLine header = HeaderLine(set, program);
        set.programs.push_back({program.fileName, set.lines.size(), program.lines.size() + 1});
        set.lines.push_back(header);
        set.programOfLine.push_back(set.programs.size() - 1);
        AppendLines(set, program.lines);
    }
    return set;
}

namespace {

// A missing file has no lines; one that is there but cannot be opened raises IoError, so that
// no program is left out unseen.
std::vector<TProgrammLine> ReadProgramLines(const std::filesystem::path& file) {
    auto read = ReadRecordsWithRetries<TProgrammLine>(file, kMaxTableRows);
    if (read) return std::move(read->records);
    const int err = errno;
    if (err != ENOENT && err != ENOTDIR) throw IoError(UnreadableTableText(file, SystemErrorText(err)));
    return {};
}

}  // namespace

ProgramSet LoadProgramSet(const std::filesystem::path& projectDir, std::size_t openProgramLines) {
    // A ".pgm" entry that is no regular file (a folder, a link loop) is not listed as a program,
    // yet no program may be left out unseen.
    const std::filesystem::path folder = ProgramsDirectory(projectDir);
    for (const std::string& entry : ListedEntryNames(folder, kProgramExtension)) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(folder / entry, ec)) ReadProgramLines(folder / entry);
    }
    const std::vector<std::string> names = ProgramNames(projectDir);
    ProgramSource main{std::string(kMainProgram) + kProgramExtension,
                       ReadProgramLines(ProgramFilePath(projectDir, kMainProgram))};
    std::vector<ProgramSource> further;
    for (std::size_t i = 1; i < names.size(); ++i)
        further.push_back({names[i] + kProgramExtension, ReadProgramLines(ProgramFilePath(projectDir, names[i]))});
    if (openProgramLines == 0) return {};
    return JoinPrograms(main, further);
}

}  // namespace ovis
