#pragma once
// The main window's decisions: its menus as data, the enabled and visible state of every item,
// `EditorOpenFlags`, the caption, and the three project commands over the project store.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "platform/dialogs.h"
#include "project/project_store.h"
#include "shell/shell_hooks.h"

namespace ovis {

enum class MenuId { Projekt, Bearbeiten, Ovis, Auswertung, Hilfe };

struct MenuEntry {
    MenuId id;
    const char* caption;  // drop-down button text with its mnemonic
};

enum class MenuCommand {
    NeuesProjekt,
    ProjektOeffnen,
    ProjektSpeichernUnter,
    Systemkonfiguration,
    Druckereinrichtung,
    Beenden,
    Rueckgaengig,
    Ausschneiden,
    Kopieren,
    Einfuegen,
    Visualisierung,
    Io,
    Gruppen,
    Led,
    Counter,
    Timer,
    Programm,
    Neukonfiguration,
    Reset,
    AnalyserOnline,
    CounterOnline,
    AuswertungUnits,
    SoftwareUpdate,
    Auswahl,
    Analyser,
    Statistik,
    Video,
    Inhalt,
    Info,
};

struct MenuItemEntry {
    MenuCommand command;
    MenuId menu;
    const char* caption;
    const char* buttonHint;  // hint of the item's tool button; nullptr when it has none
    const char* shortcut;    // portable key sequence text, "" for none
    bool hidden;             // never shown
    bool project;            // disabled until a project is open
    bool alwaysDisabled;     // disabled whatever the state (the hidden editing items)
};

// The five drop-down menus in tool bar order.
std::span<const MenuEntry> Menus();
// Every menu item, grouped by menu in menu order; tool buttons follow the same order.
std::span<const MenuItemEntry> MenuItems();
const MenuItemEntry& MenuItem(MenuCommand command);

// The evaluation window's modes and the items that open them.
enum class EvaluationMode { DataUnits, Analyser, Statistics, Video };

struct EvaluationModeEntry {
    EvaluationMode mode;
    MenuCommand command;
    const char* caption;
    std::optional<int> helpContext;  // nothing: the window keeps its help context
    bool holdsProjectCommands;       // disables opening and save-as like an editor (entry 7)
};

std::span<const EvaluationModeEntry> EvaluationModes();
const EvaluationModeEntry& EvaluationModeOf(MenuCommand command);

// Index meanings of `EditorOpenFlags`.
enum class EditorSlot : std::size_t {
    IoEditor = 0,
    GroupEditor = 1,
    VisualisationEditor = 2,
    TimerEditor = 3,
    LedEditor = 4,
    ProgramEditor = 5,
    ProjectBrowser = 6,
    EvaluationWindow = 7,
    CounterEditor = 8,
};
inline constexpr std::size_t kEditorSlotCount = 9;

inline constexpr int kMainWindowHelpContext = 100;
inline constexpr const char* kInitialCaption = "Ovis";
inline constexpr const char* kApplicationTitle = "Ovis 1.5";
inline constexpr const char* kNoFunctionNote = "bisher keine Funktion";
inline constexpr const char* kVisualisationOnlineHint = "Visualisierung - Online";

struct WindowSize {
    int width;
    int height;
    bool operator==(const WindowSize&) const = default;
};

// The main window's first size: 1300 by 760, at most the screen's available area.
WindowSize FirstMainWindowSize(WindowSize available);

// The caption after opening or creating a project, and the one after save-as.
std::string OpenedProjectCaption(const std::string& projectName);
std::string SavedAsProjectCaption(const std::string& projectName);
// The text shown when an editor window fails to show.
std::string EditorFailureText(const std::string& error);

struct ItemState {
    bool enabled;
    bool visible;
};

class MainWindowModel {
public:
    MainWindowModel(ProjectStore& store, ShellHooks& hooks);

    ItemState State(MenuCommand command) const;
    bool MenuButtonEnabled(MenuId menu) const;
    // True while the four Interface command buttons and the Interface menu button may be used.
    bool InterfaceCommandsEnabled() const { return interfaceCommandsEnabled_; }

    const std::string& Caption() const { return caption_; }
    bool ProjectOpen() const { return projectOpen_; }
    bool NewProjectFlag() const { return newProjectFlag_; }
    bool StartViewShown() const { return startViewShown_; }
    bool SelectionPresent() const { return selectionPresent_; }
    bool ProjectChosen() const { return projectChosen_; }

