#include "led/led_sim_listing.h"

#include <cstdio>

namespace ovis {

std::string DisplayListing(const ComposedDisplay& display) {
    std::string text;
    for (std::size_t c = 0; c < display.size(); ++c) {
        const DisplayColumn& column = display[c];
        if ((column.bits & 0x7F) == 0) continue;
        char field[32];
        std::snprintf(field, sizeof field, "%zu %02X", c + 1, unsigned(column.bits));
        text += field;
        for (int bit = 6; bit >= 0; --bit) {
            std::snprintf(field, sizeof field, BitLit(column.bits, bit) ? " %02X" : " --",
                          unsigned(column.colours[std::size_t(bit)]));
            text += field;
        }
        text += '\n';
    }
    return text;
}

}  // namespace ovis
