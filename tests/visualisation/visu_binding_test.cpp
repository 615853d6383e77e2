// Binding of I/O messages to picture elements, the parameter mode's cursor and element states.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "project/grafik_file.h"
#include "visualisation/visu_binding.h"
#include "visualisation/visu_cursor.h"
#include "visualisation/visu_states.h"

namespace ovis {
namespace {

TIoRecord RowWithRole(int role) {
    TIoRecord row;
    std::memset(&row, 0, sizeof row);
    row.VisuRolle = role;
    return row;
}

TGrafikRecord RecordWithCounts(int kind1, int kind3, int kind4 = 0) {
    TGrafikRecord r = DefaultGrafikRecord();
    r.Anzahl[0] = std::uint16_t(kind1);
    r.Anzahl[2] = std::uint16_t(kind3);
    r.Anzahl[3] = std::uint16_t(kind4);
    for (auto& kind : r.Elemente)
        for (auto& e : kind) e.X = 10;
    return r;
}

TEST(VisuBinding, HiddenElementsAreSkipped) {
    TGrafikRecord r = RecordWithCounts(4, 1);
    r.Elemente[0][1].X = -10;  // element 2 of kind 1 hidden
    const std::vector<TIoRecord> io{RowWithRole(1), RowWithRole(0), RowWithRole(1), RowWithRole(3), RowWithRole(9),
                                    RowWithRole(1), RowWithRole(3), RowWithRole(1), RowWithRole(7), RowWithRole(5)};
    const VisuBinding b = BindVisuMessages(r, io);
    struct Case {
        int row, kind, element;
    } const cases[] = {{0, 1, 1}, {1, 0, 0}, {2, 1, 3}, {3, 3, 1}, {4, 0, 0},
                       {5, 1, 4}, {6, 0, 0}, {7, 0, 0}, {8, 0, 0}, {9, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(b.kinds[c.row], c.kind) << c.row;
        EXPECT_EQ(b.elements[c.row], c.element) << c.row;
    }
    EXPECT_EQ(b.relays, std::vector<int>{4});
}

TEST(VisuStates, LevelsGiveStatesPerKind) {
    struct Case {
        int kind;
        bool high;
        std::uint8_t state;
    } const cases[] = {{1, false, 1}, {1, true, 2}, {2, false, 1}, {2, true, 2}, {3, false, 0},
                       {3, true, 1},  {4, true, 1}, {6, false, 0}, {6, true, 1}};
    for (const auto& c : cases) EXPECT_EQ(VisuStateForLevel(c.kind, c.high), c.state) << c.kind << c.high;
    VisuStates states;
    states.Set(6, 480, 1);
    states.Set(7, 1, 1);
    states.Set(1, 0, 1);
    EXPECT_EQ(states.Get(6, 480), 1);
    EXPECT_EQ(states.Get(7, 1), 0);
}

TEST(VisuCursor, WalksKindsOneToFourAndWraps) {
    const TGrafikRecord r = RecordWithCounts(2, 0, 1);
    VisuCursorPosition at = FirstCursorPosition(r);
    const VisuCursorPosition forward[] = {{1, 2}, {4, 1}, {1, 1}};
    for (const auto& expected : forward) EXPECT_EQ(at = NextCursorPosition(r, at), expected);
    const VisuCursorPosition backward[] = {{4, 1}, {1, 2}, {1, 1}};
    for (const auto& expected : backward) EXPECT_EQ(at = PreviousCursorPosition(r, at), expected);
    EXPECT_EQ(FirstCursorPosition(RecordWithCounts(0, 0)), VisuCursorPosition{});
}

TEST(VisuCursor, InsertDeleteHidesAndShowsTheElement) {
    TGrafikRecord r = RecordWithCounts(2, 0);
    ASSERT_TRUE(ToggleElementHidden(r, {1, 2}));
    EXPECT_TRUE(IsElementHidden(r, 1, 2));
    EXPECT_EQ(r.Elemente[0][1].X.get(), -10);
    ASSERT_TRUE(ToggleElementHidden(r, {1, 2}));
    EXPECT_FALSE(IsElementHidden(r, 1, 2));
    EXPECT_FALSE(ToggleElementHidden(r, {1, 3}));
    EXPECT_FALSE(ToggleElementHidden(r, {6, 1}));
}

}  // namespace
}  // namespace ovis
