// ovisctl programs and program: a project's program list and one program as a listing.
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "project/program_files.h"
#include "project/table_readability.h"
#include "programs/program_texts.h"
#include "records/blanks.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

constexpr int kProgramUnreadable = 1;
constexpr int kProgramMissing = 2;

// A record name as one field: UTF-8, control characters escaped.
std::string Field(std::string_view recordText) { return EscapeControlCharacters(ToUtf8(recordText)); }

int ProgramsCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 1);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    for (const ProgramListEntry& entry : ProgramList(projectDir)) {
        std::cout << entry.number << '\t' << EscapeControlCharacters(entry.name) << '\t' << TrimBlanks(entry.sizeText)
                  << '\t' << TrimBlanks(entry.dateText) << '\n';
    }
    return 0;
}

int ProgramCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 2);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::string& name = a.Required(1, "PROGRAMM");
    if (!ProgramFileExists(projectDir, name)) {
        std::cerr << "Das Programm \"" << EscapeControlCharacters(name) << "\" existiert nicht.\n";
        return kProgramMissing;
    }
    auto lines = std::make_unique<ProgramTable>();
    LoadProgramLines(*lines, projectDir, name);
    if (const auto& unreadable = lines->Unreadable()) {
        std::cerr << TerminalLines(UnreadableTableText(unreadable->path, unreadable->reason)) << '\n';
        return kProgramUnreadable;
    }
    for (std::size_t i = 0; i < lines->Count(); ++i) {
        const TProgrammLine& line = lines->Row(i);
        std::cout << i + 1 << '\t' << Field(line.Bezeichnung.view()) << '\t' << Field(line.MeldungA.view()) << '\t'
                  << Field(line.Logik.view()) << '\t' << Field(line.MeldungB.view()) << '\t' << line.Wert << '\t'
                  << Field(UnitCellText(line)) << '\t'
                  << (line.Order.view() == kNoOrder ? std::string() : Field(line.Order.view())) << '\t'
                  << Field(line.MeldungC.view()) << '\n';
    }
    return 0;
}

CommandRegistration programs{"programs", "programs PROJEKTVERZEICHNIS", ProgramsCommand};
CommandRegistration program{"program", "program PROJEKTVERZEICHNIS PROGRAMM", ProgramCommand};

}  // namespace
}  // namespace ovis::cli
