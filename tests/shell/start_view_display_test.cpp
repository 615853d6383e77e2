#include "shell/start_view_display.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace ovis {
namespace {

TEST(StartViewDisplay, ModuleColourPairs) {
    struct Case {
        int code;
        std::uint32_t lit, dark;
    };
    const Case cases[] = {{1, 0xFF0000, 0x600000}, {2, 0xFFFF00, 0x606000}, {3, 0x00FF00, 0x006000},
                          {4, 0x0000FF, 0x000060}, {5, 0xFFFFFF, 0x5F5F5F}, {0, 0xFF0000, 0x600000},
                          {9, 0xFF0000, 0x600000}};
    for (const auto& c : cases) {
        EXPECT_EQ(ModuleColourPair(c.code).lit, c.lit) << c.code;
        EXPECT_EQ(ModuleColourPair(c.code).dark, c.dark) << c.code;
    }
}

TEST(StartViewDisplay, TheFrameShowsTheColumnsInTheModuleColour) {
    auto table = std::make_unique<LedTable>();
    const LedFrame empty = StartViewFrame(*table, 4);
    EXPECT_EQ(empty.columns, DisplayColumns{});
    EXPECT_EQ(empty.dark, 0x000060u);
    EXPECT_EQ(empty.LitColour(0, 0), 0x0000FFu);
    EXPECT_EQ(empty.LitColour(kLedColumns - 1, 6), 0x0000FFu);
}

TLedRecord Message(bool set, int modules) {
    TLedRecord r;
    std::memset(&r, 0, sizeof r);
    r.Status = set;
    r.Modulzahl = modules;
    for (int i = 0; i < 15; ++i) r.Spalten[i] = std::uint8_t(i + 1);
    return r;
}

TEST(StartViewDisplay, TheFirstSetMessageLiesOnItsModules) {
    auto table = std::make_unique<LedTable>();
    EXPECT_EQ(StartViewColumns(*table), DisplayColumns{}) << "no message: all dark";

    TLedRecord reset = Message(false, 1);
    reset.ModulListe[0] = 1;
    table->Append(reset);
    TLedRecord shown = Message(true, 3);
    shown.ModulListe[0] = 2;  // picture columns 1-5 on display module 2
    shown.ModulListe[1] = 0;  // columns 6-10 on no module
    shown.ModulListe[2] = 255;  // columns 11-15 on the last module
    table->Append(shown);

    DisplayColumns columns = StartViewColumns(*table);
    DisplayColumns expected{};
    for (int e = 0; e < 5; ++e) expected[5 + e] = std::uint8_t(1 + e);
    for (int e = 0; e < 5; ++e) expected[1270 + e] = std::uint8_t(11 + e);
    EXPECT_EQ(columns, expected);
}

TEST(StartViewDisplay, BitSixIsTheTopLed) {
    EXPECT_TRUE(LedLit(0x40, 0));
    EXPECT_FALSE(LedLit(0x40, 6));
    EXPECT_TRUE(LedLit(0x01, 6));
    EXPECT_FALSE(LedLit(0x3E, 0));
    EXPECT_TRUE(LedLit(0x3E, 1));
}

}  // namespace
}  // namespace ovis
