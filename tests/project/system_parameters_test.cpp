#include "project/system_parameters.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/baud_coding.h"
#include "config/module_types.h"
#include "records/io_error.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

TEST(SystemParameters, DerivedCounts) {
    struct Case {
        const char* name;
        std::function<void(TParameterRecord&)> setup;
        int folders, modules;
    };
    const Case cases[] = {
        {"defaults", [](TParameterRecord&) {}, 0, 0},
        {"two folders", [](TParameterRecord& r) { r.Ordner[1] = "A"; r.Ordner[2] = "B"; }, 2, 0},
        {"gap ends the folders", [](TParameterRecord& r) { r.Ordner[2] = "B"; r.Ordner[3] = "C"; }, 0, 0},
        {"thirteen folders, output folder not counted",
         [](TParameterRecord& r) { for (int i = 1; i <= 14; ++i) r.Ordner[i] = "F"; }, 13, 0},
        {"modules until the first zero",
         [](TParameterRecord& r) { r.Modulanordnung[0] = 1; r.Modulanordnung[1] = 7; r.Modulanordnung[3] = 2; }, 0, 2},
        {"full module list", [](TParameterRecord& r) { for (auto& m : r.Modulanordnung) m = 5; }, 0, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SystemParameters p;
        c.setup(p.Record());
        p.Derive();
        EXPECT_EQ(p.AcquisitionFolderCount(), c.folders);
        EXPECT_EQ(p.ModuleCount(), c.modules);
    }
}

TEST(SystemParameters, RelayFlagsFollowTheLoadedMode) {
    struct Case {
        int mode;
        bool network, server, client;
    };
    const Case cases[] = {{0, false, false, false}, {1, true, true, false}, {2, true, false, true}, {7, false, false, false}};
    for (const auto& c : cases) {
        test::TempDir dir;
        SystemParameters p;
        p.Record().RelayMode = c.mode;
        p.Record().ServerDirectory = "//server/ovis";
        p.Save(dir.path());
        SystemParameters loaded;
        loaded.Load(dir.path());
        EXPECT_EQ(loaded.NetworkActive(), c.network) << c.mode;
        EXPECT_EQ(loaded.IsServer(), c.server) << c.mode;
        EXPECT_EQ(loaded.IsClient(), c.client) << c.mode;
        EXPECT_EQ(loaded.ServerDirectoryText(), "//server/ovis");
        EXPECT_EQ(std::memcmp(&loaded.Record(), &loaded.SavedImage(), sizeof(TParameterRecord)), 0);
    }
}

TEST(SystemParameters, ShortFileLeavesTheRecordAsItWas) {
    test::TempDir dir;
    test::WriteBytes(dir / "Parameter.ofp", test::PatternBytes(17591));
    SystemParameters p;
    p.Record().Nummer = 33;
    EXPECT_THROW(p.Load(dir.path()), IoError);
    EXPECT_EQ(p.InterfaceNumber(), 33);
}

TEST(SystemParameters, SavedImageDetectsChanges) {
    test::TempDir dir;
    SystemParameters p;
    p.Save(dir.path());
    EXPECT_EQ(std::memcmp(&p.Record(), &p.SavedImage(), sizeof(TParameterRecord)), 0);
    p.Record().Units[3] = 4;
    EXPECT_NE(std::memcmp(&p.Record(), &p.SavedImage(), sizeof(TParameterRecord)), 0);
}

TEST(BaudCoding, BothDirections) {
    struct Case {
        int factor;
        std::optional<int> index;
        std::optional<int> baud;
    };
    const Case cases[] = {{1, 0, 9600},          {2, 1, 19200},         {4, 2, 38400}, {6, 3, 57600},
                          {12, 4, 115200},       {3, std::nullopt, std::nullopt}, {0, std::nullopt, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(ListIndexForBaudFactor(c.factor), c.index) << c.factor;
        if (c.index) {
            EXPECT_EQ(BaudFactorForListIndex(*c.index), c.factor);
            EXPECT_EQ(kBaudRateTexts[std::size_t(*c.index)], std::to_string(*c.baud)) << "the text shown";
        }
    }
    EXPECT_EQ(BaudFactorForListIndex(5), std::nullopt);
}

TEST(SystemParameters, UnitsAndModuleTypes) {
    EXPECT_EQ(TotalUnits(0), 3);
    EXPECT_EQ(TotalUnits(1), 15);
    EXPECT_EQ(TotalUnits(2), 63);
    EXPECT_EQ(TotalUnits(3), 0);
    auto p = DefaultParameterRecord();
    EXPECT_EQ(p.Units[0] + p.Units[14], TotalUnits(p.Speichergroesse));
    EXPECT_EQ(ModuleTypeOf(2)->Name, "OPTO-REL");
    EXPECT_EQ(ModuleTypeOf(2)->EingangsBytes, 1);
    EXPECT_EQ(ModuleTypeOf(7)->AusgangsBytes, 2);
    EXPECT_FALSE(ModuleTypeOf(0).has_value());
    EXPECT_FALSE(ModuleTypeOf(8).has_value());
}

}  // namespace
}  // namespace ovis
