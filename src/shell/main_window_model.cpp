#include "shell/main_window_model.h"

#include <algorithm>
#include <stdexcept>

namespace ovis {
namespace {

constexpr MenuEntry kMenus[] = {
    {MenuId::Projekt, " &Projekt "},       {MenuId::Bearbeiten, " &Bearbeiten "}, {MenuId::Ovis, " &Ovis "},
    {MenuId::Auswertung, " A&uswertung "}, {MenuId::Hilfe, " &Hilfe "},
};

using C = MenuCommand;
using M = MenuId;

// The Interface's actions that an open analyser's recording must not meet.
bool HeldByAnalyser(C command) {
    return command == C::Neukonfiguration || command == C::Reset || command == C::AuswertungUnits ||
           command == C::SoftwareUpdate || command == C::AnalyserOnline;
}

// command, menu, caption, button hint, shortcut, hidden, project, always disabled
constexpr MenuItemEntry kItems[] = {
    {C::NeuesProjekt, M::Projekt, "Neues Projekt...", nullptr, "", false, false, false},
    {C::ProjektOeffnen, M::Projekt, "Projekt öffnen...", "Projekt öffnen...", "", false, false, false},
    {C::ProjektSpeichernUnter, M::Projekt, "Projekt speichern unter...", "Projekt speichern unter...", "", false, true,
     false},
    {C::Systemkonfiguration, M::Projekt, "Systemkonfiguration...", "Systemkonfiguration", "", false, true, false},
    {C::Druckereinrichtung, M::Projekt, "Druckereinrichtung", nullptr, "", false, false, false},
    {C::Beenden, M::Projekt, "Beenden", nullptr, "", false, false, false},
    {C::Rueckgaengig, M::Bearbeiten, "Rückgängig", nullptr, "Ctrl+Z", true, false, true},
    {C::Ausschneiden, M::Bearbeiten, "Ausschneiden", nullptr, "Ctrl+X", true, false, true},
    {C::Kopieren, M::Bearbeiten, "Kopieren", nullptr, "Ctrl+C", true, false, true},
    {C::Einfuegen, M::Bearbeiten, "Einfügen", nullptr, "Ctrl+V", true, false, true},
    {C::Visualisierung, M::Bearbeiten, "Visualisierung", nullptr, "", false, true, false},
    {C::Io, M::Bearbeiten, "I / O", "I / O", "", false, true, false},
    {C::Gruppen, M::Bearbeiten, "Gruppen", "Gruppen", "", false, true, false},
    {C::Led, M::Bearbeiten, "LED", "LED", "", false, true, false},
    {C::Counter, M::Bearbeiten, "Counter", "Counter", "", false, true, false},
    {C::Timer, M::Bearbeiten, "Timer", "Timer", "", false, true, false},
    {C::Programm, M::Bearbeiten, "Programm", "Programm", "", false, true, false},
    {C::Neukonfiguration, M::Ovis, "Neukonfiguration", "Neukonfiguration", "", false, true, false},
    {C::Reset, M::Ovis, "Reset", "Reset", "", false, true, false},
    {C::AnalyserOnline, M::Ovis, "Analyser (Online)", "Analyser (Online)", "", false, true, false},
    {C::CounterOnline, M::Ovis, "Counter (Online)", "Counter (Online)", "", false, true, false},
    {C::AuswertungUnits, M::Ovis, "Auswertung (Units)", nullptr, "", false, true, false},
    {C::SoftwareUpdate, M::Ovis, "Software - Update", nullptr, "", true, true, false},
    {C::Auswahl, M::Auswertung, "Auswahl", nullptr, "", true, true, false},
    {C::Analyser, M::Auswertung, "Analyser", "Analyser - Auswertung", "", false, true, false},
    {C::Statistik, M::Auswertung, "Statistik", "Statistik - Auswertung", "", false, true, false},
    {C::Video, M::Auswertung, "Video", nullptr, "", false, true, false},
    {C::Inhalt, M::Hilfe, "Inhalt", "Hilfe", "", false, false, false},
    {C::Info, M::Hilfe, "Info", nullptr, "", false, false, false},
};

constexpr EvaluationModeEntry kEvaluationModes[] = {
    {EvaluationMode::DataUnits, C::AuswertungUnits, "Datenauswertung  ( Interface - Units )", 9001, false},
    {EvaluationMode::Analyser, C::Analyser, "Datenauswertung  ( Analyser )", 9002, true},
    {EvaluationMode::Statistics, C::Statistik, "Datenauswertung  ( Statistik )", 9002, true},
    {EvaluationMode::Video, C::Video, "Datenauswertung  ( Video )", std::nullopt, false},
};

// The tool buttons that follow the Interface rule besides the project rule.
bool IsInterfaceCommandButton(MenuCommand command) {
    return command == C::Neukonfiguration || command == C::Reset || command == C::AnalyserOnline ||
           command == C::CounterOnline;
}

}  // namespace

std::span<const MenuEntry> Menus() { return kMenus; }
std::span<const MenuItemEntry> MenuItems() { return kItems; }

const MenuItemEntry& MenuItem(MenuCommand command) {
    auto it = std::find_if(std::begin(kItems), std::end(kItems), [&](const MenuItemEntry& i) { return i.command == command; });
    if (it == std::end(kItems)) throw std::out_of_range("unknown menu command");
    return *it;
}

std::span<const EvaluationModeEntry> EvaluationModes() { return kEvaluationModes; }

const EvaluationModeEntry& EvaluationModeOf(MenuCommand command) {
    auto it = std::find_if(std::begin(kEvaluationModes), std::end(kEvaluationModes),
                           [&](const EvaluationModeEntry& m) { return m.command == command; });
    if (it == std::end(kEvaluationModes)) throw std::out_of_range("not an evaluation command");
    return *it;
}

WindowSize FirstMainWindowSize(WindowSize available) {
    constexpr WindowSize kPreferred{1300, 760};
    return {std::min(kPreferred.width, available.width), std::min(kPreferred.height, available.height)};
}

std::string OpenedProjectCaption(const std::string& projectName) {
    return " Ovis       Aktuelles Projekt :  " + projectName;
}

std::string SavedAsProjectCaption(const std::string& projectName) { return "Ovis     Aktuelles Projekt : " + projectName; }

std::string EditorFailureText(const std::string& error) { return "Exception: " + error; }

MainWindowModel::MainWindowModel(ProjectStore& store, ShellHooks& hooks) : store_(store), hooks_(hooks) {}

ItemState MainWindowModel::State(MenuCommand command) const {
    const MenuItemEntry& item = MenuItem(command);
    bool enabled = true;
    if (item.alwaysDisabled) {
        enabled = false;
    } else if (command == C::ProjektOeffnen) {
        enabled = openEnabled_;
    } else if (command == C::ProjektSpeichernUnter) {
        enabled = projectCommandsEnabled_ && saveAsEnabled_;
    } else if (item.project) {
        // The Interface menu's items are out of reach while its button is disabled, so item and
        // button share one state.
        enabled = projectCommandsEnabled_ && (!IsInterfaceCommandButton(command) || interfaceCommandsEnabled_);
    }
    if ((analyserOpen_ || onlineAnalyserOpen_ || counterWindowOpen_) && HeldByAnalyser(command)) enabled = false;
    if ((onlineAnalyserOpen_ || counterWindowOpen_) && command == C::CounterOnline) enabled = false;
    if (onlineAnalyserOpen_ && command == C::Analyser) enabled = false;
    // The online visualisation uses the link and the one visualisation window.
    if (visualisationOnlineOpen_ && (HeldByAnalyser(command) || command == C::CounterOnline ||
                                     command == C::Visualisierung || command == C::Video))
        enabled = false;
    return {enabled, !item.hidden};
}

ItemState MainWindowModel::VisualisationOnlineState() const {
    const bool enabled = projectCommandsEnabled_ && interfaceCommandsEnabled_ && !onlineAnalyserOpen_ && !counterWindowOpen_ && !visualisationOnlineOpen_ &&
                         !EditorOpen(EditorSlot::VisualisationEditor);
    return {enabled, true};
}

bool MainWindowModel::MenuButtonEnabled(MenuId menu) const {
    return menu != MenuId::Ovis || interfaceCommandsEnabled_;
}

bool MainWindowModel::AnyEditorOpen() const {
    return std::any_of(editorOpenFlags_.begin(), editorOpenFlags_.end(), [](bool f) { return f; });
}

void MainWindowModel::FormCreate() { editorOpenFlags_.fill(false); }

void MainWindowModel::FormShow() {
    projectCommandsEnabled_ = false;
    saveAsEnabled_ = false;
    startViewShown_ = true;
}

void MainWindowModel::FormActivate() {
    if (AnyEditorOpen()) return;
    openEnabled_ = true;
    if (projectOpen_) saveAsEnabled_ = true;
}

void MainWindowModel::FormClose() {
    if (startViewShown_) hooks_.StopStartViewSimulation();
}

void MainWindowModel::EditorOpening(EditorSlot slot) {
    openEnabled_ = false;
    saveAsEnabled_ = false;
    editorOpenFlags_[static_cast<std::size_t>(slot)] = true;
}

void MainWindowModel::EditorClosed(EditorSlot slot) { editorOpenFlags_[static_cast<std::size_t>(slot)] = false; }

void MainWindowModel::EvaluationOpening(EvaluationMode mode) {
    auto it = std::find_if(std::begin(kEvaluationModes), std::end(kEvaluationModes),
                           [&](const EvaluationModeEntry& m) { return m.mode == mode; });
    if (it != std::end(kEvaluationModes) && it->holdsProjectCommands) EditorOpening(EditorSlot::EvaluationWindow);
}

void MainWindowModel::InterfaceTableSaved(std::size_t savedRows) {
    if (newProjectFlag_ && savedRows > 0) {
        interfaceCommandsEnabled_ = true;
        newProjectFlag_ = false;
        return;
    }
    interfaceCommandsEnabled_ = InterfaceTablesHaveRows();
}

void MainWindowModel::StopStartView() {
    hooks_.StopStartViewSimulation();
    startViewShown_ = false;
}

bool MainWindowModel::NewProject() {
    StopStartView();
    if (!store_.NewProject()) return false;
    FinishOpening();
    interfaceCommandsEnabled_ = false;
    newProjectFlag_ = true;
    return true;
}

void MainWindowModel::BeginOpenProject() {
    StopStartView();
    EditorOpening(EditorSlot::ProjectBrowser);
}

void MainWindowModel::ChooseProject(const std::filesystem::path& baseDirectory, const std::string& name) {
    store_.SetBaseDirectory(baseDirectory);
    store_.SetCurrentProjectName(name);
    projectChosen_ = true;
}

bool MainWindowModel::ProjectBrowserClosed() {
    EditorClosed(EditorSlot::ProjectBrowser);
    return projectChosen_ && OpenChosenProject();
}

bool MainWindowModel::OpenChosenProject() {
    projectChosen_ = false;
    if (!store_.OpenCurrentProject()) return false;
    FinishOpening();
    return true;
}

void MainWindowModel::ReopenSerialPortUnlessClient() {
    if (!store_.Tables().parameters.IsClient()) hooks_.ReopenSerialPort();
}

void MainWindowModel::FinishOpening() {
    const ProjectTables& tables = store_.Tables();
    ReopenSerialPortUnlessClient();
    projectOpen_ = true;
    projectCommandsEnabled_ = true;
    // Save-as stays held while a window holds the project commands ("Neues Projekt..." may run
    // with editors open); the next activation after the last one closed enables it.
    saveAsEnabled_ = !AnyEditorOpen();
    selectionPresent_ = tables.selection.AnySelected(tables.io.Count());
    caption_ = OpenedProjectCaption(store_.CurrentProjectName());
    interfaceCommandsEnabled_ = InterfaceTablesHaveRows();
}

bool MainWindowModel::InterfaceTablesHaveRows() const {
    const ProjectTables& tables = store_.Tables();
    return tables.io.Count() > 0 || tables.led.Count() > 0;
}

bool MainWindowModel::SaveProjectAs() {
    auto name = store_.AskProjectName(NameRequest::SaveAs);
    if (!name) return false;
    if (!store_.SaveProjectAs(*name)) return false;
    ReopenSerialPortUnlessClient();
    caption_ = SavedAsProjectCaption(*name);
    return true;
}

}  // namespace ovis
