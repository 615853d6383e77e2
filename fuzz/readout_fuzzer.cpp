// Fuzz target: what the Interface sends to the evaluation window. The first byte chooses the
// parser: even, a unit directory (the rest of the input is the joined payloads D); odd, the
// read-out (the rest is split into replies, each a length byte and at most 128 payload bytes).
// Properties: the directory lists only units whose bytes arrived, with valid cells; the decoder
// never holds more than its capacity, and every record it holds is a valid time.
#include <algorithm>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "link/readout_decoder.h"
#include "link/unit_directory.h"

namespace ovis::fuzz {
namespace {

void CheckDirectory(std::span<const std::uint8_t> d) {
    const auto units = DecodeUnitDirectory(d);
    FUZZ_CHECK(d.size() < 6 ? units.empty() : units.size() == (d.size() - 2) / 4, "units read past the bytes");
    for (const auto& unit : units) FUZZ_CHECK(UnitBeginCell(unit).size() >= 19, "a short Beginn cell");
}

void CheckRecord(const TRecordingEvent& r) {
    if (r.Meldung.get() == 0 && r.Monat == 0) return;  // the zero record of a marker pair
    FUZZ_CHECK(r.Monat >= 1 && r.Monat <= 12, "month out of range");
    FUZZ_CHECK(r.Tag >= 1 && r.Tag <= ReadoutDaysInMonth(r.Monat, r.Jahr), "day out of range");
    FUZZ_CHECK(r.Std < 24 && r.Min < 60, "hour or minute out of range");
    FUZZ_CHECK(r.SekMSek.get() < 60000 && r.Misek < 100, "second or 10 us out of range");
}

void CheckReadout(std::span<const std::uint8_t> input) {
    static ReadoutDecoder decoder;
    decoder.Reset();
    while (!input.empty()) {
        const std::size_t length = std::min<std::size_t>(input[0] % 129u, input.size() - 1);
        decoder.AddReply(input.subspan(1, length));
        input = input.subspan(1 + length);
    }
    FUZZ_CHECK(decoder.Count() <= ReadoutDecoder::Capacity(), "more records than the buffer holds");
    for (const auto& record : decoder.Records()) CheckRecord(record);
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    if (data[0] % 2 == 0)
        ovis::fuzz::CheckDirectory(rest);
    else
        ovis::fuzz::CheckReadout(rest);
    return 0;
}
