#include "records/pascal_string.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ovis {
namespace {

TEST(PString, LengthByteAboveCapacityReadsAsCapacity) {
    PString<5> s;
    std::memcpy(s.raw, "\xC8" "abcde", 6);
    EXPECT_EQ(s.length(), 5u);
    EXPECT_EQ(s.str(), "abcde");
    EXPECT_EQ(s.raw[0], 0xC8) << "the raw length byte is kept for the round trip";
}

TEST(PString, AssignTruncatesAndKeepsBytesBeyondTheNewLength) {
    PString<5> s;
    std::memcpy(s.raw, "\x05" "Hallo", 6);
    s = "Ja";
    EXPECT_EQ(s.str(), "Ja");
    EXPECT_EQ(std::memcmp(s.raw, "\x02" "Jallo", 6), 0);
    s = "Oben und Unten";
    EXPECT_EQ(s.str(), "Oben ");
}

}  // namespace
}  // namespace ovis
