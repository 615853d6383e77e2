// LED rows: new-row values, module positions and lists, and the collapse of equal parts.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "led/led_colours.h"
#include "led/led_rows.h"

namespace ovis {
namespace {

std::vector<int> ModuleList(const TLedRecord& row, int n) { return std::vector<int>(row.ModulListe, row.ModulListe + n); }

TEST(LedRows, ANewRowOccupiesModuleOneInGreenAtBrightnessOne) {
    const TLedRecord row = NewLedRow(nullptr);
    EXPECT_EQ(row.Bezeichnung.str(), "LED - Meldung");
    EXPECT_TRUE(row.Text.empty());
    EXPECT_TRUE(std::all_of(std::begin(row.Spalten), std::end(row.Spalten), [](auto b) { return b == 0; }));
    for (int p = 0; p < kLedModulePositions; ++p) EXPECT_EQ(row.ModulListe[p], p + 1);
    EXPECT_EQ(row.LetzteSpalte, 1);
    EXPECT_EQ(row.X0, 1);
    EXPECT_EQ(row.X1, 5);
    EXPECT_EQ(row.Modulzahl, 1);
    EXPECT_EQ(row.Umbruch, 1);
    EXPECT_EQ(row.Farbe[0], 6);
    EXPECT_EQ(PaletteColourOfCode(row.Farbe[0])->number, 1);
    EXPECT_TRUE(std::all_of(row.Farbe + 1, row.Farbe + 31, [](auto b) { return b == 255; }));
    EXPECT_EQ(row.AnzahlFarben, 1);
    EXPECT_EQ(row.Helligkeit[0], 1);
    EXPECT_TRUE(std::all_of(row.Helligkeit + 1, row.Helligkeit + 15, [](auto b) { return b == 0; }));
    EXPECT_EQ(row.AnzahlHelligkeiten, 1);
    EXPECT_EQ(row.Dx, 1);
    EXPECT_EQ(row.Distanz, 0);
    EXPECT_EQ(row.Verzoegerung, 0);
    EXPECT_TRUE(bool(row.Status));
    EXPECT_EQ(row.Schriftart.str(), "Standard");
    EXPECT_EQ(row.Schriftgroesse, 7);
    EXPECT_EQ(row.Schriftstil, 0);
    EXPECT_TRUE(row.Reserve2.empty());
    // Without rows: "Links" from x0, "Milli", recorded.
    EXPECT_EQ(row.Richtung, 1);
    EXPECT_EQ(row.Einheit.str(), "Milli");
    EXPECT_TRUE(bool(row.SpeichernEingang));
}

TEST(LedRows, ANewRowTakesDirectionUnitAndRecordingFromTheCurrentRow) {
    TLedRecord current = NewLedRow(nullptr);
    current.Richtung = 8;
    current.Einheit = "Std";
    current.SpeichernEingang = false;
    current.Verzoegerung = 12;
    current.X1 = 40;
    const TLedRecord row = NewLedRow(&current);
    EXPECT_EQ(row.Richtung, 8);
    EXPECT_EQ(row.Einheit.str(), "Std");
    EXPECT_FALSE(bool(row.SpeichernEingang));
    EXPECT_EQ(row.Verzoegerung, 0);
    EXPECT_EQ(row.X1, 5);
}

TEST(LedRows, ModuleCountOfAWindow) {
    struct Case {
        int x0, x1, modules;
    };
    const Case cases[] = {{1, 5, 1}, {3, 12, 3}, {5, 6, 2}, {6, 10, 1}, {1, 1275, 255}, {1275, 1275, 1}, {7, 7, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x0) + ".." + std::to_string(c.x1));
        EXPECT_EQ(ModuleCountOf(c.x0, c.x1), c.modules);
    }
    EXPECT_EQ(ModulePositionOfColumn(1), 1);
    EXPECT_EQ(ModulePositionOfColumn(5), 1);
    EXPECT_EQ(ModulePositionOfColumn(6), 2);
}

TEST(LedRows, SettingTheWindow) {
    struct Case {
        const char* what;
        std::vector<int> listBefore;  // first entries of ModulListe; the rest stays 1, 2, ...
        int modulzahlBefore, x0Before;
        int x0, x1;
        int x0After, x1After, modulzahlAfter;
        std::vector<int> listAfter;
    };
    const Case cases[] = {
        {"swapped, standard list from position 1", {1}, 1, 1, 12, 3, 3, 12, 3, {1, 2, 3, 4}},
        {"standard list rewritten from the new first position", {1, 2, 3}, 3, 3, 11, 20, 11, 20, 2, {3, 4, 3, 4}},
        {"chosen list that grows numbers new positions by themselves", {7, 9}, 2, 1, 1, 20, 1, 20, 4, {7, 9, 3, 4}},
        {"chosen list that shrinks frees its positions", {7, 9, 8}, 3, 1, 1, 5, 1, 5, 1, {7, 0, 0, 4}},
        {"same module count: list unchanged", {7, 9}, 2, 1, 2, 9, 2, 9, 2, {7, 9, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TLedRecord row = NewLedRow(nullptr);
        for (std::size_t i = 0; i < c.listBefore.size(); ++i) row.ModulListe[i] = std::uint8_t(c.listBefore[i]);
        row.Modulzahl = c.modulzahlBefore;
        row.X0 = c.x0Before;
        row.X1 = c.x0Before + 5 * c.modulzahlBefore - 1;
        const bool changed = SetWindow(row, c.x0, c.x1);
        EXPECT_EQ(changed, c.modulzahlAfter != c.modulzahlBefore);
        EXPECT_EQ(row.X0, c.x0After);
        EXPECT_EQ(row.X1, c.x1After);
        EXPECT_EQ(row.Modulzahl, c.modulzahlAfter);
        EXPECT_EQ(ModuleList(row, 4), c.listAfter);
    }
}

TEST(LedRows, StandardModuleList) {
    TLedRecord row = NewLedRow(nullptr);
    row.X0 = 13;
    row.X1 = 22;
    row.Modulzahl = 3;
    EXPECT_FALSE(HasStandardModuleList(row));
    SetStandardModuleList(row);
    EXPECT_EQ(ModuleList(row, 5), (std::vector<int>{3, 4, 5, 4, 5}));
    EXPECT_TRUE(HasStandardModuleList(row));
    row.ModulListe[1] = 9;
    EXPECT_FALSE(HasStandardModuleList(row));
}

TEST(LedRows, EqualPartsCollapseToOne) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> parts;
        std::uint8_t count;
        std::vector<std::uint8_t> partsAfter;
        std::uint8_t countAfter;
    };
    const Case cases[] = {
        {"three equal parts", {96, 96, 96, 7, 7}, 3, {96, 255, 255, 255, 255}, 1},
        {"different parts stay, later ones emptied", {6, 0, 6, 7, 7}, 3, {6, 0, 6, 255, 255}, 3},
        {"one part", {6, 9, 9, 9, 9}, 1, {6, 255, 255, 255, 255}, 1},
        {"count above the room", {5, 5, 5, 5, 5}, 40, {5, 255, 255, 255, 255}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> parts = c.parts;
        std::uint8_t count = c.count;
        CollapseEqualParts(parts, count, kNoColour);
        EXPECT_EQ(parts, c.partsAfter);
        EXPECT_EQ(count, c.countAfter);
    }
}

TEST(LedRows, ColourAndBrightnessPartsOfARow) {
    TLedRecord row = NewLedRow(nullptr);
    std::fill(row.Farbe, row.Farbe + 31, std::uint8_t(96));
    row.AnzahlFarben = 28;
    std::fill(row.Helligkeit, row.Helligkeit + 15, std::uint8_t(4));
    row.AnzahlHelligkeiten = 11;
    CollapseColourParts(row);
    CollapseBrightnessParts(row);
    EXPECT_EQ(row.AnzahlFarben, 1);
    EXPECT_EQ(row.Farbe[0], 96);
    EXPECT_TRUE(std::all_of(row.Farbe + 1, row.Farbe + 31, [](auto b) { return b == 255; }));
    EXPECT_EQ(row.AnzahlHelligkeiten, 1);
    EXPECT_EQ(row.Helligkeit[0], 4);
    EXPECT_TRUE(std::all_of(row.Helligkeit + 1, row.Helligkeit + 15, [](auto b) { return b == 0; }));
}

}  // namespace
}  // namespace ovis
