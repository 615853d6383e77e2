// Fuzz target: the relay files COMTD.DAT and COMRD.DAT as the Client and the Server read them.
// An input is
//   the number of steps (modulo 17), one byte per step (bits 0 to 2: which step, the others its
//   telegram length), the length of COMTD.DAT (two bytes, low first), its bytes,
//   then the bytes of COMRD.DAT.
// The steps run in order on one relay and one link, over files in one directory that serves as
// the base directory of both PCs.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "link/link_fakes.h"
#include "link/relay.h"
#include "records/typed_file.h"
#include "support/temp_dir.h"

namespace ovis::fuzz {
namespace {

namespace ls = link_state;

enum class Step : std::uint8_t {
    ClientReceive,
    ClientSynchronise,
    ClientSend,
    ServerPickUp,
    ServerForward,
    Reset,
    ClearRecordsPending,
    ClientReceiveAgain,
};

void Run(Step step, int length, Relay& relay, LinkData& link, const RelaySettings& settings) {
    switch (step) {
        case Step::ClientReceive:
        case Step::ClientReceiveAgain:
            link.state = ls::kDone;
            relay.ClientReceiveStep(link, settings);
            break;
        case Step::ClientSynchronise:
            link.state = ls::kIdle;
            relay.ClientSynchroniseStep(link, settings);
            break;
        case Step::ClientSend:
            link.state = ls::kSendRequest;
            link.length = 2 + length;
            relay.ClientSendStep(link, settings);
            break;
        case Step::ServerPickUp:
            link.state = ls::kDone;
            relay.ServerPickUpStep(link, settings);
            break;
        case Step::ServerForward:
            link.state = ls::kDone | ls::kTelegramReceived;
            link.receiveLength = std::min(4 * length, kTelegramCapacity);
            relay.ServerForwardStep(link, settings);
            break;
        case Step::Reset: relay.Reset(); break;
        case Step::ClearRecordsPending: relay.ClearRecordsPending(); break;
    }
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    using namespace ovis::fuzz;
    static test::TempDir dir;
    std::span<const std::uint8_t> input(data, size);
    auto take = [&input](std::size_t n) {
        auto part = input.first(std::min(n, input.size()));
        input = input.subspan(part.size());
        return part;
    };
    const auto count = take(1);
    const auto steps = take(count.empty() ? 0 : count[0] % 17);
    const auto sendLength = take(2);
    const auto sendFile = take(sendLength.size() == 2 ? std::size_t(sendLength[0] | sendLength[1] << 8) : 0);
    WriteFileAtomically(dir.path() / kRelaySendFileName, Bytes(sendFile.begin(), sendFile.end()));
    WriteFileAtomically(dir.path() / kRelayReceiveFileName, Bytes(input.begin(), input.end()));

    test::CountingDelay delay;
    NullPump pump;
    Relay relay(delay, pump);
    LinkData link;
    const RelaySettings settings{RelayMode::Client, dir.path(), dir.path()};
    for (std::uint8_t step : steps) {
        Run(Step(step & 7), step >> 3, relay, link, settings);
        FUZZ_CHECK(link.length >= 2 && link.length <= kTelegramCapacity, "the telegram length is out of range");
        FUZZ_CHECK(link.receiveLength >= 0 && link.receiveLength <= kTelegramCapacity,
                   "the receive length is outside the receive buffer");
    }
    return 0;
}
