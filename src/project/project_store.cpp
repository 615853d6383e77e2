#include "project/project_store.h"

#include <algorithm>
#include <cstring>

#include "records/codepage.h"
#include "records/typed_file.h"
#include "project/interrupted_saves.h"
#include "project/listed_files.h"
#include "project/output_file_table.h"
#include "project/project_names.h"
#include "project/staged_directory.h"
#include "project/table_capacity.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

fs::path WithTrailingSeparator(fs::path p) {
    if (!p.empty() && !p.has_filename()) return p;
    return p / "";
}

}  // namespace

fs::path ResolveBaseDirectory(const std::optional<std::string>& environment, const std::optional<std::string>& setting,
                              const std::optional<std::string>& home) {
    if (environment && !environment->empty()) return WithTrailingSeparator(*environment);
    if (setting && !setting->empty()) return WithTrailingSeparator(*setting);
#ifdef _WIN32
    (void)home;
    return fs::path("C:\\Ovis\\");
#else
    return WithTrailingSeparator(fs::path(home.value_or("")) / "Ovis");
#endif
}

std::string StartViewNameFromText(std::string_view text) {
    std::size_t end = text.find_first_of("\r\n");
    return std::string(text.substr(0, end));
}

ProjectStore::ProjectStore(ProjectTables& tables, Dialogs& dialogs, fs::path baseDirectory)
    : tables_(tables), dialogs_(dialogs), base_(WithTrailingSeparator(std::move(baseDirectory))) {}

void ProjectStore::SetBaseDirectory(fs::path base) { base_ = WithTrailingSeparator(std::move(base)); }

fs::path ProjectStore::ProjectRoot() const { return base_ / kProjectsFolder; }

fs::path ProjectStore::ProjectDirectory() const { return ProjectRoot() / currentName_; }

bool ProjectStore::ProjectExists(const std::string& name) const { return DirectoryEntryExists(ProjectRoot(), name); }

fs::path ProjectStore::SettingsFile() const { return base_ / kSettingsFileName; }

