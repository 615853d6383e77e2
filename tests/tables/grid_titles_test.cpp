// Titles above a grid: centred over their columns, never overlapping.
#include "tables/grid_titles.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

void ExpectApart(const GridTitleLayout& layout) {
    int total = 0;
    for (int width : layout.columnWidths) total += width;
    for (std::size_t i = 0; i < layout.places.size(); ++i) {
        EXPECT_GE(layout.places[i].x, 0) << i;
        EXPECT_LE(layout.places[i].x + layout.places[i].width, total) << i;
        if (i > 0) {
            EXPECT_GE(layout.places[i].x, layout.places[i - 1].x + layout.places[i - 1].width) << i;
        }
    }
}

TEST(GridTitles, ATitleStandsCentredOverItsColumns) {
    const auto layout = LayOutGridTitles({20, 100, 40, 40}, {{0, 0, 16}, {1, 1, 50}, {2, 3, 60}});
    EXPECT_EQ(layout.columnWidths, (std::vector<int>{20, 100, 40, 40}));
    ASSERT_EQ(layout.places.size(), 3u);
    EXPECT_EQ(layout.places[0].x, 0);
    EXPECT_EQ(layout.places[0].width, 20);
    EXPECT_EQ(layout.places[1].x, 20);
    EXPECT_EQ(layout.places[1].width, 100);
    EXPECT_EQ(layout.places[2].x, 120);
    EXPECT_EQ(layout.places[2].width, 80);
}

TEST(GridTitles, WideTitlesMoveApartOrWidenTheirColumn) {
    struct Case {
        const char* what;
        std::vector<int> widths;
        std::vector<GridTitleSpan> titles;
        std::vector<int> widened;
        std::vector<int> x;
    };
    const Case cases[] = {
        {"a wide title reaches over an untitled column", {30, 30, 30}, {{0, 0, 30}, {1, 1, 50}}, {30, 30, 30}, {0, 30}},
        {"a wide title pushes its right neighbour", {40, 20, 40, 30}, {{0, 0, 40}, {1, 1, 40}, {2, 2, 20}},
         {40, 20, 40, 30}, {0, 40, 80}},
        {"two wide neighbours without room", {80, 37, 30}, {{0, 0, 90}, {1, 1, 70}}, {80, 50, 30}, {0, 90}},
        {"room is made where a title is wider than its columns",
         {24, 128, 64, 80, 60, 60, 40, 40, 60, 30},
         {{0, 0, 16}, {1, 1, 50}, {2, 2, 50}, {3, 3, 50}, {4, 5, 120}, {6, 6, 60}, {7, 7, 40}, {8, 8, 50}, {9, 9, 16}},
         {24, 128, 64, 80, 60, 60, 60, 40, 60, 30},
         {0, 24, 152, 216, 296, 416, 476, 516, 576}},
        {"the last title at the right edge", {30, 30}, {{0, 0, 20}, {1, 1, 50}}, {30, 50}, {0, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto layout = LayOutGridTitles(c.widths, c.titles);
        ExpectApart(layout);
        EXPECT_EQ(layout.columnWidths, c.widened);
        std::vector<int> x;
        for (const auto& place : layout.places) x.push_back(place.x);
        EXPECT_EQ(x, c.x);
    }
}

}  // namespace
}  // namespace ovis
