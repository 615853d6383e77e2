#pragma once
// A base directory in a temporary folder with a project store over fresh tables.
#include <memory>

#include "project/project_store.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace ovis::test {

struct ProjectFixture {
    TempDir base;
    std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
    ScriptedDialogs dialogs;
    ProjectStore store{*tables, dialogs, base.path()};

    ProjectFixture() { std::filesystem::create_directories(store.ProjectRoot()); }

    // Creates a project's file set from the tables in memory.
    void CreateProject(const std::string& name) { store.CreateProjectFiles(name); }

    std::filesystem::path ProjectDir(const std::string& name) const { return store.ProjectRoot() / name; }
};

}  // namespace ovis::test
