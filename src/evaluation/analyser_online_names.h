#pragma once
// The project's online messages (the I/O messages, then the LED messages): their number N, the
// role of each I/O row for the visualisation, and their names.
#include <cstdint>
#include <string>
#include <vector>

#include "project/project_tables.h"

namespace ovis {

struct OnlineMessages {
    std::vector<std::string> names;   // message k at k - 1 (record bytes)
    std::vector<std::uint8_t> roles;  // low byte of VisuRolle per I/O row
    int Count() const { return int(names.size()); }
    // The name of message `number`; empty when the number has no online message.
    std::string Name(int number) const {
        return number >= 1 && number <= Count() ? names[std::size_t(number - 1)] : std::string();
    }
};

OnlineMessages OnlineMessagesOf(const IoTable& io, const LedTable& led);

}  // namespace ovis
