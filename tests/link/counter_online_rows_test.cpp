// The rows and geometry of the online counter window.
#include "link/counter_online_rows.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

TCounterRecord Counter(const char* kind, const char* status, std::uint8_t autoDis, std::uint8_t negative) {
    TCounterRecord c{};
    c.Bezeichnung = "Pumpe";
    c.Zaehlung = "Takt";
    c.Zaehlart = kind;
    c.Status = status;
    c.Anzeige = "keine Anzeige";
    c.Stand = 1234;
    c.Ende = 99999;
    c.AutoDis.value = autoDis;
    c.DxNegativ.value = negative;
    return c;
}

TEST(CounterOnlineCells, ColumnsOfTheTable) {
    struct Case {
        TCounterRecord counter;
        int k;
        CounterOnlineRow row;
    } const cases[] = {
        {Counter("Ereignis", "ENABLE", 1, 0), 1,
         {"001", "Pumpe", "Takt", " Ereignis", "1234", "99999", " ON", "ENABLE", "keine Anzeige", "+dx"}},
        {Counter("Millisek.", "DIS+RST", 0, 1), 22,
         {"022", "Pumpe", "Takt", " Millisek.", "1234", "99999", " OFF", "DIS+RST", "keine Anzeige", "-dx"}},
        {Counter("ereignis", "enable", 2, 2), 999,
         {"999", "Pumpe", "Takt", "", "1234", "99999", " OFF", "", "keine Anzeige", "+dx"}},
    };
    for (const auto& c : cases) EXPECT_EQ(CounterOnlineCells(c.counter, c.k), c.row) << c.k;
}

TEST(CounterOnlineGeometry, RowsAndGridWidth) {
    struct Case {
        std::size_t counters;
        int rows, width;
    } const cases[] = {{0, 21, 705}, {5, 21, 705}, {21, 21, 705}, {22, 22, 721}, {1000, 1000, 721}};
    for (const auto& c : cases) {
        EXPECT_EQ(CounterOnlineRows(c.counters), c.rows) << c.counters;
        EXPECT_EQ(CounterOnlineGridWidth(c.counters), c.width) << c.counters;
    }
}

}  // namespace
}  // namespace ovis
