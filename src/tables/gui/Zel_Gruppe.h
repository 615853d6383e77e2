#pragma once
// TFormGruppe: the group editor (caption " Gruppen"): the group table in the shared editor
// window; a right click on "1. Meldung" chooses the members in the message selection dialog.
#include <QPointer>
#include <functional>
#include <memory>

#include "tables/group_editor.h"
#include "tables/gui/member_selection_hook.h"
#include "tables/gui/table_editor_window.h"

namespace ovis {
class ProjectStore;
class Dialogs;
}

namespace ovis::gui {

// The window's layout: caption, help context, column widths and titles (also the columns of the
// program editor's read-only page of this table).
EditorWindowLayout GruppeLayout();

struct GruppeHooks {
    EditorHooks editor;           // window closed, help
    std::function<void()> saved;  // after every successful save (the program editor's lists)
    MemberSelectionHook openMemberSelection;
};

class TFormGruppe : public TableEditorWindow {
    Q_OBJECT
public:
    TFormGruppe(ProjectStore& store, Dialogs& dialogs, GruppeHooks hooks, QWidget* parent = nullptr);
    ~TFormGruppe() override;

    GroupEditor& Model() { return *groups_; }
    // The member selection while it is open.
    QDialog* MemberSelection() const { return selection_; }

    // Opens the message selection for the members of the cursor row.
    void MitgliederClick();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    TFormGruppe(std::unique_ptr<GroupEditor> groups, ProjectStore& store, Dialogs& dialogs, GruppeHooks hooks,
                QWidget* parent);

    std::unique_ptr<GroupEditor> groups_;
    ProjectStore& store_;
    Dialogs& dialogs_;
    std::function<void(int)> showHelp_;
    MemberSelectionHook openMemberSelection_;
    QPointer<QDialog> selection_;
};

}  // namespace ovis::gui
