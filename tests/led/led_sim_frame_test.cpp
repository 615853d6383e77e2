#include "led/led_sim_frame.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

TEST(SimulationFrameTest, LitLedsShowTheirCodesPreviewAndUnknownCodesShowDark) {
    const PaletteColour& red = Palette()[0];
    ComposedDisplay display{};
    display[3].bits = 0xC1;  // bit 7 (no LED), top LED and bottom LED
    display[3].colours[6] = red.code;
    display[3].colours[0] = 0x07;  // no palette colour

    const LedFrame frame = SimulationFrame(display, 0x202020);

    EXPECT_EQ(frame.columns[3], 0x41);
    EXPECT_TRUE(frame.Lit(3, 0));
    EXPECT_EQ(frame.LitColour(3, 0), red.preview);
    EXPECT_TRUE(frame.Lit(3, 6));
    EXPECT_EQ(frame.LitColour(3, 6), 0x202020u);
    EXPECT_FALSE(frame.Lit(4, 0));
    EXPECT_EQ(frame.dark, 0x202020u);
}

}  // namespace
}  // namespace ovis
