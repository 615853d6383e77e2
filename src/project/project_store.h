#pragma once
// Where projects live, the settings file with the start-view project, and the project commands'
// work on files: creating a project's file set, loading every table, copying a project.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "project/project_tables.h"

namespace ovis {

inline constexpr const char* kProjectsFolder = "Projekte";
inline constexpr const char* kSettingsFileName = "Ovis.ini";
inline constexpr const char* kStatisticsFileName = "Statistik.ofp";

enum class NameRequest { NewProject, SaveAs };

// The base directory: OVIS_BASE when set, else the stored setting, else the platform default
// (C:\Ovis\ on Windows, $HOME/Ovis/ elsewhere). The result ends with a separator.
std::filesystem::path ResolveBaseDirectory(const std::optional<std::string>& environment,
                                           const std::optional<std::string>& setting,
                                           const std::optional<std::string>& home);

// The name in a settings file's text: up to the first line end.
std::string StartViewNameFromText(std::string_view text);

class ProjectStore {
public:
    ProjectStore(ProjectTables& tables, Dialogs& dialogs, std::filesystem::path baseDirectory);

    const std::filesystem::path& BaseDirectory() const { return base_; }
    void SetBaseDirectory(std::filesystem::path base);
    std::filesystem::path ProjectRoot() const;
    // Project root + current project name; composed afresh at every call.
    std::filesystem::path ProjectDirectory() const;
    const std::string& CurrentProjectName() const { return currentName_; }
    void SetCurrentProjectName(std::string name) { currentName_ = std::move(name); }
    bool ProjectExists(const std::string& name) const;  // without regard to case

    ProjectTables& Tables() { return tables_; }
    const ProjectTables& Tables() const { return tables_; }

    std::filesystem::path SettingsFile() const;
    // The start-view project named in the settings file; IoError when it cannot be read.
    std::string ReadStartView() const;
    // Writes the current project name into the settings file, without line end.
    void WriteStartView() const;

    // Loads every table of the current project in the fixed order; nothing is written or removed.
    // An IoError stops it at the failing table: tables before it stay loaded, those after it keep
    // their content.
    void LoadAllTables();
    // The same for the project in `projectDir`, wherever it lies (ovisctl).
    void LoadAllTablesFrom(const std::filesystem::path& projectDir);

    // The name input loop; nothing when the user cancels.
    std::optional<std::string> AskProjectName(NameRequest request);

    // Writes the file set of a new project from the tables in memory (the name is not made current).
    // The project is built in a staging directory beside its target, completed by `complete`
    // when given, and renamed into place: on any error (IoError) nothing of it remains.
    void CreateProjectFiles(const std::string& name,
                            const std::function<void(const std::filesystem::path& dir)>& complete = {});

    // "Neues Projekt...": asks for the name, creates the file set and loads it. False when
    // cancelled or when creating or loading failed (the error was shown).
    bool NewProject();

    // Save-as after the name was asked: copy, then move under the new name, remove the temporary
    // files of interrupted saves, load, store the name in the system parameters. False when the
    // copy could not be moved (the error was shown and the previous project stays current) or
    // when loading failed.
    bool SaveProjectAs(const std::string& newName);

    // Phase B of opening: the project is opened for writing, so the temporary files of its
    // interrupted saves are removed first (RemoveInterruptedSaves); then it loads the current
    // project. False when loading failed (shown).
    bool OpenCurrentProject();

    // Start-up: loads the tables of the start-view project, then no project counts as open.
    // Errors are shown; the program goes on. False when loading failed.
    bool LoadStartView();

private:
    void WriteNewProjectFileSet(const std::filesystem::path& dir);
    bool ShowingErrors(const std::function<void()>& action);

    ProjectTables& tables_;
    Dialogs& dialogs_;
    std::filesystem::path base_;
    std::string currentName_;
};

}  // namespace ovis
