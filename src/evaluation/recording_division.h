#pragma once
// Broken-down times and the analyser's nine time divisions ("Einteilung"), with the step
// arithmetic that moves a time by whole units of a division.
#include <array>

namespace ovis {

// Each field may leave its range before AddUnits normalises it.
struct TTimeStamp {
    int Jahr = 0;  // years since 1900
    int Monat = 1;
    int Tag = 1;
    int Std = 0;
    int Min = 0;
    int Sek = 0;
    int MSek = 0;
    int Misek = 0;  // 10-microsecond steps
};

enum class StampField { Tag, Std, Min, Sek, MSek, Misek };

struct TDivision {
    const char* Name;
    double UnitSeconds;
    StampField Field;  // the field one unit steps
    int Step;          // how much that field changes per unit
};

// In the analyser's order: No. 1 "Tage" at index 0 to No. 9 "10 Mikrosekunden" at index 8.
inline constexpr std::array<TDivision, 9> kDivisions{{
    {"Tage", 86400.0, StampField::Tag, 1},
    {"Stunden", 3600.0, StampField::Std, 1},
    {"Minuten", 60.0, StampField::Min, 1},
    {"Sekunden", 1.0, StampField::Sek, 1},
    {"100 Millisekunden", 0.1, StampField::MSek, 100},
    {"10 Millisekunden", 0.01, StampField::MSek, 10},
    {"Millisekunden", 0.001, StampField::MSek, 1},
    {"100 Mikrosekunden", 0.0001, StampField::Misek, 10},
    {"10 Mikrosekunden", 0.00001, StampField::Misek, 1},
}};

// Adds n units of the division to the stamp and normalises it from the finest field upwards:
// 10 µs and milliseconds carry fully; seconds, minutes and hours carry by at most two or three
// units, and days by at most three months in each direction, as the analyser's stepping needs.
void AddUnits(TTimeStamp& stamp, const TDivision& division, int n);

}  // namespace ovis
