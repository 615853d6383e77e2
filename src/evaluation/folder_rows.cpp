#include "evaluation/folder_rows.h"

#include "evaluation/recording_folders.h"

namespace ovis {
namespace {

// Recordings carry I/O and LED messages only; they come first in the numbering.
MessageNumbering RecordedNumbering(const ProjectTables& tables) {
    MessageSources sources{};
    sources.io = tables.io.Rows();
    sources.led = tables.led.Rows();
    return MessageNumbering(sources);
}

std::vector<int> Messages(const ProjectTables& tables, const MessageNumbering& numbering, int folder) {
    return FolderMessages(folder, numbering, tables.io.Rows(), tables.groups, tables.parameters.Record());
}

}  // namespace

std::vector<std::string> FolderMessageNames(const ProjectTables& tables, int folder) {
    const MessageNumbering numbering = RecordedNumbering(tables);
    std::vector<std::string> names;
    for (int number : Messages(tables, numbering, folder)) names.push_back(RecordedMessageName(numbering, number));
    return names;
}

AnalyserRows FolderRows(const ProjectTables& tables, int folder) {
    if (folder < 0 || folder >= kFolderCount) return {};
    const MessageNumbering numbering = RecordedNumbering(tables);
    return AnalyserRows::Build(Messages(tables, numbering, folder), tables.selection.Folder(folder),
                               [&](int number) { return RecordedMessageName(numbering, number); });
}

}  // namespace ovis
