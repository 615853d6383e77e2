#include "led/led_sim_compose.h"

#include <algorithm>

namespace ovis {

namespace {

// Lays one message's frame on its physical columns and colours its lit LEDs. A later module
// position mapped to the same column replaces the earlier one in the message's own bytes.
void ComposeMessage(const TLedRecord& row, const SimMessage& state, ComposedDisplay& display,
                    std::array<std::uint8_t, kLedColumns>& own) {
    const int modules = std::clamp<int>(row.Modulzahl, 0, kLedModulePositions);
    int first = kLedColumns, last = -1;
    for (int p = 0; p < modules; ++p) {
        const int module = row.ModulListe[p];
        if (module == 0) continue;
        for (int e = 0; e < 5; ++e) {
            const int c = (module - 1) * 5 + e;
            const std::uint8_t byte = state.SimRow[std::size_t(p * 5 + e)];
            own[std::size_t(c)] = byte;
            display[std::size_t(c)].bits |= byte;
            first = std::min(first, c);
            last = std::max(last, c);
        }
    }
    for (int c = first; c <= last; ++c) {
        const std::uint8_t byte = own[std::size_t(c)];
        own[std::size_t(c)] = 0;
        auto& colours = display[std::size_t(c)].colours;
        for (int bit = 0; bit < 7; ++bit) {
            if (!BitLit(byte, bit)) continue;
            colours[std::size_t(bit)] =
                colours[std::size_t(bit)] == kNoColour ? state.SimColour : MixColours(colours[std::size_t(bit)], state.SimColour);
        }
    }
}

}  // namespace

void ComposeDisplay(std::span<const TLedRecord> rows, std::span<const SimMessage> states, ComposedDisplay& display) {
    display.fill(DisplayColumn{});
    std::array<std::uint8_t, kLedColumns> own{};
    const std::size_t count = std::min(rows.size(), states.size());
    for (std::size_t i = 0; i < count; ++i)
        if (rows[i].Status) ComposeMessage(rows[i], states[i], display, own);
}

}  // namespace ovis
