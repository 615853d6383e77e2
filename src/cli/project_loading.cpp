#include "cli/project_loading.h"

#include <iostream>

#include "cli/stderr_dialogs.h"
#include "project/program_files.h"
#include "project/project_store.h"
#include "project/table_readability.h"
#include "records/io_error.h"
#include "records/terminal_text.h"

namespace ovis::cli {

ProjectLoad LoadProjectTables(ProjectTables& tables, const std::filesystem::path& projectDir,
                              const std::optional<std::string>& programName) {
    StderrDialogs dialogs;
    ProjectStore store(tables, dialogs, projectDir.parent_path());
    try {
        store.LoadAllTablesFrom(projectDir);
        if (programName) {
            if (!ProgramFileExists(projectDir, *programName)) {
                std::cerr << "Das Programm \"" << EscapeControlCharacters(*programName) << "\" existiert nicht.\n";
                return ProjectLoad::Failed;
            }
            tables.program.Load(projectDir, *programName);
        }
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return ProjectLoad::Failed;
    }
    if (const auto unreadable = UnreadableTableMessage(tables)) {
        std::cerr << TerminalLines(*unreadable) << '\n';
        return ProjectLoad::TableUnreadable;
    }
    return ProjectLoad::Loaded;
}

}  // namespace ovis::cli