    const std::array<bool, kEditorSlotCount>& EditorOpenFlags() const { return editorOpenFlags_; }
    bool EditorOpen(EditorSlot slot) const { return editorOpenFlags_[static_cast<std::size_t>(slot)]; }
    bool AnyEditorOpen() const;

    // Window creation: clears `EditorOpenFlags`.
    void FormCreate();
    // First showing: the project commands are disabled and the start view counts as shown.
    void FormShow();
    // The main window became active: with no editor open, opening (and, with a project open,
    // save-as) is enabled again.
    void FormActivate();
    // Closing: stops the start view when it is shown.
    void FormClose();

    // The opening rule of every window that holds the project commands: disables opening and
    // save-as and sets the window's entry.
    void EditorOpening(EditorSlot slot);
    // The window's close handler clears its entry; the next activation enables the commands.
    void EditorClosed(EditorSlot slot);
    // Showing the window failed: its entry is cleared again so the commands do not stay locked.
    void EditorFailedToOpen(EditorSlot slot) { EditorClosed(slot); }
    // Opening the evaluation window in `mode`; analyser and statistics hold the project commands.
    void EvaluationOpening(EvaluationMode mode);
    // While an analyser is open, "Neukonfiguration", "Reset", "Auswertung (Units)", "Software -
    // Update" and "Analyser (Online)" are disabled; closing it enables them again.
    void AnalyserOpenChanged(bool open) { analyserOpen_ = open; }
    // An online analyser holds those and also "Analyser" and "Counter (Online)"; the online
    // counter window holds "Counter (Online)", "Analyser (Online)", "Neukonfiguration", "Reset",
    // "Auswertung (Units)" and "Software - Update".
    void OnlineAnalyserOpenChanged(bool open) { onlineAnalyserOpen_ = open; }
    void CounterWindowOpenChanged(bool open) { counterWindowOpen_ = open; }
    // The online visualisation holds the counter window's commands and also "Visualisierung" and
    // "Video", which would open the same window.
    void VisualisationOnlineOpenChanged(bool open) { visualisationOnlineOpen_ = open; }
    // The button "Visualisierung - Online" of the visualisation tool bar: a project with messages,
    // no other online view and no visualisation window open.
    ItemState VisualisationOnlineState() const;

    // Called by the I/O editor and the LED table editor after saving their table, with the row
    // count of the table saved. The first save of a non-empty table after "Neues Projekt..."
    // clears the new-project flag; every save enables the Interface commands while the I/O or the
    // LED table has a row and disables them while both are empty.
    void InterfaceTableSaved(std::size_t savedRows);

    // "Neues Projekt...". False when cancelled or when creating or loading failed.
    bool NewProject();
    // Phase A of "Projekt öffnen...": stops the start view and holds the project commands for
    // the project browser.
    void BeginOpenProject();
    // The browser found a project: base directory and name become current, the project counts
    // as chosen.
    void ChooseProject(const std::filesystem::path& baseDirectory, const std::string& name);
    // The browser closed; runs phase B when a project was chosen. True when a project was opened.
    bool ProjectBrowserClosed();
    // Phase B of opening: loads the chosen project. False when loading failed (shown).
    bool OpenChosenProject();
    // "Projekt speichern unter...". False when cancelled or when copying or loading failed.
    bool SaveProjectAs();

private:
    void StopStartView();
    void FinishOpening();
    void ReopenSerialPortUnlessClient();
    bool InterfaceTablesHaveRows() const;

    ProjectStore& store_;
    ShellHooks& hooks_;
    std::array<bool, kEditorSlotCount> editorOpenFlags_{};
    std::string caption_ = kInitialCaption;
    bool projectCommandsEnabled_ = false;
    bool openEnabled_ = true;
    bool saveAsEnabled_ = false;
    bool interfaceCommandsEnabled_ = true;
    bool analyserOpen_ = false;
    bool onlineAnalyserOpen_ = false;
    bool counterWindowOpen_ = false;
    bool visualisationOnlineOpen_ = false;
    bool projectOpen_ = false;
    bool newProjectFlag_ = false;
    bool startViewShown_ = false;
    bool selectionPresent_ = false;
    bool projectChosen_ = false;
};

}  // namespace ovis
