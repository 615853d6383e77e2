#include "link/configuration_image_sources.h"

#include <algorithm>
#include <cstring>

#include "project/recording_event.h"
#include "project/recording_time.h"
#include "records/typed_file.h"

namespace ovis {

namespace {

constexpr std::size_t kMarkerRecords = 2;

TRecordingEvent RecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
    TRecordingEvent record;
    std::memcpy(&record, bytes.data() + index * sizeof record, sizeof record);
    return record;
}

}  // namespace

std::vector<OutputEvent> RecordingFileEvents(std::span<const std::uint8_t> fileBytes, std::size_t maxEvents) {
    const std::size_t records = fileBytes.size() / sizeof(TRecordingEvent);
    std::size_t first = 0;
    if (records > 0 && RecordAt(fileBytes, 0).Meldung.get() != 0) first = std::min(records, kRecordingPrefixRecords);
    if (first < records && RecordAt(fileBytes, first).Meldung.get() == 0)
        first = std::min(records, first + kMarkerRecords);
    const std::size_t count = std::min(records - first, maxEvents);
    std::vector<OutputEvent> events;
    events.reserve(count);
    for (std::size_t i = first; i < first + count; ++i) {
        const TRecordingEvent record = RecordAt(fileBytes, i);
        events.push_back({record.Meldung.get(), EventSeconds(record)});
    }
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
    ConfigurationSources sources;
    sources.programs = LoadProgramSet(projectDir, tables.program.lines.Count());
    sources.outputFiles = BuildOutputFileTable(projectDir, tables.parameters.Record());
    for (const auto& file : sources.outputFiles) {
        // The events fit into the file's range of the output memory, never beyond it.
        const std::size_t room = file.end >= file.start ? std::size_t(file.end - file.start) / 4 : 0;
        const auto bytes = ReadFileWithRetries(file.path);
        sources.outputEvents.push_back(bytes ? RecordingFileEvents(*bytes, room) : std::vector<OutputEvent>{});
    }
    return sources;
}

}  // namespace ovis
