#include "project/recording_begin.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "project/recording_event.h"
#include "records/typed_file.h"

namespace ovis {
namespace {

// Records read first when looking for the first message; the rest only when needed.
constexpr std::size_t kBeginProbeRecords = 64;

std::string BeginTextOf(const TRecordingEvent& e) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d   %02d:%02d", int(e.Tag), int(e.Monat), 1900 + int(e.Jahr),
                  int(e.Std), int(e.Min));
    return text;
}

std::optional<std::string> FirstMessageBegin(const Bytes& bytes) {
    const std::size_t records = bytes.size() / sizeof(TRecordingEvent);
    for (std::size_t k = 0; k < records; ++k) {
        TRecordingEvent e;
        std::memcpy(&e, bytes.data() + k * sizeof e, sizeof e);
        if (e.Meldung.get() != 0) return BeginTextOf(e);
    }
    return std::nullopt;
}

}  // namespace

std::string FileBeginText(const std::filesystem::path& file) {
    const OpenRetry once{1, std::chrono::milliseconds(0)};
    try {
        auto probe = ReadFilePrefixWithRetries(file, kBeginProbeRecords * sizeof(TRecordingEvent), once);
        if (!probe) return {};
        if (auto text = FirstMessageBegin(probe->bytes)) return *text;
        if (probe->fileSize <= probe->bytes.size()) return {};
        auto whole = ReadFilePrefixWithRetries(file, kRecordingCapacity * sizeof(TRecordingEvent), once);
        if (!whole) return {};
        return FirstMessageBegin(whole->bytes).value_or("");
    } catch (const IoError&) {
        return {};
    }
}

}  // namespace ovis
