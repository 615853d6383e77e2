// The simulation loop: due times per unit, colour cycling and mixing, composing on the modules,
// "RESET", stopping, and sparse passes at the times the simulation names.
#include "led/led_simulation.h"

#include <gtest/gtest.h>

#include "led/led_sim_control.h"
#include "led_simulation_fixture.h"

namespace ovis {
namespace {

using test::kT0;
using test::SimMessageRecord;
using test::SimulationRun;

// The times (after the start) at which message 0 stepped, while passing every millisecond.
std::vector<SimTime> StepTimes(const TLedRecord& message, SimTime duration) {
    SimulationRun run{message};
    run.Start();
    std::vector<SimTime> times{0};
    auto position = run.State().SimPosition;
    while (run.now < kT0 + duration) {
        run.RunUntil(run.now + 1);
        if (run.State().SimPosition != position) times.push_back(run.now - kT0);
        position = run.State().SimPosition;
    }
    return times;
}

TEST(LedSimulation, DueTimesCountFromTheStepByUnit) {
    struct Case {
        const char* unit;
        int delay;
        SimTime duration;
        std::vector<SimTime> steps;
    };
    // A step is made once the time is later than the due time; the next due time counts from it.
    const Case cases[] = {
        {"Milli", 0, 40, {0, 11, 22, 33}},
        {"Milli", 25, 80, {0, 26, 52, 78}},
        {"Sek", 2, 6100, {0, 2001, 4002, 6003}},
        {"Min", 1, 130'000, {0, 60'001, 120'002}},
        {"Std", 1, 3'700'000, {0, 3'600'001}},
        {"Ext", 0, 40, {0, 11, 22, 33}},
    };
    for (const Case& c : cases) {
        TLedRecord m = SimMessageRecord(kLinksFromX1, 1, 1275, {0x7F});
        m.Einheit = c.unit;
        m.Verzoegerung = c.delay;
        EXPECT_EQ(StepTimes(m, c.duration), c.steps) << c.unit << " " << c.delay;
    }
}

TEST(LedSimulation, SecondsWithDelayZeroStepAtOnceAfterTheFirstPass) {
    // The start gives "Sek" with delay 0 no 10 ms rule; after a step it is 10 s.
    TLedRecord m = SimMessageRecord(kLinksFromX1, 1, 1275, {0x7F});
    m.Einheit = "Sek";
    EXPECT_EQ(StepTimes(m, 10'100), (std::vector<SimTime>{0, 10'001}));
}

TEST(LedSimulation, TheFirstPassWaitsForTheEarliestDueTime) {
    TLedRecord slow = SimMessageRecord(kLinksFromX1, 1, 1275, {0x7F});
    slow.Einheit = "Sek";
    slow.Verzoegerung = 1;
    TLedRecord fast = slow;
    fast.Einheit = "Milli";
    fast.Verzoegerung = 100;
    SimulationRun run{slow, fast};
    run.Start();
    EXPECT_EQ(run.State(0).SimPosition, 1);
    EXPECT_EQ(run.State(1).SimPosition, 1);
    EXPECT_EQ(run.simulation.NextPassTime(run.now), kT0 + 101) << "the first frame is composed; nothing is due before";
    run.RunUntil(kT0 + 100);
    EXPECT_EQ(run.State(1).SimPosition, 1);
    run.RunUntil(kT0 + 101);
    EXPECT_EQ(run.State(1).SimPosition, 2);
    run.RunUntil(kT0 + 1001);
    EXPECT_EQ(run.State(0).SimPosition, 2);
}

TEST(LedSimulation, ColourPartsCycleOneStepAtATime) {
    TLedRecord three = SimMessageRecord(kLinksFromX1, 1, 1275, {0x7F});
    three.AnzahlFarben = 3;
    three.Farbe[0] = 96;
    three.Farbe[1] = 6;
    three.Farbe[2] = 0;
    TLedRecord one = three;
    one.AnzahlFarben = 1;
    for (const auto& [message, expected] : {std::pair{three, std::vector<int>{96, 6, 0, 96, 6}},
                                            std::pair{one, std::vector<int>{96, 96, 96, 96, 96}}}) {
        SimulationRun run{message};
        run.Start();
        std::vector<int> colours{run.State().SimColour};
        for (int s = 1; s < 5; ++s) {
            run.RunUntil(kT0 + 11 * s);
            colours.push_back(run.State().SimColour);
        }
        EXPECT_EQ(colours, expected) << int(message.AnzahlFarben);
    }
}

TEST(LedSimulation, ColourCodesMixTheirRedAndGreenSixths) {
    struct Case {
        std::uint8_t shown, added, mixed;
    };
    const Case cases[] = {{6, 0, 3}, {0, 6, 3}, {96, 6, 51}, {96, 0, 48}, {6, 6, 6}, {34, 34, 34}, {0, 0, 0}};
    for (const Case& c : cases) EXPECT_EQ(MixColours(c.shown, c.added), c.mixed) << int(c.shown) << "+" << int(c.added);
}

TEST(LedSimulation, MessagesLightingTheSameLedMixTheirColours) {
    TLedRecord green = SimMessageRecord(kLinksFromX1, 1, 5, {0x41});
    TLedRecord blue = SimMessageRecord(kLinksFromX1, 1, 5, {0x01});
    blue.Farbe[0] = 0;
    SimulationRun run{green, blue};
    run.Start();
    const DisplayColumn& column = run.simulation.Display()[4];
    EXPECT_EQ(column.bits, 0x41);
    EXPECT_EQ(column.colours[0], 3) << "green and blue on the bottom LED";
    EXPECT_EQ(column.colours[6], 6) << "green alone on the top LED";
    EXPECT_EQ(column.colours[3], kNoColour);
}

TEST(LedSimulation, FramesLieOnTheModulesOfTheModuleList) {
    TLedRecord m = SimMessageRecord(kLinksFromX1, 1, 10, {0x11, 0x22, 0x33});
    m.ModulListe[0] = 7;
    m.ModulListe[1] = 3;
    SimulationRun run{m};
    run.Start();
    run.RunUntil(kT0 + 100);  // ten steps: the window is full
    const ComposedDisplay& display = run.simulation.Display();
    const std::uint8_t expected[] = {0x11, 0x22, 0x33, 0x11, 0x22, 0x33, 0x11, 0x22, 0x33, 0x11};
    for (int e = 0; e < 5; ++e) {
        EXPECT_EQ(display[std::size_t(30 + e)].bits, expected[e]) << "position 1 on module 7";
        EXPECT_EQ(display[std::size_t(10 + e)].bits, expected[5 + e]) << "position 2 on module 3";
    }
    EXPECT_EQ(display[0].bits, 0);

    // Two positions on one module: the column byte is both, the colours follow the later one.
    m.ModulListe[1] = 7;
    SimulationRun shared{m};
    shared.Start();
    shared.RunUntil(kT0 + 100);
    const DisplayColumn& column = shared.simulation.Display()[30];
    EXPECT_EQ(column.bits, 0x11 | 0x33);
    EXPECT_EQ(column.colours[5], 6);
    EXPECT_EQ(column.colours[0], 6);
}

TEST(LedSimulation, ResetMessagesAreDarkAndRestartFromTheirStartWhenSetAgain) {
    SimulationRun run{SimMessageRecord(kLinksFromX1, 1, 10, {0x7F}), SimMessageRecord(0, 1, 10, {0x7F})};
    run.table->Row(1).Status = false;
    run.Start();
    EXPECT_EQ(run.State(1).SimRow, decltype(SimMessage::SimRow){});
    run.RunUntil(kT0 + 50);
    EXPECT_EQ(run.State(0).SimPosition, 5);
    EXPECT_NE(run.simulation.Display()[9].bits, 0) << "the set message is shown";

    run.table->Row(0).Status = false;
    run.RunUntil(kT0 + 100);
    EXPECT_EQ(run.State(0).SimRow, decltype(SimMessage::SimRow){});
    EXPECT_EQ(run.State(0).SimPosition, 0);
    EXPECT_EQ(run.State(0).SimColour, kNoColour);
    EXPECT_EQ(run.simulation.Display(), ComposedDisplay{}) << "nothing set: all dark";

    run.table->Row(0).Status = true;
    run.RunUntil(kT0 + 101);
    EXPECT_EQ(run.State(0).SimPosition, 1) << "one step from the start position";
    run.RunUntil(kT0 + 150);
    EXPECT_EQ(run.simulation.Display()[9].bits, 0x7F);
}

TEST(LedSimulation, DirectionZeroShowsNothing) {
    SimulationRun run{SimMessageRecord(0, 1, 10, {0x7F, 0x7F})};
    run.Start();
    run.RunUntil(kT0 + 500);
    EXPECT_EQ(run.simulation.Display(), ComposedDisplay{});
}

TEST(LedSimulation, FramesAreComposedOncePerSlotOfFiftyMilliseconds) {
    SimulationRun run{SimMessageRecord(kLinksFromX1, 1, 1275, {0x7F})};
    run.now = kT0 + 20;
    run.simulation.Start(run.now);
    EXPECT_TRUE(run.simulation.Pass(run.now)) << "the first pass composes";
    EXPECT_EQ(run.simulation.Display()[1274].bits, 0x7F);
    std::vector<SimTime> composed;
    while (run.now < kT0 + 200)
        if (run.simulation.Pass(++run.now)) composed.push_back(run.now - kT0);
    EXPECT_EQ(composed, (std::vector<SimTime>{50, 100, 150, 200}));
    EXPECT_EQ(run.State().SimPosition, 17) << "steps every 11 ms from 20";
    EXPECT_EQ(run.simulation.Display()[1274 - 16].bits, 0x7F) << "the frame of the 200 ms slot";
}

TEST(LedSimulation, StoppedSimulationMakesNoMorePasses) {
    SimulationRun run{SimMessageRecord(kLinksFromX1, 1, 10, {0x7F})};
    EXPECT_FALSE(run.simulation.Running()) << "stopped before the first start";
    run.Start();
    EXPECT_EQ(run.simulation.StopCommand(), 0);
    run.simulation.Stop();
    EXPECT_EQ(run.simulation.StopCommand(), kStopSimulation);
    const auto position = run.State().SimPosition;
    run.RunUntil(kT0 + 200);
    EXPECT_EQ(run.State().SimPosition, position);
    EXPECT_EQ(run.simulation.NextPassTime(run.now), std::nullopt);

    run.Start();
    EXPECT_EQ(run.State().SimPosition, 1) << "positions are set anew at every start";
}

TEST(LedSimulation, SparsePassesAtTheNamedTimesGiveTheFramesOfPassesEveryMillisecond) {
    TLedRecord a = SimMessageRecord(kLinksFromX1, 1, 60, {0x3E, 0x41, 0x41, 0x3E});
    a.Verzoegerung = 37;
    TLedRecord b = SimMessageRecord(kObenFromX0, 11, 20, {0x7F, 0x08, 0x7F});
    b.Verzoegerung = 120;
    b.AnzahlFarben = 2;
    b.Farbe[1] = 96;
    TLedRecord c = SimMessageRecord(kRechtsFromX1, 1, 30, {0x01, 0x02});
    c.Einheit = "Sek";
    c.Verzoegerung = 1;
    SimulationRun dense{a, b, c};
    SimulationRun sparse{a, b, c};
    dense.Start();
    sparse.Start();
    const SimTime end = kT0 + 5000;
    int passes = 0;
    while (dense.now < end) {
        const bool composed = dense.simulation.Pass(++dense.now);
        for (auto due = sparse.simulation.NextPassTime(sparse.now); due && *due <= dense.now;
             due = sparse.simulation.NextPassTime(sparse.now)) {
            ASSERT_GT(*due, sparse.now);
            sparse.now = *due;
            sparse.simulation.Pass(sparse.now);
            ++passes;
        }
        if (composed) {
            ASSERT_EQ(sparse.simulation.Display(), dense.simulation.Display()) << dense.now - kT0;
        }
    }
    EXPECT_LT(passes, 5000 / 5) << "far fewer passes than one per millisecond";
}

TEST(LedSimulation, DueTimesStayInOrderOverMidnight) {
    EXPECT_EQ(SimulationTime({2024, 3, 18, 0, 0, 0, 0}) - SimulationTime({2024, 3, 17, 23, 59, 59, 999}), 1);
    EXPECT_EQ(SimulationTime({2024, 1, 1, 0, 0, 0, 0}) - SimulationTime({2023, 12, 31, 0, 0, 0, 0}), kMillisecondsPerDay);
}

TEST(LedSimulationControl, TheButtonStartsAfterTheWindowCheckAndStops) {
    auto table = std::make_unique<LedTable>();
    table->Append(SimMessageRecord(kLinksFromX1, 1, 10, {0x7F}));
    TLedRecord reversed = SimMessageRecord(kLinksFromX1, 1, 10, {0x7F});
    reversed.X0 = 12;
    table->Append(reversed);
    LedSimulationControl control(*table);
    EXPECT_STREQ(control.ButtonText(), "Start Simulation");

    const auto failure = control.ButtonClicked(kT0);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->row, 2u);
    EXPECT_EQ(failure->message,
              "Der Wert von x0 in Zeile Nr. 2 muß kleiner sein als der von x1!\r\r          Geben Sie bitte einen "
              "entsprechenden Wert an.");
    EXPECT_FALSE(control.Running());

