#include "evaluation/gui/Zel_Auswahl.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QVBoxLayout>

#include "platform/gui/text_conversion.h"

namespace ovis::gui {

TFormAuswahl::TFormAuswahl(SelectionDialogModel model, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), model_(std::move(model)), dialogs_(dialogs) {
    setObjectName("Zel_Auswahl");
    setWindowTitle(QStringLiteral("Meldungen auswählen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(195, 300);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* selection = bar->addMenu(QStringLiteral("&Auswahl"));
    selection->addAction(QStringLiteral("Alle / Keine"), this, [this] { AlleKeineClick(); });
    selection->addAction(QStringLiteral("Übernehmen"), this, [this] { UebernehmenClick(); });
    selection->addAction(QStringLiteral("Abbrechen"), this, [this] { close(); });
    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("Hilfe"), this, [this] {
        if (showHelp) showHelp(model_.Caller() == SelectionCaller::Gruppen ? 4002 : 10004);
    });

    layout->addWidget(new QLabel(QStringLiteral("Meldung")));
    list_ = new QListWidget;
    layout->addWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) model_.SetCurrent(std::size_t(row));
    });
    Fill();
}

void TFormAuswahl::Fill() {
    list_->clear();
    for (std::size_t i = 0; i < model_.Count(); ++i) {
        auto* item = new QListWidgetItem(FromRecord(model_.Name(i)), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(model_.Ticked(i) ? Qt::Checked : Qt::Unchecked);
    }
    if (model_.Count() > 0) list_->setCurrentRow(int(model_.Current()));
}

void TFormAuswahl::TakeTicks() {
    for (int i = 0; i < list_->count(); ++i) model_.SetTicked(std::size_t(i), list_->item(i)->checkState() == Qt::Checked);
}

void TFormAuswahl::PlaceBeside(const QWidget* caller) {
    if (!caller) return;
    QPoint offset;
    switch (model_.Caller()) {
        case SelectionCaller::Gruppen: offset = {333, 90}; break;
        case SelectionCaller::Statistik: offset = {40, 70}; break;
        default: offset = {150, 43}; break;
    }
    move(caller->frameGeometry().topLeft() + offset);
}

void TFormAuswahl::AlleKeineClick() {
    TakeTicks();
    model_.AllOrNone();
    Fill();
}

void TFormAuswahl::UebernehmenClick() {
    TakeTicks();
    if (model_.Caller() == SelectionCaller::Gruppen) {
        auto members = model_.AcceptMembers(dialogs_);
        if (!members) return;
        if (onMembers) onMembers(*members);
    } else if (model_.Caller() != SelectionCaller::Tabelle && onAccept) {
        onAccept(model_);
    }
    close();
}

void TFormAuswahl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* item = list_->currentItem())
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        return;
    }
    QDialog::keyPressEvent(event);  // Escape closes
}

TFormAuswahl* OpenFolderSelection(SelectionDialogModel model, Dialogs& dialogs, QWidget* caller) {
    static QPointer<TFormAuswahl> open;
    if (open) open->close();
    auto* dialog = new TFormAuswahl(std::move(model), dialogs, caller);
    dialog->PlaceBeside(caller);
    dialog->show();
    open = dialog;
    return dialog;
}

QDialog* OpenMemberSelection(const MemberSelectionRequest& request) {
    auto* dialog = new TFormAuswahl(SelectionDialogModel::ForGroup(request.io, request.row), request.dialogs, request.editor);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->showHelp = request.showHelp;
    dialog->onMembers = request.take;
    dialog->PlaceBeside(request.editor);
    dialog->show();
    return dialog;
}

}  // namespace ovis::gui
