// ovisctl recording: the records of a recording file as text, one line per record:
// INDEX NUMBER LEVEL DD.MM.YYYY HH:MM:SS,FFFFF [Marke]
// (FFFFF: milliseconds and 10-microsecond steps; "Marke" on marker records).
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "project/recording.h"

namespace ovis::cli {
namespace {

std::string RecordLine(std::size_t index, const TRecordingEvent& e) {
    const int sekMSek = e.SekMSek.get();
    char line[96];
    std::snprintf(line, sizeof line, "%zu %d %s %02d.%02d.%04d %02d:%02d:%02d,%03d%02d%s", index, MessageNumber(e),
                  IsLevelHigh(e) ? "High" : "Low", int(e.Tag), int(e.Monat), 1900 + int(e.Jahr), int(e.Std), int(e.Min),
                  sekMSek / 1000, sekMSek % 1000, int(e.Misek), IsMarker(e) ? " Marke" : "");
    return line;
}

int RecordingCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 1);
    const std::string& file = a.Required(0, "FILE");
    auto recording = std::make_unique<TRecording>();
    recording->LoadFile(file);
    std::string out;
    for (std::size_t k = 1; k <= recording->Count(); ++k) out += RecordLine(k, recording->Event(k)) + '\n';
    std::cout << out << std::flush;
    return std::cout ? 0 : 1;
}

const CommandRegistration kRecording{"recording", "recording FILE", RecordingCommand};

}  // namespace
}  // namespace ovis::cli
