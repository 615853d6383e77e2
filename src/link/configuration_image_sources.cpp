#include "link/configuration_image_sources.h"

#include <algorithm>
#include <map>
#include <string>

#include "project/listed_files.h"
#include "project/recording.h"
#include "project/recording_time.h"
#include "project/table_readability.h"
#include "records/io_error.h"

namespace ovis {

namespace {

constexpr std::size_t kMarkerRecords = 2;

// The events of an output-data file that fit into its range of the output memory.
std::vector<OutputEvent> OutputEventsOf(const OutputFile& file, std::span<const TRecordingEvent> records) {
    const std::size_t room = file.end >= file.start ? std::size_t(file.end - file.start) / 4 : 0;
    return RecordingFileEvents(records, room);
}

}  // namespace

std::vector<OutputEvent> RecordingFileEvents(std::span<const TRecordingEvent> records, std::size_t maxEvents) {
    std::size_t first = 0;
    if (!records.empty() && records[0].Meldung.get() == 0) first = std::min(records.size(), kMarkerRecords);
    const std::size_t count = std::min(records.size() - first, maxEvents);
    std::vector<OutputEvent> events;
    events.reserve(count);
    for (std::size_t i = first; i < first + count; ++i) events.push_back({records[i].Meldung.get(), EventSeconds(records[i])});
    return events;
}

ConfigurationInputs ConfigurationSources::Inputs(const ProjectTables& tables, const LocalDateTime& now,
                                                 bool withBackup) const {
    ConfigurationInputs inputs;
    inputs.parameters = &tables.parameters.Record();
    inputs.ledModules = tables.ledParameters.Record().AnzahlModule;
    inputs.io = tables.io.Rows();
    inputs.led = tables.led.Rows();
    inputs.counters = tables.counters.Rows();
    inputs.timers = tables.timers.Rows();
    inputs.groups = tables.groups.Rows();
    inputs.programs = &programs;
    inputs.outputFiles = outputFiles;
    inputs.outputEvents = outputEvents;
    inputs.now = now;
    inputs.withBackup = withBackup;
    return inputs;
}

ConfigurationSources LoadConfigurationSources(const std::filesystem::path& projectDir, const ProjectTables& tables) {
    if (auto message = UnreadableTableMessage(tables)) throw IoError(*message);
    ConfigurationSources sources;
    sources.programs = LoadProgramSet(projectDir, tables.program.lines.Count());
    const auto& params = tables.parameters.Record();
    sources.outputFiles = BuildOutputFileTable(projectDir, params);
    sources.outputEvents.resize(sources.outputFiles.size());
    std::map<std::string, std::size_t> entryOf;
    for (std::size_t i = 0; i < sources.outputFiles.size(); ++i) entryOf[sources.outputFiles[i].path.filename().string()] = i;
    // Every ".ofa" entry of the output folder, whatever its kind, goes through the recording
    // loader: a file it refuses stops the configuration with its message.
    const std::filesystem::path folder = OutputFolderPath(projectDir, params);
    for (const std::string& name : ListedEntryNames(folder, ".ofa")) {
        const std::vector<TRecordingEvent> records = ReadRecordingFile(folder / name);
        const auto entry = entryOf.find(name);
        if (entry == entryOf.end()) continue;
        sources.outputEvents[entry->second] = OutputEventsOf(sources.outputFiles[entry->second], records);
        entryOf.erase(entry);
    }
    for (const auto& entry : entryOf) {  // in the table, but written after the folder was read
        const OutputFile& file = sources.outputFiles[entry.second];
        sources.outputEvents[entry.second] = OutputEventsOf(file, ReadRecordingFile(file.path));
    }
    return sources;
}

}  // namespace ovis
