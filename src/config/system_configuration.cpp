#include "config/system_configuration.h"

#include <algorithm>

#include "config/module_types.h"
#include "project/system_parameters.h"
#include "records/codepage.h"
#include "records/typed_file.h"
#include "project/project_names.h"
#include "project/project_store.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

int FolderIndex(FolderField field, int gridFolder) {
    switch (field) {
        case FolderField::AllMessages: return kAllMessagesFolder;
        case FolderField::Output: return kOutputFolder;
        case FolderField::Grid: return gridFolder;
    }
    return gridFolder;
}

bool ContainsEntries(const fs::path& dir) {
    std::error_code ec;
    return fs::directory_iterator(dir, ec) != fs::directory_iterator();
}

// Removes grid folder i (1..13) from a record: the later folders move up, the last is cleared.
void RemoveFolderEntry(TParameterRecord& r, int folder) {
    for (int k = folder; k < kMaxAcquisitionFolders; ++k) {
        r.Ordner[k] = r.Ordner[k + 1];
        r.Units[k] = r.Units[k + 1];
    }
    r.Ordner[kMaxAcquisitionFolders] = "";
    r.Units[kMaxAcquisitionFolders] = 0;
}

}  // namespace

SystemConfiguration::SystemConfiguration(ProjectStore& store, Dialogs& dialogs, ConfigurationHooks& hooks)
    : store_(store), dialogs_(dialogs), hooks_(hooks) {}

TParameterRecord& SystemConfiguration::Record() { return store_.Tables().parameters.Record(); }
const TParameterRecord& SystemConfiguration::Record() const { return store_.Tables().parameters.Record(); }

void SystemConfiguration::Show() {
    hooks_.CloseEvaluationWindow();
    folderCount_ = CountAcquisitionFolders(Record());
    moduleCount_ = std::min(CountModules(Record()), kMaxDialogModules);
    RecomputeAllMessagesUnits(Record());
}

int SystemConfiguration::TotalUnits() const { return ovis::TotalUnits(Record().Speichergroesse); }
int SystemConfiguration::AllMessagesUnits() const { return Record().Units[kAllMessagesFolder]; }

void SystemConfiguration::RecomputeAllMessagesUnits(TParameterRecord& r) const {
    int units = ovis::TotalUnits(r.Speichergroesse) - r.Units[kOutputFolder];
    for (int i = 1; i <= CountAcquisitionFolders(r); ++i) units -= r.Units[i];
    r.Units[kAllMessagesFolder] = static_cast<std::uint8_t>(std::clamp(units, 0, 255));
}

