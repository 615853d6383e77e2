#include "evaluation/file_name_dialog.h"

#include "project/recording_event.h"

namespace ovis {
namespace {

const char* const kFileListLine =
    "Bitte geben Sie einen anderen Namen ein!\r\r"
    "Folgende Zeichen dürfen im Dateinamen nicht enthalten sein: \\ / : * ? \" < > | ";

NameTexts TextsOf(FileNameCommand command) {
    switch (command) {
        case FileNameCommand::Transfer:
            return {"Der neue Ordnername ", "Die Datei \"", "\" existiert bereits! Wollen Sie diese Überschreiben?",
                    kForbiddenCharactersLine};
        case FileNameCommand::Create:
            return {"Der neue Dateiname ", "Die Datei \"", "\" existiert bereits! Wollen Sie diese überschreiben?",
                    kFileListLine};
        case FileNameCommand::Rename: break;
    }
    return {"Der neue Dateiname ", "Die Datei \"", "\" existiert bereits!", kFileListLine};
}

}  // namespace

const char* FileNameDialogTitle(FileNameCommand command) {
    switch (command) {
        case FileNameCommand::Transfer: return "Daten speichern unter...";
        case FileNameCommand::Create: return "Daten erstellen in...";
        case FileNameCommand::Rename: break;
    }
    return "Datei umbenennen in...";
}

NameCheck CheckFileName(FileNameCommand command, std::string_view entered,
                        const std::function<bool(const std::string&)>& exists) {
    return CheckName(entered, TextsOf(command), exists);
}

bool AsksBeforeOverwriting(FileNameCommand command) { return command != FileNameCommand::Rename; }

bool RecordingFileExists(const std::filesystem::path& dir, const std::string& name) {
    return DirectoryEntryExists(dir, name + kRecordingExtension);
}

std::optional<std::string> AskFileName(Dialogs& dialogs, FileNameCommand command, const std::string& initial,
                                       const std::filesystem::path& folderDirectory) {
    auto exists = [&](const std::string& name) { return RecordingFileExists(folderDirectory, name); };
    std::string text = initial;
    for (;;) {
        auto entered = dialogs.Input(FileNameDialogTitle(command), kFileNamePrompt, text);
        if (!entered) return std::nullopt;
        text = *entered;
        const NameCheck check = CheckFileName(command, text, exists);
        switch (check.verdict) {
            case NameVerdict::Accepted: return check.name;
            case NameVerdict::Empty: break;
            case NameVerdict::Forbidden:
            case NameVerdict::NotStorable: dialogs.Warning(check.message); break;
            case NameVerdict::Exists:
                if (!AsksBeforeOverwriting(command)) {
                    dialogs.Information(check.message);
                } else if (dialogs.Show(BoxKind::Warning, check.message, Buttons::YesNo) == Answer::Yes) {
                    return check.name;
                }
                break;
        }
    }
}

}  // namespace ovis
