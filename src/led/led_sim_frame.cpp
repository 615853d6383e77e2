#include "led/led_sim_frame.h"

namespace ovis {

LedFrame SimulationFrame(const ComposedDisplay& display, std::uint32_t dark) {
    LedFrame frame;
    frame.dark = dark;
    for (std::size_t c = 0; c < display.size(); ++c) {
        frame.columns[c] = display[c].bits & 0x7F;
        for (int row = 0; row < kGlyphRows; ++row) {
            const PaletteColour* colour = PaletteColourOfCode(display[c].colours[std::size_t(6 - row)]);
            frame.lit[c * kGlyphRows + std::size_t(row)] = colour ? colour->preview : dark;
        }
    }
    return frame;
}

}  // namespace ovis
