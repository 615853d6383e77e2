#include "link/configuration_image_codings.h"

#include <gtest/gtest.h>

#include "config/module_types.h"

namespace ovis {
namespace {

TEST(EncodeDelay, EachUnitAtItsBoundaries) {
    using F = DelayFormat;
    struct Case {
        std::int32_t value;
        const char* unit;
        std::uint16_t field;
        DelayFormat format;
    };
    for (const auto& c : std::vector<Case>{
             {0, "Milli", 0, F::Plain},
             {60000, "Milli", 60000, F::Plain},
             {0, "Sek", 0, F::Plain},
             {60, "Sek", 60000, F::Plain},
             {61, "Sek", 0x0301, F::F1},       // 1 min, 1000 ms / 256 = 3
             {90, "Sek", 0x7501, F::F1},       // 30000 / 256 = 117
             {14400, "Sek", 0x00F0, F::F1},    // 240 min
             {14401, "Sek", 240, F::F2},
             {20000, "Sek", 333, F::F2},
             {0, "Min", 0, F::Plain},          // 0 clears both flags
             {240, "Min", 240, F::F1},
             {241, "Min", 241, F::F2},
             {1, "Std", 60, F::F2},
             {1000, "Std", 60000, F::F2},
             {0, "Std", 0, F::Plain},
             {7, "Ext", 7, F::Plain},
         }) {
        SCOPED_TRACE(std::to_string(c.value) + " " + c.unit);
        const CodedDelay coded = EncodeDelay(c.value, c.unit);
        EXPECT_EQ(coded.field, c.field);
        EXPECT_EQ(coded.format, c.format);
    }
}

TEST(EncodeDelay, FlagsSetOnlyTheirOwnPair) {
    EXPECT_EQ(WithDelayFlags(0xFF, DelayFormat::Plain, kOffDelayFlags), 0xE7);
    EXPECT_EQ(WithDelayFlags(0x50, DelayFormat::F1, kOffDelayFlags), 0x48);
    EXPECT_EQ(WithDelayFlags(0x50, DelayFormat::F2, kDelayFlags), 0x50);
    EXPECT_EQ(WithDelayFlags(0x50, DelayFormat::F1, kDelayFlags), 0x30);
}

TEST(RingOffsets, WalkTheModuleListUpToTheFirstGap) {
    TParameterRecord params{};
    const ModuleType ring[] = {ModuleType::Opto16, ModuleType::OptoRel, ModuleType::Relais6, ModuleType::Opto16Out,
                               ModuleType::TastLed};
    for (std::size_t i = 0; i < std::size(ring); ++i) params.Modulanordnung[i] = std::uint8_t(ring[i]);
    params.Modulanordnung[6] = std::uint8_t(ModuleType::Opto16);  // behind the gap: not part of the ring

    const RingOffsets offsets = ComputeRingOffsets(params);
    EXPECT_EQ(offsets.modules, 5);
    const std::uint16_t in[] = {0, 2, 3, 3, 3};
    const std::uint16_t out[] = {0, 0, 1, 2, 4};
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(offsets.In(p), in[p - 1]);
        EXPECT_EQ(offsets.Out(p), out[p - 1]);
    }
    EXPECT_EQ(offsets.totalIn, 4);
    EXPECT_EQ(offsets.totalOut, 5);
    EXPECT_EQ(offsets.In(7), 0);
}

TEST(InterfaceEvent, DelayClassesAtEachBoundary) {
    struct Case {
        double seconds;
        std::uint8_t timeClass;
        std::uint16_t value;
    };
    for (const auto& c : std::vector<Case>{
             {0.0, 0x10, 0},
             {0.05, 0x10, 50},
             {0.06, 0x10, 60},
             {0.07, 0x10, 70},
             {59.7, 0x10, 59700},                     // just below a minute stays in class 0x10
             {60.0, 0x20, 4096},
             {90.5, 0x20, 4096 + 30500 / 16},
             {959.0, 0x20, 15 * 4096 + 59000 / 16},
             {960.0, 0x30, 16 * 256},
             {15359.0, 0x30, 255 * 256 + 59000 / 256},
             {15360.0, 0x40, 256 * 16},
             {245759.0, 0x40, 4095 * 16 + 59000 / 4096},
             {245760.0, 0x50, 4096},
             {40000000.0, 0x50, 0xFFFF},             // minutes beyond 16 bits are held at the top
             {-1.0, 0x10, 0},                         // events out of order count as simultaneous
         }) {
        SCOPED_TRACE(c.seconds);
        const InterfaceEventCode code = EncodeEventDelay(c.seconds);
        EXPECT_EQ(code.timeClass, c.timeClass);
        EXPECT_EQ(code.value, c.value);
    }
}

TEST(InterfaceEvent, WordAndClassShareTheFirstByte) {
    // Message 300 "High": word 0x052C.
    EXPECT_EQ(InterfaceEventBytes(0x052C, {0x20, 0x1234}), (std::array<std::uint8_t, 4>{0x25, 0x2C, 0x12, 0x34}));
    // The last event: class 0, value 0; bits above the level are not sent.
    EXPECT_EQ(InterfaceEventBytes(0x8401, {}), (std::array<std::uint8_t, 4>{0x04, 0x01, 0, 0}));
}

}  // namespace
}  // namespace ovis
