// Fuzz target: DecodeOnline on untrusted serial input. The input is N (two bytes, big-endian)
// followed by a received telegram (address, reply code, payload; at most 130 bytes). Properties:
// only received bytes are read (AddressSanitizer sees the telegram in a buffer of its own size),
// reply 7 and 20 yield at most min(N, payload bits) items and replies 6 and 12 at most one item per
// item size begun with two bytes, message numbers stay within 0..1023, the queue within its
// capacity and the online states within the TColumnState codes.
#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/online_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    if (size < 2) return 0;
    const int n = (data[0] << 8 | data[1]) % 1100;
    const std::vector<std::uint8_t> telegram(data + 2, data + std::min<std::size_t>(size, 2 + 130));
    static auto states = std::make_unique<OnlineStateTable>();
    static auto queue = std::make_unique<VisuQueue>();
    static const std::vector<std::uint8_t> roles(300, 6);
    static const std::vector<std::uint16_t> elements(500, 7);
    OnlineTargets targets{n, roles, states.get(), queue.get(), elements};
    OnlineEvent current;
    const auto items = DecodeOnline(telegram, targets, current);
    if (telegram.size() > 2) {
        const std::size_t payload = telegram.size() - 2;
        const std::uint8_t code = telegram[1];
        if (code == 7 || code == 20)
            FUZZ_CHECK(items.size() <= std::min<std::size_t>(std::size_t(n), payload * 8), "more levels than received");
        if (code == 6) FUZZ_CHECK(items.size() == (payload + 2) / 4, "reply-6 items do not match the bytes");
        if (code == 12) FUZZ_CHECK(items.size() == (payload + 1) / 3, "reply-12 items do not match the bytes");
    }
    for (const auto& item : items) FUZZ_CHECK(item.message >= 0 && item.message <= 1023, "message number out of range");
    FUZZ_CHECK(queue->Count() <= VisuQueue::kCapacity, "queue beyond its capacity");
    if (queue->Count() == VisuQueue::kCapacity) queue->Clear();
    for (int m = 1; m <= OnlineStateTable::kEntries; ++m) {
        const TColumnState s = states->At(m);
        FUZZ_CHECK(s <= 9 && s != 5, "an online state that is no TColumnState code");
    }
    return 0;
}
