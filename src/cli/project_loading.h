#pragma once
// The tables of a project (and one program) for the commands that check or print them.
#include <filesystem>
#include <optional>
#include <string>

#include "project/project_tables.h"

namespace ovis::cli {

enum class ProjectLoad {
    Loaded,
    Failed,           // a file could not be read, or the program does not exist
    TableUnreadable,  // a table was left empty because its file could not be read
};

// Loads every table of `projectDir` and, when `programName` is given, that program. Anything but
// `Loaded` has printed its German reason on stderr.
ProjectLoad LoadProjectTables(ProjectTables& tables, const std::filesystem::path& projectDir,
                              const std::optional<std::string>& programName);

}  // namespace ovis::cli
