#include "cli/folder_recording.h"

#include <iostream>

#include "cli/stderr_dialogs.h"
#include "evaluation/folder_rows.h"
#include "project/project_store.h"

namespace ovis::cli {

std::optional<FolderRecording> LoadFolderRecording(const Arguments& a, int folder) {
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::filesystem::path file = a.Required(1, "DATEI");
    if (folder < 0 || folder >= kFolderCount) {
        std::cerr << "Den Ordner " << folder << " gibt es nicht; die Ordner sind 0 bis " << kFolderCount - 1 << ".\n";
        return std::nullopt;
    }
    FolderRecording loaded;
    StderrDialogs dialogs;
    ProjectStore store(*loaded.tables, dialogs, projectDir.parent_path());
    store.LoadAllTablesFrom(projectDir);
    if (loaded.tables->parameters.Record().Ordner[folder].empty()) {
        std::cerr << "Der Ordner " << folder << " ist im Projekt nicht angelegt.\n";
        return std::nullopt;
    }
    loaded.recording->LoadFile(file);
    loaded.rows = FolderRows(*loaded.tables, folder);
    return loaded;
}

}  // namespace ovis::cli
