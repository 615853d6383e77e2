#pragma once
// What the configuration image is built from besides the tables in memory: the program set,
// the output-data files and their events, read from the project directory.
#include <filesystem>
#include <span>
#include <vector>

#include "link/configuration_image.h"
#include "project/project_tables.h"
#include "project/recording_event.h"

namespace ovis {

// The events of a recording's records (a prefix already dropped): the two marker records are left
// out when the first word is 0. At most `maxEvents` are taken.
std::vector<OutputEvent> RecordingFileEvents(std::span<const TRecordingEvent> records, std::size_t maxEvents);

struct ConfigurationSources {
    ProgramSet programs;
    std::vector<OutputFile> outputFiles;
    std::vector<std::vector<OutputEvent>> outputEvents;

    ConfigurationInputs Inputs(const ProjectTables& tables, const LocalDateTime& now, bool withBackup) const;
};

// Reads the program files and the output folder. IoError, naming the file, when a table of
// `tables` loaded empty because its file could not be opened, when a program file cannot be
// read, and when an ".ofa" entry of the output folder is no sound recording (see
// ReadRecordingFile): no configuration may leave out what it could not read.
ConfigurationSources LoadConfigurationSources(const std::filesystem::path& projectDir, const ProjectTables& tables);

}  // namespace ovis
