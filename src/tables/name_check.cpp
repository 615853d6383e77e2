#include "tables/name_check.h"

#include <array>

#include "records/codepage.h"
#include "records/terminal_text.h"
#include "tables/grid_selection.h"
#include "project/project_tables.h"

namespace ovis {
namespace {

constexpr char kCr = '\r';


constexpr std::array kAfterIo{OtherTable{MessageTableKind::Program, "Programm"},
                              OtherTable{MessageTableKind::Groups, "Gruppen"},
                              OtherTable{MessageTableKind::Counters, "Counter"},
                              OtherTable{MessageTableKind::Timers, "Timer"}, OtherTable{MessageTableKind::Led, "LED"}};
constexpr std::array kAfterGroups{
    OtherTable{MessageTableKind::Io, "I / O"}, OtherTable{MessageTableKind::Program, "Programm"},
    OtherTable{MessageTableKind::Counters, "Counter"}, OtherTable{MessageTableKind::Timers, "Timer"},
    OtherTable{MessageTableKind::Led, "LED"}};
// The counter editor names the group table in the singular.
constexpr std::array kAfterCounters{
    OtherTable{MessageTableKind::Io, "I / O"}, OtherTable{MessageTableKind::Groups, "Gruppe"},
    OtherTable{MessageTableKind::Program, "Programm"}, OtherTable{MessageTableKind::Timers, "Timer"},
    OtherTable{MessageTableKind::Led, "LED"}};
constexpr std::array kAfterTimers{
    OtherTable{MessageTableKind::Io, "I / O"}, OtherTable{MessageTableKind::Program, "Programm"},
    OtherTable{MessageTableKind::Groups, "Gruppen"}, OtherTable{MessageTableKind::Counters, "Counter"},
    OtherTable{MessageTableKind::Led, "LED"}};
constexpr std::array kAfterLed{
    OtherTable{MessageTableKind::Io, "I / O"}, OtherTable{MessageTableKind::Program, "Programm"},
    OtherTable{MessageTableKind::Counters, "Counter"}, OtherTable{MessageTableKind::Timers, "Timer"},
    OtherTable{MessageTableKind::Groups, "Gruppen"}};
constexpr std::array kAfterProgram{
    OtherTable{MessageTableKind::Io, "I / O"},        OtherTable{MessageTableKind::Groups, "Gruppen"},
    OtherTable{MessageTableKind::Counters, "Counter"}, OtherTable{MessageTableKind::Timers, "Timer"},
    OtherTable{MessageTableKind::Led, "LED"},         OtherTable{MessageTableKind::OutputData, "Datenausgabe"}};

template <typename Table>
std::vector<std::string_view> NamesOf(const Table& table) {
    std::vector<std::string_view> names;
    names.reserve(table.Count());
    for (const auto& row : table.Rows()) names.push_back(row.Bezeichnung.view());
    return names;
}

}  // namespace

std::string QuotedMessageName(std::string_view recordName) {
    return "\"" + EscapeControlCharacters(ToUtf8(recordName)) + "\"";
}

const std::vector<std::string_view>& MessageNames::Of(MessageTableKind kind) const {
    switch (kind) {
        case MessageTableKind::Io: return io;
        case MessageTableKind::Groups: return groups;
        case MessageTableKind::Counters: return counters;
        case MessageTableKind::Timers: return timers;
        case MessageTableKind::Led: return led;
        case MessageTableKind::Program: return program;
        case MessageTableKind::OutputData: break;
    }
    return outputData;
}

MessageNames CollectMessageNames(const ProjectTables& tables) {
    MessageNames names;
    names.io = NamesOf(tables.io);
    names.groups = NamesOf(tables.groups);
    names.counters = NamesOf(tables.counters);
    names.timers = NamesOf(tables.timers);
    names.led = NamesOf(tables.led);
    names.program = NamesOf(tables.program.lines);
    return names;
}

std::span<const OtherTable> SearchOrder(MessageTableKind saving) {
    switch (saving) {
        case MessageTableKind::Io: return kAfterIo;
        case MessageTableKind::Groups: return kAfterGroups;
        case MessageTableKind::Counters: return kAfterCounters;
        case MessageTableKind::Timers: return kAfterTimers;
        case MessageTableKind::Led: return kAfterLed;
        case MessageTableKind::Program: return kAfterProgram;
        case MessageTableKind::OutputData: break;
    }
    return {};
}

void TrimNames(std::span<PString<255>* const> names) {
    for (PString<255>* name : names) {
        std::string trimmed(TrimBlanks(name->view()));
        if (trimmed.size() != name->length()) *name = trimmed;
    }
}

std::optional<CheckFailure> FindDuplicateName(std::span<PString<255>* const> names) {
    for (std::size_t r = 0; r < names.size(); ++r) {
        for (std::size_t s = r + 1; s < names.size(); ++s) {
            if (!NamesEqual(names[r]->view(), names[s]->view())) continue;
            return CheckFailure{"Die Meldung " + QuotedMessageName(names[s]->view()) + " in Zeile Nr. " + std::to_string(s + 1) +
                                    " existiert bereits!" + kCr + kCr +
                                    "Geben Sie bitte eine andere Bezeichnung für diese Meldung an.",
                                s + 1, kNameColumn};
        }
    }
    return std::nullopt;
}

std::optional<CheckFailure> FindNameInOtherTables(MessageTableKind saving, std::span<PString<255>* const> names,
                                                  const MessageNames& others) {
    for (const OtherTable& other : SearchOrder(saving)) {
        const auto& otherNames = others.Of(other.kind);
        for (std::size_t r = 0; r < names.size(); ++r) {
            for (std::size_t u = 0; u < otherNames.size(); ++u) {
                if (!NamesEqual(names[r]->view(), otherNames[u])) continue;
                return CheckFailure{"Die Meldung " + QuotedMessageName(names[r]->view()) + " in Zeile Nr. " +
                                        std::to_string(r + 1) + " existiert bereits in" + kCr +
                                        "                       Zeile Nr. " + std::to_string(u + 1) + " von " +
                                        other.word + "!" + kCr + kCr +
                                        "Geben Sie bitte eine andere Bezeichnung für diese Meldung an.",
                                    r + 1, kNameColumn};
            }
        }
    }
    return std::nullopt;
}

std::optional<CheckFailure> CheckNamesForSave(MessageTableKind saving, std::span<PString<255>* const> names,
                                              const OwnTableCheck& ownChecks, const MessageNames& others) {
    TrimNames(names);

    for (std::size_t r = 0; r < names.size(); ++r) {
        if (names[r]->empty()) {
            return CheckFailure{"Die Bezeichnung der Meldung in Zeile Nr. " + std::to_string(r + 1) + " fehlt!" + kCr +
                                    kCr + "        Geben Sie bitte eine Bezeichnung an.",
                                r + 1, kNameColumn};
        }
    }

    if (auto failure = FindDuplicateName(names)) return failure;

    if (ownChecks) {
        if (auto failure = ownChecks()) return failure;
    }

    return FindNameInOtherTables(saving, names, others);
}

}  // namespace ovis
