#pragma once
// The 3-of-7 character code of the line and the frame of a telegram.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/telegram.h"

namespace ovis {

namespace line_char {
inline constexpr std::uint8_t kCall = '#';     // the sender wants to talk
inline constexpr std::uint8_t kNothing = '%';  // nothing (more) to send
inline constexpr std::uint8_t kStart = '&';    // start of frame
inline constexpr std::uint8_t kEnd = ')';      // end of frame
inline constexpr std::uint8_t kConfirm = '*';  // frame confirmed
inline constexpr std::uint8_t kClose = ',';    // close
}  // namespace line_char

// The character of a nibble value 0 to 15.
inline constexpr std::array<std::uint8_t, 16> kNibbleChars = {'1', '2', '4', '8', 'C', 'E', 'F', 'I',
                                                              'J', 'L', 'Q', 'R', 'T', 'X', 'a', 'b'};

// The nibble value of a character; nothing for a character outside the nibble alphabet.
std::optional<std::uint8_t> NibbleValue(std::uint8_t character);

// The longest frame: "&", two characters per telegram byte, ")" and the "*," of command 16.
inline constexpr int kEncodedFrameCapacity = 2 * kTelegramCapacity + 4;

// A frame: characters at positions 1 to `length` (index 0 unused).
struct Frame {
    std::array<std::uint8_t, kEncodedFrameCapacity + 1> chars{};
    int length = 0;

    std::string Text() const { return std::string(chars.begin() + 1, chars.begin() + 1 + length); }
};

// "&", two nibble characters per byte (high first), ")"; command 16 adds "*,".
// `bytes` are the telegram bytes from Address on (2 to 130 of them).
Frame EncodeFrame(std::span<const std::uint8_t> bytes);

// Decodes the pairs at positions (2,3), (4,5), ... of `chars`, stopping after the pair that is
// directly followed by ")" or after 130 bytes. Characters outside the alphabet count as 0.
// Returns the number of bytes stored in `out`.
int DecodeFrame(std::span<const std::uint8_t> chars, std::array<std::uint8_t, kTelegramCapacity>& out);

}  // namespace ovis
