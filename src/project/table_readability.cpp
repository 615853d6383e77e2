#include "project/table_readability.h"

#include "records/typed_file.h"

namespace ovis {

std::string UnreadableTableText(const std::filesystem::path& path, const std::string& reason) {
    return FileErrorText("Die Datei", path, "sie kann nicht gelesen werden: " + reason);
}

namespace {

template <typename Table>
std::optional<std::string> MessageOf(const Table& table) {
    if (const auto& unreadable = table.Unreadable()) return UnreadableTableText(unreadable->path, unreadable->reason);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> UnreadableTableMessage(const ProjectTables& tables) {
    for (auto message : {MessageOf(tables.groups), MessageOf(tables.counters), MessageOf(tables.timers),
                         MessageOf(tables.led), MessageOf(tables.program.lines)}) {
        if (message) return message;
    }
    return std::nullopt;
}

}  // namespace ovis
