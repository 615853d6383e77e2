#pragma once
// The check of message names that every table editor runs before it saves: names are trimmed,
// must be present, unique within the table and unique across all tables.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/blanks.h"
#include "records/pascal_string.h"
#include "project/message_name.h"

namespace ovis {

struct ProjectTables;

enum class MessageTableKind { Io, Groups, Counters, Timers, Led, Program, OutputData };

// A failed check: the warning text (UTF-8, "\r" breaks lines) and the cell the editor selects.
struct CheckFailure {
    std::string message;
    std::size_t row = 0;  // 1-based
    int column = 0;       // grid column
    bool operator==(const CheckFailure&) const = default;
};

// A name from a table file as a warning shows it, between quotes: its control characters escaped,
// so that a damaged name cannot break the warning's lines.
std::string QuotedMessageName(std::string_view recordName);

// The names of every message table, record bytes in row order.
struct MessageNames {
    std::vector<std::string_view> io, groups, counters, timers, led, program, outputData;

    const std::vector<std::string_view>& Of(MessageTableKind kind) const;
};

// The names of the project's tables as they are in memory; output data stays empty (the
// program editor lists those files itself).
MessageNames CollectMessageNames(const ProjectTables& tables);

struct OtherTable {
    MessageTableKind kind;
    const char* word;  // as the message names the table
};

// The other tables that the save check of `saving` searches, in order.
std::span<const OtherTable> SearchOrder(MessageTableKind saving);

// A table's own checks, run after the name checks within the table.
using OwnTableCheck = std::function<std::optional<CheckFailure>()>;

// Step 1 of the check: every name loses its leading and trailing blanks.
void TrimNames(std::span<PString<255>* const> names);

// The first pair of rows with equal names: the later row.
std::optional<CheckFailure> FindDuplicateName(std::span<PString<255>* const> names);

// The last step of the check: the first name of `names` that another table holds, the other
// tables searched in the order for `saving`, each only when it has rows.
std::optional<CheckFailure> FindNameInOtherTables(MessageTableKind saving, std::span<PString<255>* const> names,
                                                  const MessageNames& others);

// The whole check at save. `names` are the names of the table being saved in row order;
// trimmed names are written back into them even when a later step fails. The first failing
// step ends the check.
std::optional<CheckFailure> CheckNamesForSave(MessageTableKind saving, std::span<PString<255>* const> names,
                                              const OwnTableCheck& ownChecks, const MessageNames& others);

// The `Bezeichnung` fields of records, in row order.
template <typename Record>
std::vector<PString<255>*> RecordNames(std::span<Record> rows) {
    std::vector<PString<255>*> names;
    names.reserve(rows.size());
    for (Record& row : rows) names.push_back(&row.Bezeichnung);
    return names;
}

// The same for a table of records with a `Bezeichnung` field.
template <typename Record>
std::optional<CheckFailure> CheckRecordNamesForSave(MessageTableKind saving, std::span<Record> rows,
                                                    const OwnTableCheck& ownChecks, const MessageNames& others) {
    return CheckNamesForSave(saving, RecordNames(rows), ownChecks, others);
}

}  // namespace ovis
