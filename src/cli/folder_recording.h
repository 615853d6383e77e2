#pragma once
// A project's tables and a recording file, loaded for a command that works on the messages one
// folder of the project shows (analyser search, edit and export).
#include <memory>
#include <optional>

#include "cli/arguments.h"
#include "evaluation/analyser_rows.h"
#include "project/project_tables.h"
#include "project/recording.h"

namespace ovis::cli {

struct FolderRecording {
    std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();
    AnalyserRows rows;
};

// Loads the project (positional argument 0) and the recording (argument 1) with the rows of
// `folder`; a message on stderr and nothing for a folder that does not exist or is not set up.
// IoError when the recording cannot be read.
std::optional<FolderRecording> LoadFolderRecording(const Arguments& a, int folder);

}  // namespace ovis::cli
