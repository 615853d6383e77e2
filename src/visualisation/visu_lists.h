#pragma once
// The online visualisation's two lists: "Info" (the Interface's last 16 events) and "Relais"
// (every I/O row of role 9 with its state). Lines are code page 1252 bytes.
#include <span>
#include <string>
#include <vector>

#include "link/visu_memory.h"
#include "project/io_records.h"
#include "visualisation/visu_binding.h"

namespace ovis {

inline constexpr const char* kVisuEventListTitle = "     Meldungen";
inline constexpr const char* kVisuRelayListTitle = "        Relaiszustände";

// "dd.mm.yyyy  hh:mm:ss  NAME  EIN" (or "AUS"); a message beyond the I/O rows is "Meldung k".
std::vector<std::string> EventListLines(std::span<const VisuEventEntry> entries, std::span<const TIoRecord> io);

struct RelayLine {
    int message = 0;  // 1-based, the I/O row's message number
    bool on = false;
};
std::vector<RelayLine> RelayLines(const VisuBinding& binding, std::span<const std::uint8_t> states);
// "NAME  EIN" / "NAME  AUS".
std::string RelayLineText(std::span<const TIoRecord> io, const RelayLine& line);

}  // namespace ovis