std::string SystemConfiguration::LineNumberText(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string SystemConfiguration::UnitsText(int units) { return " " + std::to_string(units); }

std::string SystemConfiguration::ModuleName(int position) const {
    auto type = ModuleTypeOf(Record().Modulanordnung[position - 1]);
    return type ? std::string(type->Name) : std::string();
}

bool SystemConfiguration::ChooseMemorySize(int code) {
    if (code == static_cast<int>(MemorySize::KB128) && folderCount_ >= 2) {
        dialogs_.Warning("Wenn die Speichergröße Ihres Interfaces nur 128KB beträgt,\r\r"
                         "       kann nur \"ein\" Ordner (Gruppen) definiert werden.");
        return false;
    }
    Record().Speichergroesse = static_cast<std::uint8_t>(code);
    for (int i = 1; i <= folderCount_; ++i) Record().Units[i] = 1;
    RecomputeAllMessagesUnits(Record());
    return true;
}

int SystemConfiguration::UnitsChoiceLimit(int folder) const {
    return Record().Units[folder] + AllMessagesUnits() - 1;
}

void SystemConfiguration::ChooseUnits(int folder, int units) {
    if (folder < 1 || folder > folderCount_ || units < 1 || units > UnitsChoiceLimit(folder)) return;
    TParameterRecord& r = Record();
    r.Units[kAllMessagesFolder] = static_cast<std::uint8_t>(r.Units[folder] + r.Units[kAllMessagesFolder] - units);
    r.Units[folder] = static_cast<std::uint8_t>(units);
}

bool SystemConfiguration::CanCreateFolder() const {
    return AllMessagesUnits() > 1 && folderCount_ < kMaxAcquisitionFolders;
}

fs::path SystemConfiguration::FolderParent(FolderField field) const {
    return store_.ProjectDirectory() / "Daten" / (field == FolderField::Output ? "Datenausgabe" : "Datenerfassung");
}

std::optional<std::string> SystemConfiguration::AskFolderName(const std::string& caption, const std::string& prompt,
                                                              const std::string& initial,
                                                              const std::string& forbiddenPrefix,
                                                              const std::string& existsPrefix, const fs::path& parent) {
    const NameTexts texts{forbiddenPrefix, existsPrefix, " existiert bereits!"};
    return AskForName(dialogs_, caption, prompt, initial, texts,
                      [&](const std::string& n) { return DirectoryEntryExists(parent, n); });
}

void SystemConfiguration::WriteSingleChange(const std::function<void(TParameterRecord&)>& change) {
    SystemParameters& parameters = store_.Tables().parameters;
    TParameterRecord image = parameters.SavedImage();
    change(image);
    parameters.SaveImage(store_.ProjectDirectory(), image);
}

bool SystemConfiguration::CreateFolder() {
    if (!CanCreateFolder()) return false;
    const fs::path parent = FolderParent(FolderField::Grid);
    auto name = AskFolderName("Neuer Ordner...", "Bitte den Namen des Ordners eintragen:", "Neuer Ordner",
                              "Der Name des Ordners ", "Der Gruppen-Ordner ", parent);
    if (!name) return false;
    std::error_code ec;
    fs::create_directories(parent / *name, ec);
    if (ec) {
        dialogs_.Error(FileErrorText("Das Verzeichnis", parent / *name, "es kann nicht angelegt werden: " + SystemErrorText(ec)));
        return false;
    }
    const int folder = ++folderCount_;
    const std::string recordName = RecordText(*name);
    Record().Ordner[folder] = recordName;
    Record().Units[folder] = 1;
    RecomputeAllMessagesUnits(Record());
    const int allMessages = AllMessagesUnits();
    try {
        WriteSingleChange([&](TParameterRecord& image) {
            image.Ordner[folder] = recordName;
            image.Units[folder] = 1;
            image.Units[kAllMessagesFolder] = static_cast<std::uint8_t>(allMessages);
        });
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
    }
    return true;
}

bool SystemConfiguration::CanRenameFolder(FolderField field, int gridFolder) const {
    return field != FolderField::Grid || CanDeleteFolder(gridFolder);
}

bool SystemConfiguration::RenameFolder(FolderField field, int gridFolder) {
    const int index = FolderIndex(field, gridFolder);
    if (!CanRenameFolder(field, gridFolder)) return false;
    const fs::path parent = FolderParent(field);
    const std::string oldRecordName = Record().Ordner[index].str();
    const std::string oldName = ToUtf8(oldRecordName);
    auto name = AskFolderName("Ordner umbenennen...", "Bitte den neuen Ordnernamen eintragen:", oldName,
                              "Der neue Ordnername ", "Der Ordner ", parent);
    if (!name) return false;
    std::error_code ec;
    fs::rename(parent / oldName, parent / *name, ec);
    if (ec) {
        dialogs_.Error(FileErrorText("Das Verzeichnis", parent / oldName, "es kann nicht umbenannt werden: " + SystemErrorText(ec)));
        return false;
    }
    const std::string recordName = RecordText(*name);
    Record().Ordner[index] = recordName;
    try {
        WriteSingleChange([&](TParameterRecord& image) { image.Ordner[index] = recordName; });
        if (field == FolderField::Grid) RenameGroups(oldRecordName, recordName);
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
    }
    return true;
}

void SystemConfiguration::RenameGroups(const std::string& from, const std::string& to) {
    GroupTable& groups = store_.Tables().groups;
    bool changed = false;
    for (TGruppeRecord& group : groups.Rows()) {
        if (group.SpeicherOrdner.view() == from) {
            group.SpeicherOrdner = to;
            changed = true;
        }
    }
    if (!changed) return;
    groups.Save(ResolveInDirectory(store_.ProjectDirectory(), kGroupFileName));
    hooks_.GroupsChanged();
}

bool SystemConfiguration::CanDeleteFolder(int gridFolder) const { return gridFolder >= 1 && gridFolder <= folderCount_; }

int SystemConfiguration::DeleteFolder(int gridFolder, int cursorRow) {
    if (!CanDeleteFolder(gridFolder)) return cursorRow;
    const std::string recordName = Record().Ordner[gridFolder].str();
    const fs::path dir = FolderParent(FolderField::Grid) / ToUtf8(recordName);
    if (ContainsEntries(dir)) {
        Answer answer = dialogs_.Show(BoxKind::Warning,
                                      "Beim Löschen des Ordners gehen noch vorhandene Daten unwiderruflich verloren.\r\r"
                                      "                                      Wollen Sie Ihn trotzdem löschen?",
                                      Buttons::YesNoCancel);
        if (answer != Answer::Yes) return cursorRow;
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    if (ec) {
        dialogs_.Error(FileErrorText("Das Verzeichnis", dir, "es kann nicht entfernt werden: " + SystemErrorText(ec)));
        return cursorRow;
    }
    const int countBefore = folderCount_;
    try {
        store_.Tables().selection.RemoveFolder(gridFolder, countBefore);
        store_.Tables().selection.Save(store_.ProjectDirectory());
        RenameGroups(recordName, "");
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
    }

    RemoveFolderEntry(Record(), gridFolder);
    --folderCount_;
    RecomputeAllMessagesUnits(Record());
    if (cursorRow == countBefore && cursorRow > 1) --cursorRow;

    // Everything pending is written, but only the deletion counts as saved for the close question.
    TParameterRecord image = store_.Tables().parameters.SavedImage();
    RemoveFolderEntry(image, gridFolder);
    RecomputeAllMessagesUnits(image);
    Save();
    store_.Tables().parameters.SetSavedImage(image);
    return cursorRow;
}

void SystemConfiguration::InsertModules(int code, int firstLine, int lastLine) {
    if (!IsModuleCode(code) || !CanInsertModules()) return;
    if (lastLine < firstLine) std::swap(firstLine, lastLine);
    const int count = std::min(std::max(lastLine - firstLine + 1, 1), kMaxDialogModules - moduleCount_);
    std::uint8_t* modules = Record().Modulanordnung;
    const int at = (firstLine >= 1 && firstLine < moduleCount_) ? firstLine : moduleCount_;  // 0-based insert index
    std::copy_backward(modules + at, modules + moduleCount_, modules + moduleCount_ + count);
    std::fill(modules + at, modules + at + count, static_cast<std::uint8_t>(code));
    moduleCount_ += count;
}

void SystemConfiguration::DeleteModules(int firstLine, int lastLine) {
    if (!CanDeleteModules()) return;
    if (lastLine < firstLine) std::swap(firstLine, lastLine);
    firstLine = std::max(firstLine, 1);
    lastLine = std::min(lastLine, moduleCount_);
    if (firstLine > lastLine) return;
    const int count = lastLine - firstLine + 1;
    std::uint8_t* modules = Record().Modulanordnung;
    std::copy(modules + lastLine, modules + moduleCount_, modules + firstLine - 1);
    std::fill(modules + moduleCount_ - count, modules + moduleCount_, std::uint8_t{0});
    moduleCount_ -= count;
}

bool SystemConfiguration::Save(bool startedByClose) {
    SystemParameters& parameters = store_.Tables().parameters;
    TParameterRecord& r = Record();
    const std::string projectName = RecordText(store_.CurrentProjectName());
    if (r.AnzahlInterfaces == 1) r.Nachbarobjekt = projectName;
    r.Units[kOutputFolder] = 1;
    RecomputeAllMessagesUnits(r);
    try {
        parameters.Save(store_.ProjectDirectory());
        if (!startedByClose && r.Nachbarobjekt.view() != projectName &&
            !DirectoryEntryExists(store_.ProjectRoot(), ToUtf8(r.Nachbarobjekt.view()))) {
            dialogs_.Warning("                 Achtung !!!     \r\rFalsches Nachbarobjekt gewählt?\r\r"
                             "Bitte die Nachbarobjekte korrigieren.");
            return false;
        }
        parameters.Load(store_.ProjectDirectory());
    } catch (const IoError& e) {
        dialogs_.Error(e.what());
        return false;
    }
    if (!parameters.IsClient()) hooks_.ReopenSerialPort();
    Show();
    hooks_.RedrawEditors();
    return true;
}

bool SystemConfiguration::HasUnsavedChanges() const {
    const TParameterRecord& r = Record();
    const TParameterRecord& s = store_.Tables().parameters.SavedImage();
    if (r.Nummer != s.Nummer || r.BaudFaktor != s.BaudFaktor || r.BaudFaktor2 != s.BaudFaktor2 ||
        r.Modem.value != s.Modem.value || r.AnzahlInterfaces != s.AnzahlInterfaces ||
        r.Nachbarobjekt.view() != s.Nachbarobjekt.view() || r.Schnittstelle != s.Schnittstelle ||
        r.BaudFaktorPC != s.BaudFaktorPC || r.ModemPC.value != s.ModemPC.value ||
        r.Speichergroesse != s.Speichergroesse || r.Systemerweiterung.get() != s.Systemerweiterung.get() ||
        r.ResetNachSpannungsverlust.get() != s.ResetNachSpannungsverlust.get() ||
        r.RelayMode.get() != s.RelayMode.get() || r.ServerDirectory.view() != s.ServerDirectory.view() ||
        r.ResetUmMitternacht.get() != s.ResetUmMitternacht.get())
        return true;
    for (int i = 1; i <= folderCount_; ++i)
        if (r.Units[i] != s.Units[i]) return true;
    if (r.Units[kAllMessagesFolder] != s.Units[kAllMessagesFolder] || r.Units[kOutputFolder] != s.Units[kOutputFolder])
        return true;
    for (int i = 0; i < moduleCount_; ++i)
        if (r.Modulanordnung[i] != s.Modulanordnung[i]) return true;
    return false;
}

bool SystemConfiguration::Close() {
    if (!HasUnsavedChanges()) return true;
    switch (dialogs_.Show(BoxKind::Question, "Änderung speichern ?", Buttons::YesNoCancel)) {
        case Answer::Yes: return Save(true);
        case Answer::No:
            try {
                store_.Tables().parameters.Load(store_.ProjectDirectory());
            } catch (const IoError& e) {
                dialogs_.Error(e.what());
            }
            Show();
            return true;
        default: return false;
    }
}

}  // namespace ovis
