// The LED files of a project: loading with the other tables, saving with the last lit column,
// the byte-for-byte round trip and the save check.
#include <gtest/gtest.h>

#include <cstring>

#include "led/led_check.h"
#include "led/led_files.h"
#include "led/led_rows.h"
#include "support/file_bytes.h"
#include "support/project_fixture.h"

namespace ovis {
namespace {

// A record with every field set as the editor would, and every padding, reserved and unused
// string byte non-zero.
TLedRecord HandMadeRow(int seed) {
    TLedRecord row;
    std::memset(&row, 0xA5 + seed, sizeof row);
    row.Bezeichnung = "Anzeige " + std::to_string(seed);
    row.Text = "HALLO";
    std::memset(row.Spalten, 0, sizeof row.Spalten);
    row.Spalten[0] = 0x7F;
    row.Spalten[99 + seed] = 0x41;
    for (int p = 0; p < kLedModulePositions; ++p) row.ModulListe[p] = std::uint8_t(255 - p);
    row.LetzteSpalte = 100 + seed;
    row.X0 = 3;
    row.X1 = 12;
    row.Umbruch = 4;
    row.Farbe[0] = 96;
    row.Farbe[1] = 6;
    std::memset(row.Farbe + 2, 255, 29);
    row.AnzahlFarben = 2;
    row.Helligkeit[0] = 11;
    std::memset(row.Helligkeit + 1, 0, 14);
    row.AnzahlHelligkeiten = 1;
    row.Richtung = 6;
    row.Dx = 2;
    row.Distanz = 7;
    row.Verzoegerung = 500;
    row.Einheit = "Sek";
    row.SpeichernEingang = true;
    row.Status = false;
    row.Schriftart = "Arial";
    row.Schriftgroesse = 5;
    row.Schriftstil = 9;
    row.Modulzahl = 3;
    row.Reserve2 = "";
    return row;
}

TEST(LedFiles, AHandMadeFileRoundTripsThroughLoadingAndSaving) {
    test::ProjectFixture f;
    f.CreateProject("P");
    const auto dir = f.ProjectDir("P");
    const TLedRecord rows[] = {HandMadeRow(1), HandMadeRow(2)};
    WriteRecords(dir / "Led.ofd", rows, 2);
    TLedParameterRecord parameters;
    std::memset(&parameters, 0x5A, sizeof parameters);
    parameters.AnzahlModule = 3;
    WriteRecords(dir / "LEDParameter.ofp", &parameters, 1);
    const auto ledBytes = test::ReadBytes(dir / "Led.ofd");
    const auto parameterBytes = test::ReadBytes(dir / "LEDParameter.ofp");
    const auto systemBytes = test::ReadBytes(dir / "Parameter.ofp");

    f.store.LoadAllTablesFrom(dir);
    ASSERT_EQ(f.tables->led.Count(), 2u);
    EXPECT_EQ(f.tables->ledParameters.Record().AnzahlModule, 3);
    EXPECT_EQ(std::memcmp(&f.tables->ledParameters.SavedImage(), &parameters, sizeof parameters), 0);
    EXPECT_EQ(std::memcmp(&f.tables->ledParameters.WorkingCopy(), &parameters, sizeof parameters), 0);

    for (const char* file : {"Led.ofd", "LEDParameter.ofp", "Parameter.ofp"}) std::filesystem::remove(dir / file);
    SaveLedFiles(dir, f.tables->parameters, f.tables->ledParameters, f.tables->led);
    EXPECT_EQ(test::ReadBytes(dir / "Led.ofd"), ledBytes);
    EXPECT_EQ(test::ReadBytes(dir / "LEDParameter.ofp"), parameterBytes);
    EXPECT_EQ(test::ReadBytes(dir / "Parameter.ofp"), systemBytes);
}

TEST(LedFiles, SavingSetsTheLastLitColumnAndTakesTheSavedImages) {
    test::ProjectFixture f;
    f.CreateProject("P");
    const auto dir = f.ProjectDir("P");
    f.store.LoadAllTablesFrom(dir);
    LedTable& table = f.tables->led;
    table.Append(NewLedRow(nullptr));  // no LED lit
    TLedRecord lit = NewLedRow(nullptr);
    lit.Spalten[0] = 0x01;
    lit.Spalten[1274] = 0x80;
    table.Append(lit);
    TLedRecord middle = NewLedRow(nullptr);
    middle.Spalten[41] = 0x08;
    table.Append(middle);
    f.tables->ledParameters.Record().AnzahlModule = 7;

    SaveLedFiles(dir, f.tables->parameters, f.tables->ledParameters, table);
    EXPECT_EQ(table.Row(0).LetzteSpalte, 0);
    EXPECT_EQ(table.Row(1).LetzteSpalte, 1275);
    EXPECT_EQ(table.Row(2).LetzteSpalte, 42);
    EXPECT_EQ(table.SavedCount(), 3u);
    EXPECT_EQ(table.SavedRow(2).LetzteSpalte, 42);
    EXPECT_EQ(f.tables->ledParameters.SavedImage().AnzahlModule, 7);

    f.store.LoadAllTablesFrom(dir);
    ASSERT_EQ(table.Count(), 3u);
    EXPECT_EQ(table.Row(2).LetzteSpalte, 42);
    EXPECT_EQ(f.tables->ledParameters.Record().AnzahlModule, 7);
}

TEST(LedFiles, AnEmptyOrMissingTableLoadsEmpty) {
    test::ProjectFixture f;
    f.CreateProject("P");
    const auto dir = f.ProjectDir("P");
    f.tables->led.Append(NewLedRow(nullptr));
    f.store.LoadAllTablesFrom(dir);  // "Led.ofd" of 0 bytes
    EXPECT_EQ(f.tables->led.Count(), 0u);
    f.tables->led.Append(NewLedRow(nullptr));
    std::filesystem::remove(dir / "Led.ofd");
    f.store.LoadAllTablesFrom(dir);
    EXPECT_EQ(f.tables->led.Count(), 0u);
}

TEST(LedFiles, ACutOffTableIsAnErrorAndKeepsTheRows) {
    test::ProjectFixture f;
    f.CreateProject("P");
    const auto dir = f.ProjectDir("P");
    test::WriteBytes(dir / "LED.ofd", std::vector<std::uint8_t>(2912 + 100, 1));
    std::filesystem::remove(dir / "Led.ofd");
    f.tables->led.Append(NewLedRow(nullptr));
    EXPECT_THROW(f.store.LoadAllTablesFrom(dir), IoError);
    EXPECT_EQ(f.tables->led.Count(), 1u);
}

TEST(LedFiles, SaveCheckOfWindowsAndNames) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> windows;
        std::optional<CheckFailure> failure;
    };
    const Case cases[] = {
        {"equal values pass", {{4, 4}, {1, 1275}}, std::nullopt},
        {"x1 below x0 in row 2",
         {{1, 5}, {9, 8}, {3, 2}},
         CheckFailure{"Der Wert von x0 in Zeile Nr. 2 muß kleiner sein als der von x1!\r\r"
                      "          Geben Sie bitte einen entsprechenden Wert an.",
                      2, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ProjectFixture f;
        int n = 0;
        for (auto [x0, x1] : c.windows) {
            TLedRecord row = NewLedRow(nullptr);
            row.Bezeichnung = "Anzeige " + std::to_string(++n);
            row.X0 = x0;
            row.X1 = x1;
            f.tables->led.Append(row);
        }
        EXPECT_EQ(CheckLedTableForSave(*f.tables), c.failure);
    }
}

TEST(LedFiles, SaveCheckFindsNamesOfOtherTables) {
    test::ProjectFixture f;
    TLedRecord row = NewLedRow(nullptr);
    row.Bezeichnung = "  Pumpe ";
    f.tables->led.Append(row);
    f.tables->counters.SetCount(1);
    f.tables->counters.Row(0).Bezeichnung = "PUMPE";
    const auto failure = CheckLedTableForSave(*f.tables);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->row, 1u);
    EXPECT_EQ(failure->column, 1);
    EXPECT_NE(failure->message.find("Counter"), std::string::npos) << failure->message;
    EXPECT_EQ(f.tables->led.Row(0).Bezeichnung.str(), "Pumpe");  // trimmed in memory
}

}  // namespace
}  // namespace ovis
