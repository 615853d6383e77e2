#pragma once
// The name dialog of the evaluation window's file commands: "Datei übertragen", "Datei
// erstellen" and "Datei umbenennen".
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "project/project_names.h"

namespace ovis {

enum class FileNameCommand { Transfer, Create, Rename };

inline constexpr const char* kFileNamePrompt = "Dateiname eintragen:";

// "Daten speichern unter...", "Daten erstellen in...", "Datei umbenennen in...".
const char* FileNameDialogTitle(FileNameCommand command);

// Trimming, the nine forbidden characters (with the command's start and list texts) and an
// existing file: `verdict` Exists carries the command's question ("Datei übertragen", "Datei
// erstellen") or information ("Datei umbenennen") in `message`.
NameCheck CheckFileName(FileNameCommand command, std::string_view entered,
                        const std::function<bool(const std::string&)>& exists);

// Whether an existing file is asked about (Yes overwrites) rather than refused.
bool AsksBeforeOverwriting(FileNameCommand command);

// True when `dir` holds `name` + ".ofa" (compared without regard to case).
bool RecordingFileExists(const std::filesystem::path& dir, const std::string& name);

// The input loop: asks until a name is accepted or the user cancels. Blank input asks again
// without a message; a forbidden name warns; an existing file asks (Yes accepts) or informs.
std::optional<std::string> AskFileName(Dialogs& dialogs, FileNameCommand command, const std::string& initial,
                                       const std::filesystem::path& folderDirectory);

}  // namespace ovis
