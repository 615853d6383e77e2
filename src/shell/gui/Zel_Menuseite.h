#pragma once
// TMainForm: the main window. Drop-down menu buttons, tool buttons, the display panel with the
// LED display and its editing line, and the work area where the other windows appear. The
// decisions are MainWindowModel's; the window shows them and forwards the user's commands.
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "led/gui/led_editing_line.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/main_window_model.h"
#include "tables/name_check.h"

class QAction;
class QFrame;
class QLineEdit;
class QMdiArea;
class QPushButton;
class QScrollBar;
class QToolBar;
class QToolButton;

namespace ovis::gui {

class LedDisplayPanel;
class LedSimulationDriver;
class TFormHilfe;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Creating the window loads the start view (FormCreate); `dialogs` shows every box.
    TMainForm(ProjectStore& store, Dialogs& dialogs, ShellHooks& hooks, QWidget* parent = nullptr);
    ~TMainForm() override;

    MainWindowModel& Model() { return model_; }
    ProjectStore& Store() { return store_; }

    QAction* Action(MenuCommand command) const;
    QToolButton* MenuButton(MenuId menu) const;
    // The tool button of an item; nullptr for items without one.
    QToolButton* ToolButton(MenuCommand command) const;
    QToolBar* MenuButtonBar() const { return menuButtonBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    // The tool bar with the single button "Visualisierung - Online".
    QToolBar* VisualisationBar() const { return visualisationBar_; }
    QAction* VisualisationOnlineAction() const { return visualisationOnline_; }
    QFrame* DisplayPanel() const { return displayPanel_; }
    LedDisplayPanel* LedPanel() const { return ledPanel_; }
    QMdiArea* WorkArea() const { return workArea_; }
    TFormHilfe* HelpWindow() const { return help_; }

    // The LED editing line, hidden until the LED table editor shows it.
    QWidget* LedEditingLine() const { return ledLine_; }
    QLineEdit* LedText() const { return ledText_; }
    QPushButton* ShowTextButton() const { return showTextButton_; }
    QScrollBar* LedScrollBar() const { return ledScrollBar_; }
    QPushButton* SimulationButton() const { return simulationButton_; }
    // The LED display simulation played on the display panel.
    LedSimulationDriver& Simulation() { return *simulation_; }
    // The panel and editing line as the LED table editor drives them.
    LedEditingParts EditingParts() const { return {ledPanel_, ledLine_, ledText_, showTextButton_, ledScrollBar_}; }

    // --- Extension points for the windows of the other subsystems ---
    // Runs `handler` for the item instead of its built-in action or the "later version" note.
    void SetCommandHandler(MenuCommand command, std::function<void()> handler);
    // Runs `handler` for the button "Visualisierung - Online".
    void SetVisualisationOnlineHandler(std::function<void()> handler) { visualisationOnlineHandler_ = std::move(handler); }
    // An editor behind an item: opening applies the rule of `EditorOpenFlags` and then calls
    // `show`, which creates the window on first use and shows it. An exception from `show` is
    // reported as "Exception: " + text. The editor's close handler calls EditorClosed.
    void RegisterEditor(MenuCommand command, EditorSlot slot, std::function<void()> show);
    void EditorClosed(EditorSlot slot);
    // The evaluation window behind "Auswertung (Units)", "Analyser", "Statistik" and "Video".
    void SetEvaluationOpener(std::function<void(EvaluationMode)> opener);
    // The LED table editor's check before a start from the simulation button while it is open
    // (it selects the failing cell); false keeps the simulation stopped.
    void SetSimulationStartCheck(std::function<bool()> check) { simulationStartCheck_ = std::move(check); }
    // Called by the I/O editor and the LED table editor after saving their table.
    void InterfaceTableSaved(std::size_t rowCount);

    // Shows the help page of a context number.
    void ShowHelp(int context);
    // Applies the model's item states and caption to the window.
    void RefreshStates();
    // Draws the start-view picture of the loaded LED table in the first module's colours.
    void ShowStartView();
    // "Start der Simulation" and the start view after start-up: the x0/x1 check (its failure
    // shown), then the simulation plays on the display panel.
    void StartSimulation();
    // Ends a running simulation (start view, opening or creating a project, closing).
    void StopSimulation();
    // The button "Start Simulation" / "Stop Simulation".
    void SimulationButtonClick();
    // A second start asked for this window.
    void BringToFront();

    // --- The items' handlers ---
    void NeuesProjektClick();
    void ProjektOeffnenClick();
    void ProjektSpeichernUnterClick();
    void DruckereinrichtungClick();
    void BeendenClick();
    void RueckgaengigClick();
    void InhaltClick();
    void InfoClick();

signals:
    void Closed();
    // A mouse press on the display panel (the LED table editor stops its simulation on it).
    void DisplayPanelPressed(Qt::MouseButton button);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ResizeToFitScreen();
    void FormCreate();
    void FormShow();
    void BuildMenus();
    QWidget* BuildCentralArea();
    void Trigger(MenuCommand command);
    void OpenEditor(EditorSlot slot, const std::function<void()>& show);
    void OpenEvaluation(EvaluationMode mode);
    void AfterProjectOpened();
    void ShowSimulationFailure(const std::optional<CheckFailure>& failure);
    void DrawSimulationFrame();

    struct Editor {
        EditorSlot slot;
        std::function<void()> show;
    };

    ProjectStore& store_;
    Dialogs& dialogs_;
    MainWindowModel model_;
    std::map<MenuCommand, QAction*> actions_;
    std::map<MenuId, QToolButton*> menuButtons_;
    std::map<MenuCommand, std::function<void()>> handlers_;
    std::map<MenuCommand, Editor> editors_;
    std::function<void(EvaluationMode)> evaluationOpener_;

    QToolBar* menuButtonBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QToolBar* visualisationBar_ = nullptr;
    QAction* visualisationOnline_ = nullptr;
    std::function<void()> visualisationOnlineHandler_;
    QFrame* displayPanel_ = nullptr;
    LedDisplayPanel* ledPanel_ = nullptr;
    QWidget* ledLine_ = nullptr;
    QLineEdit* ledText_ = nullptr;
    QPushButton* showTextButton_ = nullptr;
    QScrollBar* ledScrollBar_ = nullptr;
    QPushButton* simulationButton_ = nullptr;
    QMdiArea* workArea_ = nullptr;
    TFormHilfe* help_ = nullptr;
    SystemClock clock_;
    std::unique_ptr<LedSimulationDriver> simulation_;
    bool shown_ = false;
    std::function<bool()> simulationStartCheck_;
};

}  // namespace ovis::gui
