#include "evaluation/recording_division.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

namespace ovis {

bool operator==(const TTimeStamp& a, const TTimeStamp& b) {
    return std::tie(a.Jahr, a.Monat, a.Tag, a.Std, a.Min, a.Sek, a.MSek, a.Misek) ==
           std::tie(b.Jahr, b.Monat, b.Tag, b.Std, b.Min, b.Sek, b.MSek, b.Misek);
}

void PrintTo(const TTimeStamp& t, std::ostream* out) {
    *out << t.Tag << '.' << t.Monat << '.' << 1900 + t.Jahr << ' ' << t.Std << ':' << t.Min << ':' << t.Sek << ','
         << t.MSek << ',' << t.Misek;
}

namespace {

enum Division { Tage, Stunden, Minuten, Sekunden, Ms100, Ms10, Ms1, Us100, Us10 };

struct AddCase {
    const char* what;
    TTimeStamp start;
    Division division;
    int n;
    TTimeStamp expected;
};

class AddUnitsTest : public testing::TestWithParam<AddCase> {};

TEST_P(AddUnitsTest, AddsAndNormalises) {
    const auto& c = GetParam();
    TTimeStamp stamp = c.start;
    AddUnits(stamp, kDivisions[c.division], c.n);
    EXPECT_EQ(stamp, c.expected) << c.what;
}

//                   Jahr Monat Tag Std Min Sek MSek Misek
INSTANTIATE_TEST_SUITE_P(
    Recording, AddUnitsTest,
    testing::Values(
        AddCase{"+1 hour across the year end", {108, 12, 31, 23}, Stunden, 1, {109, 1, 1, 0}},
        AddCase{"-10 us across 1 March", {108, 3, 1}, Us10, -1, {108, 2, 28, 23, 59, 59, 999, 99}},
        AddCase{"-1 day across the year start", {109, 1, 1, 5}, Tage, -1, {108, 12, 31, 5}},
        AddCase{"+1 day past 28 February", {108, 2, 28}, Tage, 1, {108, 3, 1}},
        AddCase{"+31 days cross two month ends", {108, 1, 31}, Tage, 31, {108, 3, 3}},
        AddCase{"month overflow stops after three rounds", {108, 1, 31}, Tage, 100, {108, 4, 41}},
        AddCase{"month underflow stops after three rounds", {108, 4, 1}, Tage, -120, {108, 1, -29}},
        AddCase{"+100 ms carries into the second", {108, 5, 5, 10, 10, 10, 950}, Ms100, 1, {108, 5, 5, 10, 10, 11, 50}},
        AddCase{"+10 ms", {108, 5, 5, 0, 0, 0, 995}, Ms10, 1, {108, 5, 5, 0, 0, 1, 5}},
        AddCase{"+1 ms", {108, 5, 5, 0, 0, 59, 999}, Ms1, 1, {108, 5, 5, 0, 1, 0, 0}},
        AddCase{"+100 us", {108, 5, 5, 0, 0, 0, 0, 95}, Us100, 1, {108, 5, 5, 0, 0, 0, 1, 5}},
        AddCase{"10 us carry fully", {108, 5, 5}, Us10, 250000, {108, 5, 5, 0, 0, 2, 500, 0}},
        AddCase{"negative 10 us carry fully", {108, 5, 5, 0, 0, 10}, Us10, -250001, {108, 5, 5, 0, 0, 7, 499, 99}},
        AddCase{"+130 s carry two minutes, then one more", {108, 5, 5, 0, 0, 50}, Sekunden, 130,
                {108, 5, 5, 0, 3, 0}},
        AddCase{"+250 s keep what one pass leaves", {108, 5, 5}, Sekunden, 250, {108, 5, 5, 0, 3, 70}},
        AddCase{"-61 s", {108, 5, 5, 0, 5, 0}, Sekunden, -61, {108, 5, 5, 0, 3, 59}},
        AddCase{"-60 s", {108, 5, 5, 0, 5, 0}, Sekunden, -60, {108, 5, 5, 0, 4, 0}},
        AddCase{"+90 min", {108, 5, 5, 10, 45}, Minuten, 90, {108, 5, 5, 12, 15}},
        AddCase{"-90 min across midnight", {108, 5, 5, 0, 30}, Minuten, -90, {108, 5, 4, 23, 0}},
        AddCase{"+72 h", {108, 5, 5, 1}, Stunden, 72, {108, 5, 8, 1}},
        AddCase{"+50 h", {108, 5, 5, 0}, Stunden, 50, {108, 5, 7, 2}},
        AddCase{"-49 h", {108, 5, 5, 0}, Stunden, -49, {108, 5, 2, 23}},
        AddCase{"-25 h", {108, 5, 5, 0}, Stunden, -25, {108, 5, 3, 23}},
        AddCase{"+1 h on 31 December 23:00 of any year", {120, 12, 31, 23, 59, 59, 999, 99}, Stunden, 1,
                {121, 1, 1, 0, 59, 59, 999, 99}}));

TEST(Divisions, NameUnitFieldAndStepOfEach) {
    const char* names[] = {"Tage",     "Stunden",       "Minuten",           "Sekunden",         "100 Millisekunden",
                           "10 Millisekunden", "Millisekunden", "100 Mikrosekunden", "10 Mikrosekunden"};
    const double units[] = {86400, 3600, 60, 1, 0.1, 0.01, 0.001, 0.0001, 0.00001};
    for (std::size_t i = 0; i < kDivisions.size(); ++i) {
        EXPECT_STREQ(kDivisions[i].Name, names[i]);
        EXPECT_DOUBLE_EQ(kDivisions[i].UnitSeconds, units[i]);
        // One unit of each division moves a stamp by the division's unit of time.
        TTimeStamp stamp{108, 6, 10, 12, 30, 30, 500, 50};
        AddUnits(stamp, kDivisions[i], 1);
        const double moved = (stamp.Tag - 10) * 86400.0 + (stamp.Std - 12) * 3600.0 + (stamp.Min - 30) * 60.0 +
                             (stamp.Sek - 30) + (stamp.MSek - 500) * 0.001 + (stamp.Misek - 50) * 0.00001;
        EXPECT_NEAR(moved, units[i], 1e-9) << names[i];
    }
}

}  // namespace
}  // namespace ovis
