// Fuzz target: the events file of the simulated memory card (`ovis-sim --events`). The input is
// the file's text. Properties: a refused file is refused with a message; an accepted one is
// stored in units whose replies hold whole items of at most 128 bytes, and the PC's read-out
// decoder takes every reply without a fault and gives back one record per event.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "link/readout_decoder.h"
#include "sim/memory_card.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    std::vector<sim::CardEvent> events;
    try {
        events = sim::ParseEventsText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::invalid_argument& e) {
        FUZZ_CHECK(std::string_view(e.what()).find("Zeile") != std::string_view::npos, "a refusal without its line");
        return 0;
    }
    const sim::MemoryCard card(events);
    static ReadoutDecoder decoder;
    std::size_t decoded = 0;
    for (int folder = 0; folder < sim::kCardFolders; ++folder) {
        const int units = int(card.Units(folder).size());
        for (int first = 1; first <= units; first += 10) {
            decoder.Reset();
            const auto replies = card.ReadoutReplies(folder, first, std::min(units, first + 9));
            FUZZ_CHECK(!replies.empty() && replies.back().empty(), "no closing reply");
            for (std::size_t i = 0; i + 1 < replies.size(); ++i) {
                FUZZ_CHECK(!replies[i].empty() && replies[i].size() <= sim::kReplyPayload, "a reply of a wrong size");
                FUZZ_CHECK(decoder.AddReply(replies[i]) == ReadoutFault::None, "the decoder refused the card's data");
            }
            for (const auto& record : decoder.Records()) decoded += IsMarker(record) ? 0 : 1;
        }
    }
    FUZZ_CHECK(decoded == events.size(), "events lost or invented");
    return 0;
}
