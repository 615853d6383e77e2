#pragma once
// "Berechnen" of a statistics tab for the commands that print it (statistics, report): the
// settings of the project's "Statistik.ofp" (defaults with the file's begin date when it is
// missing; never written) and the messages the folder shows.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/folder_recording.h"
#include "evaluation/statistics_compute.h"
#include "project/statistik_record.h"

namespace ovis::cli {

struct FolderStatistics {
    TStatistikRecord settings;
    std::vector<std::string> names;  // of the shown rows, record bytes
    StatisticsResult result;
};

// Nothing, with the entry's message on stderr, when the tab holds a wrong entry.
std::optional<FolderStatistics> ComputeFolderStatistics(const std::filesystem::path& projectDir,
                                                        const std::filesystem::path& file,
                                                        const FolderRecording& loaded, StatisticsTab tab,
                                                        DurationUnit unit);

}  // namespace ovis::cli
