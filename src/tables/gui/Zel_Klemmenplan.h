#pragma once
// TFormKlPlan: the I/O editor (caption " I / O"): the I/O table in the shared editor window and
// the terminal panel beside it.
#include <functional>
#include <memory>

#include "tables/gui/table_editor_window.h"
#include "tables/io_editor.h"

class QMenu;

namespace ovis {
class ProjectStore;
class Dialogs;
}

namespace ovis::gui {

class TerminalPanelWidget;

// The window's layout: caption, help context, column widths and titles (also the columns of the
// program editor's read-only page of this table).
EditorWindowLayout KlPlanLayout();

struct KlPlanHooks {
    EditorHooks editor;                        // window closed, help, "Drucken..."
    std::function<void(std::size_t rows)> saved;  // after every successful save, with the row count
};

class TFormKlPlan : public TableEditorWindow {
    Q_OBJECT
public:
    TFormKlPlan(ProjectStore& store, Dialogs& dialogs, KlPlanHooks hooks, QWidget* parent = nullptr);
    ~TFormKlPlan() override;

    IoEditor& Model() { return *io_; }
    TerminalPanelWidget* Panel() const { return panel_; }
    QMenu* IoMenu() const { return ioMenu_; }
    QAction* ResetRowsAction() const { return resetRows_; }
    QAction* ResetSignalsAction() const { return resetSignals_; }

protected:
    void Redrawn() override;

private:
    TFormKlPlan(std::unique_ptr<IoEditor> io, KlPlanHooks hooks, QWidget* parent);

    std::unique_ptr<IoEditor> io_;
    TerminalPanelWidget* panel_ = nullptr;
    QMenu* ioMenu_ = nullptr;
    QAction* resetRows_ = nullptr;
    QAction* resetSignals_ = nullptr;
};

}  // namespace ovis::gui
