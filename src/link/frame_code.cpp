#include "link/frame_code.h"

#include <algorithm>

namespace ovis {

std::optional<std::uint8_t> NibbleValue(std::uint8_t character) {
    auto it = std::find(kNibbleChars.begin(), kNibbleChars.end(), character);
    if (it == kNibbleChars.end()) return std::nullopt;
    return std::uint8_t(it - kNibbleChars.begin());
}

Frame EncodeFrame(std::span<const std::uint8_t> bytes) {
    Frame frame;
    const int n = int(std::min<std::size_t>(bytes.size(), kTelegramCapacity));
    int pos = 1;
    frame.chars[pos++] = line_char::kStart;
    for (int i = 0; i < n; ++i) {
        frame.chars[pos++] = kNibbleChars[bytes[i] >> 4];
        frame.chars[pos++] = kNibbleChars[bytes[i] & 0x0F];
    }
    frame.chars[pos++] = line_char::kEnd;
    if (n >= 2 && bytes[1] == 16) {
        frame.chars[pos++] = line_char::kConfirm;
        frame.chars[pos++] = line_char::kClose;
    }
    frame.length = pos - 1;
    return frame;
}

int DecodeFrame(std::span<const std::uint8_t> chars, std::array<std::uint8_t, kTelegramCapacity>& out) {
    auto at = [&](std::size_t position) -> std::uint8_t { return position < chars.size() ? chars[position] : 0; };
    int count = 0;
    for (std::size_t pos = 2; count < kTelegramCapacity && pos + 1 < chars.size(); pos += 2) {
        std::uint8_t high = NibbleValue(at(pos)).value_or(0);
        std::uint8_t low = NibbleValue(at(pos + 1)).value_or(0);
        out[std::size_t(count++)] = std::uint8_t(high << 4 | low);
        if (at(pos + 2) == line_char::kEnd) break;
    }
    return count;
}

}  // namespace ovis