    table->Row(1).X0 = 10;
    EXPECT_EQ(control.ButtonClicked(kT0), std::nullopt);
    EXPECT_TRUE(control.Running());
    EXPECT_STREQ(control.ButtonText(), "Stop Simulation");
    EXPECT_EQ(control.ButtonClicked(kT0 + 5), std::nullopt);
    EXPECT_FALSE(control.Running());
    EXPECT_STREQ(control.ButtonText(), "Start Simulation");
}

TEST(LedSimulationControl, APanelPressStopsOnlyWhileTheEditorIsOpenAndClearsTheDisplay) {
    auto table = std::make_unique<LedTable>();
    table->Append(SimMessageRecord(kLinksFromX1, 1, 10, {0x7F}));
    LedSimulationControl control(*table);
    EXPECT_FALSE(control.PanelPressed(true)) << "nothing runs";

    ASSERT_EQ(control.Start(kT0), std::nullopt);
    control.Simulation().Pass(kT0);
    EXPECT_FALSE(control.PanelPressed(false)) << "the start view keeps playing";
    EXPECT_TRUE(control.Running());

    EXPECT_TRUE(control.PanelPressed(true));
    EXPECT_FALSE(control.Running());
    EXPECT_EQ(control.Simulation().Display(), ComposedDisplay{});
}

}  // namespace
}  // namespace ovis
