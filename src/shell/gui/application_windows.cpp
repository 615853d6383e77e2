#include "shell/gui/application_windows.h"

#include <QTimer>
#include <utility>

#include "config/gui/Zel_Konfig.h"
#include "evaluation/folder_rows.h"
#include "evaluation/gui/analyser_online_window.h"
#include "evaluation/gui/analyser_opener.h"
#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Statistik.h"
#include "evaluation/gui/Zel_Auswahl.h"
#include "led/gui/Zel_Tabelle.h"
#include "link/configuration_image_transfer.h"
#include "link/gui/Zel_CounterOnline.h"
#include "link/gui/Zel_Interface.h"
#include "link/online_analyser_link.h"
#include "link/online_poll.h"
#include "link/interface_commands.h"
#include "link/visu_memory.h"
#include "link/gui/link_controller.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/toolbar_icons.h"
#include "platform/gui/qt_dialogs.h"
#include "platform/gui/text_conversion.h"
#include "platform/gui/qt_font_rasterizer.h"
#include "programs/gui/Zel_Programm.h"
#include "project/project_store.h"
#include "records/typed_file.h"
#include "reports/gui/report_preview.h"
#include "reports/io_report.h"
#include "reports/program_report.h"
#include "reports/report_date.h"
#include "shell/gui/evaluation_print.h"
#include "shell/gui/report_printer.h"
#include "tables/gui/Zel_Counter.h"
#include "tables/gui/Zel_Gruppe.h"
#include "tables/gui/Zel_Klemmenplan.h"
#include "tables/gui/Zel_Timer.h"
#include "visualisation/gui/Zel_Visualisierung.h"

