// The online analyser: the sweeping cursor, "Takt" and "Start/Stop", and the event text.
#include "evaluation/analyser_online_model.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

AnalyserRows TwoRows() {
    const std::vector<int> messages = {4, 9};
    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    return AnalyserRows::Build(messages, all, [](int n) { return "M" + std::to_string(n); });
}

TEST(AnalyserOnlineModel, StepWritesTheStatesAndSweepsTheCursor) {
    AnalyserOnlineModel model(TwoRows(), 3);
    OnlineStateTable states;
    states.Apply(4, true);
    states.Apply(4, false);  // 7: one falling edge
    model.Step(states);
    EXPECT_EQ(int(model.State(1, 1)), 7);
    EXPECT_EQ(int(model.State(2, 1)), 0) << "no event yet";
    EXPECT_EQ(model.Cursor(), 2);
    EXPECT_EQ(int(model.State(1, 2)), 1) << "the new cursor column starts Low";
    EXPECT_EQ(model.TakeChangedColumns(), (std::vector<int>{1, 2}));
    model.Step(states);
    EXPECT_EQ(int(model.State(1, 2)), 1) << "the steady level after the edge";
    model.Step(states);
    EXPECT_EQ(model.Cursor(), 1) << "from N back to 1";
}

TEST(AnalyserOnlineModel, StopKeepsTheCursorAndTaktStepsAboutOncePerSecond) {
    AnalyserOnlineModel model(TwoRows(), 60);
    OnlineStateTable states;
    model.ToggleRunning();
    model.Step(states);
    EXPECT_EQ(model.Cursor(), 1);
    model.ToggleRunning();
    model.SetTakt(true, 0);
    int steps = 0;
    for (std::int64_t t = 0; t <= 5000; t += kOnlineTickMs) steps += model.Tick(t, states) ? 1 : 0;
    EXPECT_EQ(steps, 5) << "at 960, 1950, 2950, 3950 and 4950 ms";
    model.SetTakt(false, 5000);
    EXPECT_TRUE(model.Tick(5001, states));
    EXPECT_TRUE(model.Tick(5002, states)) << "every tick steps without Takt";
}

TEST(AnalyserOnlineModel, FewerColumnsPullTheCursorInAndRepaintEveryColumn) {
    AnalyserOnlineModel model(TwoRows(), 110);
    OnlineStateTable states;
    for (int k = 0; k < 99; ++k) model.Step(states);
    ASSERT_EQ(model.Cursor(), 100);
    model.TakeChangedColumns();
    model.SetColumns(60);
    EXPECT_EQ(model.Cursor(), 60);
    EXPECT_EQ(model.TakeChangedColumns().size(), 60u);
    model.Step(states);
    EXPECT_EQ(model.Cursor(), 1) << "the sweep wraps at the new N";
    model.SetColumns(80);
    EXPECT_EQ(model.Cursor(), 1) << "more columns keep the cursor";
}

TEST(OnlineEventText, NameAndActivity) {
    EXPECT_EQ(OnlineEventText("Pumpe", {3, true, 0}), " Pumpe  aktiv");
    EXPECT_EQ(OnlineEventText("Pumpe", {3, false, 0}), " Pumpe  inaktiv");
    EXPECT_EQ(OnlineEventText("", {0, false, 0}), "");
}

}  // namespace
}  // namespace ovis
