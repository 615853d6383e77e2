// The online state of the analyser: the transition per live event and the per-column hand-over.
#include <gtest/gtest.h>

#include "evaluation/analyser_online_state.h"

namespace ovis {
namespace {

TEST(OnlineTransition, EveryStateForBothLevels) {
    struct Case {
        TColumnState state;
        TColumnState afterHigh, afterLow;
    } const cases[] = {
        {0, 6, 1}, {1, 2, 1}, {2, 2, 3}, {3, 4, 3}, {4, 4, 3},
        {6, 6, 7}, {7, 8, 7}, {8, 8, 9}, {9, 8, 9},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(int(OnlineTransition(c.state, true)), int(c.afterHigh)) << int(c.state);
        EXPECT_EQ(int(OnlineTransition(c.state, false)), int(c.afterLow)) << int(c.state);
    }
}

TEST(OnlineStateTable, TakeHandsOverTheColumnAndKeepsTheSteadyLevel) {
    OnlineStateTable table;
    table.Apply(5, true);   // 0 → 6
    table.Apply(5, false);  // 6 → 7
    table.Apply(7, false);  // 0 → 1
    table.Apply(7, true);   // 1 → 2
    table.Apply(7, false);  // 2 → 3
    EXPECT_EQ(int(table.Take(5)), 7);
    EXPECT_EQ(int(table.At(5)), 1) << "ended Low";
    EXPECT_EQ(int(table.Take(7)), 3);
    EXPECT_EQ(int(table.At(7)), 1);
    table.Apply(7, true);
    EXPECT_EQ(int(table.Take(7)), 2);
    EXPECT_EQ(int(table.At(7)), 6) << "ended High";
    EXPECT_EQ(int(table.Take(9)), 0) << "no event yet";
    EXPECT_EQ(int(table.At(9)), 0) << "an unknown level is not turned into High";
}

TEST(OnlineStateTable, NumbersOutsideTheTableAreIgnoredAndConnectClearsAllButTheLast) {
    OnlineStateTable table;
    for (int number : {0, -1, 1001, 1023}) {
        table.Apply(number, true);
        EXPECT_EQ(int(table.At(number)), 0) << number;
    }
    table.Apply(1, true);
    table.Apply(999, false);
    table.Apply(1000, true);
    table.ClearOnConnect();
    EXPECT_EQ(int(table.At(1)), 0);
    EXPECT_EQ(int(table.At(999)), 0);
    EXPECT_EQ(int(table.At(1000)), 6);
}

}  // namespace
}  // namespace ovis
