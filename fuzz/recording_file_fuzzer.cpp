// Fuzz target: a recording file (".ofa") as the recording buffer loads it. The input is the file.
// Properties: a loaded file holds at most the capacity, without its prefix; it is unchanged after
// loading and saves back to exactly the bytes it was loaded from; times, the initial block and the
// re-sort stay within the records.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "project/recording.h"
#include "fuzz/fuzz_check.h"
#include "records/typed_file.h"
#include "support/temp_dir.h"

namespace ovis::fuzz {
namespace {

void CheckLoaded(TRecording& recording, const Bytes& input) {
    const bool prefixed = input.size() >= 2 && (input[0] != 0 || input[1] != 0);
    const std::size_t dropped = prefixed ? kRecordingPrefixRecords * sizeof(TRecordingEvent) : 0;
    FUZZ_CHECK(input.size() % sizeof(TRecordingEvent) == 0, "a partial record was loaded");
    FUZZ_CHECK(recording.Count() <= TRecording::Capacity(), "more records than the capacity");
    FUZZ_CHECK(recording.Count() * sizeof(TRecordingEvent) + dropped == input.size(), "records lost or invented");
    FUZZ_CHECK(!recording.IsModified(), "modified right after loading");

    recording.Save();
    const Bytes saved = ReadFileOrThrow(recording.Path());
    FUZZ_CHECK(saved.size() + dropped == input.size() &&
                   (saved.empty() || std::memcmp(saved.data(), input.data() + dropped, saved.size()) == 0),
               "the save differs from the loaded file");

    FUZZ_CHECK(recording.InitialBlockSize() <= recording.Count(), "initial block beyond the records");
    for (std::size_t k = 1; k <= recording.Count(); ++k)
        FUZZ_CHECK(std::isfinite(recording.EventSeconds(k)), "time is not a number");
    recording.SortEvents();
    for (std::size_t k = 4; k <= recording.Count(); ++k)
        FUZZ_CHECK(recording.EventSeconds(k - 1) <= recording.EventSeconds(k), "not sorted");
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ovis::test::TempDir dir;
    static auto recording = std::make_unique<ovis::TRecording>();
    const ovis::Bytes input(data, data + size);
    ovis::WriteFileAtomically(dir / "Fuzz.ofa", input);
    try {
        recording->Load(dir.path(), "Fuzz");
    } catch (const ovis::IoError&) {
        FUZZ_CHECK(recording->Count() == 0, "a refused file left records behind");
        return 0;
    }
    ovis::fuzz::CheckLoaded(*recording, input);
    return 0;
}
