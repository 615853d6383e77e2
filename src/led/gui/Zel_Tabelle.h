#pragma once
// TFormTabelle: the LED table editor (caption " LED"): the LED table in the shared editor window
// with the menu "&Ansicht", the module assignment, and the picture of the current row on the main
// window's display panel with its text field, scroll bar and context menu.
#include <functional>
#include <memory>
#include <vector>

#include "led/gui/led_editing_line.h"
#include "led/led_editor.h"
#include "tables/gui/table_editor_window.h"

namespace ovis {
class ProjectStore;
class Dialogs;
class FontRasterizer;
}

namespace ovis::gui {

class TFormModToMod;
class TFormSonderZchn;
class LedFontDialog;

// The LED table's columns and titles, shared with the program editor's "LED" page.
EditorWindowLayout TabelleLayout();

struct TabelleHooks {
    EditorHooks editor;                             // window closed, help
    std::function<void(std::size_t rows)> saved;  // after every successful save, with the row count
    std::function<void()> stopSimulation;         // an editing action stops a running simulation
};

class TFormTabelle : public TableEditorWindow {
    Q_OBJECT
public:
    TFormTabelle(ProjectStore& store, Dialogs& dialogs, FontRasterizer& rasterizer, TabelleHooks hooks,
                 QWidget* parent = nullptr);
    ~TFormTabelle() override;

    LedEditor& Model() { return *led_; }

    // The main window's display panel and editing line, which this editor drives while open.
    void AttachDisplay(LedEditingParts parts);
    // Opening from the main window: the editor window, the editing line and the LED editing state.
    void OpenLedEditor();
    // Redraws the module pictures from the parameter record (after the module settings changed).
    void ModulesChanged();

    // "Text anzeigen" on the main window.
    void TextAnzeigenClick();
    // The x0/x1 check before the simulation starts; true when it passes.
    bool CheckBeforeSimulation();
    // The module assignment of the current row (column "Modul").
    void ModulzuordnungClick();
    void SchriftartClick();
    void ModuleClick();
    void FarbeClick();
    void ModulBearbeitenClick();
    void StartansichtClick();

    QMenu* ViewMenu() const { return viewMenu_; }
    QAction* StandardFontAction() const { return standardFont_; }
    QAction* HorizontalSpacingAction(int spacing) const { return horizontal_.at(std::size_t(spacing)); }
    QAction* VerticalSpacingAction(int spacing) const { return vertical_.at(std::size_t(spacing)); }
    QAction* FontAction() const { return font_; }
    QAction* ModulesAction() const { return modules_; }
    QAction* ModuleNameAction() const { return moduleName_; }
    QAction* StartViewAction() const { return startView_; }

    QMenu* PictureMenu() const { return pictureMenu_; }
    QAction* CopyColumnsAction() const { return copyColumns_; }
    QAction* PasteColumnsAction() const { return pasteColumns_; }
    QAction* EraseColumnsAction() const { return eraseColumns_; }
    QAction* InsertColumnAction() const { return insertColumn_; }
    QAction* DeleteColumnAction() const { return deleteColumn_; }
    QAction* EffectsAction() const { return effects_; }
    QAction* MirrorVerticalAction() const { return mirrorVertical_; }
    QAction* MirrorHorizontalAction() const { return mirrorHorizontal_; }
    QAction* InvertAction() const { return invert_; }
    QAction* EditModuleAction() const { return editModule_; }

    TFormModToMod* ModuleAssignmentDialog() const { return assignment_; }
    LedFontDialog* FontDialog() const { return fontDialog_; }

protected:
    void Redrawn() override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFormTabelle(std::unique_ptr<LedEditor> led, ProjectStore& store, Dialogs& dialogs, TabelleHooks hooks,
                 QWidget* parent);

    void BuildViewMenu();
    void BuildPictureMenu();
    void ConnectDisplay();
    void ShowPictureMenu(QPoint globalPosition);
    void ColumnDialog(int column, QPoint globalPosition);
    // Runs a picture command and redraws.
    QAction* AddPictureCommand(QMenu* menu, const QString& text, void (LedEditor::*command)());
    void DrawDisplay();
    void ShowCurrentRow();
    void Closed();
    void StopSimulation();
    std::function<void(int)> HelpHandler() const;

    std::unique_ptr<LedEditor> led_;
    ProjectStore& store_;
    Dialogs& dialogs_;
    TabelleHooks hooks_;
    LedEditingParts display_;
    QMenu* viewMenu_ = nullptr;
    QAction* standardFont_ = nullptr;
    std::vector<QAction*> horizontal_;
    std::vector<QAction*> vertical_;
    QAction* font_ = nullptr;
    QAction* modules_ = nullptr;
    QAction* moduleName_ = nullptr;
    QAction* startView_ = nullptr;
    QMenu* pictureMenu_ = nullptr;
    QAction* copyColumns_ = nullptr;
    QAction* pasteColumns_ = nullptr;
    QAction* eraseColumns_ = nullptr;
    QAction* insertColumn_ = nullptr;
    QAction* deleteColumn_ = nullptr;
    QAction* effects_ = nullptr;
    QAction* mirrorVertical_ = nullptr;
    QAction* mirrorHorizontal_ = nullptr;
    QAction* invert_ = nullptr;
    QAction* editModule_ = nullptr;
    TFormModToMod* assignment_ = nullptr;
    LedFontDialog* fontDialog_ = nullptr;
    TFormSonderZchn* pixelEditor_ = nullptr;  // while "Modul bearbeiten" is open
    int shownRow_ = -1;
};

}  // namespace ovis::gui
