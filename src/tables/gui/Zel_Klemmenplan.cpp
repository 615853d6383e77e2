#include "tables/gui/Zel_Klemmenplan.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

#include "tables/gui/terminal_panel_widget.h"

namespace ovis::gui {
EditorWindowLayout KlPlanLayout() {
    EditorWindowLayout layout;
    layout.caption = QStringLiteral(" I / O");
    layout.helpContext = kIoHelpContext;
    layout.editMenuHelpContext = kIoEditMenuHelpContext;
    layout.columnWidths = {24, 128, 24, 43, 34, 39, 37, 32, 37, 77};
    layout.titles = {{QStringLiteral("Nr"), 0, 0},
                   {QStringLiteral("Meldung"), 1, 1},
                   {QStringLiteral("Modul"), 2, 2},
                   {QStringLiteral("I/O"), 3, 3},
                   {QStringLiteral("Pegel"), 4, 4},
                   {QStringLiteral("Typ"), 5, 5},
                   {QStringLiteral("Ein-Verzögerung-Aus"), 6, 8},
                   {QStringLiteral("Speichern"), 9, 9}};
    layout.chooserOffset = QPoint(4, 4);  // just below and right of the pointer
    return layout;
}

TFormKlPlan::TFormKlPlan(ProjectStore& store, Dialogs& dialogs, KlPlanHooks hooks, QWidget* parent)
    : TFormKlPlan(std::make_unique<IoEditor>(store, dialogs), std::move(hooks), parent) {}

TFormKlPlan::TFormKlPlan(std::unique_ptr<IoEditor> io, KlPlanHooks hooks, QWidget* parent)
    : TableEditorWindow(io->Table(), KlPlanLayout(), hooks.editor, parent), io_(std::move(io)) {
    io_->SetSavedCallback(std::move(hooks.saved));

    panel_ = new TerminalPanelWidget(*io_, this);
    Body()->addWidget(panel_, 0, Qt::AlignTop);
    connect(panel_, &TerminalPanelWidget::changed, this, &TFormKlPlan::Refresh);
    connect(panel_, &TerminalPanelWidget::rowSwitched, this, [this] { Grid()->View()->setFocus(); });

    ioMenu_ = new QMenu(QStringLiteral("&I/O"), this);
    resetRows_ = ioMenu_->addAction(QStringLiteral("Reset  Meldungen"), this, [this] {
        Grid()->HideEditors();
        io_->ResetRows();
        Refresh();
    });
    resetSignals_ = ioMenu_->addAction(QStringLiteral("Reset  Signale"), this, [this] {
        Grid()->HideEditors();
        io_->ResetSignals();
        Refresh();
    });
    MenuBar()->insertMenu(MenuBar()->actions().last(), ioMenu_);
    ioMenu_->menuAction()->setVisible(false);
    Refresh();
}

TFormKlPlan::~TFormKlPlan() = default;

void TFormKlPlan::Redrawn() {
    if (panel_) panel_->Refresh();
}

}  // namespace ovis::gui
