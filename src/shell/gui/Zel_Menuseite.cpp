#include "shell/gui/Zel_Menuseite.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "led/gui/led_display_panel.h"
#include "led/gui/led_simulation_driver.h"
#include "led/led_sim_frame.h"
#include "shell/gui/Zel_Hilfe.h"
#include "shell/gui/Zel_Info.h"
#include "shell/gui/Zel_Open.h"
#include "shell/gui/report_printer.h"
#include "platform/gui/text_conversion.h"
#include "shell/gui/toolbar_icons.h"
#include "shell/help_pages.h"
#include "shell/start_view_display.h"

namespace ovis::gui {

namespace {
const QColor kPanelGrey(0x3C, 0x3F, 0x41);
}  // namespace

TMainForm::TMainForm(ProjectStore& store, Dialogs& dialogs, ShellHooks& hooks, QWidget* parent)
    : QMainWindow(parent), store_(store), dialogs_(dialogs), model_(store, hooks) {
    setWindowIcon(ApplicationIcon());
    setContextMenuPolicy(Qt::PreventContextMenu);  // no tool bar chooser
    BuildMenus();
    setCentralWidget(BuildCentralArea());
    simulation_ = std::make_unique<LedSimulationDriver>(store_.Tables().led, clock_);
    connect(simulation_.get(), &LedSimulationDriver::FrameComposed, this, &TMainForm::DrawSimulationFrame);
    connect(simulation_.get(), &LedSimulationDriver::RunningChanged, this,
            [this] { simulationButton_->setText(QString::fromLatin1(simulation_->ButtonText())); });
    connect(simulationButton_, &QPushButton::clicked, this, &TMainForm::SimulationButtonClick);
    ResizeToFitScreen();
    FormCreate();
    RefreshStates();
}

TMainForm::~TMainForm() = default;

void TMainForm::ResizeToFitScreen() {
    const QRect available = screen()->availableGeometry();
    const WindowSize size = FirstMainWindowSize({available.width(), available.height()});
    resize(size.width, size.height);
}

// ---------------------------------------------------------------------------------------------
// Construction

void TMainForm::BuildMenus() {
    menuButtonBar_ = addToolBar(QStringLiteral("Menü"));
    menuButtonBar_->setObjectName(QStringLiteral("MenuButtons"));
    addToolBarBreak();
    toolBar_ = addToolBar(QStringLiteral("Werkzeuge"));
    toolBar_->setObjectName(QStringLiteral("ToolButtons"));
    toolBar_->setIconSize(QSize(24, 24));
    visualisationBar_ = addToolBar(QStringLiteral("Visualisierung"));
    visualisationBar_->setObjectName(QStringLiteral("VisualisationButtons"));
    visualisationBar_->setIconSize(QSize(24, 24));
    visualisationOnline_ = new QAction(VisualisationOnlineIcon(), FromCore(kVisualisationOnlineHint), this);
    visualisationOnline_->setToolTip(FromCore(kVisualisationOnlineHint));
    visualisationBar_->addAction(visualisationOnline_);
    connect(visualisationOnline_, &QAction::triggered, this, [this] {
        if (visualisationOnlineHandler_) visualisationOnlineHandler_();
        RefreshStates();
    });
    for (QToolBar* bar : {menuButtonBar_, toolBar_, visualisationBar_}) {
        bar->setMovable(false);
        bar->setFloatable(false);
    }

    for (const MenuEntry& menuEntry : Menus()) {
        auto* button = new QToolButton(menuButtonBar_);
        button->setText(FromCore(menuEntry.caption));
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
        auto* menu = new QMenu(button);
        button->setMenu(menu);
        menuButtons_[menuEntry.id] = button;
        menuButtonBar_->addWidget(button);

        bool firstButtonOfMenu = true;
        for (const MenuItemEntry& item : MenuItems()) {
            if (item.menu != menuEntry.id) continue;
            auto* action = new QAction(FromCore(item.caption), this);
            if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            if (item.buttonHint) {
                action->setIcon(CommandIcon(item.command));
                action->setToolTip(FromCore(item.buttonHint));
                if (firstButtonOfMenu && !toolBar_->actions().isEmpty()) toolBar_->addSeparator();
                firstButtonOfMenu = false;
                toolBar_->addAction(action);
            }
            const MenuCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { Trigger(command); });
            menu->addAction(action);
            actions_[command] = action;
        }
    }
}

