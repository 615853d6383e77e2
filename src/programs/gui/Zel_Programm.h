#pragma once
// TFormProgramm: the program editor (caption " Programm :  " + the program's name). A page
// control holds the program grid ("Programm"), the program list with a preview ("Auswahl") and
// the other tables read-only ("I / O" with the module of the current message, "Gruppen", "LED",
// "Counter", "Timer", "Datenausgabe"); names copied there are pasted into the operand cells.
// The "Ablage" list at the top right holds the names copied first.
#include <array>
#include <functional>
#include <memory>

#include "programs/program_editor.h"
#include "programs/program_pages.h"
#include "programs/reference_pages.h"
#include "programs/selection_page.h"
#include "tables/gui/table_editor_window.h"

class QComboBox;
class QTabWidget;
class QTableWidget;

namespace ovis {
class ProjectStore;
class Dialogs;
class Trash;
}

namespace ovis::gui {

class IoModuleView;

class TFormProgramm : public TableEditorWindow {
    Q_OBJECT
public:
    TFormProgramm(ProjectStore& store, Dialogs& dialogs, Trash& trash, EditorHooks hooks, QWidget* parent = nullptr);
    ~TFormProgramm() override;

    ProgramEditor& Model() { return *program_; }

    // Opening from the main window: every page is rebuilt from the current tables.
    void OpenEditor();
    // Another editor saved its table: the pages show it when the window is open.
    void TablesChanged();

    void OeffnenClick();
    void SpeichernUnterClick();
    void LoeschenClick();
    void KopierenClick();

    QTabWidget* Pages() const { return pages_; }
    ProgramPage CurrentPage() const;
    void ShowPage(ProgramPage page);
    // The grid of a read-only page ("I / O" to "Datenausgabe"); the preview on "Auswahl".
    TableGrid* PageGrid(ProgramPage page) const { return pageGrids_.at(std::size_t(page)); }
    QTableWidget* ProgramList() const { return programList_; }
    IoModuleView* IoModule() const { return ioModule_; }
    QComboBox* Ablage() const { return ablage_; }
    QAction* NewAction() const { return new_; }
    QAction* OpenAction() const { return open_; }
    QAction* SaveAsAction() const { return saveAs_; }
    QAction* DeleteAction() const { return delete_; }
    QAction* BlankLineAction() const { return blankLine_; }
    QMenu* ResetMenu() const { return resetMenu_; }

protected:
    void Redrawn() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormProgramm(std::unique_ptr<ProgramEditor> program, ProjectStore& store, EditorHooks hooks, QWidget* parent);

    void BuildMenus();
    void BuildPages();
    QWidget* BuildSelectionPage();
    TableGrid* AddReadOnlyPage(ProgramPage page, TableEditorModel& table, const EditorWindowLayout& layout,
                               QWidget* beside = nullptr);
    void RefreshPages();
    void RefreshProgramList();
    void RefreshAblage();
    void UpdatePageMenus();
    void PageChanged();
    void SelectProgram(int row);
    // Drags of a line by its row number on the program grid.
    bool HandleRowDrag(QEvent* event);

    std::unique_ptr<ProgramEditor> program_;
    ProjectStore& store_;
    std::function<void(int)> showHelp_;
    ReferencePages references_;
    SelectionPage selection_;
    QTabWidget* pages_ = nullptr;
    std::array<TableGrid*, kProgramPageCount> pageGrids_{};
    QTableWidget* programList_ = nullptr;
    IoModuleView* ioModule_ = nullptr;
    QComboBox* ablage_ = nullptr;
    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* blankLine_ = nullptr;
    QMenu* resetMenu_ = nullptr;
    int dragFromRow_ = -1;
};

}  // namespace ovis::gui
