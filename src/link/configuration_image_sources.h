#pragma once
// What the configuration image is built from besides the tables in memory: the program set,
// the output-data files and their events, read from the project directory.
#include <filesystem>
#include <span>
#include <vector>

#include "link/configuration_image.h"
#include "project/project_tables.h"

namespace ovis {

// The events of a recording file: a prefix (first word not 0) is left out, then the two marker
// records when the first word is 0. At most `maxEvents` are taken.
std::vector<OutputEvent> RecordingFileEvents(std::span<const std::uint8_t> fileBytes, std::size_t maxEvents);

struct ConfigurationSources {
    ProgramSet programs;
    std::vector<OutputFile> outputFiles;
    std::vector<std::vector<OutputEvent>> outputEvents;

    ConfigurationInputs Inputs(const ProjectTables& tables, const LocalDateTime& now, bool withBackup) const;
};

// Reads the program files and the output folder. A damaged file raises IoError.
ConfigurationSources LoadConfigurationSources(const std::filesystem::path& projectDir, const ProjectTables& tables);

}  // namespace ovis
