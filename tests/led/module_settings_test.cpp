// The module settings: the entry rules of the three-digit fields, the new layout of the module
// pictures, and applying or discarding the working copy.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "led/module_settings.h"

namespace ovis {
namespace {

using F = ModuleSettingField;

struct EntryCase {
    F field;
    const char* text;
    int value;
    bool clipped;
    bool showsStoredValue;
};

TEST(ModuleSettings, FieldEntriesClipAndFillEmptyFields) {
    const EntryCase cases[] = {
        {F::RasterX, "   ", 1, false, true},    {F::RasterY, "0  ", 1, false, true},
        {F::RasterX, "0", 1, false, true},      {F::RasterX, "00", 1, false, true},  // a grid of 0 is never stored
        {F::UrsprungX, "   ", 0, false, true},  {F::AbstandY, "0  ", 0, false, true},
        {F::UrsprungY, "250", 100, true, false}, {F::AbstandX, "101", 100, true, false},
        {F::RasterY, "100", 100, false, false}, {F::UrsprungX, "42 ", 42, false, false},
        {F::AbstandX, "007", 7, false, false},  {F::RasterX, "5", 5, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "' field " + std::to_string(int(c.field)));
        const ModuleSettingEntry entry = ParseModuleSettingEntry(c.field, c.text);
        EXPECT_EQ(entry.value, c.value);
        EXPECT_EQ(entry.clipped, c.clipped);
        EXPECT_EQ(entry.showsStoredValue, c.showsStoredValue);
    }
}

std::vector<std::pair<int, int>> Positions(const TLedParameterRecord& r, int n) {
    std::vector<std::pair<int, int>> p;
    for (int m = 0; m < n; ++m) p.emplace_back(int(r.Position[m].X), int(r.Position[m].Y));
    return p;
}

TEST(ModuleSettings, LayoutRunsFromTheOriginAndWrapsBeforeTheRightEdge) {
    TLedParameterRecord r = DefaultLedParameterRecord();
    r.AnzahlModule = 5;
    r.UrsprungX = 10;
    r.UrsprungY = 20;
    r.AbstandX = 5;
    r.AbstandY = 3;
    r.Position[5].X = 7;
    r.Position[5].Y = 8;
    // Area 180 wide: x 10, 65, 120 fit (120 + 50 = 170); 175 would end at 225.
    LayOutModulePictures(r, 180);
    const std::vector<std::pair<int, int>> expected{{10, 20}, {65, 20}, {120, 20}, {10, 93}, {65, 93}};
    EXPECT_EQ(Positions(r, 5), expected);
    EXPECT_EQ(r.Position[5].X, 7);  // modules beyond the number keep their place
    EXPECT_EQ(r.Position[5].Y, 8);
}

TEST(ModuleSettings, APictureThatEndsExactlyAtTheEdgeStaysInItsRow) {
    TLedParameterRecord r = DefaultLedParameterRecord();
    r.AnzahlModule = 3;
    r.UrsprungX = 0;
    r.UrsprungY = 0;
    r.AbstandX = 0;
    r.AbstandY = 0;
    LayOutModulePictures(r, 100);
    const std::vector<std::pair<int, int>> expected{{0, 0}, {50, 0}, {0, 70}};
    EXPECT_EQ(Positions(r, 3), expected);
}

TEST(ModuleSettings, AnAreaNarrowerThanOnePictureStillGivesOnePicturePerRow) {
    TLedParameterRecord r = DefaultLedParameterRecord();
    r.AnzahlModule = 100;
    r.UrsprungX = 100;
    r.UrsprungY = 100;
    r.AbstandX = 100;
    r.AbstandY = 100;
    LayOutModulePictures(r, 10);
    EXPECT_EQ(r.Position[0].X, 100);
    EXPECT_EQ(r.Position[99].X, 100);
    EXPECT_EQ(r.Position[99].Y, 100 + 99 * 170);
}

struct ModuleSettingsFixture : ::testing::Test {
    LedParameters parameters;
    ModuleSettings settings{parameters};
    ModuleSettingsFixture() {
        parameters.Record().AnzahlModule = 2;
        parameters.Record().Position[0].X = 5;
        parameters.Record().Position[0].Y = 5;
        parameters.Record().Position[1].X = 60;
        parameters.Record().Position[1].Y = 5;
        parameters.Record().Position[2].X = 300;
        parameters.Record().Position[2].Y = 300;
        settings.Open();
    }
};

TEST_F(ModuleSettingsFixture, OpeningShowsTheLiveValues) {
    parameters.Record().RasterX = 7;
    settings.Open();
    EXPECT_EQ(settings.CountIndex(), 1);
    EXPECT_EQ(settings.FieldText(F::RasterX), "7");
    EXPECT_EQ(ModuleSettings::CountChoices().size(), 100u);
    EXPECT_EQ(ModuleSettings::CountChoices().front(), "1");
    EXPECT_EQ(ModuleSettings::CountChoices().back(), "100");
}

TEST_F(ModuleSettingsFixture, CancellingAfterChangingTheNumberLeavesTheDisplayUnchanged) {
    const TLedParameterRecord before = parameters.Record();
    settings.ChooseCount(3);
    settings.KeyUp(F::AbstandX, "20");
    settings.Close();
    EXPECT_EQ(std::memcmp(&parameters.Record(), &before, sizeof before), 0);
    EXPECT_EQ(parameters.WorkingCopy().AnzahlModule, 2);
    EXPECT_EQ(parameters.WorkingCopy().AbstandX, before.AbstandX);
}

TEST_F(ModuleSettingsFixture, ApplyingStoresTheWorkingCopyAndLaysThePicturesOutAnew) {
    settings.ChooseCount(3);
    settings.KeyUp(F::UrsprungX, "0");
    settings.KeyUp(F::UrsprungY, "250");
    EXPECT_EQ(settings.FieldText(F::UrsprungY), "100");
    settings.KeyUp(F::AbstandX, "10");
    EXPECT_EQ(parameters.Record().AnzahlModule, 2);  // not yet applied
    settings.Apply(1000);
    EXPECT_EQ(parameters.Record().AnzahlModule, 3);
    EXPECT_EQ(parameters.Record().UrsprungY, 100);
    const std::vector<std::pair<int, int>> expected{{0, 100}, {60, 100}, {120, 100}};
    EXPECT_EQ(Positions(parameters.Record(), 3), expected);
    EXPECT_EQ(std::memcmp(&parameters.WorkingCopy(), &parameters.Record(), sizeof(TLedParameterRecord)), 0);
    EXPECT_EQ(parameters.SavedImage().AnzahlModule, DefaultLedParameterRecord().AnzahlModule);  // saved image untouched
}

}  // namespace
}  // namespace ovis
