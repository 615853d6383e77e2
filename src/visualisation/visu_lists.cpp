#include "visualisation/visu_lists.h"

#include <cstdio>

namespace ovis {
namespace {

std::string NameOf(std::span<const TIoRecord> io, int message) {
    if (message >= 1 && std::size_t(message) <= io.size()) return io[std::size_t(message - 1)].Bezeichnung.str();
    return "Meldung " + std::to_string(message);
}

const char* StateText(bool on) { return on ? "EIN" : "AUS"; }

}  // namespace

std::vector<std::string> EventListLines(std::span<const VisuEventEntry> entries, std::span<const TIoRecord> io) {
    std::vector<std::string> lines;
    const std::size_t first = entries.size() > kVisuEventEntries ? entries.size() - kVisuEventEntries : 0;
    for (std::size_t k = first; k < entries.size(); ++k) {
        const VisuEventEntry& e = entries[k];
        char time[40];
        std::snprintf(time, sizeof time, "%02d.%02d.%04d  %02d:%02d:%02d  ", e.day % 100, e.month % 100,
                      e.year % 10000, e.hour % 100, e.minute % 100, e.second % 100);
        lines.push_back(time + NameOf(io, e.message) + "  " + StateText(e.high));
    }
    return lines;
}

std::vector<RelayLine> RelayLines(const VisuBinding& binding, std::span<const std::uint8_t> states) {
    std::vector<RelayLine> lines;
    for (int row : binding.relays) lines.push_back({row + 1, RelayStateOf(states, row + 1)});
    return lines;
}

std::string RelayLineText(std::span<const TIoRecord> io, const RelayLine& line) {
    return NameOf(io, line.message) + "  " + StateText(line.on);
}

}  // namespace ovis
