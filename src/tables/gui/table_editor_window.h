#pragma once
// TableEditorWindow: the window every table editor shares: a fixed-size, always-on-top window
// centred on the screen with the menus "&Datei", "&Bearbeiten" and "&?", the grid and its
// context menu, the save and close handling. Table editors add their own parts beside the grid.
#include <QWidget>
#include <functional>

#include "tables/gui/table_grid.h"
#include "tables/table_editor_model.h"

class QAction;
class QHBoxLayout;
class QMenu;
class QMenuBar;

namespace ovis::gui {

struct EditorWindowLayout {
    QString caption;
    int helpContext = 0;
    int editMenuHelpContext = 0;  // 0: the edit menu uses `helpContext`
    std::vector<int> columnWidths;
    std::vector<GridTitle> titles;
    QPoint chooserOffset{13, 32};
};

// What the main window gives an editor.
struct EditorHooks {
    std::function<void()> closed;               // the window was closed (its EditorOpenFlags entry)
    std::function<void(int context)> showHelp;  // opens the help page of a context number
    std::function<void()> print;                // "Drucken...": the preview of the table's report
};

class TableEditorWindow : public QWidget {
    Q_OBJECT
public:
    TableEditorWindow(TableEditorModel& model, EditorWindowLayout layout, EditorHooks hooks, QWidget* parent = nullptr);

    // Opening from the main window: the per-opening state is reset, the grid rebuilt from the
    // table (nothing is reloaded) and the window shown in its normal size.
    void OpenEditor();
    // The close query of the reconfiguration: asks nothing; true when input is unsaved.
    bool QueryUnsavedForReconfiguration();
    // Rebuilds the grid and everything that depends on the table.
    void Refresh();

    void SpeichernClick();
    void SchliessenClick();
    void Hilfe1Click();

    TableGrid* Grid() const { return grid_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* EditMenu() const { return editMenu_; }
    QMenu* ContextMenu() const { return contextMenu_; }
    QAction* SaveAction() const { return save_; }
    QAction* PrintAction() const { return print_; }
    QAction* UndoAction() const { return undo_; }
    QAction* CutAction() const { return cut_; }
    QAction* CopyAction() const { return copy_; }
    QAction* PasteAction() const { return paste_; }
    QAction* EraseAction() const { return erase_; }
    QAction* CopyMessagesAction() const { return copyMessages_; }
    QAction* PasteMessagesAction() const { return pasteMessages_; }
    QAction* DeleteMessagesAction() const { return deleteMessages_; }
    QAction* NewMessageAction() const { return newMessage_; }

protected:
    // The row beside the grid where table editors put their own parts.
    QHBoxLayout* Body() const { return body_; }
    // Called after every rebuild of the grid.
    virtual void Redrawn() {}

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut, void (TableEditorModel::*command)());
    void UpdateMenuStates();
    void ShowHelp(int context);

    TableEditorModel& model_;
    EditorWindowLayout layout_;
    EditorHooks hooks_;
    TableGrid* grid_ = nullptr;
    QHBoxLayout* body_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QAction* save_ = nullptr;
    QAction* print_ = nullptr;
    QAction* close_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* erase_ = nullptr;
    QAction* copyMessages_ = nullptr;
    QAction* pasteMessages_ = nullptr;
    QAction* deleteMessages_ = nullptr;
    QAction* newMessage_ = nullptr;
};

}  // namespace ovis::gui
