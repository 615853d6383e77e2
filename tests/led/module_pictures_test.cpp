#include "led/module_pictures.h"

#include <gtest/gtest.h>

#include "project/led_parameters.h"
#include "led/led_rows.h"
#include "led/module_assignment.h"

namespace ovis {
namespace {

TEST(ModulePictures, ClickColumnsOnTheTenPixelPitch) {
    struct Case {
        int x, column;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{10, 1}, Case{11, 2}, Case{20, 2}, Case{21, 3}, Case{31, 4},
                         Case{40, 4}, Case{41, 5}, Case{52, 5}})
        EXPECT_EQ(ModuleColumnAtX(c.x), c.column) << c.x;
    EXPECT_EQ(DisplayColumnOfClick(0, 1, 1), 1);
    EXPECT_EQ(DisplayColumnOfClick(0, 3, 2), 12);
    EXPECT_EQ(DisplayColumnOfClick(7, 2, 5), 17);
}

TEST(ModulePictures, Captions) {
    EXPECT_EQ(ModuleCaption(1), "Modul 1");
    EXPECT_EQ(ModuleCaption(99), "Modul 99");
    EXPECT_EQ(ModuleCaption(100), "Mod. 100");
}

TEST(ModulePictures, DroppedPicturesSnapToTheNearestGridLine) {
    struct Case {
        int value, grid, snapped;
    };
    for (const Case c : {Case{12, 5, 10}, Case{13, 5, 15}, Case{15, 10, 20}, Case{14, 10, 10}, Case{7, 1, 7},
                         Case{0, 5, 0}, Case{-3, 5, -5}, Case{-2, 5, 0}})
        EXPECT_EQ(SnapToGrid(c.value, c.grid), c.snapped) << c.value << " / " << c.grid;
    TLedParameterRecord parameters = DefaultLedParameterRecord();
    parameters.RasterX = 10;
    parameters.RasterY = 4;
    StoreDroppedModule(parameters, 0, 64, 5);
    EXPECT_EQ(parameters.Position[0].X, 60);
    EXPECT_EQ(parameters.Position[0].Y, 4);
    StoreDroppedModule(parameters, 100, 1, 1);  // no such module: nothing written
}

TEST(ModuleAssignment, ListsTheRowsPositionsAndAppliesThem) {
    TLedRecord row = NewLedRow(nullptr);
    SetWindow(row, 12, 3);  // x0 3, x1 12: three positions 1..3
    ModuleAssignment assignment(row);
    ASSERT_EQ(assignment.Positions(), 3);
    EXPECT_EQ(ModuleAssignment::PositionText(1), "001");
    EXPECT_EQ(ModuleAssignment::PositionText(12), "012");
    EXPECT_TRUE(assignment.SetNumber(2, 9));
    EXPECT_FALSE(assignment.SetNumber(2, 256));
    EXPECT_FALSE(assignment.SetNumber(4, 1));
    assignment.ApplyTo(row);
    EXPECT_EQ(row.ModulListe[0], 1);
    EXPECT_EQ(row.ModulListe[1], 9);
    EXPECT_EQ(row.ModulListe[2], 3);
    EXPECT_EQ(row.ModulListe[3], 0);  // beyond the list
    EXPECT_FALSE(HasStandardModuleList(row));

    row.X0 = 11;
    row.X1 = 20;
    row.Modulzahl = 2;
    ModuleAssignment standard(row);
    standard.Standard();
    EXPECT_EQ(standard.Number(1), 3);
    EXPECT_EQ(standard.Number(2), 4);
}

}  // namespace
}  // namespace ovis
