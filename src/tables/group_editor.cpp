#include "tables/group_editor.h"

#include <algorithm>
#include <array>

#include "project/project_store.h"

namespace ovis {

GroupEditor::GroupEditor(ProjectStore& store, Dialogs& dialogs)
    : plugin_(store), editor_(plugin_, dialogs), store_(store) {}

void GroupEditor::SetSavedCallback(std::function<void()> callback) { plugin_.SetSavedCallback(std::move(callback)); }

const TGruppeRecord* GroupEditor::CurrentRow() const {
    const int row = editor_.CursorRow();
    if (row < 0 || std::size_t(row) >= editor_.RowCount()) return nullptr;
    return &store_.Tables().groups.Row(std::size_t(row));
}

bool GroupEditor::TakeMembers(std::span<const std::uint16_t> members) {
    const auto rows = editor_.SelectedRows();
    if (rows.empty() || members.size() > std::size_t(kMaxGroupMembers)) return false;
    std::array<std::uint16_t, kMaxGroupMembers> slots{};
    std::copy(members.begin(), members.end(), slots.begin());
    const int count = int(members.size());

    GroupTable& groups = store_.Tables().groups;
    auto differs = [&](const TGruppeRecord& row) {
        if (row.Anzahl != count) return true;
        for (int m = 0; m < kMaxGroupMembers; ++m)
            if (row.Mitglied[m] != slots[std::size_t(m)]) return true;
        return false;
    };
    bool anyDiffers = false;
    for (std::size_t r = rows.first; r <= rows.last && !anyDiffers; ++r) anyDiffers = differs(groups.Row(r));
    if (!anyDiffers) return false;

    editor_.EndEditing();
    editor_.TakeSnapshot();
    for (std::size_t r = rows.first; r <= rows.last; ++r) {
        TGruppeRecord& row = groups.Row(r);
        for (int m = 0; m < kMaxGroupMembers; ++m) row.Mitglied[m] = slots[std::size_t(m)];
        row.Anzahl = count;
    }
    editor_.AfterChange();
    return true;
}

}  // namespace ovis
