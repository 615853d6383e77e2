#include "evaluation/analyser_online_names.h"

#include "evaluation/recording_folders.h"

namespace ovis {

OnlineMessages OnlineMessagesOf(const IoTable& io, const LedTable& led) {
    MessageSources sources{};
    sources.io = io.Rows();
    sources.led = led.Rows();
    const MessageNumbering numbering(sources);
    OnlineMessages messages;
    const int count = int(io.Count() + led.Count());
    for (int k = 1; k <= count; ++k) messages.names.push_back(RecordedMessageName(numbering, k));
    for (const TIoRecord& row : io.Rows()) messages.roles.push_back(std::uint8_t(std::int32_t(row.VisuRolle) & 0xFF));
    return messages;
}

}  // namespace ovis
