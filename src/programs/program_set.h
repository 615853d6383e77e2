#pragma once
// ProgramSet: the lines of every program of a project as the Interface receives them: "Main.pgm"
// first, then each further program as a header line followed by its lines.
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "project/program_line.h"

namespace ovis {

inline constexpr const char* kSubProgramUnit = "UP";

// One program file's lines, named as listed (with ".pgm").
struct ProgramSource {
    std::string fileName;
    std::vector<TProgrammLine> lines;
};

struct ProgramSet {
    struct Program {
        std::string fileName;      // "Main.pgm" first, the others as listed
        std::size_t firstLine = 0; // index of its first line in `lines` (the header of a sub-program)
        std::size_t lineCount = 0; // lines in the set, header line included
    };

    std::vector<TProgrammLine> lines;
    std::vector<Program> programs;
    std::vector<std::size_t> programOfLine;  // index into `programs`, per line

    std::size_t Size() const { return lines.size(); }
    const Program& ProgramOf(std::size_t lineIndex) const { return programs.at(programOfLine.at(lineIndex)); }
    // The line's number inside its program: from 1 in "Main.pgm", from 0 (the header) in the others.
    int LineNumber(std::size_t lineIndex) const;
    bool IsHeaderLine(std::size_t lineIndex) const;
};

// Joins the main program and the further programs (in listing order). A header line is a copy of
// the line before it with `Bezeichnung` = the program name, `Einheit` "UP" and `Wert` =
// (lines + 1) * 16; with no line before it, the copy is of a blank line.
ProgramSet JoinPrograms(const ProgramSource& mainProgram, std::span<const ProgramSource> furtherPrograms);

// Reads "Main.pgm" and every other "*.pgm" of the project's "Programme" folder in listing order.
// The set is empty when the program open in the editor has no line. A missing "Main.pgm" has no
// lines; IoError, naming the file, when a program file (or any "*.pgm" entry) is there but
// cannot be read.
ProgramSet LoadProgramSet(const std::filesystem::path& projectDir, std::size_t openProgramLines);

}  // namespace ovis
