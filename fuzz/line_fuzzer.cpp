// Fuzz target: the character state machine of the serial passes and the frame code. An input is
//   state, address, command, payload length (modulo 129), the payload,
//   then the characters the Interface sends, a line feed ending the characters of one pass
//   (at most 16 passes, the link's state kept from pass to pass).
// The telegram must come back unchanged through EncodeFrame and DecodeFrame, and the characters
// as one frame must decode within the receive buffer.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "link/frame_code.h"
#include "link/link_fakes.h"

namespace ovis::fuzz {
namespace {

constexpr std::size_t kHeaderSize = 4;
constexpr int kMaxPasses = 16;
constexpr std::uint8_t kPassEnd = '\n';

void CheckFrameRoundTrip(std::span<const std::uint8_t> telegram) {
    const Frame frame = EncodeFrame(telegram);
    FUZZ_CHECK(std::size_t(frame.length) < frame.chars.size(), "the frame is longer than its buffer");
    std::array<std::uint8_t, kTelegramCapacity> decoded{};
    const int count = DecodeFrame(std::span(frame.chars.data(), std::size_t(frame.length) + 1), decoded);
    FUZZ_CHECK(count == int(telegram.size()), "a decoded frame has another length than its telegram");
    FUZZ_CHECK(std::equal(telegram.begin(), telegram.end(), decoded.begin()),
               "a decoded frame differs from its telegram");
}

void CheckDecodeOf(std::span<const std::uint8_t> chars) {
    std::array<std::uint8_t, kTelegramCapacity> decoded{};
    const int count = DecodeFrame(chars, decoded);
    FUZZ_CHECK(count >= 0 && count <= kTelegramCapacity, "a frame decodes to more than a telegram holds");
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    using namespace ovis::fuzz;
    if (size < kHeaderSize) return 0;
    const std::uint8_t startState = data[0];
    const std::size_t payloadLength = std::min<std::size_t>(data[3] % (kTelegramCapacity - 1), size - kHeaderSize);
    const std::span<const std::uint8_t> payload(data + kHeaderSize, payloadLength);
    const std::span<const std::uint8_t> line(data + kHeaderSize + payloadLength, size - kHeaderSize - payloadLength);

    std::vector<std::uint8_t> telegram{data[1], data[2]};
    telegram.insert(telegram.end(), payload.begin(), payload.end());
    CheckFrameRoundTrip(telegram);
    CheckDecodeOf(line);

    LinkTuning tuning;
    tuning.stepsPerPass = 4 * kFrameCapacity;
    test::LinkRig<test::ScriptedLine> rig(tuning);
    rig.link.Prepare(data[1], data[2], payload);
    rig.link.SetState(startState);
    auto next = line.begin();
    for (int pass = 0; pass < kMaxPasses && next != line.end(); ++pass) {
        auto end = std::find(next, line.end(), kPassEnd);
        rig.line.input.assign(next, end);
        next = end == line.end() ? end : end + 1;
        rig.link.SerialPass();
        const LinkData& link = rig.link.Data();
        FUZZ_CHECK(link.receiveLength >= 0 && link.receiveLength <= kTelegramCapacity,
                   "the receive length is outside the receive buffer");
        FUZZ_CHECK(std::size_t(rig.link.FrameBuffer().length) < rig.link.FrameBuffer().chars.size(),
                   "the frame is longer than its buffer");
    }
    return 0;
}
