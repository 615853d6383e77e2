#pragma once
// Tables that loaded empty because their file is there but could not be opened. The editors may
// keep such a table; whatever sends or checks the whole project refuses it.
#include <optional>
#include <string>

#include "project/project_tables.h"
#include "project/record_table.h"

namespace ovis {

// The message for a table file that could not be opened, naming the file.
std::string UnreadableTableText(const std::filesystem::path& path, const std::string& reason);

// The message for the first table of the project (groups, counters, timers, LED, the open
// program) whose file could not be opened; nothing when every table was read.
std::optional<std::string> UnreadableTableMessage(const ProjectTables& tables);

}  // namespace ovis
