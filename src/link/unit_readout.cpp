#include "link/unit_readout.h"

#include <algorithm>
#include <cstdio>

#include "link/interface_commands.h"
#include "records/typed_file.h"

namespace ovis {
namespace {

constexpr int kFullReplyLength = 130;

std::span<const std::uint8_t> ReplyPayload(const LinkData& data) {
    const int length = std::clamp(data.receiveLength, 2, kFullReplyLength);
    return {data.receiveBuffer.data() + 2, std::size_t(length - 2)};
}

// LinkIdle is false for the lifetime of this object.
class BusyLink {
public:
    explicit BusyLink(InterfaceActions& actions) : actions_(actions) { actions_.SetLinkIdle(false); }
    ~BusyLink() { actions_.SetLinkIdle(true); }

private:
    InterfaceActions& actions_;
};

}  // namespace

std::string ReadoutProgressText(std::size_t bytes) {
    char text[40];
    std::snprintf(text, sizeof text, "Auslesen der Daten  %07zu", bytes % 10000000);
    return text;
}

UnitReadout::UnitReadout(Link& link, Dialogs& dialogs, ProgressWindows& progressWindows, InterfaceActions& actions)
    : link_(link), dialogs_(dialogs), progressWindows_(progressWindows), actions_(actions) {}

void UnitReadout::ClearAfterFailure() {
    link_.ClearAbort();
    link_.SetResult(LinkResult::Ok);
}

DirectoryRead UnitReadout::ListUnits(std::uint8_t address, int folderIndex, int folderUnits) {
    auto progress = progressWindows_.Open(kConnectingToInterfaceText);
    BusyLink busy(actions_);
    link_.Port().ReopenPort();
    link_.ClearAbort();
    link_.FinishExchange();
    DirectoryRead read;
    if (Ok())
        read = ReadUnitDirectory(address, folderIndex, folderUnits);
    else
        ClearAfterFailure();
    return read;
}

DirectoryRead UnitReadout::ReadUnitDirectory(std::uint8_t address, int folderIndex, int folderUnits) {
    DirectoryRead read;
    link_.Prepare(address, command::kUnitDirectory, {std::uint8_t(folderIndex)});
    link_.SendTelegram();
    if (!Ok()) return read;
    std::vector<std::uint8_t> d;
    std::uint8_t lastCommand = 0;
    for (;;) {
        link_.AwaitTelegram({command::kUnitDirectory, command::kNoCard});
        if (link_.Result() == LinkResult::Aborted) break;
        const LinkData& data = link_.Data();
        lastCommand = data.receiveBuffer[1];
        const auto payload = ReplyPayload(data);
        d.insert(d.end(), payload.begin(), payload.end());
        if (lastCommand == command::kNoCard || DirectoryReadEnds(data.receiveLength, folderUnits)) break;
    }
    link_.EndReplies();
    if (link_.Result() == LinkResult::Aborted) {
        read.outcome = DirectoryOutcome::Aborted;
        ClearAfterFailure();
        return read;
    }
    if (lastCommand == command::kNoCard) {
        read.outcome = DirectoryOutcome::NoCard;
        dialogs_.Show(BoxKind::Information, kNoMemoryCardText);
        return read;
    }
    read.outcome = DirectoryOutcome::Listed;
    read.units = DecodeUnitDirectory(d);
    return read;
}

std::optional<std::size_t> UnitReadout::TransferUnits(std::uint8_t address, int folderIndex, int firstUnit,
                                                      int lastUnit, const std::filesystem::path& file) {
    auto progress = progressWindows_.Open(kTransferringDataText);
    bool complete = false;
    {
        BusyLink busy(actions_);
        link_.ClearAbort();
        link_.FinishExchange();
        if (Ok())
            complete = ReadUnits(address, folderIndex, firstUnit, lastUnit, *progress);
        if (!complete) ClearAfterFailure();
    }
    progress.reset();
    if (!complete) {
        if (decoder_.Fault() != ReadoutFault::None) dialogs_.Warning(ReadoutFaultText(decoder_.Fault()));
        decoder_.Reset();
        return std::nullopt;
    }
    const auto records = decoder_.Records();
    CreateDirectoryOrThrow(file.parent_path());
    WriteBytesAtomically(file, {reinterpret_cast<const std::uint8_t*>(records.data()), records.size_bytes()});
    const std::size_t count = records.size();
    decoder_.Reset();
    return count;
}

bool UnitReadout::ReadUnits(std::uint8_t address, int folderIndex, int firstUnit, int lastUnit,
                            ProgressWindow& progress) {
    progress.SetMaximum((lastUnit - firstUnit + 1) * kRepliesPerUnit);
    progress.SetPosition(0);
    decoder_.Reset();
    link_.Prepare(address, command::kUnitReadOut,
                  {std::uint8_t(folderIndex), std::uint8_t(firstUnit), std::uint8_t(lastUnit)});
    link_.SendTelegram();
    if (!Ok()) return false;
    link_.WaitMs(100);
    link_.AwaitTelegram({command::kUnitReadOut});
    std::size_t bytes = 0;
    int replies = 0;
    bool ended = false;
    // After a fault the remaining replies are still taken up to the closing one, so that none of
    // them is left for a later conversation.
    while (link_.Result() == LinkResult::Ok) {
        const auto payload = ReplyPayload(link_.Data());
        if (payload.empty()) {
            if (replies == 0) decoder_.AddReply(payload);
            ended = true;
            break;
        }
        bytes += payload.size();
        progress.SetPosition(++replies);
        progress.SetStepText(ReadoutProgressText(bytes));
        decoder_.AddReply(payload);
        // The replies follow each other: no pause after a pass that brought one.
        link_.AwaitTelegram({command::kUnitReadOut}, false);
    }
    link_.EndReplies();
    return ended && Ok() && decoder_.Fault() == ReadoutFault::None;
}

}  // namespace ovis
