#include "tables/gui/table_editor_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include "tables/gui/chooser_popup.h"

namespace ovis::gui {

TableEditorWindow::TableEditorWindow(TableEditorModel& model, EditorWindowLayout layout, EditorHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      model_(model),
      layout_(std::move(layout)),
      hooks_(std::move(hooks)) {
    setWindowTitle(layout_.caption);
    grid_ = new TableGrid(model_, layout_.columnWidths, layout_.titles, this);
    grid_->SetChooserOffset(layout_.chooserOffset);
    connect(grid_, &TableGrid::changed, this, [this] {
        UpdateMenuStates();
        Redrawn();
    });
    model_.OnFailureSelected([this] {
        Refresh();
        grid_->View()->setFocus();
    });

    menuBar_ = new QMenuBar(this);
    BuildMenus();
    grid_->SetContextMenu(contextMenu_);

    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(menuBar_);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->setContentsMargins(8, 6, 8, 8);
    body_ = new QHBoxLayout;
    body_->setSpacing(10);
    body_->addWidget(grid_, 0, Qt::AlignTop);
    outer->addLayout(body_);
    UpdateMenuStates();
}

QAction* TableEditorWindow::AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                       void (TableEditorModel::*command)()) {
    QAction* action = menu->addAction(text);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, command] {
        grid_->HideEditors();
        (model_.*command)();
        Refresh();
        grid_->View()->setFocus();
    });
    return action;
}

void TableEditorWindow::BuildMenus() {
    fileMenu_ = menuBar_->addMenu(QStringLiteral("&Datei"));
    save_ = fileMenu_->addAction(QStringLiteral("Speichern"), this, &TableEditorWindow::SpeichernClick);
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    print_ = fileMenu_->addAction(QStringLiteral("Drucken..."));
    const PrintItemState printState = model_.PrintItem();
    print_->setVisible(printState.visible);
    print_->setEnabled(printState.enabled);
    connect(print_, &QAction::triggered, this, [this] {
        grid_->HideEditors();
        if (hooks_.print) hooks_.print();
    });
    fileMenu_->addSeparator();
    close_ = fileMenu_->addAction(QStringLiteral("Schließen"), this, &TableEditorWindow::SchliessenClick);

    editMenu_ = menuBar_->addMenu(QStringLiteral("&Bearbeiten"));
    undo_ = AddCommand(editMenu_, QStringLiteral("Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z), &TableEditorModel::Undo);
    editMenu_->addSeparator();
    copyMessages_ = AddCommand(editMenu_, QStringLiteral("Meldung kopieren"), {}, &TableEditorModel::CopyMessages);
    pasteMessages_ = AddCommand(editMenu_, QStringLiteral("Meldung einfügen"), {}, &TableEditorModel::PasteMessages);
    deleteMessages_ = AddCommand(editMenu_, QStringLiteral("Meldung löschen"), {}, &TableEditorModel::DeleteMessages);
    editMenu_->addSeparator();
    newMessage_ = AddCommand(editMenu_, QStringLiteral("Neue Meldung"), {}, &TableEditorModel::NewMessage);
    editMenu_->installEventFilter(this);

    helpMenu_ = menuBar_->addMenu(QStringLiteral("&?"));
    helpMenu_->addAction(QStringLiteral("Hilfe"), this, &TableEditorWindow::Hilfe1Click);

    // The name clipboard lives in the grid's context menu; its shortcuts work in the whole window.
    contextMenu_ = new QMenu(this);
    cut_ = AddCommand(contextMenu_, QStringLiteral("Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X), &TableEditorModel::CutNames);
    copy_ = AddCommand(contextMenu_, QStringLiteral("Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C), &TableEditorModel::CopyNames);
    paste_ = AddCommand(contextMenu_, QStringLiteral("Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V), &TableEditorModel::PasteNames);
    erase_ = AddCommand(contextMenu_, QStringLiteral("Löschen"), QKeySequence(Qt::CTRL | Qt::Key_Delete), &TableEditorModel::EraseNames);
    addActions({cut_, copy_, paste_, erase_});

    for (QMenu* menu : {fileMenu_, editMenu_, helpMenu_})
        connect(menu, &QMenu::aboutToShow, grid_, &TableGrid::HideEditors);
}

void TableEditorWindow::UpdateMenuStates() {
    const EditorMenuState state = model_.Menu();
    undo_->setEnabled(state.undo);
    cut_->setEnabled(state.cutNames);
    copy_->setEnabled(state.copyNames);
    paste_->setEnabled(state.pasteNames);
    erase_->setEnabled(state.eraseNames);
    copyMessages_->setEnabled(state.copyMessages);
    pasteMessages_->setEnabled(state.pasteMessages);
    deleteMessages_->setEnabled(state.deleteMessages);
    newMessage_->setEnabled(state.newMessage);
}

void TableEditorWindow::Refresh() {
    grid_->Refresh();
    UpdateMenuStates();
    Redrawn();
}

void TableEditorWindow::OpenEditor() {
    model_.Opened();
    Refresh();
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    showNormal();
    raise();
    activateWindow();
    grid_->View()->setFocus();
}

bool TableEditorWindow::QueryUnsavedForReconfiguration() {
    grid_->HideEditors();
    return model_.CloseQuery(CloseInitiator::Reconfiguration) == CloseVerdict::Unsaved;
}

void TableEditorWindow::SpeichernClick() {
    grid_->HideEditors();
    model_.Save();
    Refresh();
    grid_->View()->setFocus();
}

void TableEditorWindow::SchliessenClick() { close(); }

void TableEditorWindow::Hilfe1Click() { ShowHelp(layout_.helpContext); }

void TableEditorWindow::ShowHelp(int context) {
    if (hooks_.showHelp) hooks_.showHelp(context);
}

void TableEditorWindow::closeEvent(QCloseEvent* event) {
    grid_->HideEditors();
    const CloseVerdict verdict = model_.CloseQuery(CloseInitiator::User);
    if (verdict != CloseVerdict::Close) {
        Refresh();
        event->ignore();
        return;
    }
    model_.Closed();
    Refresh();
    event->accept();
    if (hooks_.closed) hooks_.closed();
}

void TableEditorWindow::changeEvent(QEvent* event) {
    // A chooser is a popup of its own; it closes itself on a press elsewhere.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && !grid_->Chooser()->isVisible())
        grid_->HideEditors();
    QWidget::changeEvent(event);
}

void TableEditorWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp(layout_.helpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TableEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editMenu_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        editMenu_->close();
        ShowHelp(layout_.editMenuHelpContext ? layout_.editMenuHelpContext : layout_.helpContext);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ovis::gui
