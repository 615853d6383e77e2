#include "cli/folder_statistics.h"

#include <iostream>

#include "evaluation/statistics_editing.h"
#include "project/recording_begin.h"
#include "project/statistics_file.h"
#include "records/terminal_text.h"

namespace ovis::cli {

std::optional<FolderStatistics> ComputeFolderStatistics(const std::filesystem::path& projectDir,
                                                        const std::filesystem::path& file,
                                                        const FolderRecording& loaded, StatisticsTab tab,
                                                        DurationUnit unit) {
    FolderStatistics computed;
    const auto stored = ReadStatistikRecord(projectDir);
    computed.settings = stored ? *stored : DefaultStatistikRecord(FileBeginText(file).substr(0, 10));
    if (const auto wrong = FindWrongEntry(computed.settings, tab)) {
        std::cerr << TerminalLines(wrong->message) << '\n';
        return std::nullopt;
    }
    std::vector<int> messages;
    for (int r = 1; r <= loaded.rows.Count(); ++r) {
        messages.push_back(loaded.rows.Message(r));
        computed.names.push_back(loaded.rows.Name(r));
    }
    computed.result = ComputeStatistics(loaded.recording->Events(), computed.settings, tab, unit, messages);
    return computed;
}

}  // namespace ovis::cli
