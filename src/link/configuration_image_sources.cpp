#include "link/configuration_image_sources.h"

#include <algorithm>

#include "records/typed_file.h"

namespace ovis {

namespace {

constexpr std::size_t kRecordSize = 10;
constexpr std::size_t kPrefixRecords = 10;
constexpr std::size_t kMarkerRecords = 2;
constexpr int kMonthStartDays[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return std::uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

}  // namespace

double RecordSeconds(std::span<const std::uint8_t, 10> record) {
    const int month = std::clamp<int>(record[3], 1, 12);
    const int day = record[4];
    const std::uint16_t secondsAndMs = WordAt(record, 8);
    return (day - 1) * 86400.0 + kMonthStartDays[month - 1] * 86400.0 + record[5] * 3600.0 + record[6] * 60.0 +
           secondsAndMs / 1000 + (secondsAndMs % 1000) * 0.001 + record[7] * 0.00001;
}

std::vector<OutputEvent> RecordingFileEvents(std::span<const std::uint8_t> fileBytes, std::size_t maxEvents) {
    std::size_t records = fileBytes.size() / kRecordSize;
    std::size_t first = 0;
    if (records > 0 && WordAt(fileBytes, 0) != 0) first = std::min(records, kPrefixRecords);
    if (first < records && WordAt(fileBytes, first * kRecordSize) == 0) first = std::min(records, first + kMarkerRecords);
    const std::size_t count = std::min(records - first, maxEvents);
    std::vector<OutputEvent> events;
    events.reserve(count);
    for (std::size_t i = first; i < first + count; ++i) {
        std::span<const std::uint8_t, 10> record(fileBytes.data() + i * kRecordSize, kRecordSize);
        events.push_back({WordAt(record, 0), RecordSeconds(record)});
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
