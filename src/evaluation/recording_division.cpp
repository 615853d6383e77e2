#include "evaluation/recording_division.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "project/recording_time.h"

namespace ovis {
namespace {

int& FieldOf(TTimeStamp& stamp, StampField field) {
    switch (field) {
        case StampField::Tag: return stamp.Tag;
        case StampField::Std: return stamp.Std;
        case StampField::Min: return stamp.Min;
        case StampField::Sek: return stamp.Sek;
        case StampField::MSek: return stamp.MSek;
        case StampField::Misek: break;
    }
    return stamp.Misek;
}

// value + delta, held within the range of int.
int SaturatedSum(int value, std::int64_t delta) {
    const std::int64_t sum = std::int64_t(value) + delta;
    return int(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Brings `low` into 0..base-1, carrying whole multiples of `base` into `high` (the same result
// as subtracting or adding `base` one at a time).
void CarryFully(int& low, int& high, int base) {
    int carry = low / base;
    if (low % base < 0) --carry;
    low -= carry * base;
    high = SaturatedSum(high, carry);
}

// Seconds into minutes and minutes into hours: each test once, in this order.
void CarrySixty(int& low, int& high) {
    if (low > 119) low -= 120, high = SaturatedSum(high, 2);
    if (low > 59) low -= 60, high = SaturatedSum(high, 1);
    if (low < -60) low += 120, high = SaturatedSum(high, -2);
    if (low < 0) low += 60, high = SaturatedSum(high, -1);
}

void CarryHours(TTimeStamp& t) {
    if (t.Std > 71) t.Std -= 72, t.Tag = SaturatedSum(t.Tag, 3);
    if (t.Std > 47) t.Std -= 48, t.Tag = SaturatedSum(t.Tag, 2);
    if (t.Std > 23) t.Std -= 24, t.Tag = SaturatedSum(t.Tag, 1);
    if (t.Std < -48) t.Std += 72, t.Tag = SaturatedSum(t.Tag, -3);
    if (t.Std < -24) t.Std += 48, t.Tag = SaturatedSum(t.Tag, -2);
    if (t.Std < 0) t.Std += 24, t.Tag = SaturatedSum(t.Tag, -1);
}

constexpr int kMonthRounds = 3;

void CarryDays(TTimeStamp& t) {
    for (int round = 0; round < kMonthRounds && t.Tag > DaysInMonth(t.Monat); ++round) {
        t.Tag -= DaysInMonth(t.Monat);
        if (++t.Monat > 12) t.Monat = 1, ++t.Jahr;
    }
    for (int round = 0; round < kMonthRounds && t.Tag < 1; ++round) {
        if (--t.Monat < 1) t.Monat = 12, --t.Jahr;
        t.Tag += DaysInMonth(t.Monat);
    }
}

}  // namespace

void AddUnits(TTimeStamp& stamp, const TDivision& division, int n) {
    int& field = FieldOf(stamp, division.Field);
    field = SaturatedSum(field, std::int64_t(n) * division.Step);
    CarryFully(stamp.Misek, stamp.MSek, 100);
    CarryFully(stamp.MSek, stamp.Sek, 1000);
    CarrySixty(stamp.Sek, stamp.Min);
    CarrySixty(stamp.Min, stamp.Std);
    CarryHours(stamp);
    CarryDays(stamp);
}

}  // namespace ovis