std::string ProjectStore::ReadStartView() const {
    Bytes bytes = ReadFileOrThrow(SettingsFile());
    return StartViewNameFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void ProjectStore::WriteStartView() const {
    WriteFileAtomically(SettingsFile(), Bytes(currentName_.begin(), currentName_.end()));
}

void ProjectStore::LoadAllTables() { LoadAllTablesFrom(ProjectDirectory()); }

void ProjectStore::LoadAllTablesFrom(const fs::path& dir) {
    // A file with more records than a table holds loads its first rows; the user is told so.
    auto note = [this](const std::string& fileName, const TableLoadResult& result) {
        if (auto message = LoadOverflowMessage(fileName, result)) dialogs_.Information(*message);
    };
    note(kIoFileName, LoadIoTable(tables_.io, dir));
    tables_.outputRecordingCount = ListedFileNames(OutputFolderPath(dir, tables_.parameters.Record()), ".ofa").size();
    tables_.signalNames.Load(dir);
    note(kGroupFileName, tables_.groups.Load(ResolveInDirectory(dir, kGroupFileName)));
    note(kCounterFileName, tables_.counters.Load(ResolveInDirectory(dir, kCounterFileName)));
    note(kTimerFileName, tables_.timers.Load(ResolveInDirectory(dir, kTimerFileName)));
    note(kLedFileName, tables_.led.Load(ResolveInDirectory(dir, kLedFileName)));
    note(std::string(kMainProgram) + kProgramExtension, tables_.program.Load(dir, kMainProgram));
    tables_.parameters.Load(dir);
    tables_.ledParameters.Load(dir);
    tables_.selection.Load(dir);
}

std::optional<std::string> ProjectStore::AskProjectName(NameRequest request) {
    const bool isNew = request == NameRequest::NewProject;
    const std::string caption = isNew ? "Projektname eintragen..." : "Projekt speichern unter...";
    const std::string prompt = isNew ? "Geben Sie einen Projektnamen an:" : "Projektname eintragen:";
    return AskForName(dialogs_, caption, prompt, isNew ? std::string() : currentName_, kProjectNameTexts,
                      [this](const std::string& n) { return ProjectExists(n); });
}

void ProjectStore::CreateProjectFiles(const std::string& name, const std::function<void(const fs::path&)>& complete) {
    CreateDirectoryOrThrow(ProjectRoot());
    const fs::path target = ProjectRoot() / name;
    StagedDirectory staged(target);
    if (std::error_code ec = staged.Create()) {
        throw IoError(
            FileErrorText("Das Verzeichnis", staged.Path(), "es kann nicht angelegt werden: " + SystemErrorText(ec)));
    }
    WriteNewProjectFileSet(staged.Path());
    if (complete) complete(staged.Path());
    if (std::error_code ec = staged.Commit())
        throw IoError(FileErrorText("Das Verzeichnis", target, "es kann nicht angelegt werden: " + SystemErrorText(ec)));
}

void ProjectStore::WriteNewProjectFileSet(const fs::path& dir) {
    TParameterRecord parameters = tables_.parameters.Record();
    std::fill(std::begin(parameters.Modulanordnung), std::end(parameters.Modulanordnung), std::uint8_t{0});
    for (int i = 1; i <= kMaxAcquisitionFolders; ++i) parameters.Ordner[i] = "";
    parameters.Systemerweiterung = 0;
    parameters.ResetNachSpannungsverlust = 0;
    parameters.Schnittstelle = 1;
    parameters.RelayMode = 0;
    parameters.ResetUmMitternacht = 0;
    WriteRecords(dir / kParameterFileName, &parameters, 1);

    TLedParameterRecord ledParameters = tables_.ledParameters.Record();
    ResetLedParametersForNewProject(ledParameters);
    WriteRecords(dir / kLedParameterFileName, &ledParameters, 1);

    WriteEmptyFile(dir / kIoFileName);
    tables_.signalNames.ClearToUnassigned();
    tables_.signalNames.Save(dir);
    WriteEmptyFile(dir / kCounterFileName);
    WriteEmptyFile(dir / kGroupFileName);
    WriteEmptyFile(dir / kLedFileName);
    WriteEmptyFile(dir / kTimerFileName);
    WriteEmptyFile(dir / kSelectionFileName);
    WriteEmptyFile(dir / kStatisticsFileName);
    CreateDirectoryOrThrow(dir / "Daten" / "Datenausgabe" / "Ausgangsdaten");
    CreateDirectoryOrThrow(dir / "Daten" / "Datenerfassung" / "Alle Meldungen");
    CreateDirectoryOrThrow(dir / kProgramsFolder);
    WriteEmptyFile(dir / kProgramsFolder / (std::string(kMainProgram) + kProgramExtension));
}

bool ProjectStore::ShowingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
        return false;
    }
}

bool ProjectStore::NewProject() {
    auto name = AskProjectName(NameRequest::NewProject);
    if (!name) return false;
    if (!ShowingErrors([&] { CreateProjectFiles(*name); })) return false;
    currentName_ = *name;
    return OpenCurrentProject();
}

bool ProjectStore::OpenCurrentProject() {
    RemoveInterruptedSaves(ProjectDirectory());
    return ShowingErrors([&] { LoadAllTables(); });
}

bool ProjectStore::SaveProjectAs(const std::string& newName) {
    const std::string oldName = currentName_;
    currentName_ = newName;
    // The copy is made beside the projects and renamed, so that a failed step never leaves a
    // half-copied project under the new name.
    StagedDirectory staged(ProjectRoot() / newName);
    std::error_code copyError = staged.Create();
    if (!copyError) fs::copy(ProjectRoot() / oldName, staged.Path(), fs::copy_options::recursive, copyError);
    if (copyError) dialogs_.Error("Fehler beim Kopieren");
    const std::error_code moveError = copyError ? copyError : staged.Commit();
    if (moveError) {
        dialogs_.Error("Fehler beim Verschieben");
        currentName_ = oldName;
        return false;
    }
    RemoveInterruptedSaves(ProjectDirectory());
    return ShowingErrors([&] {
        LoadAllTables();
        tables_.parameters.Record().Nachbarobjekt = RecordText(newName);
        tables_.parameters.Save(ProjectDirectory());
    });
}

bool ProjectStore::LoadStartView() {
    const bool loaded = ShowingErrors([&] {
        currentName_ = ReadStartView();
        LoadAllTables();
    });
    currentName_.clear();
    return loaded;
}

}  // namespace ovis
