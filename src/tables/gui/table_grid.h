#pragma once
// TableGrid: the grid of every table editor. A fixed yellow column 0 with the row numbers,
// 16-pixel rows, column titles as labels above the grid, at least 21 lines, choosers at the
// mouse, the number editor and the inline editor over their cell. Every click and key goes to
// the TableEditorModel; the grid redraws from it.
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "tables/table_editor_model.h"

class QLabel;
class QLineEdit;
class QMenu;
class QTableView;

namespace ovis::gui {

class ChooserPopup;
class GridItemModel;

// A column title above the grid; it may span several columns.
struct GridTitle {
    QString text;
    int firstColumn = 0;
    int lastColumn = 0;
};

inline constexpr int kGridRowHeight = 16;

class TableGrid : public QWidget {
    Q_OBJECT
public:
    TableGrid(TableEditorModel& model, std::vector<int> columnWidths, std::vector<GridTitle> titles,
              QWidget* parent = nullptr);
    ~TableGrid() override;

    // Where a chooser opens relative to the mouse pointer.
    void SetChooserOffset(QPoint offset) { chooserOffset_ = offset; }
    // The menu a right click on a name cell shows.
    void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }

    // Rebuilds the cells and the selection from the model.
    void Refresh();
    // Closes the chooser and leaves the number and inline editors (their input is kept); by
    // Escape, scrolling, a press in the grid, a menu, or the window's deactivation.
    void HideEditors();
    // Ends editing and gives the grid the keyboard focus.
    void FocusGrid();

    QTableView* View() const { return view_; }
    ChooserPopup* Chooser() const { return chooser_; }
    QLineEdit* NumberEditor() const { return numberEditor_; }
    QLineEdit* InlineEditor() const { return inlineEditor_; }
    // The rectangle of a cell in the coordinates of the view's viewport.
    QRect CellRect(int row, int column) const;
    // Width of the grid for the current row count (wider with the scroll bar).
    int GridWidth() const;

signals:
    // The table, the selection or an editor changed; the window refreshes what depends on them.
    void changed();
    // A cell of the cursor row asks for the table's own dialog (or menu), at the mouse.
    void dialogRequested(int column, QPoint globalPosition);
    // The choosers and editors were hidden; editors of a table's own close with them.
    void editorsHidden();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleMouse(QEvent* event);
    bool HandleKey(QEvent* event);
    bool HandleEditorEvent(QLineEdit* editor, QEvent* event);
    void Perform(CellAction action, QPoint globalPosition);
    void OpenChooser(int column, QPoint globalPosition);
    void OpenNumberEditor();
    void OpenInlineEditor();
    void CloseNumberEditor(bool keep);
    void CloseInlineEditor();
    void Changed();

    TableEditorModel& model_;
    std::vector<int> widths_;
    GridItemModel* items_ = nullptr;
    QTableView* view_ = nullptr;
    QWidget* titleBar_ = nullptr;
    ChooserPopup* chooser_ = nullptr;
    QLineEdit* numberEditor_ = nullptr;
    QLineEdit* inlineEditor_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QPoint chooserOffset_{13, 32};
    QString acceptedInlineText_;
    bool dragging_ = false;
    bool closingEditor_ = false;
    int shownCursorRow_ = -1;
};

}  // namespace ovis::gui
