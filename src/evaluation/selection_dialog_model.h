#pragma once
// The message selection dialog's decisions: its list with ticks, "Alle / Keine", Return, and
// "Übernehmen" for the group editor (member numbers) or for a folder's selection record.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "project/auswahl_record.h"
#include "platform/dialogs.h"
#include "project/group_record.h"
#include "project/io_tables.h"

namespace ovis {

enum class SelectionCaller { Ansicht, Analyser, Statistik, Gruppen, Tabelle };

// The I/O rows a group can take as members: the inputs ("AC", "DC", "Taste"), as 1-based row
// numbers in table order.
std::vector<int> GroupMemberCandidates(const IoTable& io);

class SelectionDialogModel {
public:
    // Group mode: the input messages of the I/O table, the group's members ticked.
    static SelectionDialogModel ForGroup(const IoTable& io, const TGruppeRecord& group);
    // Folder modes: the folder's message names (record bytes), ticked from its selection record.
    static SelectionDialogModel ForFolder(SelectionCaller caller, std::vector<std::string> names,
                                          const TAuswahlRecord& selection);

    SelectionCaller Caller() const { return caller_; }
    std::size_t Count() const { return names_.size(); }
    const std::string& Name(std::size_t index) const { return names_.at(index); }
    bool Ticked(std::size_t index) const { return ticked_.at(index); }
    void SetTicked(std::size_t index, bool ticked) { ticked_.at(index) = ticked; }
    std::size_t Current() const { return current_; }
    void SetCurrent(std::size_t index) { current_ = index; }

    // "Alle / Keine": unticks all when the first item is ticked, else ticks all.
    void AllOrNone();
    // Return: toggles the current item.
    void ToggleCurrent();

    // "Übernehmen" in group mode: the ticked messages as I/O row numbers, in list order. More
    // than 100 are refused with a message; nothing is returned then.
    std::optional<std::vector<std::uint16_t>> AcceptMembers(Dialogs& dialogs) const;
    // "Übernehmen" for a folder: byte k := 1 when item k is ticked, else 0.
    void AcceptInto(TAuswahlRecord& selection) const;

private:
    SelectionCaller caller_ = SelectionCaller::Tabelle;
    std::vector<std::string> names_;
    std::vector<int> rows_;  // group mode: the I/O row of each item
    std::vector<bool> ticked_;
    std::size_t current_ = 0;
};

}  // namespace ovis
