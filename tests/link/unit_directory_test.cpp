// The unit directory: the year carried backwards, the "Beginn" cells and the stop rules.
#include "link/unit_directory.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

TEST(UnitDirectory, CarriesTheYearBackwardsNewestFirst) {
    // 05.01.2009 10:30, 20.12.2008 08:15, 03.03.2008 00:00, 30.11.2007 23:59.
    const std::vector<std::uint8_t> d = {30, 10, 5, 1, 0xD9, 0x07, 15, 8, 20, 12, 0, 0, 3, 3, 59, 23, 30, 11};
    const auto units = DecodeUnitDirectory(d);
    ASSERT_EQ(units.size(), 4u);
    struct Row {
        int year;
        const char* cell;
    };
    const Row expected[] = {{2009, " 05.01.2009   10:30"},
                            {2008, " 20.12.2008   08:15"},
                            {2008, " 03.03.2008   00:00"},
                            {2007, " 30.11.2007   23:59"}};
    for (std::size_t k = 0; k < units.size(); ++k) {
        EXPECT_EQ(units[k].year, expected[k].year) << k;
        EXPECT_EQ(UnitBeginCell(units[k]), expected[k].cell) << k;
    }
}

TEST(UnitDirectory, CountsOnlyUnitsWhoseBytesArrived) {
    struct Case {
        std::size_t length;
        std::size_t units;
    };
    // (length - 1) div 4 for whole units; a cut last unit is left out instead of read past the end.
    for (const Case c : {Case{0, 0}, Case{1, 0}, Case{5, 0}, Case{6, 1}, Case{9, 1}, Case{10, 2}, Case{13, 2},
                         Case{126, 31}, Case{254, 63}}) {
        std::vector<std::uint8_t> d(c.length, 1);
        EXPECT_EQ(DecodeUnitDirectory(d).size(), c.units) << c.length;
    }
}

TEST(UnitDirectory, StopRules) {
    struct Case {
        int receiveLength, units;
        bool ends;
    };
    for (const Case c : {Case{130, 15, false}, Case{128, 15, false}, Case{127, 15, true}, Case{2, 15, true},
                         Case{130, 31, true}, Case{130, 63, true}, Case{130, 30, false}}) {
        EXPECT_EQ(DirectoryReadEnds(c.receiveLength, c.units), c.ends) << c.receiveLength << " " << c.units;
    }
}

}  // namespace
}  // namespace ovis