QWidget* TMainForm::BuildCentralArea() {
    displayPanel_ = new QFrame;
    displayPanel_->setObjectName(QStringLiteral("DisplayPanel"));
    displayPanel_->setFrameShape(QFrame::StyledPanel);
    displayPanel_->setFrameShadow(QFrame::Sunken);
    displayPanel_->setAutoFillBackground(true);
    QPalette panelPalette = displayPanel_->palette();
    panelPalette.setColor(QPalette::Window, kPanelGrey);
    panelPalette.setColor(QPalette::WindowText, QColor(0xE6, 0xE6, 0xE6));
    displayPanel_->setPalette(panelPalette);
    displayPanel_->setFocusPolicy(Qt::StrongFocus);
    displayPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    displayPanel_->installEventFilter(this);

    ledPanel_ = new LedDisplayPanel(displayPanel_);
    ledPanel_->installEventFilter(this);

    ledLine_ = new QWidget(displayPanel_);
    ledText_ = new QLineEdit(ledLine_);
    ledText_->setContextMenuPolicy(Qt::NoContextMenu);
    showTextButton_ = new QPushButton(QStringLiteral("Text anzeigen"), ledLine_);
    ledScrollBar_ = new QScrollBar(Qt::Horizontal, ledLine_);
    ledScrollBar_->setRange(0, 1275);
    simulationButton_ = new QPushButton(QStringLiteral("Start Simulation"), ledLine_);
    auto* lineLayout = new QHBoxLayout(ledLine_);
    lineLayout->setContentsMargins(0, 6, 0, 0);
    lineLayout->addWidget(new QLabel(QStringLiteral("Text der Meldung"), ledLine_));
    lineLayout->addWidget(ledText_, 2);
    lineLayout->addWidget(showTextButton_);
    lineLayout->addWidget(ledScrollBar_, 3);
    lineLayout->addWidget(simulationButton_);

    auto* panelLayout = new QVBoxLayout(displayPanel_);
    panelLayout->setContentsMargins(10, 9, 10, 9);
    panelLayout->setSpacing(0);
    panelLayout->addWidget(ledPanel_);
    panelLayout->addWidget(ledLine_);

    workArea_ = new QMdiArea;
    QLinearGradient backdrop(0, 0, 0, 1);
    backdrop.setCoordinateMode(QGradient::ObjectMode);
    backdrop.setColorAt(0, QColor(0x5B, 0x67, 0x73));
    backdrop.setColorAt(1, QColor(0x36, 0x3E, 0x46));
    workArea_->setBackground(QBrush(backdrop));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(displayPanel_);
    layout->addWidget(workArea_, 1);
    return central;
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void TMainForm::FormCreate() {
    const auto index = HelpIndex(HelpDirectoryInUse(store_.BaseDirectory(), InstalledHelpDirectory()));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(index, ec)) dialogs_.Information(MissingHelpMessage(index));
    model_.FormCreate();
    ledLine_->hide();
    store_.LoadStartView();
}