namespace ovis::gui {

ApplicationWindows::ApplicationWindows(ProjectStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs) {
    mainForm_ = std::make_unique<TMainForm>(store, dialogs, *this);
    LinkController::Context context{dialogs, store.Tables().parameters, [this] { return store_.BaseDirectory(); }, *this};
    context.actionHooks.onlineMessageCount = [this] {
        return int(store_.Tables().io.Count() + store_.Tables().led.Count());
    };
    // "Neukonfiguration": the image of the current project from the tables in memory.
    context.actionHooks.transferConfiguration = [this](bool withBackup, ProgressWindow& progress) {
        return ConfigureProject(link_->link(), dialogs_, progress, store_.ProjectDirectory(), store_.Tables(),
                                SystemClock().Now(), withBackup);
    };
    InterfaceActionHooks& hooks = context.actionHooks;
    hooks.clearOnlineStates = [this] { onlineAnalyserLink_->ClearOnConnect(); };
    hooks.analyserOnline = [this] { return !onlineAnalyser_.isNull(); };
    hooks.closeAnalyser = [this] {
        if (onlineAnalyser_) onlineAnalyser_->close();
    };
    hooks.raiseAnalyser = [this] {
        if (onlineAnalyser_) onlineAnalyser_->raise();
    };
    hooks.openOnlineAnalyser = [this] { OpenOnlineAnalyser(); };
    hooks.startAnalyserPoll = [this] {
        if (onlineAnalyser_) onlineAnalyser_->StartPolling();
    };
    hooks.counterWindowOpen = [this] { return !counterOnline_.isNull(); };
    hooks.raiseCounterWindow = [this] {
        if (counterOnline_) counterOnline_->raise();
    };
    hooks.openCounterWindow = [this] { OpenCounterWindow(); };
    hooks.visualisationOpen = [this] { return visu_ && visu_->isVisible(); };
    hooks.openOnlineVisualisation = [this] { OpenOnlineVisualisation(); };
    hooks.startVisualisationTimer = [this] { Visualisation().StartOnlineTimer(); };
    context.window = mainForm_.get();
    // The start view plays unless a project was opened or created in the meantime.
    context.housekeepingHooks.startLedSimulation = [this] {
        if (mainForm_->Model().StartViewShown()) mainForm_->StartSimulation();
    };
    link_ = std::make_unique<LinkController>(std::move(context));
    CreateOnlineStream();

    mainForm_->SetCommandHandler(MenuCommand::Systemkonfiguration, [this] { OpenSystemConfiguration(); });
    mainForm_->RegisterEditor(MenuCommand::Io, EditorSlot::IoEditor, [this] { KlPlan().OpenEditor(); });
    mainForm_->RegisterEditor(MenuCommand::Gruppen, EditorSlot::GroupEditor, [this] { Gruppe().OpenEditor(); });
    mainForm_->RegisterEditor(MenuCommand::Counter, EditorSlot::CounterEditor, [this] { Counter().OpenEditor(); });
    mainForm_->RegisterEditor(MenuCommand::Timer, EditorSlot::TimerEditor, [this] { Timer().OpenEditor(); });
    mainForm_->RegisterEditor(MenuCommand::Programm, EditorSlot::ProgramEditor, [this] { Programm().OpenEditor(); });
    mainForm_->RegisterEditor(MenuCommand::Led, EditorSlot::LedEditor, [this] { Tabelle().OpenLedEditor(); });
    mainForm_->RegisterEditor(MenuCommand::Visualisierung, EditorSlot::VisualisationEditor, [this] {
        if (visu_ && visu_->isVisible()) return visu_->raise();
        if (!Visualisation().OpenParameter()) mainForm_->EditorClosed(EditorSlot::VisualisationEditor);
    });
    ConnectInterfaceCommands();
    mainForm_->SetEvaluationOpener(
        [this](EvaluationMode mode) { Interface().Open(EvaluationWindowMode(int(mode) + 1)); });
}

ApplicationWindows::~ApplicationWindows() = default;

void ApplicationWindows::ConnectInterfaceCommands() {
    LinkController* link = link_.get();
    mainForm_->SetCommandHandler(MenuCommand::Neukonfiguration, [link] { link->InterfaceNeukonfigurationClick(); });
    mainForm_->SetCommandHandler(MenuCommand::Reset, [link] { link->InterfaceResetClick(); });
    mainForm_->SetCommandHandler(MenuCommand::SoftwareUpdate, [link] { link->InterfaceProgrammierungClick(); });
    mainForm_->SetCommandHandler(MenuCommand::AnalyserOnline, [link] { link->AnsichtAnalyserClick(); });
    mainForm_->SetCommandHandler(MenuCommand::CounterOnline, [link] { link->AnsichtCounterClick(); });
    mainForm_->SetVisualisationOnlineHandler([link] { link->VisualisierungClick(); });
}

void ApplicationWindows::CreateOnlineStream() {
    OnlineProject project;
    project.interfaceNumber = [this] { return store_.Tables().parameters.InterfaceNumber(); };
    project.client = [this] { return store_.Tables().parameters.IsClient(); };
    // N from the I/O table as saved; the table in memory may hold an editor's unsaved rows.
    project.reloadMessageCount = [this] {
        IoTable io;
        LoadIoTable(io, store_.ProjectDirectory());
        return int(io.Count() + store_.Tables().led.Count());
    };
    online_ = std::make_unique<OnlineStream>(link_->link(), clock_, clockSetting_, std::move(project));
    onlineAnalyserLink_ = std::make_unique<OnlineAnalyserLink>(*online_, link_->link(), link_->progressWindows(),
                                                               link_->actions());
}

void ApplicationWindows::OpenOnlineAnalyser() {
    if (analyser_) analyser_->CloseAnalyser();
    const ProjectTables& tables = store_.Tables();
    onlineMessages_ = OnlineMessagesOf(tables.io, tables.led);
    online_->Targets().messageCount = onlineMessages_.Count();
    online_->Targets().roles = onlineMessages_.roles;
    QStringList folders;
    for (int k = 0; k < kOutputFolder; ++k) folders << FromRecord(tables.parameters.Record().Ordner[k].view());
    auto* window = new TFormAnalyserOnline(*onlineAnalyserLink_, FolderRows(tables, onlineFolder_), folders,
                                           onlineFolder_, [this](int number) { return onlineMessages_.Name(number); });
    onlineAnalyser_ = window;
    window->showHelp = [this](int context) { mainForm_->ShowHelp(context); };
    window->onFolderChosen = [this, window](int folder) {
        if (folder == onlineFolder_) return;
        onlineFolder_ = folder;
        reconnectAnalyser_ = true;
        reconnectMaximised_ = window->isMaximized();
        window->close();
    };
    window->onClosed = [this] {
        mainForm_->Model().OnlineAnalyserOpenChanged(false);
        mainForm_->RefreshStates();
        if (std::exchange(reconnectAnalyser_, false))
            QTimer::singleShot(0, link_.get(), [this] { link_->AnsichtAnalyserClick(); });
    };
    onlineAnalyserLink_->Attach();
    mainForm_->Model().OnlineAnalyserOpenChanged(true);
    mainForm_->RefreshStates();
    if (std::exchange(reconnectMaximised_, false))
        window->showMaximized();
    else
        window->show();
}

void ApplicationWindows::OpenCounterWindow() {
    auto* window = new TFormCounterOnline(TFormCounterOnline::Services{
        link_->link(), link_->actions(), link_->progressWindows(), store_.Tables().counters,
        [this] { return std::uint8_t(store_.Tables().parameters.InterfaceNumber()); },
        [this] { return int(store_.Tables().io.Count() + store_.Tables().led.Count()) + 1; },
        [this](int context) { mainForm_->ShowHelp(context); },
        [this](bool open) {
            mainForm_->Action(MenuCommand::CounterOnline)->setIcon(CounterOnlineIcon(open));
            mainForm_->Model().CounterWindowOpenChanged(open);
            mainForm_->RefreshStates();
        }});
    counterOnline_ = window;
    window->FormShow();
}

void ApplicationWindows::Show() {
    mainForm_->show();
    link_->FormShow();
}

TFormKonfig& ApplicationWindows::Konfig() {
    if (!konfig_) {
        konfig_ = std::make_unique<TFormKonfig>(store_, dialogs_, *this, mainForm_.get());
        konfig_->SetHelpHandler([this](int context) { mainForm_->ShowHelp(context); });
    }
    return *konfig_;
}

namespace {

// Creates an editor window once, with boxes of its own that appear over it.
template <typename Window, typename... Arguments>
Window& EditorOnce(std::unique_ptr<Window>& window, std::unique_ptr<QtDialogs>& dialogs, ProjectStore& store,
                   Arguments&&... arguments) {
    if (!window) {
        dialogs = std::make_unique<QtDialogs>();
        window = std::make_unique<Window>(store, *dialogs, std::forward<Arguments>(arguments)...);
        dialogs->SetParent(window.get());
    }
    return *window;
}

}  // namespace

EditorHooks ApplicationWindows::HooksFor(EditorSlot slot) {
    return {[this, slot] {
                mainForm_->EditorClosed(slot);
                mainForm_->activateWindow();
            },
            [this](int context) { mainForm_->ShowHelp(context); },
            {}};
}

TFormKlPlan& ApplicationWindows::KlPlan() {
    EditorHooks editor = HooksFor(EditorSlot::IoEditor);
    editor.print = [this] { PrintIoReport(); };
    return EditorOnce(klPlan_, klPlanDialogs_, store_,
                      KlPlanHooks{std::move(editor),
                                  [this](std::size_t rows) {
                                      mainForm_->InterfaceTableSaved(rows);
                                      ProgramPagesChanged();
                                  }});
}

TFormGruppe& ApplicationWindows::Gruppe() {
    return EditorOnce(gruppe_, gruppeDialogs_, store_, GruppeHooks{HooksFor(EditorSlot::GroupEditor), [this] { ProgramPagesChanged(); }, &OpenMemberSelection});
}

TFormCounter& ApplicationWindows::Counter() {
    return EditorOnce(counter_, counterDialogs_, store_, CounterHooks{HooksFor(EditorSlot::CounterEditor), [this] { ProgramPagesChanged(); }});
}

TFormTimer& ApplicationWindows::Timer() {
    return EditorOnce(timer_, timerDialogs_, store_, clock_, TimerHooks{HooksFor(EditorSlot::TimerEditor), [this] { ProgramPagesChanged(); }});
}

TFormProgramm& ApplicationWindows::Programm() {
    EditorHooks editor = HooksFor(EditorSlot::ProgramEditor);
    editor.print = [this] { PrintProgramReport(); };
    return EditorOnce(programm_, programmDialogs_, store_, trash_, std::move(editor));
}

void ApplicationWindows::PrintIoReport() {
    const ProjectTables& tables = store_.Tables();
    const Report report = IoReport(tables.io, tables.parameters.Record(), store_.CurrentProjectName(),
                                   ReportDate(clock_.Now()));
    ShowReportPreview(report, ReportPrinter(), *klPlanDialogs_, klPlan_.get());
}

void ApplicationWindows::PrintProgramReport() {
    const ProjectTables& tables = store_.Tables();
    const Report report = ProgramReport(tables.program.lines, tables.program.name, store_.CurrentProjectName(),
                                        ReportDate(clock_.Now()));
    ShowReportPreview(report, ReportPrinter(), *programmDialogs_, programm_.get());
}

void ApplicationWindows::ProgramPagesChanged() {
    if (programm_) programm_->TablesChanged();
}

TFormTabelle& ApplicationWindows::Tabelle() {
    if (!tabelle_) {
        fonts_ = std::make_unique<QtFontRasterizer>();
        EditorHooks editor = HooksFor(EditorSlot::LedEditor);
        editor.closed = [this, closed = editor.closed] {
            mainForm_->ShowStartView();
            closed();
        };
        EditorOnce(tabelle_, tabelleDialogs_, store_, *fonts_,
                   TabelleHooks{editor, [this](std::size_t rows) { mainForm_->InterfaceTableSaved(rows); },
                                [this] { mainForm_->StopSimulation(); }});
        mainForm_->SetSimulationStartCheck([this] { return tabelle_->CheckBeforeSimulation(); });
        tabelle_->AttachDisplay(mainForm_->EditingParts());
    }
    return *tabelle_;
}

TFormInterface& ApplicationWindows::Interface() {
    if (!interface_) {
        interfaceDialogs_ = std::make_unique<QtDialogs>();
        InterfaceWindowHooks hooks;
        hooks.closed = [this] { mainForm_->EditorClosed(EditorSlot::EvaluationWindow); };
        hooks.showHelp = [this](int context) { mainForm_->ShowHelp(context); };
        hooks.mainWindowActive = [this] { return mainForm_->isActiveWindow(); };
        hooks.outputFilesChanged = [this] { ProgramPagesChanged(); };
        hooks.evaluate = [this](EvaluationWindowMode mode, int folder, const std::filesystem::path& folderDirectory,
                                const std::string& fileName) {
            Evaluate(mode, folder, ResolveInDirectory(folderDirectory, fileName + kRecordingExtension));
        };
        interface_ = std::make_unique<TFormInterface>(store_, *interfaceDialogs_, *link_, std::move(hooks));
        interfaceDialogs_->SetParent(interface_.get());
    }
    return *interface_;
}

void ApplicationWindows::Evaluate(EvaluationWindowMode mode, int folder, const std::filesystem::path& file) {
    if (mode == EvaluationWindowMode::DataUnits || mode == EvaluationWindowMode::Analyser) {
        Analyser().OpenFile(folder, file);
    } else if (mode == EvaluationWindowMode::Statistics) {
        TFormStatistik& window = Statistik();
        // An open statistics window asks about its changes first; Cancel keeps it on its file.
        if (window.isVisible() && !window.close()) return;
        if (window.OpenFile(folder, file, store_.ProjectDirectory(), Interface().FileBeginDate())) {
            window.show();
            window.raise();
        }
    } else if (mode == EvaluationWindowMode::Video) {
        OpenVideo(file);
    }
}

TFormStatistik& ApplicationWindows::Statistik() {
    if (!statistik_) {
        statistikDialogs_ = std::make_unique<QtDialogs>();
        statistik_ = std::make_unique<TFormStatistik>(store_.Tables(), *statistikDialogs_);
        statistikDialogs_->SetParent(statistik_.get());
        statistik_->showHelp = [this](int context) { mainForm_->ShowHelp(context); };
        statistik_->onPrint = [this] {
            PrintStatistics(*statistik_, store_.CurrentProjectName(), ReportDate(clock_.Now()), ReportPrinter(),
                            *statistikDialogs_);
        };
    }
    return *statistik_;
}

TFormVisualisierung& ApplicationWindows::Visualisation() {
    if (!visu_) {
        visuDialogs_ = std::make_unique<QtDialogs>();
        visu_ = std::make_unique<TFormVisualisierung>(VisualisationServices{
            *visuDialogs_, clock_, [this] { return store_.ProjectDirectory(); },
            [this] {
                const auto rows = store_.Tables().io.Rows();
                return std::vector<TIoRecord>(rows.begin(), rows.end());
            },
            [this](int context) { mainForm_->ShowHelp(context); },
            [this] {
                link_->actions().SetLinkIdle(false);
                online_->OnlinePoll();
            },
            [this](VisuMode mode) { VisualisationClosed(int(mode)); },
            [this](std::uint16_t start, std::size_t count) {
                return ReadVisuMemory(link_->link(), std::uint8_t(store_.Tables().parameters.InterfaceNumber()), start,
                                      count);
            },
            [this](int message, bool on) {
                ovis::Link& link = link_->link();
                link.Prepare(std::uint8_t(store_.Tables().parameters.InterfaceNumber()), command::kLevels,
                             SwitchPayload(message, on));
                link.SendTelegram();
                return link.Result() == LinkResult::Ok;
            },
            [this] { return link_->link().ReplayStopRequested(); }, [this] { link_->link().ClearReplayStop(); }});
        visuDialogs_->SetParent(visu_.get());
    }
    return *visu_;
}

// The video replay shows the file in the one recording buffer; a failure is an exception's text.
void ApplicationWindows::OpenVideo(const std::filesystem::path& file) {
    if (visu_ && visu_->isVisible()) return;
    try {
        if (!recording_) Analyser();
        recording_->LoadFile(file);
        Visualisation().OpenVideo(recording_->Events(), recording_->FileName());
    } catch (const std::exception& e) {
        dialogs_.Error(std::string("Exception: ") + e.what());
    }
}

void ApplicationWindows::OpenOnlineVisualisation() {
    if (!Visualisation().OpenOnline()) return;
    const ProjectTables& tables = store_.Tables();
    onlineMessages_ = OnlineMessagesOf(tables.io, tables.led);
    OnlineTargets& targets = online_->Targets();
    targets.messageCount = onlineMessages_.Count();
    targets.roles = onlineMessages_.roles;
    targets.visuQueue = &visu_->Queue();
    targets.elements = visu_->Binding().elements;
    mainForm_->Model().VisualisationOnlineOpenChanged(true);
    mainForm_->RefreshStates();
}

void ApplicationWindows::VisualisationClosed(int mode) {
    switch (VisuMode(mode)) {
        case VisuMode::Parameter: mainForm_->EditorClosed(EditorSlot::VisualisationEditor); break;
        case VisuMode::Online:
            online_->Targets().visuQueue = nullptr;
            online_->Targets().elements = {};
            EndOnlineVisualisation(link_->link(), link_->progressWindows());
            link_->actions().SetLinkIdle(true);
            mainForm_->Model().VisualisationOnlineOpenChanged(false);
            mainForm_->RefreshStates();
            break;
        case VisuMode::Video: break;
    }
}

AnalyserOpener& ApplicationWindows::Analyser() {
    if (!analyser_) {
        recording_ = std::make_unique<TRecording>();
        analyserDialogs_ = std::make_unique<QtDialogs>();
        analyser_ = std::make_unique<AnalyserOpener>(AnalyserServices{
            store_.Tables(), *recording_, *analyserDialogs_, [this] { return store_.ProjectDirectory(); },
            [this](int context) { mainForm_->ShowHelp(context); },
            [this](bool open) {
                mainForm_->Model().AnalyserOpenChanged(open);
                mainForm_->RefreshStates();
            },
            {},
            [this](TFormAnalyser& analyser, const std::filesystem::path& file) {
                PrintAnalyser(analyser, file, store_.CurrentProjectName(), ReportDate(clock_.Now()), ReportPrinter(),
                              *analyserDialogs_);
            }});
    }
    return *analyser_;
}

void ApplicationWindows::OpenSystemConfiguration() {
    Konfig().exec();
    mainForm_->activateWindow();
    mainForm_->RefreshStates();
}

void ApplicationWindows::ReopenSerialPort() { link_->rs232().Port().ReopenPort(); }

void ApplicationWindows::StopStartViewSimulation() { mainForm_->StopSimulation(); }

void ApplicationWindows::RedrawEditors() {
    if (klPlan_ && klPlan_->isVisible()) klPlan_->Refresh();
    GroupsChanged();
    ProgramPagesChanged();
}

void ApplicationWindows::GroupsChanged() {
    if (gruppe_ && gruppe_->isVisible()) gruppe_->Refresh();
}

TableEditorWindow* ApplicationWindows::EditorWindow(EditorKind editor) const {
    switch (editor) {
        case EditorKind::Io: return klPlan_.get();
        case EditorKind::Groups: return gruppe_.get();
        case EditorKind::Counters: return counter_.get();
        case EditorKind::Timers: return timer_.get();
        case EditorKind::Programs: return programm_.get();
        case EditorKind::Led: return tabelle_.get();
        default: return nullptr;
    }
}

bool ApplicationWindows::IsOpen(EditorKind editor) const {
    TableEditorWindow* window = EditorWindow(editor);
    return window && window->isVisible();
}

bool ApplicationWindows::MarkUnsavedForReconfiguration(EditorKind editor) {
    return IsOpen(editor) && EditorWindow(editor)->QueryUnsavedForReconfiguration();
}

void ApplicationWindows::Focus(EditorKind editor) {
    if (!IsOpen(editor)) return;
    EditorWindow(editor)->raise();
    EditorWindow(editor)->activateWindow();
}

}  // namespace ovis::gui
