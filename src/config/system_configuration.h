#pragma once
// The system configuration dialog's decisions: units of the memory, acquisition folders (acting on
// the project's directories at once), the module ring, saving and the close question.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "project/parameter_record.h"
#include "platform/dialogs.h"

namespace ovis {

class ProjectStore;

inline constexpr int kMaxDialogModules = 50;

// What the dialog asks of the rest of the program.
class ConfigurationHooks {
public:
    virtual ~ConfigurationHooks() = default;
    virtual void CloseEvaluationWindow() {}
    virtual void ReopenSerialPort() {}
    virtual void RedrawEditors() {}
    virtual void GroupsChanged() {}
};

// The folder control clicked last.
enum class FolderField { AllMessages, Output, Grid };

class SystemConfiguration {
public:
    SystemConfiguration(ProjectStore& store, Dialogs& dialogs, ConfigurationHooks& hooks);

    // Called whenever the dialog is shown: closes the evaluation window, cuts the module count to
    // 50 and recomputes the units of the all-messages folder.
    void Show();

    TParameterRecord& Record();
    const TParameterRecord& Record() const;

    int FolderCount() const { return folderCount_; }
    int ModuleCount() const { return moduleCount_; }
    int TotalUnits() const;
    int AllMessagesUnits() const;  // "U1"

    // Texts of the panels and grid lines.
    static std::string LineNumberText(int number);  // "01"
    static std::string UnitsText(int units);        // " 5"
    std::string ModuleName(int position) const;     // 1-based

    // Memory size; false (with the warning) when 128 KByte is refused.
    bool ChooseMemorySize(int code);

    // Units of grid folder i (1..n): the list offers 1 to the returned limit.
    int UnitsChoiceLimit(int folder) const;
    void ChooseUnits(int folder, int units);

    bool CanCreateFolder() const;
    // The whole command with its input loop; false when cancelled or failed.
    bool CreateFolder();
    // The folder fields can always be renamed, a grid line only when it holds a folder.
    bool CanRenameFolder(FolderField field, int gridFolder) const;
    // Renames the folder of the field (gridFolder 1..n for the grid).
    bool RenameFolder(FolderField field, int gridFolder);
    bool CanDeleteFolder(int gridFolder) const;
    // Deletes grid folder i; returns the grid cursor row (1-based) afterwards.
    int DeleteFolder(int gridFolder, int cursorRow);

    bool CanInsertModules() const { return moduleCount_ < kMaxDialogModules; }
    bool CanDeleteModules() const { return moduleCount_ > 0; }
    // Inserts `code` once per selected grid line (first..last, 1-based lines).
    void InsertModules(int code, int firstLine, int lastLine);
    void DeleteModules(int firstLine, int lastLine);

    // "Speichern"; false when the neighbour check ended it.
    bool Save(bool startedByClose = false);
    // The fields of the close question differ from the saved image.
    bool HasUnsavedChanges() const;
    // The close question; false keeps the dialog open.
    bool Close();

private:
    std::filesystem::path FolderParent(FolderField field) const;
    void RecomputeAllMessagesUnits(TParameterRecord& record) const;
    void WriteSingleChange(const std::function<void(TParameterRecord&)>& change);
    std::optional<std::string> AskFolderName(const std::string& caption, const std::string& prompt,
                                             const std::string& initial, const std::string& forbiddenPrefix,
                                             const std::string& existsPrefix, const std::filesystem::path& parent);
    void RenameGroups(const std::string& from, const std::string& to);

    ProjectStore& store_;
    Dialogs& dialogs_;
    ConfigurationHooks& hooks_;
    int folderCount_ = 0;
    int moduleCount_ = 0;
};

}  // namespace ovis