void TMainForm::FormShow() {
    model_.FormShow();
    ShowStartView();
    RefreshStates();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && shown_ && isActiveWindow()) {
        model_.FormActivate();
        RefreshStates();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    model_.FormClose();
    StopSimulation();
    if (help_) help_->close();
    event->accept();
    emit Closed();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp(kMainWindowHelpContext);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == displayPanel_ || watched == ledPanel_) && event->type() == QEvent::MouseButtonPress) {
        simulation_->PanelPressed(model_.EditorOpen(EditorSlot::LedEditor));
        emit DisplayPanelPressed(static_cast<QMouseEvent*>(event)->button());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------------------------------------
// States

QAction* TMainForm::Action(MenuCommand command) const { return actions_.at(command); }

QToolButton* TMainForm::MenuButton(MenuId menu) const { return menuButtons_.at(menu); }

QToolButton* TMainForm::ToolButton(MenuCommand command) const {
    return qobject_cast<QToolButton*>(toolBar_->widgetForAction(actions_.at(command)));
}

void TMainForm::RefreshStates() {
    for (const auto& [command, action] : actions_) {
        const ItemState state = model_.State(command);
        action->setEnabled(state.enabled);
        action->setVisible(state.visible);
    }
    visualisationOnline_->setEnabled(model_.VisualisationOnlineState().enabled);
    for (const auto& [menu, button] : menuButtons_) button->setEnabled(model_.MenuButtonEnabled(menu));
    setWindowTitle(FromCore(model_.Caption()));
}

void TMainForm::ShowStartView() {
    ProjectTables& tables = store_.Tables();
    ledPanel_->SetModules(tables.ledParameters.Record());
    ledPanel_->SetFrame(StartViewFrame(tables.led, tables.ledParameters.WorkingCopy().ModuleFarbe[0]));
}

void TMainForm::StartSimulation() { ShowSimulationFailure(simulation_->Start()); }

void TMainForm::StopSimulation() { simulation_->Stop(); }

void TMainForm::SimulationButtonClick() {
    const bool editorChecks = !simulation_->Running() && simulationStartCheck_ && model_.EditorOpen(EditorSlot::LedEditor);
    if (editorChecks && !simulationStartCheck_()) return;
    ShowSimulationFailure(simulation_->ButtonClicked());
}

void TMainForm::ShowSimulationFailure(const std::optional<CheckFailure>& failure) {
    if (failure) dialogs_.Warning(failure->message);
}

void TMainForm::DrawSimulationFrame() {
    ledPanel_->SetFrame(
        SimulationFrame(simulation_->Display(), ModuleColourPair(store_.Tables().ledParameters.WorkingCopy().ModuleFarbe[0]).dark));
}

// ---------------------------------------------------------------------------------------------
// Commands

void TMainForm::SetCommandHandler(MenuCommand command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
}

void TMainForm::RegisterEditor(MenuCommand command, EditorSlot slot, std::function<void()> show) {
    editors_[command] = Editor{slot, std::move(show)};
}

void TMainForm::SetEvaluationOpener(std::function<void(EvaluationMode)> opener) {
    evaluationOpener_ = std::move(opener);
}

void TMainForm::EditorClosed(EditorSlot slot) {
    model_.EditorClosed(slot);
    RefreshStates();
}

void TMainForm::InterfaceTableSaved(std::size_t rowCount) {
    model_.InterfaceTableSaved(rowCount);
    RefreshStates();
}

void TMainForm::Trigger(MenuCommand command) {
    if (auto handler = handlers_.find(command); handler != handlers_.end()) {
        handler->second();
    } else if (auto editor = editors_.find(command); editor != editors_.end()) {
        OpenEditor(editor->second.slot, editor->second.show);
    } else {
        switch (command) {
            case MenuCommand::NeuesProjekt: NeuesProjektClick(); break;
            case MenuCommand::ProjektOeffnen: ProjektOeffnenClick(); break;
            case MenuCommand::ProjektSpeichernUnter: ProjektSpeichernUnterClick(); break;
            case MenuCommand::Druckereinrichtung: DruckereinrichtungClick(); break;
            case MenuCommand::Beenden: BeendenClick(); break;
            case MenuCommand::Rueckgaengig: RueckgaengigClick(); break;
            case MenuCommand::Inhalt: InhaltClick(); break;
            case MenuCommand::Info: InfoClick(); break;
            case MenuCommand::AuswertungUnits:
            case MenuCommand::Analyser:
            case MenuCommand::Statistik:
            case MenuCommand::Video:
                if (evaluationOpener_) {
                    OpenEvaluation(EvaluationModeOf(command).mode);
                    break;
                }
                [[fallthrough]];
            default: dialogs_.Information(kLaterVersionNote); break;
        }
    }
    RefreshStates();
}

void TMainForm::OpenEditor(EditorSlot slot, const std::function<void()>& show) {
    model_.EditorOpening(slot);
    RefreshStates();
    try {
        show();
    } catch (const std::exception& e) {
        model_.EditorFailedToOpen(slot);
        dialogs_.Error(EditorFailureText(e.what()));
    }
}

void TMainForm::OpenEvaluation(EvaluationMode mode) {
    model_.EvaluationOpening(mode);
    RefreshStates();
    try {
        evaluationOpener_(mode);
    } catch (const std::exception& e) {
        if (model_.EditorOpen(EditorSlot::EvaluationWindow)) model_.EditorFailedToOpen(EditorSlot::EvaluationWindow);
        dialogs_.Error(EditorFailureText(e.what()));
    }
}

void TMainForm::AfterProjectOpened() { displayPanel_->setFocus(); }

void TMainForm::NeuesProjektClick() {
    if (model_.NewProject()) AfterProjectOpened();
}

void TMainForm::ProjektOeffnenClick() {
    model_.BeginOpenProject();
    RefreshStates();
    {
        TFormOpen browser(store_.BaseDirectory(), dialogs_, this);
        browser.SetHelpHandler([this](int context) { ShowHelp(context); });
        if (browser.exec() == QDialog::Accepted && browser.Result().chosen)
            model_.ChooseProject(browser.Result().baseDirectory, browser.Result().projectName);
    }
    if (model_.ProjectBrowserClosed()) AfterProjectOpened();
    // The browser was modal: the main window is active again once it has closed.
    if (isActiveWindow()) model_.FormActivate();
}

void TMainForm::ProjektSpeichernUnterClick() { model_.SaveProjectAs(); }

void TMainForm::DruckereinrichtungClick() { PrinterSetup(this); }

void TMainForm::BeendenClick() { close(); }

void TMainForm::RueckgaengigClick() { dialogs_.Information(kNoFunctionNote); }

void TMainForm::InhaltClick() { ShowHelp(kMainWindowHelpContext); }

void TMainForm::InfoClick() {
    TFormInfo info(this);
    info.exec();
}

void TMainForm::ShowHelp(int context) {
    if (!help_) help_ = new TFormHilfe(store_.BaseDirectory(), InstalledHelpDirectory(), this);
    help_->SetBaseDirectory(store_.BaseDirectory());
    help_->ShowContext(context);
}

}  // namespace ovis::gui
