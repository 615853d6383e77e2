#pragma once
// The layout of the 640 x 480 picture from the lift parameters: number of lifts, stops, drawing
// area, shaft width, stop height, top margin and the element sizes stored in `Groessen`.
#include <array>

#include "project/grafik_record.h"

namespace ovis {

inline constexpr int kVisuPictureWidth = 640;
inline constexpr int kVisuPictureHeight = 480;
inline constexpr int kVisuAreaTop = 72;
inline constexpr int kVisuAreaBottom = 461;

struct VisuLayout {
    int n = 0;     // lifts with "Halte" above 0
    int h = 1;     // the highest stop of any lift (at least 1)
    int L = 0;     // the drawing area runs from x = L to x = 639 - L
    int W = 0;     // shaft width
    int H = 0;     // stop height
    int top = 0;   // margin above the first row of the area
    int triangle = 0;  // size of the hall-call triangles
    std::array<int, kVisuSizes> groessen{};

    int AreaLeft() const { return L; }
    int AreaRight() const { return kVisuPictureWidth - 1 - L; }
    int AreaWidth() const { return AreaRight() - AreaLeft(); }
    static constexpr int AreaHeight() { return kVisuAreaBottom - kVisuAreaTop; }
    // Upper edge of row r: row 0 above the highest stop, stop s in row h + 1 - s, row h + 1 below stop 1.
    int RowTop(int row) const { return kVisuAreaTop + top + row * H; }
    int StopTop(int stop) const { return RowTop(h + 1 - stop); }
};

struct LiftParameterRange {
    int low, high;
};
// The allowed values of the six lift parameters, in the column order of `Aufzug`.
inline constexpr LiftParameterRange kLiftParameterRanges[kVisuLiftParameters] = {{0, 30}, {1, 29}, {1, 8},
                                                                                 {1, 2},  {0, 25}, {0, 25}};

// A lift's value clamped to its range, so that a damaged file places nothing outside the tables.
int LiftValue(const TGrafikRecord& record, int lift, LiftParameter column);

// True when lift `lift` (0..7) exists ("Halte" above 0).
bool LiftExists(const TGrafikRecord& record, int lift);

// The triangle size for the number of stops: 20 up to 5, 18, 16, 14, 12, 10 and 8 from 23 on.
int TriangleSizeForStops(int stops);

VisuLayout ComputeVisuLayout(const TGrafikRecord& record);

}  // namespace ovis
