#include "link/frame_code.h"

#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <set>
#include <algorithm>
#include <vector>

namespace ovis {
namespace {

std::vector<std::uint8_t> FramePositions(const std::string& text) {
    std::vector<std::uint8_t> chars(text.size() + 1, 0);
    std::copy(text.begin(), text.end(), chars.begin() + 1);
    return chars;
}

TEST(LinkFrameCode, EveryLineCharacterHasExactlyThreeOfSevenBitsSet) {
    std::string all(kNibbleChars.begin(), kNibbleChars.end());
    all += "#%&)*,";
    for (char c : all) {
        EXPECT_LT(std::uint8_t(c), 0x80) << c;
        EXPECT_EQ(std::bitset<8>(std::uint8_t(c)).count(), 3u) << c;
    }
    EXPECT_EQ(std::set<char>(all.begin(), all.end()).size(), 22u);
}

TEST(LinkFrameCode, EncodesTelegramsAsFrames) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string frame;
    } cases[] = {
        {{1, 3}, "&1218)"},
        {{0x00, 0xFF}, "&11bb)"},
        {{0x01, 0x0A, 0x9A}, "&121QLQ)"},
        {{0x63, 16, 0x5E}, "&F821Ea)*,"},  // command 16 carries "*," after ")"
        {{1, 4, 3, 0, 0x80, 0x01, 0}, "&121C1811J11211)"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeFrame(c.bytes).Text(), c.frame);
}

TEST(LinkFrameCode, FullTelegramFillsTheFrameBuffer) {
    std::vector<std::uint8_t> bytes(kTelegramCapacity, 0x5A);
    bytes[1] = 4;
    Frame frame = EncodeFrame(bytes);
    EXPECT_EQ(frame.length, 2 * kTelegramCapacity + 2);
    EXPECT_EQ(frame.chars[std::size_t(frame.length)], ')');
}

TEST(LinkFrameCode, FullTelegramOfCommand16KeepsItsConfirmAfterTheFrame) {
    std::vector<std::uint8_t> bytes(kTelegramCapacity, 0x5A);
    bytes[1] = 16;
    const Frame frame = EncodeFrame(bytes);
    ASSERT_EQ(frame.length, 2 * kTelegramCapacity + 4);
    EXPECT_EQ(frame.Text().substr(std::size_t(frame.length) - 3), ")*,");
    std::array<std::uint8_t, kTelegramCapacity> out{};
    ASSERT_EQ(DecodeFrame(FramePositions(frame.Text()), out), kTelegramCapacity);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), out.begin()));
}

TEST(LinkFrameCode, DecodeIsTheInverseOfEncode) {
    std::mt19937 random(7);
    for (int n = 2; n <= kTelegramCapacity; n += 16) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
        for (auto& b : bytes) b = std::uint8_t(random());
        if (bytes[1] == 16) bytes[1] = 17;
        std::array<std::uint8_t, kTelegramCapacity> out{};
        ASSERT_EQ(DecodeFrame(FramePositions(EncodeFrame(bytes).Text()), out), n);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), out.begin())) << "n=" << n;
    }
}

TEST(LinkFrameCode, DecodeStopsAtTheEndOrAfter130Bytes) {
    struct Case {
        std::string chars;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"&1218)", {1, 3}},
        {"&1218)LL", {1, 3}},        // characters after ")" are not decoded
        {"&12#8)", {1, 0x03}},       // a character outside the alphabet counts as 0
        {"&12", {1}},                // an unfinished frame decodes its pairs
    };
    for (const auto& c : cases) {
        std::array<std::uint8_t, kTelegramCapacity> out{};
        int n = DecodeFrame(FramePositions(c.chars), out);
        EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.begin() + n), c.bytes) << c.chars;
    }
    std::string endless = "&" + std::string(300, 'b');
    std::array<std::uint8_t, kTelegramCapacity> out{};
    EXPECT_EQ(DecodeFrame(FramePositions(endless), out), kTelegramCapacity);
}

}  // namespace
}  // namespace ovis
