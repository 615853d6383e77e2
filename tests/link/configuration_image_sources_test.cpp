#include "link/configuration_image_sources.h"

#include <gtest/gtest.h>

#include "link/configuration_project.h"

namespace ovis {
namespace {

std::vector<std::uint8_t> File(std::initializer_list<std::vector<std::uint8_t>> records) {
    std::vector<std::uint8_t> bytes;
    for (const auto& record : records) bytes.insert(bytes.end(), record.begin(), record.end());
    return bytes;
}

std::vector<std::uint16_t> Words(const std::vector<OutputEvent>& events) {
    std::vector<std::uint16_t> words;
    for (const auto& event : events) words.push_back(event.word);
    return words;
}

TEST(RecordingFileEvents, MarkersPrefixAndRoom) {
    using test::RecordingRecord;
    const auto marker = RecordingRecord(0, 0, 0, 0);
    const auto withMarkers = File({marker, marker, RecordingRecord(1, 0, 0, 0), RecordingRecord(1025, 1, 2, 3004)});
    EXPECT_EQ(Words(RecordingFileEvents(withMarkers, 100)), (std::vector<std::uint16_t>{1, 1025}));
    EXPECT_EQ(Words(RecordingFileEvents(withMarkers, 1)), (std::vector<std::uint16_t>{1}));
    EXPECT_DOUBLE_EQ(RecordingFileEvents(withMarkers, 100)[1].seconds, (9 * 86400.0 + 334 * 86400.0) + 3600 + 120 + 3.004);

    // A first word other than 0: ten records of prefix, then the markers.
    std::vector<std::uint8_t> prefixed;
    for (int i = 0; i < 10; ++i) {
        const auto record = RecordingRecord(std::uint16_t(7 + i), 0, 0, 0);
        prefixed.insert(prefixed.end(), record.begin(), record.end());
    }
    prefixed.insert(prefixed.end(), withMarkers.begin(), withMarkers.end());
    EXPECT_EQ(Words(RecordingFileEvents(prefixed, 100)), (std::vector<std::uint16_t>{1, 1025}));

    EXPECT_TRUE(RecordingFileEvents({}, 100).empty());
    EXPECT_TRUE(RecordingFileEvents(File({marker}), 100).empty());
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

}  // namespace
}  // namespace ovis
