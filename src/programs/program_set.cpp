#include "programs/program_set.h"

#include <cstring>

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
    std::string name = program.fileName;
    std::string_view extension = ".pgm";
    if (name.size() >= extension.size()) name.resize(name.size() - extension.size());
    header.Bezeichnung = name;
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

}  // namespace ovis
