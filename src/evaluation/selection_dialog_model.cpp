#include "evaluation/selection_dialog_model.h"

#include <algorithm>

namespace ovis {

std::vector<int> GroupMemberCandidates(const IoTable& io) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < io.Count(); ++i) {
        auto kind = io.Row(i).Typ.view();
        if (kind == "AC" || kind == "DC" || kind == "Taste") rows.push_back(int(i + 1));
    }
    return rows;
}

SelectionDialogModel SelectionDialogModel::ForGroup(const IoTable& io, const TGruppeRecord& group) {
    SelectionDialogModel model;
    model.caller_ = SelectionCaller::Gruppen;
    model.rows_ = GroupMemberCandidates(io);
    const int count = std::clamp(group.Anzahl.get(), 0, kMaxGroupMembers);
    for (int row : model.rows_) {
        model.names_.push_back(io.Row(std::size_t(row - 1)).Bezeichnung.str());
        bool member = false;
        for (int m = 0; m < count && !member; ++m) member = group.Mitglied[m].get() == row;
        model.ticked_.push_back(member);
    }
    if (count > 0) {
        auto first = std::find(model.rows_.begin(), model.rows_.end(), group.Mitglied[0].get());
        if (first != model.rows_.end()) model.current_ = std::size_t(first - model.rows_.begin());
    }
    return model;
}

SelectionDialogModel SelectionDialogModel::ForFolder(SelectionCaller caller, std::vector<std::string> names,
                                                     const TAuswahlRecord& selection) {
    SelectionDialogModel model;
    model.caller_ = caller;
    model.names_ = std::move(names);
    for (std::size_t k = 0; k < model.names_.size(); ++k)
        model.ticked_.push_back(k < std::size(selection.Shown) && selection.Shown[k] == 1);
    return model;
}

void SelectionDialogModel::AllOrNone() {
    if (ticked_.empty()) return;
    const bool tick = !ticked_.front();
    std::fill(ticked_.begin(), ticked_.end(), tick);
}

void SelectionDialogModel::ToggleCurrent() {
    if (current_ < ticked_.size()) ticked_[current_] = !ticked_[current_];
}

std::optional<std::vector<std::uint16_t>> SelectionDialogModel::AcceptMembers(Dialogs& dialogs) const {
    std::vector<std::uint16_t> members;
    for (std::size_t i = 0; i < ticked_.size(); ++i)
        if (ticked_[i]) members.push_back(static_cast<std::uint16_t>(rows_[i]));
    if (members.size() > std::size_t(kMaxGroupMembers)) {
        dialogs.Warning("Eine Gruppe kann höchstens " + std::to_string(kMaxGroupMembers) + " Meldungen enthalten.\r\r"
                        "Sie haben " + std::to_string(members.size()) + " Meldungen ausgewählt; bitte entfernen Sie " +
                        std::to_string(members.size() - kMaxGroupMembers) + " Haken.");
        return std::nullopt;
    }
    return members;
}

void SelectionDialogModel::AcceptInto(TAuswahlRecord& selection) const {
    if (caller_ == SelectionCaller::Tabelle || caller_ == SelectionCaller::Gruppen) return;
    for (std::size_t k = 0; k < ticked_.size() && k < std::size(selection.Shown); ++k)
        selection.Shown[k] = ticked_[k] ? 1 : 0;
}

}  // namespace ovis
