// The steps of the four directions with both start codes.
#include <gtest/gtest.h>

#include "led/led_sim_step.h"
#include "led_simulation_fixture.h"

namespace ovis {
namespace {

using test::SimMessageRecord;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t A = 0x11, B = 0x22, C = 0x33;

// The frames of the first `steps` steps of a message, each as its first `width` bytes.
std::vector<Bytes> Frames(const TLedRecord& message, int steps, int width) {
    SimMessage state;
    ResetSimPosition(message, state);
    std::vector<Bytes> frames;
    for (int s = 0; s < steps; ++s) {
        SimulationStep(message, state);
        frames.emplace_back(state.SimRow.begin(), state.SimRow.begin() + width);
    }
    return frames;
}

TEST(LedSimulationStep, LinksFromX1EntersAtTheRightEdgeAndRepeatsAfterItsGap) {
    TLedRecord m = SimMessageRecord(kLinksFromX1, 1, 10, {A, B, C});
    m.Distanz = 2;
    const auto frames = Frames(m, 16, 10);
    EXPECT_EQ(frames[0], (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, A}));
    EXPECT_EQ(frames[2], (Bytes{0, 0, 0, 0, 0, 0, 0, A, B, C}));
    EXPECT_EQ(frames[4], (Bytes{0, 0, 0, 0, 0, A, B, C, 0, 0}));
    EXPECT_EQ(frames[9], (Bytes{A, B, C, 0, 0, A, B, C, 0, 0})) << "full window from the picture's start";
    EXPECT_EQ(frames[10], (Bytes{B, C, 0, 0, A, B, C, 0, 0, A}));
    EXPECT_EQ(frames[14], frames[9]) << "position L + N falls back by L: the content cycles";
}

TEST(LedSimulationStep, LinksWindowStartsInsideItsFirstModule) {
    // x0 = 3: the window begins at column 3 of the first module position.
    const auto frames = Frames(SimMessageRecord(kLinksFromX1, 3, 7, {A}), 1, 10);
    EXPECT_EQ(frames[0], (Bytes{0, 0, 0, 0, 0, 0, A, 0, 0, 0}));
}

TEST(LedSimulationStep, LinksFromX0StartsAtItsEdgeAndRepeatsTheFirstLineWidth) {
    // Umbr. 1: a window of 15 columns shows its first 5 columns three times.
    const auto frames = Frames(SimMessageRecord(kLinksFromX0, 1, 15, {1, 2, 3, 4, 5, 6, 7}), 2, 15);
    EXPECT_EQ(frames[0], (Bytes{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5}));
    EXPECT_EQ(frames[1], (Bytes{2, 3, 4, 5, 6, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6}));

    TLedRecord wide = SimMessageRecord(kLinksFromX0, 1, 15, {1, 2, 3, 4, 5, 6, 7});
    wide.Umbruch = 3;
    EXPECT_EQ(Frames(wide, 1, 15)[0], (Bytes{1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7, 1}))
        << "a line of 15 columns covers the whole window";
}

TEST(LedSimulationStep, RechtsFromX0EntersAtTheLeftEdge) {
    const auto frames = Frames(SimMessageRecord(kRechtsFromX0, 1, 10, {A, B, C}), 10, 10);
    EXPECT_EQ(frames[0], (Bytes{C, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(frames[2], (Bytes{A, B, C, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(frames[3], (Bytes{C, A, B, C, 0, 0, 0, 0, 0, 0})) << "no gap: the next copy follows at once";
}

TEST(LedSimulationStep, RechtsFromX1StartsAtItsEdgeAndRepeatsTheLastLineWidth) {
    const auto frames = Frames(SimMessageRecord(kRechtsFromX1, 1, 10, {A, B, C}), 2, 10);
    EXPECT_EQ(frames[0], (Bytes{B, C, A, B, C, B, C, A, B, C}));
    EXPECT_EQ(frames[1], (Bytes{A, B, C, A, B, A, B, C, A, B}));
}

TEST(LedSimulationStep, ObenFromX0ShowsItsFirstLineAtOnceThenRollsUp) {
    const TLedRecord m = SimMessageRecord(kObenFromX0, 1, 5, {0x41, 0x7F, 0x01, 0x40, 0x00});
    const auto frames = Frames(m, 8, 5);
    EXPECT_EQ(frames[0], (Bytes{0x41, 0x7F, 0x01, 0x40, 0x00}));
    // One row up; the line (its own successor here) enters from the bottom; bit 7 holds the
    // row that left at the top.
    EXPECT_EQ(frames[1], (Bytes{0x83, 0xFF, 0x02, 0x81, 0x00}));
    for (int k = 0; k < 5; ++k) EXPECT_EQ(frames[7][k] & 0x7F, frames[0][k]) << "seven steps per line, column " << k + 1;
}

TEST(LedSimulationStep, ObenFromX1RollsItsFirstLineInRowByRow) {
    const auto frames = Frames(SimMessageRecord(kObenFromX1, 1, 5, {0x41, 0x7F}), 7, 5);
    EXPECT_EQ(frames[0], (Bytes{0x01, 0x01, 0, 0, 0})) << "the top row appears at the bottom";
    EXPECT_EQ(frames[1], (Bytes{0x02, 0x03, 0, 0, 0}));
    EXPECT_EQ(frames[6], (Bytes{0x41, 0x7F, 0, 0, 0}));
}

TEST(LedSimulationStep, UntenMovesDownFromItsTopRow) {
    const auto from8 = Frames(SimMessageRecord(kUntenFromX1, 1, 5, {0x41, 0x7F, 0x01}), 2, 5);
    EXPECT_EQ(from8[0], (Bytes{0x41, 0x7F, 0x01, 0, 0}));
    EXPECT_EQ(from8[1], (Bytes{0x60, 0xFF, 0x40, 0, 0})) << "one row down, the bottom row enters at the top";

    const auto from7 = Frames(SimMessageRecord(kUntenFromX0, 1, 5, {0x41, 0x7F, 0x01}), 1, 5);
    EXPECT_EQ(from7[0], (Bytes{0x40, 0xC0, 0x40, 0, 0})) << "the bottom row appears at the top";
}

TEST(LedSimulationStep, DirectionZeroAndVerticalWithoutLineWidthDrawNothing) {
    TLedRecord none = SimMessageRecord(0, 1, 10, {A, B, C});
    TLedRecord noLine = SimMessageRecord(kObenFromX0, 1, 10, {A, B, C});
    noLine.Umbruch = 0;
    for (const TLedRecord& m : {none, noLine}) {
        SimMessage state;
        state.SimRow.fill(0xEE);
        SimulationStep(m, state);
        EXPECT_EQ(state.SimRow, decltype(state.SimRow){}) << m.Richtung;
    }
}

TEST(LedSimulationStep, DamagedFieldsStayInsideTheFrame) {
    struct Case {
        int direction, x0, x1, modules, dx, last, wrap;
    };
    const Case cases[] = {{kLinksFromX0, -7, 99999, 9999, 70000, 99999, 99999},
                          {kRechtsFromX1, 1275, 1, -3, -1, -5, -1},
                          {kObenFromX0, 1, 1275, 255, 1275, 1275, 1275},
                          {kUntenFromX1, 1, 1275, 255, 1275, 1275, 1275}};
    for (const Case& c : cases) {
        TLedRecord m = SimMessageRecord(c.direction, 1, 5, {A});
        m.X0 = c.x0;
        m.X1 = c.x1;
        m.Modulzahl = c.modules;
        m.Dx = c.dx;
        m.LetzteSpalte = c.last;
        m.Umbruch = c.wrap;
        m.Distanz = c.wrap;
        SimMessage state;
        ResetSimPosition(m, state);
        for (int s = 0; s < 20; ++s) SimulationStep(m, state);
        SUCCEED();
    }
}

}  // namespace
}  // namespace ovis
