#include "tables/gui/Zel_Gruppe.h"

#include <QHideEvent>

#include "project/project_store.h"
#include "tables/group_columns.h"

namespace ovis::gui {
EditorWindowLayout GruppeLayout() {
    namespace col = group_column;
    EditorWindowLayout layout;
    layout.caption = QStringLiteral(" Gruppen");
    layout.helpContext = kGroupHelpContext;
    layout.columnWidths = {24, 128, 127, 33, 46, 44, 35, 28, 105};
    layout.titles = {{QStringLiteral("Nr"), col::kNumber, col::kNumber},
                   {QStringLiteral("Meldung"), col::kName, col::kName},
                   {QStringLiteral("1. Meldung"), col::kFirstMember, col::kFirstMember},
                   {QStringLiteral("Anzahl"), col::kMemberCount, col::kMemberCount},
                   {QStringLiteral("Scan"), col::kScan, col::kScan},
                   {QStringLiteral("Trigger"), col::kTrigger, col::kTrigger},
                   {QStringLiteral("Verzögerung"), col::kDelay, col::kUnit},  // over the unit too
                   {QStringLiteral("Speichern"), col::kFolder, col::kFolder}};
    return layout;
}

TFormGruppe::TFormGruppe(ProjectStore& store, Dialogs& dialogs, GruppeHooks hooks, QWidget* parent)
    : TFormGruppe(std::make_unique<GroupEditor>(store, dialogs), store, dialogs, std::move(hooks), parent) {}

TFormGruppe::TFormGruppe(std::unique_ptr<GroupEditor> groups, ProjectStore& store, Dialogs& dialogs,
                         GruppeHooks hooks, QWidget* parent)
    : TableEditorWindow(groups->Table(), GruppeLayout(), hooks.editor, parent),
      groups_(std::move(groups)),
      store_(store),
      dialogs_(dialogs),
      showHelp_(hooks.editor.showHelp),
      openMemberSelection_(std::move(hooks.openMemberSelection)) {
    groups_->SetSavedCallback(std::move(hooks.saved));
    connect(Grid(), &TableGrid::dialogRequested, this, [this](int column, QPoint) {
        if (column == group_column::kFirstMember) MitgliederClick();
    });
    Refresh();
}

TFormGruppe::~TFormGruppe() = default;

void TFormGruppe::MitgliederClick() {
    const TGruppeRecord* row = groups_->CurrentRow();
    if (!row) return;
    if (selection_) selection_->close();
    if (!openMemberSelection_) return;
    selection_ = openMemberSelection_({store_.Tables().io, *row, dialogs_, this, showHelp_,
                                       [this](const std::vector<std::uint16_t>& members) {
                                           groups_->TakeMembers(members);
                                           Refresh();
                                       }});
}

void TFormGruppe::hideEvent(QHideEvent* event) {
    // Closed or hidden by the program, not minimised: the members would have no editor.
    if (selection_ && !event->spontaneous()) selection_->close();
    TableEditorWindow::hideEvent(event);
}

}  // namespace ovis::gui
