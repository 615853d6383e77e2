#pragma once
// GroupEditor: the model of the group editor window: the shared table editor over the group
// table, and the members that the selection dialog hands back.
#include <cstdint>
#include <functional>
#include <span>

#include "platform/dialogs.h"
#include "tables/group_table_plugin.h"
#include "tables/table_editor.h"

namespace ovis {

class ProjectStore;

inline constexpr int kGroupHelpContext = 4001;

class GroupEditor {
public:
    using Editor = TableEditor<TGruppeRecord>;

    GroupEditor(ProjectStore& store, Dialogs& dialogs);

    Editor& Table() { return editor_; }
    const Editor& Table() const { return editor_; }

    // Called after every successful save.
    void SetSavedCallback(std::function<void()> callback);

    // The row under the grid's cursor; nothing outside the table.
    const TGruppeRecord* CurrentRow() const;

    // "Übernehmen" of the member selection: the ticked I/O row numbers become the members of
    // every selected row, with one undo level, when any of those rows had other members. More
    // than a group holds changes nothing. Returns whether the rows changed.
    bool TakeMembers(std::span<const std::uint16_t> members);

private:
    GroupTablePlugin plugin_;
    Editor editor_;
    ProjectStore& store_;
};

}  // namespace ovis
