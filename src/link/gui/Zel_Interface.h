#pragma once
// TFormInterface: the evaluation window. The project's folders on the left; on the right the
// data units of a folder as the Interface lists them (data-units mode) or the recording files of
// a folder (analyser and statistics modes). The rules are the core's (evaluation/, link/); the
// window shows them and forwards the user's commands.
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "evaluation/evaluation_commands.h"
#include "link/unit_directory.h"
#include "platform/dialogs.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace ovis {
class ProjectStore;
class UnitReadout;
}  // namespace ovis

namespace ovis::gui {

class LinkController;

struct InterfaceWindowHooks {
    std::function<void()> closed;            // the main window clears its evaluation marks
    std::function<void(int context)> showHelp;
    std::function<bool()> mainWindowActive;  // the window closes when the main window is activated
    std::function<void()> outputFilesChanged;  // the program editor's "Datenausgabe" page, when open
    // "Datei auswerten": the analyser (modes 1 and 2), the statistics (3), the visualisation (4).
    // Unset: the note that the function comes in a later version.
    std::function<void(EvaluationWindowMode mode, int folder, const std::filesystem::path& folderDirectory,
                       const std::string& fileName)>
        evaluate;
};

class TFormInterface : public QWidget {
    Q_OBJECT
public:
    TFormInterface(ProjectStore& store, Dialogs& dialogs, LinkController& link, InterfaceWindowHooks hooks,
                   QWidget* parent = nullptr);
    ~TFormInterface() override;

    // Shows the window in a mode (caption, help context; FormShow).
    void Open(EvaluationWindowMode mode);
    EvaluationWindowMode Mode() const { return mode_; }

    QTreeWidget* Tree() const { return tree_; }
    QTableWidget* Grid() const { return grid_; }
    QMenuBar* Menus() const { return menuBar_; }
    QMenu* GridMenu() const { return gridMenu_; }
    QLabel* Note() const { return note_; }
    QAction* Auswerten() const { return auswerten_; }
    QAction* Uebertragen() const { return uebertragen_; }
    QAction* Umbenennen() const { return umbenennen_; }
    QAction* Erzeugen() const { return erzeugen_; }
    QAction* Loeschen() const { return loeschen_; }
    int UnitCount() const { return int(units_.size()); }
    const std::filesystem::path& FolderDirectory() const { return folderDirectory_; }
    const std::string& FileBeginDate() const { return fileBeginDate_; }

    // The handlers.
    void TreeView1Change(QTreeWidgetItem* item);
    void StringGrid1Click();
    void StringGrid1RightClick(const QPoint& position);
    void DateiAuswertenClick();
    void DateiUebertragenClick();
    void DateiErzeugenClick();
    void DateiBezeichnungClick();
    void DateiLoeschenClick();
    void SchliessenClick() { close(); }
    void Hilfe1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    void FormShow();
    void RebuildTree();
    void ClearGrid(int rows);
    void SetRootGrid();
    void ReadUnitDirectory(int folder);
    void ListFolderFiles();
    void RecordSelection();
    void SetCommands(const FileCommands& commands);
    std::string Cell(int row, int column) const;
    void SetCell(int row, int column, const std::string& utf8);
    std::string FolderNameUtf8() const;
    bool OutputFolderChosen() const;
    std::filesystem::path ProjectDirectory() const;

    ProjectStore& store_;
    Dialogs& dialogs_;
    LinkController& link_;
    InterfaceWindowHooks hooks_;
    std::unique_ptr<UnitReadout> readout_;
    EvaluationWindowMode mode_ = EvaluationWindowMode::Closed;
    int helpContext_ = 9001;
    int lastNode_ = -1;  // absolute index of the node chosen last, kept while the program runs
    std::vector<std::string> nodeTexts_;  // code page 1252, by absolute index
    std::vector<UnitBegin> units_;
    std::string folderName_;  // code page 1252
    int folderIndex_ = 0;
    std::filesystem::path folderDirectory_;
    std::string fileName_;
    std::string fileBeginDate_;
    int firstRow_ = 0, lastRow_ = 0;
    bool busy_ = false;  // a conversation with the Interface runs

    QMenuBar* menuBar_ = nullptr;
    QMenu* gridMenu_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* note_ = nullptr;
    QAction* auswerten_ = nullptr;
    QAction* uebertragen_ = nullptr;
    QAction* umbenennen_ = nullptr;
    QAction* erzeugen_ = nullptr;
    QAction* loeschen_ = nullptr;
};

}  // namespace ovis::gui
