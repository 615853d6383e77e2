#pragma once
// The windows of the running program and how they reach each other: the main window, the
// system configuration, the editors and the Interface link, with the hooks the core calls.
#include <filesystem>
#include <QPointer>
#include <memory>

#include "config/system_configuration.h"
#include "evaluation/analyser_online_names.h"
#include "evaluation/evaluation_commands.h"
#include "link/clock_setting.h"
#include "project/recording.h"
#include "platform/clock.h"
#include "link/open_editors.h"
#include "platform/gui/qt_trash.h"
#include "shell/main_window_model.h"
#include "shell/shell_hooks.h"
#include "tables/gui/table_editor_window.h"

namespace ovis {
class ProjectStore;
}

namespace ovis::gui {

class TMainForm;
class TFormKonfig;
class TFormKlPlan;
class TFormGruppe;
class TFormCounter;
class TFormTimer;
class TFormProgramm;
class TFormTabelle;
class QtFontRasterizer;
class QtDialogs;
class LinkController;
class TFormInterface;
class AnalyserOpener;
class TFormAnalyserOnline;
class TFormCounterOnline;
class TFormStatistik;
class TFormVisualisierung;
}  // namespace ovis::gui

namespace ovis {
class OnlineStream;
class OnlineAnalyserLink;
}  // namespace ovis

namespace ovis::gui {

class ApplicationWindows final : public ShellHooks, public ConfigurationHooks, public OpenEditors {
public:
    ApplicationWindows(ProjectStore& store, Dialogs& dialogs);
    ~ApplicationWindows() override;

    TMainForm& MainForm() { return *mainForm_; }
    LinkController& Link() { return *link_; }
    // The system configuration dialog, created on first use.
    TFormKonfig& Konfig();
    // The I/O editor, created on first use.
    TFormKlPlan& KlPlan();
    // The group editor, created on first use.
    TFormGruppe& Gruppe();
    // The counter and timer editors, created on first use.
    TFormCounter& Counter();
    TFormTimer& Timer();
    // The program editor, created on first use.
    TFormProgramm& Programm();
    // The LED table editor, created on first use; it drives the main window's display panel.
    TFormTabelle& Tabelle();
    // The evaluation window, created on first use and then kept.
    TFormInterface& Interface();

    // Shows the main window for the first time, then starts the relay files and the
    // housekeeping timer.
    void Show();

    // ShellHooks and ConfigurationHooks
    void ReopenSerialPort() override;
    void StopStartViewSimulation() override;
    void RedrawEditors() override;
    void GroupsChanged() override;

    // Opens the analyser on recording files, created at its first use.
    AnalyserOpener& Analyser();
    // The statistics window, created at its first use and then kept.
    TFormStatistik& Statistik();
    // The visualisation window, created on first use and then kept.
    TFormVisualisierung& Visualisation();

    // OpenEditors, for "Neukonfiguration"
    bool IsOpen(EditorKind editor) const override;
    bool MarkUnsavedForReconfiguration(EditorKind editor) override;
    void Focus(EditorKind editor) override;

private:
    void OpenSystemConfiguration();
    void ConnectInterfaceCommands();
    TableEditorWindow* EditorWindow(EditorKind editor) const;
    // Closing clears the editor's entry of EditorOpenFlags; help goes to the main window.
    EditorHooks HooksFor(EditorSlot slot);
    // Another editor saved: the program editor's pages show its table.
    void ProgramPagesChanged();
    // "Drucken..." of the I/O and the program editor: the preview of their report.
    void PrintIoReport();
    void PrintProgramReport();
    // The online views: the analyser of the chosen folder and the counter window.
    void CreateOnlineStream();
    void OpenOnlineAnalyser();
    void OpenCounterWindow();
    // The visualisation: online through the connection timer, its closing by mode.
    void OpenOnlineVisualisation();
    void VisualisationClosed(int mode);
    void OpenVideo(const std::filesystem::path& file);
    // "Datei auswerten" of the evaluation window: the analyser for modes 1 and 2, the statistics
    // for mode 3 with the file's begin date, the video replay for mode 4.
    void Evaluate(EvaluationWindowMode mode, int folder, const std::filesystem::path& file);

    ProjectStore& store_;
    Dialogs& dialogs_;
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<LinkController> link_;
    std::unique_ptr<TFormKonfig> konfig_;
    std::unique_ptr<QtDialogs> klPlanDialogs_;
    std::unique_ptr<TFormKlPlan> klPlan_;
    std::unique_ptr<QtDialogs> gruppeDialogs_;
    std::unique_ptr<TFormGruppe> gruppe_;
    std::unique_ptr<QtDialogs> counterDialogs_;
    std::unique_ptr<TFormCounter> counter_;
    SystemClock clock_;
    std::unique_ptr<QtDialogs> timerDialogs_;
    std::unique_ptr<TFormTimer> timer_;
    QtTrash trash_;
    std::unique_ptr<QtDialogs> programmDialogs_;
    std::unique_ptr<TFormProgramm> programm_;
    std::unique_ptr<QtFontRasterizer> fonts_;
    std::unique_ptr<QtDialogs> tabelleDialogs_;
    std::unique_ptr<TFormTabelle> tabelle_;
    std::unique_ptr<QtDialogs> interfaceDialogs_;
    std::unique_ptr<TFormInterface> interface_;
    std::unique_ptr<TRecording> recording_;  // the recording the analyser shows
    std::unique_ptr<QtDialogs> analyserDialogs_;
    std::unique_ptr<AnalyserOpener> analyser_;
    std::unique_ptr<QtDialogs> statistikDialogs_;
    std::unique_ptr<TFormStatistik> statistik_;
    ClockSetting clockSetting_;
    std::unique_ptr<OnlineStream> online_;
    std::unique_ptr<OnlineAnalyserLink> onlineAnalyserLink_;
    OnlineMessages onlineMessages_;
    QPointer<TFormAnalyserOnline> onlineAnalyser_;
    QPointer<TFormCounterOnline> counterOnline_;
    std::unique_ptr<QtDialogs> visuDialogs_;
    std::unique_ptr<TFormVisualisierung> visu_;
    int onlineFolder_ = 0;          // the folder chosen last in "Ordner:"
    bool reconnectAnalyser_ = false;  // a folder change closes and reconnects
    bool reconnectMaximised_ = false;  // and keeps the maximised state
};

}  // namespace ovis::gui
