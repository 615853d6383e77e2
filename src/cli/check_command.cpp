// ovisctl check PROJEKTVERZEICHNIS TABELLE: the save check of a table, as its editor runs it;
// "program NAME" checks a program.
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/project_loading.h"
#include "records/terminal_text.h"
#include "programs/program_check.h"
#include "led/table_save_check_list.h"

namespace ovis::cli {
namespace {

constexpr int kCheckPassed = 0;
constexpr int kCheckFailed = 1;
constexpr int kProjectUnreadable = 2;
constexpr const char* kProgramWord = "program";

std::string TableWords() {
    std::string words;
    for (const auto& check : TableSaveChecks()) words += (words.empty() ? "" : ", ") + std::string(check.word);
    return words + ", " + kProgramWord + " PROGRAMM";
}

int CheckCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 3);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::string& word = a.Required(1, "TABELLE");
    const bool program = word == kProgramWord;
    const TableSaveCheck* check = FindTableSaveCheck(word);
    if (!check && !program) throw UsageError("unbekannte Tabelle \"" + word + "\" (bekannt: " + TableWords() + ")");
    const std::string programName = program ? a.Required(2, "PROGRAMM") : std::string();
    if (!program && a.Positional().size() > 2) throw UsageError("nur Programme werden mit Namen geprüft");

    auto tables = std::make_unique<ProjectTables>();
    switch (LoadProjectTables(*tables, projectDir, program ? std::optional(programName) : std::nullopt)) {
        case ProjectLoad::Loaded: break;
        case ProjectLoad::Failed: return kProjectUnreadable;
        // A table left empty because its file could not be read would pass every check unseen.
        case ProjectLoad::TableUnreadable: return kCheckFailed;
    }

    const auto failure = program ? CheckProgramForSave(*tables, projectDir) : check->run(*tables);
    if (!failure) {
        std::cout << "ok\n";
        return kCheckPassed;
    }
    std::cout << TerminalLines(failure->message) << "\ncursor " << failure->row << ' ' << failure->column << '\n';
    return kCheckFailed;
}

CommandRegistration check{"check", "check PROJEKTVERZEICHNIS TABELLE   (TABELLE: " + TableWords() + ")",
                          CheckCommand};

}  // namespace
}  // namespace ovis::cli
