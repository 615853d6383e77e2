// ovisctl check PROJEKTVERZEICHNIS TABELLE: the save check of a table, as its editor runs it.
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/stderr_dialogs.h"
#include "records/io_error.h"
#include "records/terminal_text.h"
#include "project/project_store.h"
#include "tables/table_save_checks.h"

namespace ovis::cli {
namespace {

constexpr int kCheckPassed = 0;
constexpr int kCheckFailed = 1;
constexpr int kProjectUnreadable = 2;

std::string TableWords() {
    std::string words;
    for (const auto& check : TableSaveChecks()) words += (words.empty() ? "" : ", ") + std::string(check.word);
    return words;
}

int CheckCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 2);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::string& word = a.Required(1, "TABELLE");
    const TableSaveCheck* check = FindTableSaveCheck(word);
    if (!check) throw UsageError("unbekannte Tabelle \"" + word + "\" (bekannt: " + TableWords() + ")");

    auto tables = std::make_unique<ProjectTables>();
    StderrDialogs dialogs;
    ProjectStore store(*tables, dialogs, projectDir.parent_path());
    try {
        store.LoadAllTablesFrom(projectDir);
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return kProjectUnreadable;
    }

    const auto failure = check->run(*tables);
    if (!failure) {
        std::cout << "ok\n";
        return kCheckPassed;
    }
    std::cout << TerminalLines(failure->message) << "\ncursor " << failure->row << ' ' << failure->column << '\n';
    return kCheckFailed;
}

CommandRegistration check{"check", "check PROJEKTVERZEICHNIS TABELLE   (TABELLE: " + TableWords() + ")", CheckCommand};

}  // namespace
}  // namespace ovis::cli
