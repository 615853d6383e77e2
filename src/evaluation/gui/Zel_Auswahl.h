#pragma once
// TFormAuswahl: the message selection dialog ("Meldungen auswählen").
#include <QDialog>
#include <functional>
#include <vector>

#include "evaluation/selection_dialog_model.h"
#include "tables/gui/member_selection_hook.h"

class QListWidget;

namespace ovis::gui {

class TFormAuswahl : public QDialog {
    Q_OBJECT
public:
    TFormAuswahl(SelectionDialogModel model, Dialogs& dialogs, QWidget* parent = nullptr);

    // Places the dialog relative to the window that opened it, as its caller wants.
    void PlaceBeside(const QWidget* caller);

    std::function<void(const std::vector<std::uint16_t>&)> onMembers;  // group mode
    std::function<void(const SelectionDialogModel&)> onAccept;         // folder modes
    std::function<void(int)> showHelp;

    const SelectionDialogModel& Model() const { return model_; }
    QListWidget* List() const { return list_; }

    void AlleKeineClick();
    void UebernehmenClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();
    void TakeTicks();

    SelectionDialogModel model_;
    Dialogs& dialogs_;
    QListWidget* list_ = nullptr;
};

// The message selection for an evaluation window (caller "Ansicht", "Analyser" or "Statistik"),
// placed beside `caller`; a selection dialog that is still open is closed first, so that only one
// is open at a time.
TFormAuswahl* OpenFolderSelection(SelectionDialogModel model, Dialogs& dialogs, QWidget* caller);

// The group editor's member selection: the dialog for the members of the request's row, modal to
// the editor and placed beside it.
QDialog* OpenMemberSelection(const MemberSelectionRequest& request);

}  // namespace ovis::gui
