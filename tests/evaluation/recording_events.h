#pragma once
// Recording records for tests: events at a given time, marker pairs and whole recording files.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "project/recording_event.h"
#include "records/typed_file.h"

namespace ovis::test {

struct EventTime {
    int monat = 1, tag = 1, std = 0, min = 0, sekMSek = 0, misek = 0;
    int jahr = 108;
};

inline TRecordingEvent MakeEvent(int number, bool high, EventTime t) {
    TRecordingEvent e{};
    e.Meldung = std::uint16_t(number | (high ? kLevelHighBit : 0));
    e.Jahr = std::uint8_t(t.jahr);
    e.Monat = std::uint8_t(t.monat);
    e.Tag = std::uint8_t(t.tag);
    e.Std = std::uint8_t(t.std);
    e.Min = std::uint8_t(t.min);
    e.SekMSek = std::uint16_t(t.sekMSek);
    e.Misek = std::uint8_t(t.misek);
    return e;
}

// The shape "Datei erstellen" writes: marker pair, initial block at 00:00:00,000 and final block
// at 23:59:59,000 for messages 1..messages, all Low.
inline std::vector<TRecordingEvent> CreatedDayFile(int messages, int monat = 3, int tag = 1) {
    std::vector<TRecordingEvent> events{TRecordingEvent{}, MakeEvent(0, false, {monat, tag})};
    for (int m = 1; m <= messages; ++m) events.push_back(MakeEvent(m, false, {monat, tag}));
    for (int m = 1; m <= messages; ++m) events.push_back(MakeEvent(m, false, {monat, tag, 23, 59, 59000}));
    return events;
}

inline void WriteRecordingFile(const std::filesystem::path& path, const std::vector<TRecordingEvent>& events) {
    WriteRecords(path, events.data(), events.size());
}

}  // namespace ovis::test
