// Layout values and element placement from the lift parameters.
#include <gtest/gtest.h>

#include "project/grafik_file.h"
#include "visualisation/visu_layout.h"
#include "visualisation/visu_scene.h"

namespace ovis {
namespace {

struct Lift {
    int halte, ersterHalt;
};

TGrafikRecord RecordWith(std::initializer_list<Lift> lifts, int stoermelOfLift1 = 0) {
    TGrafikRecord r = DefaultGrafikRecord();
    int i = 0;
    for (const Lift& lift : lifts) {
        r.Aufzug[i][kHalte] = std::uint8_t(lift.halte);
        r.Aufzug[i][kErsterHalt] = std::uint8_t(lift.ersterHalt);
        ++i;
    }
    r.Aufzug[0][kStoermel] = std::uint8_t(stoermelOfLift1);
    return r;
}

TEST(VisuLayout, ValuesFromTheLiftParameters) {
    struct Case {
        const char* what;
        TGrafikRecord record;
        int n, h, L, W, H, top, triangle;
    } const cases[] = {
        {"n 1, h 5", RecordWith({{5, 1}}), 1, 5, 213, 53, 55, 2, 20},
        {"n 1, h 10", RecordWith({{8, 3}}), 1, 10, 213, 53, 32, 2, 14},
        {"n 1, h 12", RecordWith({{12, 1}}), 1, 12, 240, 40, 27, 5, 14},
        {"n 2, h 4", RecordWith({{4, 1}, {3, 2}}), 2, 4, 160, 53, 64, 2, 20},
        {"n 2, h 11", RecordWith({{11, 1}, {2, 1}}), 2, 11, 213, 36, 29, 6, 14},
        {"n 3, h 12", RecordWith({{12, 1}, {2, 1}, {2, 1}}), 3, 12, 160, 40, 27, 5, 14},
        {"n 3, h 13", RecordWith({{13, 1}, {2, 1}, {2, 1}}), 3, 13, 213, 27, 25, 7, 14},
        {"n 4, h 8", RecordWith({{8, 1}, {2, 1}, {2, 1}, {2, 1}}), 4, 8, 160, 32, 38, 4, 16},
        {"n 5, h 20", RecordWith({{20, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}}), 5, 20, 160, 27, 17, 7, 10},
        {"n 8, h 30",
         RecordWith({{30, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}}), 8, 30, 160, 18, 12, 2, 8},
        {"Halte 0 is no lift", RecordWith({{0, 29}, {5, 1}}), 1, 5, 213, 53, 55, 2, 20},
        {"no lift", RecordWith({}), 0, 1, 213, 106, 129, 1, 20},
        {"sixth byte widens the divisor, triangle reduced", RecordWith({{3, 1}, {3, 1}, {3, 1}, {3, 1}}, 25), 4, 3, 160,
         9, 77, 2, 2},
    };
    for (const auto& c : cases) {
        const VisuLayout v = ComputeVisuLayout(c.record);
        EXPECT_EQ(v.n, c.n) << c.what;
        EXPECT_EQ(v.h, c.h) << c.what;
        EXPECT_EQ(v.L, c.L) << c.what;
        EXPECT_EQ(v.W, c.W) << c.what;
        EXPECT_EQ(v.H, c.H) << c.what;
        EXPECT_EQ(v.top, c.top) << c.what;
        EXPECT_EQ(v.triangle, c.triangle) << c.what;
        EXPECT_EQ(v.groessen[8], c.W) << c.what;
        EXPECT_EQ(v.groessen[9], c.H) << c.what;
        EXPECT_EQ(v.groessen[10], c.W / 4) << c.what;
        EXPECT_EQ(v.groessen[11], 0) << c.what;
    }
}

TEST(VisuLayout, TriangleSizesByStops) {
    const std::pair<int, int> cases[] = {{1, 20}, {5, 20}, {6, 18}, {7, 18}, {8, 16},  {9, 16},  {10, 14},
                                         {13, 14}, {14, 12}, {17, 12}, {18, 10}, {22, 10}, {23, 8}, {30, 8}};
    for (const auto& [stops, size] : cases) EXPECT_EQ(TriangleSizeForStops(stops), size) << stops;
}

TEST(VisuScene, PlacesElementsPerLiftAndKeepsHiddenOnes) {
    TGrafikRecord r = RecordWith({{5, 1}, {0, 1}, {3, 2}});
    r.Aufzug[2][kSeiten] = 2;
    r.Aufzug[0][kStatusmel] = 4;
    r.Aufzug[2][kStoermel] = 2;
    r.Elemente[2][1].X = -1;  // hall-call triangle 2 hidden
    const VisuScene scene(r);
    EXPECT_EQ(scene.Count(1), 8);
    EXPECT_EQ(scene.Count(2), 3);
    EXPECT_EQ(scene.Count(3), 16);
    EXPECT_EQ(scene.Count(4), 6);
    EXPECT_EQ(scene.Count(5), 0);
    EXPECT_EQ(scene.Count(6), 5 + 5 + 3 + 5);
    for (int kind = 1; kind <= 6; ++kind) EXPECT_EQ(r.Anzahl[kind - 1], scene.Count(kind));
    EXPECT_LT(r.Elemente[2][1].X.get(), 0);
    EXPECT_EQ(-r.Elemente[2][1].X.get(), scene.Elements(3)[1].x);
    EXPECT_EQ(r.Elemente[2][0].X.get(), scene.Elements(3)[0].x);
    EXPECT_EQ(r.Elemente[2][16].X.get(), 0);
    // The second lift drawn is lift 3, in the shaft to the right of lift 1.
    EXPECT_EQ(scene.Elements(6)[10].lift, 1);
    EXPECT_GT(scene.Elements(6)[10].x, scene.Elements(6)[0].x);
    // Stop 1 is the lowest.
    EXPECT_GT(scene.Elements(6)[0].y, scene.Elements(6)[4].y);
    EXPECT_EQ(r.Groessen[8].get(), scene.Layout().W);
}

TEST(VisuScene, ADamagedLiftTableStaysWithinTheElementTables) {
    TGrafikRecord r = DefaultGrafikRecord();
    for (auto& lift : r.Aufzug) std::fill(std::begin(lift), std::end(lift), std::uint8_t(255));
    const VisuScene scene(r);
    for (int kind = 1; kind <= 6; ++kind) EXPECT_LE(scene.Count(kind), kVisuElementsPerKind);
    EXPECT_EQ(scene.Layout().n, 8);
    EXPECT_EQ(scene.Layout().h, 58);
}

}  // namespace
}  // namespace ovis
