#pragma once
// TFormKonfig: the system configuration dialog.
#include <QDialog>
#include <functional>

#include "config/system_configuration.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QTabWidget;
class QTableWidget;

namespace ovis {
class ProjectStore;
}

namespace ovis::gui {

class TFormKonfig : public QDialog {
    Q_OBJECT
public:
    TFormKonfig(ProjectStore& store, Dialogs& dialogs, ConfigurationHooks& hooks, QWidget* parent = nullptr);

    // Shows the help page of a context number.
    void SetHelpHandler(std::function<void(int)> handler) { showHelp_ = std::move(handler); }

    SystemConfiguration& Model() { return model_; }
    QTabWidget* Pages() const { return pages_; }
    QTableWidget* FolderGrid() const { return folderGrid_; }
    QTableWidget* ModuleGrid() const { return moduleGrid_; }
    QLabel* AllMessagesUnitsPanel() const { return u1_; }
    QLabel* TotalUnitsPanel() const { return uGe_; }

    void SpeichernClick();
    void SchliessenClick();
    void OrdnerErstellenClick();
    void OrdnerUmbenennenClick();
    void OrdnerLoeschenClick();
    void ModulEinfuegenClick(int code);
    void ModulLoeschenClick();
    // Opens the units list of a grid folder at a screen position.
    void ShowUnitsChooser(int folder, const QPoint& globalPosition);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildMemoryPage();
    QWidget* BuildSystemPage();
    QWidget* BuildPcPage();
    QWidget* BuildOptionsPage();
    void BuildMenus(QMenuBar* bar);
    void Redisplay();
    void UpdateMenuStates();
    QMenu* FolderContextMenu();
    std::pair<int, int> SelectedModuleLines() const;

    ProjectStore& store_;
    Dialogs& dialogs_;
    SystemConfiguration model_;
    std::function<void(int)> showHelp_;
    FolderField lastFolderField_ = FolderField::Grid;
    bool filling_ = false;

    QTabWidget* pages_ = nullptr;
    QLineEdit* allMessagesFolder_ = nullptr;
    QLineEdit* outputFolder_ = nullptr;
    QLabel* u1_ = nullptr;
    QLabel* u2_ = nullptr;
    QLabel* uGe_ = nullptr;
    QTableWidget* folderGrid_ = nullptr;
    QListWidget* memorySize_ = nullptr;
    QButtonGroup* busExtension_ = nullptr;
    QTableWidget* moduleGrid_ = nullptr;
    QComboBox* interfaceNumber_ = nullptr;
    QComboBox* interfaceModem_ = nullptr;
    QComboBox* interfaceBaud_ = nullptr;
    QComboBox* port_ = nullptr;
    QComboBox* interfaceCount_ = nullptr;
    QLineEdit* neighbour_ = nullptr;
    QComboBox* pcBaud_ = nullptr;
    QComboBox* pcModem_ = nullptr;
    QButtonGroup* relayMode_ = nullptr;
    QButtonGroup* resetAtMidnight_ = nullptr;
    QButtonGroup* resetAfterPowerLoss_ = nullptr;
    QLineEdit* serverDirectory_ = nullptr;
    QAction* createFolder_ = nullptr;
    QAction* renameFolder_ = nullptr;
    QAction* deleteFolder_ = nullptr;
    QMenu* moduleMenu_ = nullptr;
    QAction* insertModule_ = nullptr;
    QAction* deleteModule_ = nullptr;
};

}  // namespace ovis::gui
