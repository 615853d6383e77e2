#include "link/configuration_image_sources.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/configuration_project.h"
#include "project/output_file_table.h"
#include "project/program_files.h"
#include "support/damaged_files.h"

namespace ovis {
namespace {

TRecordingEvent Event(std::uint16_t word, int hour, int minute, int secondsAndMs) {
    const auto bytes = test::RecordingRecord(word, hour, minute, secondsAndMs);
    TRecordingEvent event;
    std::memcpy(&event, bytes.data(), sizeof event);
    return event;
}

std::vector<std::uint16_t> Words(const std::vector<OutputEvent>& events) {
    std::vector<std::uint16_t> words;
    for (const auto& event : events) words.push_back(event.word);
    return words;
}

TEST(RecordingFileEvents, MarkersAndRoom) {
    const TRecordingEvent marker = Event(0, 0, 0, 0);
    const std::vector<TRecordingEvent> withMarkers = {marker, marker, Event(1, 0, 0, 0), Event(1025, 1, 2, 3004)};
    EXPECT_EQ(Words(RecordingFileEvents(withMarkers, 100)), (std::vector<std::uint16_t>{1, 1025}));
    EXPECT_EQ(Words(RecordingFileEvents(withMarkers, 1)), (std::vector<std::uint16_t>{1}));
    EXPECT_DOUBLE_EQ(RecordingFileEvents(withMarkers, 100)[1].seconds, (9 * 86400.0 + 334 * 86400.0) + 3600 + 120 + 3.004);

    // Without the marker pair every record is an event.
    const std::vector<TRecordingEvent> bare = {Event(3, 0, 0, 0), Event(0, 0, 0, 0)};
    EXPECT_EQ(Words(RecordingFileEvents(bare, 100)), (std::vector<std::uint16_t>{3, 0}));

    EXPECT_TRUE(RecordingFileEvents({}, 100).empty());
    EXPECT_TRUE(RecordingFileEvents(std::vector<TRecordingEvent>{marker}, 100).empty());
}

TEST(ConfigurationSources, ReadFromTheProject) {
    test::ConfigurationProject project;
    const ConfigurationSources sources = LoadConfigurationSources(project.Dir(), *project.tables);
    EXPECT_EQ(sources.programs.Size(), 4u);
    ASSERT_EQ(sources.outputFiles.size(), 1u);
    EXPECT_EQ(sources.outputFiles[0].name, "Ablauf");
    ASSERT_EQ(sources.outputEvents.size(), 1u);
    EXPECT_EQ(Words(sources.outputEvents[0]), (std::vector<std::uint16_t>{2, 1026, 2, 2}));
}

TEST(ConfigurationSources, APrefixedOutputFileLosesItsPrefixAndMarkers) {
    test::ConfigurationProject project;
    const auto path = OutputFolderPath(project.Dir(), project.tables->parameters.Record()) / "Ablauf.ofa";
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 10; ++i) {
        const auto record = test::RecordingRecord(std::uint16_t(7 + i), 0, 0, 0);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    const auto original = test::ReadBytes(path);
    bytes.insert(bytes.end(), original.begin(), original.end());
    test::WriteBytes(path, bytes);
    const ConfigurationSources sources = LoadConfigurationSources(project.Dir(), *project.tables);
    ASSERT_EQ(sources.outputEvents.size(), 1u);
    EXPECT_EQ(Words(sources.outputEvents[0]), (std::vector<std::uint16_t>{2, 1026, 2, 2}));
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const IoError& e) {
        return e.what();
    }
    return "";
}

// An output-data file that the recording loader refuses stops the configuration with the
// loader's message, whether it is the only file or lies beside a sound one; so does a file of
// any other kind in its place.
TEST(ConfigurationSources, ADamagedOutputFileStopsTheConfiguration) {
    for (const auto& c : test::kDamagedRecordings) {
        for (const char* name : {"Ablauf.ofa", "Zweite.OFA"}) {
            SCOPED_TRACE(std::string(c.name) + " as " + name);
            test::ConfigurationProject project;
            const auto path = OutputFolderPath(project.Dir(), project.tables->parameters.Record()) / name;
            if (!test::MakeDamaged(path, c.damage)) continue;  // not for this user
            const std::string error =
                ErrorOf([&] { LoadConfigurationSources(project.Dir(), *project.tables); });
            EXPECT_NE(error.find(path.string()), std::string::npos) << error;
            EXPECT_EQ(error.rfind("E/A-Fehler: ", 0), 0u) << error;
        }
    }
}

// A table or program whose file is there but could not be opened loads empty; the
// configuration refuses it instead of leaving its messages out.
TEST(ConfigurationSources, AnUnreadableTableOrProgramStopsTheConfiguration) {
    for (const char* file : {"Counter.ofd", "Timer.ofd", "Gruppen.ofd", "Led.ofd", "Main.pgm", "Zusatz.pgm"}) {
        for (const auto& c : test::kUnopenableFiles) {
            if (c.damage == test::Damage::Fifo) continue;  // a FIFO is a damaged file when the project loads
            SCOPED_TRACE(std::string(c.name) + " as " + file);
            test::ConfigurationProject project;
            const bool program = std::string(file).ends_with(".pgm");
            const auto path = (program ? ProgramsDirectory(project.Dir()) : project.Dir()) / file;
            if (!test::MakeDamaged(path, c.damage)) continue;
            project.store.LoadAllTablesFrom(project.Dir());
            const std::string error = ErrorOf([&] { LoadConfigurationSources(project.Dir(), *project.tables); });
            EXPECT_EQ(error.rfind("E/A-Fehler: Die Datei \"" + path.string() + "\" – sie kann nicht gelesen werden: ", 0), 0u)
                << error;
        }
    }
}

TEST(ConfigurationSources, AMissingTableIsAnEmptyOne) {
    test::ConfigurationProject project;
    test::MakeDamaged(project.Dir() / "Counter.ofd", test::Damage::Folder);
    project.store.LoadAllTablesFrom(project.Dir());
    ASSERT_TRUE(project.tables->counters.Unreadable());
    std::filesystem::remove(project.Dir() / "Counter.ofd");
    project.store.LoadAllTablesFrom(project.Dir());
    EXPECT_FALSE(project.tables->counters.Unreadable());
    EXPECT_NO_THROW(LoadConfigurationSources(project.Dir(), *project.tables));
}

}  // namespace
}  // namespace ovis
