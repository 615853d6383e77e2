#pragma once
// The messages of a folder of the current project as the evaluation windows show them.
#include <string>
#include <vector>

#include "evaluation/analyser_rows.h"
#include "project/project_tables.h"

namespace ovis {

// The names (record bytes) of the folder's messages in folder order, as the message selection lists them.
std::vector<std::string> FolderMessageNames(const ProjectTables& tables, int folder);

// The analyser's rows for the folder: its messages that the project's selection shows.
AnalyserRows FolderRows(const ProjectTables& tables, int folder);

}  // namespace ovis
