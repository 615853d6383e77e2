#include "visualisation/visu_layout.h"

#include <algorithm>
#include <cmath>

namespace ovis {
namespace {

int AreaLeftFor(int n, int h) {
    if (n <= 1) return h > 10 ? 240 : 213;
    if (n == 2) return h > 10 ? 213 : 160;
    if (n == 3) return h > 12 ? 213 : 160;
    return 160;
}

}  // namespace

int LiftValue(const TGrafikRecord& record, int lift, LiftParameter column) {
    const LiftParameterRange r = kLiftParameterRanges[column];
    return std::clamp(int(record.Aufzug[lift][column]), r.low, r.high);
}

bool LiftExists(const TGrafikRecord& record, int lift) { return record.Aufzug[lift][kHalte] > 0; }

int TriangleSizeForStops(int stops) {
    if (stops <= 5) return 20;
    if (stops <= 7) return 18;
    if (stops <= 9) return 16;
    if (stops <= 13) return 14;
    if (stops <= 17) return 12;
    if (stops <= 22) return 10;
    return 8;
}

VisuLayout ComputeVisuLayout(const TGrafikRecord& record) {
    VisuLayout v;
    for (int lift = 0; lift < kVisuLifts; ++lift) {
        if (!LiftExists(record, lift)) continue;
        ++v.n;
        v.h = std::max(v.h, LiftValue(record, lift, kErsterHalt) + LiftValue(record, lift, kHalte) - 1);
    }
    v.L = AreaLeftFor(v.n, v.h);
    // The divisor holds the sixth byte of the lift table as it is stored.
    const int divisor = record.Aufzug[0][kStoermel] + 2 * v.n + 2;
    v.W = int(std::nearbyint(double(v.AreaWidth()) / divisor));
    v.H = VisuLayout::AreaHeight() / (v.h + 2);
    v.top = (VisuLayout::AreaHeight() - v.H * (v.h + 2)) / 2;

    int triangle = TriangleSizeForStops(v.h);
    if (v.n > 4) triangle = std::min(triangle, 10);
    while (triangle > 2 && v.W - 5 <= triangle) triangle -= 2;
    v.triangle = triangle;

    // Two car-call squares (door sides 1 and 2) side by side in a shaft.
    const int square = std::max(3, std::min({triangle, v.H - 4, (v.W - 10) / 2}));
    const int small = std::max(3, square / 2 + 1);
    const int shaftTriangleWidth = std::max(4, v.W / 2);
    const int shaftTriangleHeight = std::max(3, std::min(v.H - 4, shaftTriangleWidth / 2 + 2));
    v.groessen = {square, square, triangle, triangle / 2, small, small, shaftTriangleWidth, shaftTriangleHeight,
                  v.W,    v.H,    v.W / 4,  0};
    return v;
}

}  // namespace ovis
