#pragma once
// Binding of I/O messages to picture elements by their `VisuRolle`: roles 1 to 6 take the next
// visible element of that kind in I/O table order; role 9 marks a relay.
#include <cstdint>
#include <span>
#include <vector>

#include "project/grafik_record.h"
#include "project/io_records.h"

namespace ovis {

inline constexpr int kVisuRelayRole = 9;

struct VisuBinding {
    // Per I/O row (message k at k - 1): the element index (1-based) within the kind of its role, 0 for none.
    std::vector<std::uint16_t> elements;
    // Per I/O row: the role's kind 1..6, 0 for none (other roles and rows without a free element).
    std::vector<std::uint8_t> kinds;
    // The I/O rows of role 9 (0-based), in table order.
    std::vector<int> relays;
};

// Elements 1..Anzahl of each kind whose X is not negative are handed out in order.
VisuBinding BindVisuMessages(const TGrafikRecord& record, std::span<const TIoRecord> io);

}  // namespace ovis
